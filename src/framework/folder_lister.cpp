#include "framework/folder_lister.h"

#include <windows.h>

#include <string_view>

#include "common/path_split.h"
#include "framework/ansi_name.h"

namespace {

// Ends a search of FindFirst.
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

void Add(tewo::FolderListing& listing, const WIN32_FIND_DATAW& data) {
  const std::wstring_view name = data.cFileName;
  if (name == L"." || name == L"..") return;
  const bool folder = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
  const bool link = folder && (data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
  AnsiName ansi = ToAnsiName(name);
  listing.entries.push_back(
      {std::move(ansi.text), folder, ansi.exact, link, FileTimeNumber(data.ftLastWriteTime)});
}

}  // namespace

tewo::FolderListing ListFolder(const std::string& path, const tewo::FileCalls& calls) {
  tewo::FolderListing listing;
  WIN32_FIND_DATAW data{};
  const FindHandle find(calls.FindFirst(SearchPattern(path).c_str(), &data));
  if (find.get() == INVALID_HANDLE_VALUE) {
    // Only a drive's root can hold nothing at all, not even "." and "..".
    listing.readable = ::GetLastError() == ERROR_FILE_NOT_FOUND;
    return listing;
  }
  do {
    Add(listing, data);
  } while (calls.FindNext(find.get(), &data));
  listing.readable = ::GetLastError() == ERROR_NO_MORE_FILES;
  return listing;
}
