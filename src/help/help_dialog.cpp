#include "help/help_dialog.h"

#include "framework/dpi.h"
#include "framework/win_app.h"
#include "help/help_text.h"
#include "resources/resource.h"

namespace {

const char kNoHelpFile[] = "ヘルプファイルがないため実行を中断します。";

}  // namespace

const char CHelpDialog::kTitle[] = "説明(TEWO)";

const MessageMapEntry<CHelpDialog> CHelpDialog::kMessageMap[] = {
    MapMessage(WM_CLOSE, &CHelpDialog::OnClose),
    MapMessage(WM_CTLCOLORSTATIC, &CHelpDialog::OnCtlColorStatic),
    MapMessage(WM_DPICHANGED, &CHelpDialog::OnDpiChanged),
    MapCommand(IDC_HELP_CLOSE, &CHelpDialog::OnCloseButton),
};

void CHelpDialog::OpenOrFocus(CWnd& owner) {
  if (HWND open = ::FindWindowA(nullptr, kTitle)) {
    ::SetFocus(open);
    return;
  }
  auto* help = new CHelpDialog;
  if (!help->Create(IDD_HELP, &owner)) {
    delete help;
    return;
  }
  HWND window = help->m_hWnd;
  ::ShowWindow(window, SW_SHOW);
  RECT ownerRect{};
  RECT rect{};
  ::GetWindowRect(owner.m_hWnd, &ownerRect);
  ::GetWindowRect(window, &rect);
  const UINT dpi = WindowDpi(owner.m_hWnd);
  ::MoveWindow(window, ownerRect.left + ScaleToDpi(140, dpi), ownerRect.top + ScaleToDpi(100, dpi),
               rect.right - rect.left, rect.bottom - rect.top, TRUE);
}

CHelpDialog::CHelpDialog() : CDialog(IDD_HELP) {}

void CHelpDialog::SetTextFont(UINT dpi) {
  // The help text's fixed-pitch font, 12 pixels high at 96 DPI.
  ShowPixelFont(GetDlgItem(IDC_HELP_TEXT), "ＭＳ ゴシック", 12, dpi, font_);
}

bool CHelpDialog::OnMessage(UINT message, WPARAM wp, LPARAM lp, INT_PTR& result) {
  return Dispatch<CHelpDialog>(*this, kMessageMap, message, wp, lp, result);
}

BOOL CHelpDialog::OnInitDialog() {
  CDialog::OnInitDialog();
  SetTextFont(WindowDpi(m_hWnd));
  // A help text of any length is shown whole.
  SendDlgItemMessage(IDC_HELP_TEXT, EM_SETLIMITTEXT, 0, 0);
  SetDlgItemText(IDC_HELP_TEXT, "");
  const auto text = tewo::LoadHelpText(tewo::HelpFilePath(AfxGetApp()->ModuleFileName()));
  if (!text) {
    ReportMessage(m_hWnd, kNoHelpFile);
    AfxGetApp()->System().ExitProcess(1);
    return TRUE;
  }
  SetDlgItemText(IDC_HELP_TEXT, *text);
  return TRUE;  // the system focuses "Close", the first control
}

INT_PTR CHelpDialog::OnDpiChanged(WPARAM wp, LPARAM) {
  SetTextFont(DpiOfDpiChanged(wp));
  return FALSE;  // the system scales the dialog and its controls
}

void CHelpDialog::OnCloseButton() { PostMessage(WM_CLOSE); }

INT_PTR CHelpDialog::OnClose(WPARAM, LPARAM) {
  OnCancel();
  DestroyWindow();
  return TRUE;
}

INT_PTR CHelpDialog::OnCtlColorStatic(WPARAM wp, LPARAM lp) {
  INT_PTR brush = ::DefWindowProcA(m_hWnd, WM_CTLCOLORSTATIC, wp, lp);
  // The read-only text area is coloured as a static; it looks like an
  // ordinary white edit field.
  if (::GetDlgCtrlID(reinterpret_cast<HWND>(lp)) == IDC_HELP_TEXT) {
    ::SetBkColor(reinterpret_cast<HDC>(wp), RGB(255, 255, 255));
    return reinterpret_cast<INT_PTR>(::GetStockObject(WHITE_BRUSH));
  }
  return brush;
}
