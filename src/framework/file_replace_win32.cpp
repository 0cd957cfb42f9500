// Replacing a file on Windows: the new file takes the old one's place in one
// step, so that the old file stays whole when anything before fails.
#include <windows.h>

#include "common/file_replace.h"

namespace tewo {

bool CreateNewFile(const std::string& path) {
  HANDLE file = ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  ::CloseHandle(file);
  return true;
}

namespace {

// The attributes a user sets on a file; a replacement keeps them.
constexpr DWORD kUserAttributes = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                                  FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

}  // namespace

bool ReplaceFileWith(const std::string& newFile, const std::string& target) {
  const DWORD attributes = ::GetFileAttributesA(target.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) {
    return ::MoveFileExA(newFile.c_str(), target.c_str(),
                         MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
  }
  // A read-only file stays as it is, as Windows itself keeps it (Wine would
  // replace it); a folder is never replaced.
  if (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)) return false;
  // The system's replacement keeps the old file's security, attributes and
  // creation time, where a rename would give the new file's.
  if (!::ReplaceFileA(target.c_str(), newFile.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS,
                      nullptr, nullptr)) {
    return false;
  }
  // Not every system carries the attributes over: set them again.
  const DWORD now = ::GetFileAttributesA(target.c_str());
  if (now != INVALID_FILE_ATTRIBUTES && (now & kUserAttributes) != (attributes & kUserAttributes)) {
    const DWORD wanted = (now & ~kUserAttributes) | (attributes & kUserAttributes);
    ::SetFileAttributesA(target.c_str(), wanted != 0 ? wanted : FILE_ATTRIBUTE_NORMAL);
  }
  return true;
}

}  // namespace tewo
