// Replacing a file on Windows: the new file takes the old one's place in one
// step, so that the old file stays whole when anything before fails.
#include <windows.h>

#include "common/file_replace.h"

namespace tewo {

bool ReplaceFileWith(const std::string& newFile, const std::string& target) {
  // A read-only file stays as it is, as Windows itself keeps it (Wine would
  // replace it).
  const DWORD attributes = ::GetFileAttributesA(target.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) return false;
  return ::MoveFileExA(newFile.c_str(), target.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
}

}  // namespace tewo
