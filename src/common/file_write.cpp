#include "common/file_write.h"

#include <cstdio>

#include "common/file_replace.h"
#include "common/text_file.h"

namespace tewo {

std::string ReplacementPath(const std::string& path) { return path + ".new"; }

bool WriteFileReplacing(const std::string& path, std::string_view bytes) {
  ReplacingTextFileWriter writer;
  if (!writer.Create(path)) return false;
  writer.WriteBytes(bytes);
  return writer.Commit();
}

ReplacingTextFileWriter::~ReplacingTextFileWriter() { Discard(); }

bool ReplacingTextFileWriter::Create(const std::string& path) {
  Discard();
  target_ = path;
  newPath_ = ReplacementPath(path);
  failed_ = false;
  open_ = writer_.Create(newPath_);
  return open_;
}

bool ReplacingTextFileWriter::Commit() {
  if (!open_) return false;
  const bool closed = writer_.Close();
  if (closed && !failed_ && ReplaceFileWith(newPath_, target_)) {
    open_ = false;
    return true;
  }
  Discard();
  return false;
}

void ReplacingTextFileWriter::Discard() {
  if (!open_) return;
  writer_.Close();  // a second close after Commit's does nothing
  std::remove(newPath_.c_str());
  open_ = false;
}

}  // namespace tewo
