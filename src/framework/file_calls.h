#pragma once
// The file system calls whose documented failures and findings Wine never
// produces: those that replacing a file makes (ReplaceFileA stopping half
// way, a file held for a moment by a scanner), those that look at folders
// (a listing refused for access, reparse tags, system folders, one folder
// under two paths), and the making of output folders (refused for access or
// space). Tests stand in for them by overriding these calls; each sets the
// thread's last error as the system's call does.

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
  // What the system tells of the folder at path: its volume and file number.
  virtual BOOL FolderInformation(const wchar_t* path, BY_HANDLE_FILE_INFORMATION* info) const {
    // Only the backup semantics open a folder; no access right is needed.
    HANDLE folder = ::CreateFileW(path, 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                  nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (folder == INVALID_HANDLE_VALUE) return FALSE;
    const BOOL told = ::GetFileInformationByHandle(folder, info);
    ::CloseHandle(folder);
    return told;
  }
  // What kind of drive the root ("C:\\") is on.
  virtual UINT DriveType(const wchar_t* root) const { return ::GetDriveTypeW(root); }
  // The wait before a call is tried again.
  virtual void Pause(DWORD milliseconds) const { ::Sleep(milliseconds); }
  // One folder, whose parent must exist (the output folders of a kept tree).
  virtual BOOL CreateFolder(const char* path) const { return ::CreateDirectoryA(path, nullptr); }
  // Attributes and times of one file.
  virtual BOOL AttributeDataWide(const wchar_t* path, WIN32_FILE_ATTRIBUTE_DATA* data) const {
    return ::GetFileAttributesExW(path, GetFileExInfoStandard, data);
  }
};

}  // namespace tewo
