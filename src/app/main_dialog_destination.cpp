// The destination row of the main dialog: the folder browser and the desktop button.

#include <shlobj.h>

#include <string>

#include "app/destination_text.h"
#include "app/folder_browser.h"
#include "app/main_dialog.h"
#include "common/path_split.h"
#include "framework/win_app.h"
#include "resources/resource.h"
#include "script/destination_name.h"

void CMainDialog::SetDestination(const std::string& folder) {
  SetDlgItemText(IDC_DESTINATION, folder);
  rememberedDestination = folder;
  FocusDlgItem(IDC_DESTINATION);
}

void CMainDialog::OnBrowseDestination() {
  // A typed name the code page cannot hold would preselect its look-alike.
  const AnsiName typed = DestinationFieldName(m_hWnd);
  const std::string initial = typed.exact ? tewo::InitialBrowseFolder(typed.text) : std::string();
  const AnsiName folder = BrowseForFolderPath(m_hWnd, "変換先ﾌｫﾙﾀﾞを指定してください。", initial);
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
