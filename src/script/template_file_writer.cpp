#include "script/template_file_writer.h"

#include <cstdio>

#include "common/file_replace.h"
#include "common/text_file.h"

namespace tewo {

std::string TemplateFileNewPath(const std::string& path) { return path + ".new"; }

bool WriteTemplateFile(const std::string& path, std::string_view text) {
  const std::string newPath = TemplateFileNewPath(path);
  TextFileWriter writer;
  if (!writer.Create(newPath)) return false;
  const bool written = writer.Write(text);
  if (writer.Close() && written && ReplaceFileWith(newPath, path)) return true;
  std::remove(newPath.c_str());
  return false;
}

}  // namespace tewo
