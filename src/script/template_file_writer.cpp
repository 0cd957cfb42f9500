#include "script/template_file_writer.h"

#include "common/file_write.h"

namespace tewo {

WriteResult WriteTemplateFile(const std::string& path, std::string_view text,
                              const FileCalls* calls) {
  ReplacingTextFileWriter writer(calls);
  if (!writer.Create(path)) return {};
  writer.Write(text);
  return writer.Commit();
}

}  // namespace tewo
