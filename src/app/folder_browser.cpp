#include "app/folder_browser.h"

#include "framework/win_app.h"

namespace {

// Preselects the initial folder when the browser has opened.
int CALLBACK BrowseCallback(HWND hwnd, UINT message, LPARAM, LPARAM data) {
  if (message == BFFM_INITIALIZED) ::SendMessageA(hwnd, BFFM_SETSELECTIONA, TRUE, data);
  return 0;
}

}  // namespace

AnsiName PathOfItemList(PCIDLIST_ABSOLUTE items) {
  std::wstring path(MAX_PATH + 1, L'\0');
  if (!::SHGetPathFromIDListW(items, path.data())) return {};
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
  if (chosen != nullptr) {
    folder = PathOfItemList(chosen);
    ::CoTaskMemFree(chosen);
  }
  return folder;
}
