#include "app/folder_lister.h"

#include <windows.h>

#include <string_view>

#include "common/path_split.h"
#include "framework/ansi_name.h"

namespace {

// Ends a search of FindFirstFileExW.
class FindHandle {
 public:
  explicit FindHandle(HANDLE handle) : handle_(handle) {}
  ~FindHandle() {
    if (handle_ != INVALID_HANDLE_VALUE) ::FindClose(handle_);
  }
  FindHandle(const FindHandle&) = delete;
  FindHandle& operator=(const FindHandle&) = delete;
  HANDLE get() const { return handle_; }

 private:
  HANDLE handle_;
};

// "folder\*"; past the classic path limit in the long form, which the wide
// functions take (the drawings down there are counted as too long, not lost).
std::wstring SearchPattern(const std::string& folder) {
  std::wstring pattern = ToWide(tewo::WithTrailingBackslash(folder)) + L"*";
  if (pattern.size() < MAX_PATH) return pattern;
  if (pattern.rfind(L"\\\\", 0) == 0) return L"\\\\?\\UNC\\" + pattern.substr(2);
  return L"\\\\?\\" + pattern;
}

HANDLE FindFirst(const std::wstring& pattern, WIN32_FIND_DATAW& data) {
  // Without the short names and in larger batches; systems before Windows 7
  // know neither and refuse them as a parameter.
  HANDLE handle = ::FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &data, FindExSearchNameMatch,
                                     nullptr, FIND_FIRST_EX_LARGE_FETCH);
  if (handle == INVALID_HANDLE_VALUE && ::GetLastError() == ERROR_INVALID_PARAMETER) {
    handle = ::FindFirstFileW(pattern.c_str(), &data);
  }
  return handle;
}

void Add(tewo::FolderListing& listing, const WIN32_FIND_DATAW& data) {
  const std::wstring_view name = data.cFileName;
  if (name == L"." || name == L"..") return;
  const bool folder = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
  if (folder && (data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0) return;
  AnsiName ansi = ToAnsiName(name);
  listing.entries.push_back({std::move(ansi.text), folder, ansi.exact});
}

}  // namespace

tewo::FolderListing ListFolder(const std::string& path) {
  tewo::FolderListing listing;
  WIN32_FIND_DATAW data{};
  const FindHandle find(FindFirst(SearchPattern(path), data));
  if (find.get() == INVALID_HANDLE_VALUE) {
    // Only a drive's root can hold nothing at all, not even "." and "..".
    listing.readable = ::GetLastError() == ERROR_FILE_NOT_FOUND;
    return listing;
  }
  do {
    Add(listing, data);
  } while (::FindNextFileW(find.get(), &data));
  listing.readable = ::GetLastError() == ERROR_NO_MORE_FILES;
  return listing;
}
