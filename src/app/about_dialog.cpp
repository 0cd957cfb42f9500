#include "app/about_dialog.h"

#include "framework/dpi.h"
#include "resources/resource.h"

const MessageMapEntry<CAboutDialog> CAboutDialog::kMessageMap[] = {
    MapMessage(WM_DPICHANGED, &CAboutDialog::OnDpiChanged),
};

CAboutDialog::CAboutDialog() : CDialog(IDD_ABOUTBOX) {}

bool CAboutDialog::OnMessage(UINT message, WPARAM wp, LPARAM lp, INT_PTR& result) {
  return Dispatch<CAboutDialog>(*this, kMessageMap, message, wp, lp, result);
}

BOOL CAboutDialog::OnInitDialog() {
  CDialog::OnInitDialog();
  SetVersionFont(WindowDpi(m_hWnd));
  return TRUE;
}

void CAboutDialog::SetVersionFont(UINT dpi) {
  ShowPixelFont(GetDlgItem(IDC_ABOUT_VERSION), "ＭＳ Ｐゴシック", 16, dpi, versionFont_);
}

INT_PTR CAboutDialog::OnDpiChanged(WPARAM wp, LPARAM) {
  SetVersionFont(DpiOfDpiChanged(wp));
  return FALSE;  // the system scales the dialog and its controls
}
