#include "common/file_write.h"

#include <cstdio>

#include "common/file_replace.h"
#include "common/text_file.h"

namespace tewo {

std::string ReplacementPath(const std::string& path) { return path + ".new"; }

bool WriteFileReplacing(const std::string& path, std::string_view bytes) {
  const std::string newPath = ReplacementPath(path);
  FilePtr file(std::fopen(newPath.c_str(), "wb"));
  if (!file) return false;
  bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file.get()) == bytes.size();
  if (std::fclose(file.release()) != 0) ok = false;
  if (ok && ReplaceFileWith(newPath, path)) return true;
  std::remove(newPath.c_str());
  return false;
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

std::string LfToCrLf(std::string_view text) {
  std::string out;
  out.reserve(text.size() + text.size() / 16);
  for (char c : text) {
    if (c == '\n') out.push_back('\r');
    out.push_back(c);
  }
  return out;
}

}  // namespace tewo
