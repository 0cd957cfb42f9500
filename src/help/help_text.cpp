#include "help/help_text.h"

#include <limits>

#include "common/crlf_text.h"
#include "common/path_split.h"

namespace tewo {

std::string HelpFilePath(const std::string& exePath) { return FolderOf(exePath) + "help.txt"; }

std::optional<std::string> LoadHelpText(const std::string& path) {
  auto bytes = ReadTextFileBytes(path, std::numeric_limits<std::size_t>::max() - 1);
  if (!bytes) return {};
  return WithCrLf(std::move(*bytes));
}

}  // namespace tewo
