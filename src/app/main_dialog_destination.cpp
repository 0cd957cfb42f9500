// The destination row of the main dialog: the folder browser and the desktop button.

#include <shlobj.h>

#include <string>

#include "app/destination_text.h"
#include "app/main_dialog.h"
#include "common/path_split.h"
#include "framework/win_app.h"
#include "resources/resource.h"
#include "script/destination_name.h"

namespace {

// Preselects the initial folder when the browser has opened.
int CALLBACK BrowseCallback(HWND hwnd, UINT message, LPARAM, LPARAM data) {
  if (message == BFFM_INITIALIZED) ::SendMessageA(hwnd, BFFM_SETSELECTIONA, TRUE, data);
  return 0;
}

// The folder's path, read in its wide form; empty when the item is no folder.
AnsiName PathOfItemList(PCIDLIST_ABSOLUTE items) {
  std::wstring path(MAX_PATH + 1, L'\0');
  if (!::SHGetPathFromIDListW(items, path.data())) return {};
  path.resize(path.find(L'\0'));
  return ToAnsiName(path);
}

}  // namespace

void CMainDialog::SetDestination(const std::string& folder) {
  SetDlgItemText(IDC_DESTINATION, folder);
  rememberedDestination = folder;
  FocusDlgItem(IDC_DESTINATION);
}

void CMainDialog::OnBrowseDestination() {
  // A typed name the code page cannot hold would preselect its look-alike.
  const AnsiName typed = DestinationFieldName(m_hWnd);
  const std::string initial = typed.exact ? tewo::InitialBrowseFolder(typed.text) : std::string();
  std::string displayName(MAX_PATH + 1, '\0');
  BROWSEINFOA info{};
  info.hwndOwner = m_hWnd;
  info.pszDisplayName = displayName.data();
  info.lpszTitle = "変換先ﾌｫﾙﾀﾞを指定してください。";
  info.ulFlags = BIF_RETURNONLYFSDIRS;
  info.lpfn = BrowseCallback;
  info.lParam = reinterpret_cast<LPARAM>(initial.c_str());

  PIDLIST_ABSOLUTE chosen = AfxGetApp()->System().BrowseForFolder(info);
  AnsiName folder;
  if (chosen != nullptr) {
    folder = PathOfItemList(chosen);
    ::CoTaskMemFree(chosen);
  }
  if (RefuseDestinationName(m_hWnd, folder) || folder.text.empty()) return;
  SetDestination(tewo::WithTrailingBackslash(folder.text));
}

void CMainDialog::OnDesktop() {
  IMalloc* allocator = nullptr;
  if (FAILED(::SHGetMalloc(&allocator)) || allocator == nullptr) return;
  PIDLIST_ABSOLUTE desktop = nullptr;
  if (SUCCEEDED(::SHGetSpecialFolderLocation(::GetDesktopWindow(), CSIDL_DESKTOP, &desktop))) {
    // The desktop is never a drive's root: the backslash is always appended.
    const AnsiName folder = PathOfItemList(desktop);
    if (!RefuseDestinationName(m_hWnd, folder)) SetDestination(folder.text + "\\");
    allocator->Free(desktop);
  }
  allocator->Release();
}
