#include "script/template_file_writer.h"

#include "common/file_write.h"

namespace tewo {

bool WriteTemplateFile(const std::string& path, std::string_view text) {
  return WriteFileReplacing(path, LfToCrLf(text));
}

}  // namespace tewo
