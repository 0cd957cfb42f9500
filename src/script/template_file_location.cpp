#include "script/template_file_location.h"

#include "common/path_split.h"
#include "framework/win_app.h"
#include "script/command_template.h"

namespace tewo {

std::string CommandTemplateFilePath() {
  return FolderOf(AfxGetApp()->ModuleFileName()) + kTemplateFileName;
}

}  // namespace tewo
