// Replacing a file on Windows: the new file takes the old one's place in one
// step, so that the old file stays whole when anything before fails.
#include <windows.h>

#include "common/file_replace.h"

namespace tewo {

bool ReplaceFileWith(const std::string& newFile, const std::string& target) {
  return ::MoveFileExA(newFile.c_str(), target.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
}

}  // namespace tewo
