#include "app/folder_browser.h"

#include "common/file_write.h"
#include "common/mbcs.h"
#include "framework/win_app.h"
#include "framework/wnd.h"

namespace {

// Preselects the initial folder when the browser has opened.
int CALLBACK BrowseCallback(HWND hwnd, UINT message, LPARAM, LPARAM data) {
  if (message == BFFM_INITIALIZED) ::SendMessageA(hwnd, BFFM_SETSELECTIONA, TRUE, data);
  return 0;
}

}  // namespace

AnsiName PathOfItemList(PCIDLIST_ABSOLUTE items) {
  // The longest path the wide functions take, so that a path beyond the
  // classic limit is read whole and can be named.
  std::wstring path(32768, L'\0');
  if (!::SHGetPathFromIDListEx(items, path.data(), static_cast<DWORD>(path.size()),
                               GPFIDL_DEFAULT)) {
    return {};
  }
  path.resize(path.find(L'\0'));
  return ToAnsiName(path);
}

AnsiName BrowseForFolderPath(HWND owner, const char* title, const std::string& initial) {
  std::string displayName(MAX_PATH + 1, '\0');
  BROWSEINFOA info{};
  info.hwndOwner = owner;
  info.pszDisplayName = displayName.data();
  info.lpszTitle = title;
  info.ulFlags = BIF_RETURNONLYFSDIRS;
  info.lpfn = BrowseCallback;
  info.lParam = reinterpret_cast<LPARAM>(initial.c_str());

  PIDLIST_ABSOLUTE chosen = AfxGetApp()->System().BrowseForFolder(info);
  AnsiName folder;
  if (chosen == nullptr) return folder;
  folder = PathOfItemList(chosen);
  ::CoTaskMemFree(chosen);
  // Only folders of the file system can be chosen: one without a path lies
  // beyond what the shell reads. Neither is taken for a Cancel.
  if (folder.text.empty()) {
    ReportMessage(owner, "ﾌｫﾙﾀﾞのﾊﾟｽを読み取れませんでした！");
  } else if (tewo::CharCount(folder.text) > tewo::kMaxPathChars) {
    ReportMessage(owner, "ﾌｫﾙﾀﾞのﾊﾟｽが長すぎます！\n" + folder.text);
    folder = {};
  }
  return folder;
}
