#include "app/destination_text.h"

#include "common/path_split.h"

namespace tewo {

std::string InitialBrowseFolder(std::string_view field) {
  if (field.empty()) return {};
  PathParts parts = SplitPath(field);
  // The folder part always ends with its single-byte separator.
  if (parts.dir.size() > 1) parts.dir.pop_back();
  return parts.drive + parts.dir;
}

}  // namespace tewo
