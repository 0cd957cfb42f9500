#include "framework/folder_lister.h"

#include <windows.h>

#include <cstdint>
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

// path in the form the wide functions take beyond the classic path limit.
std::wstring LongForm(std::wstring path) {
  if (path.size() < MAX_PATH) return path;
  if (path.rfind(L"\\\\", 0) == 0) return L"\\\\?\\UNC\\" + path.substr(2);
  return L"\\\\?\\" + path;
}

// "folder\*"; past the classic path limit in the long form, which the wide
// functions take (the drawings down there are counted as too long, not lost).
std::wstring SearchPattern(const std::string& folder) {
  return LongForm(ToWide(tewo::WithTrailingBackslash(folder)) + L"*");
}

// The system's own folders carry both marks ($RECYCLE.BIN, System Volume Information).
constexpr DWORD kSystemFolder = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;

void Add(tewo::FolderListing& listing, const WIN32_FIND_DATAW& data) {
  const std::wstring_view name = data.cFileName;
  if (name == L"." || name == L"..") return;
  const DWORD attributes = data.dwFileAttributes;
  const bool folder = (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
  // Only a name surrogate (link, junction, mount point) leads elsewhere; the
  // other reparse points, as every folder of a cloud drive has, are folders.
  const bool link = folder && (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0 &&
                    IsReparseTagNameSurrogate(data.dwReserved0);
  AnsiName ansi = ToAnsiName(name);
  listing.entries.push_back({std::move(ansi.text), folder, ansi.exact, link,
                             folder && (attributes & kSystemFolder) == kSystemFolder,
                             ansi.exact ? std::wstring() : std::wstring(name),
                             FileTimeNumber(data.ftLastWriteTime)});
}

}  // namespace

tewo::FolderListing ListFolder(const std::string& path, const tewo::FileCalls& calls,
                               bool withIdentity) {
  tewo::FolderListing listing;
  BY_HANDLE_FILE_INFORMATION info{};
  if (withIdentity && calls.FolderInformation(LongForm(ToWide(path)).c_str(), &info)) {
    listing.identity = {info.dwVolumeSerialNumber,
                        (std::uint64_t{info.nFileIndexHigh} << 32) | info.nFileIndexLow};
  }
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
