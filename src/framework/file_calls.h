#pragma once
// The file system calls that replacing a file makes. Windows documents
// outcomes of ReplaceFileA that Wine never produces; tests stand in for them
// by overriding these calls.

#include <windows.h>

namespace tewo {

class FileCalls {
 public:
  virtual ~FileCalls() = default;
  virtual BOOL Replace(const char* replaced, const char* replacement, const char* backup) const {
    return ::ReplaceFileA(replaced, replacement, backup, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr,
                          nullptr);
  }
  virtual BOOL Move(const char* from, const char* to) const {
    return ::MoveFileExA(from, to, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
  }
  virtual BOOL Delete(const char* path) const { return ::DeleteFileA(path); }
  virtual DWORD Attributes(const char* path) const { return ::GetFileAttributesA(path); }
  virtual BOOL SetAttributes(const char* path, DWORD attributes) const {
    return ::SetFileAttributesA(path, attributes);
  }
};

}  // namespace tewo
