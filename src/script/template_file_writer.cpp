#include "script/template_file_writer.h"

#include "common/file_write.h"

namespace tewo {

bool WriteTemplateFile(const std::string& path, std::string_view text) {
  ReplacingTextFileWriter writer;
  if (!writer.Create(path)) return false;
  writer.Write(text);
  return writer.Commit();
}

}  // namespace tewo
