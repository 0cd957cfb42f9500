#include "app/about_dialog.h"

#include <utility>

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
  KeepOwnFontOnDpiChange(GetDlgItem(IDC_ABOUT_VERSION));
  return TRUE;
}

void CAboutDialog::SetVersionFont(UINT dpi) {
  ScopedFont font = CreatePixelFont("ＭＳ Ｐゴシック", ScaleToDpi(16, dpi));
  SendDlgItemMessage(IDC_ABOUT_VERSION, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), TRUE);
  versionFont_ = std::move(font);
}

INT_PTR CAboutDialog::OnDpiChanged(WPARAM wp, LPARAM) {
  SetVersionFont(DpiOfDpiChanged(wp));
  return FALSE;  // the system scales the dialog and its controls
}
