#include "app/about_dialog.h"

#include "resources/resource.h"

CAboutDialog::CAboutDialog()
    : CDialog(IDD_ABOUTBOX),
      versionFont_(::CreateFontA(16, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET,
                                 OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, PROOF_QUALITY,
                                 DEFAULT_PITCH | FF_DONTCARE, "ＭＳ Ｐゴシック")) {}

BOOL CAboutDialog::OnInitDialog() {
  CDialog::OnInitDialog();
  SendDlgItemMessage(IDC_ABOUT_VERSION, WM_SETFONT, reinterpret_cast<WPARAM>(versionFont_.get()),
                     TRUE);
  return TRUE;
}
