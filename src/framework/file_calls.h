#pragma once
// The file system calls whose documented failures Wine never produces: those
// that replacing a file makes (ReplaceFileA stopping half way), and those
// that look at the destination folder (a listing refused for access). Tests
// stand in for them by overriding these calls; each sets the thread's last
// error as the system's call does.

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
  // Without the short names and in larger batches; systems before Windows 7
  // know neither and refuse them as a parameter.
  virtual HANDLE FindFirst(const wchar_t* pattern, WIN32_FIND_DATAW* data) const {
    HANDLE find = ::FindFirstFileExW(pattern, FindExInfoBasic, data, FindExSearchNameMatch, nullptr,
                                     FIND_FIRST_EX_LARGE_FETCH);
    if (find == INVALID_HANDLE_VALUE && ::GetLastError() == ERROR_INVALID_PARAMETER) {
      find = ::FindFirstFileW(pattern, data);
    }
    return find;
  }
  virtual BOOL FindNext(HANDLE find, WIN32_FIND_DATAW* data) const {
    return ::FindNextFileW(find, data);
  }
  virtual DWORD AttributesWide(const wchar_t* path) const { return ::GetFileAttributesW(path); }
  // Attributes and times of one file.
  virtual BOOL AttributeDataWide(const wchar_t* path, WIN32_FILE_ATTRIBUTE_DATA* data) const {
    return ::GetFileAttributesExW(path, GetFileExInfoStandard, data);
  }
};

}  // namespace tewo
