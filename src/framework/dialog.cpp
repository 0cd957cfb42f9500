#include "framework/dialog.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "framework/escape_proof_edit.h"
#include "framework/win_app.h"

CDialog::~CDialog() {
  // A modeless window still open when its object goes away must not call
  // back into the destroyed object.
  if (m_hWnd != nullptr) {
    ::SetWindowLongPtrA(m_hWnd, DWLP_USER, 0);
    if (!modal_) AfxGetApp()->RemoveModeless(this);
  }
}

HWND CDialog::CreateFromTemplate(UINT templateId, HWND owner, CDialog* dialog) {
  // Made by the wide function, so that the controls are: an edit made by the
  // ANSI one keeps its text in the code page on Windows, and would turn a
  // pasted character that the code page lacks into a look-alike before the
  // tool could read it and refuse it. Everything else still speaks ANSI.
  return ::CreateDialogParamW(AfxGetInstanceHandle(), MAKEINTRESOURCEW(templateId), owner,
                              DialogProc, reinterpret_cast<LPARAM>(dialog));
}

INT_PTR CDialog::DoModal() {
  // Without a parent a dialog is owned by the main window, as long as that
  // is another window.
  HWND owner = parent_ ? parent_->m_hWnd : nullptr;
  CWinApp* app = AfxGetApp();
  if (owner == nullptr && app->m_pMainWnd != nullptr && app->m_pMainWnd != this)
    owner = app->m_pMainWnd->m_hWnd;
  if (owner != nullptr) owner = ::GetAncestor(owner, GA_ROOT);

  modal_ = true;
  modalResult_ = -1;
  inModalLoop_ = true;
  // The owner takes no input from the start: messages that the dialog shows
  // while it initialises are already modal.
  const bool disableOwner = owner != nullptr && ::IsWindowEnabled(owner);
  if (disableOwner) ::EnableWindow(owner, FALSE);
  HWND hwnd = CreateFromTemplate(templateId_, owner, this);
  if (hwnd != nullptr && inModalLoop_) {
    ::ShowWindow(hwnd, SW_SHOW);
    RunModalLoop();
  }
  inModalLoop_ = false;
  // Enable the owner before the dialog goes, so that the activation returns to it.
  if (disableOwner) ::EnableWindow(owner, TRUE);
  if (m_hWnd != nullptr) {
    ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                   SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
    ::DestroyWindow(m_hWnd);
  }
  if (owner != nullptr) ::SetActiveWindow(owner);
  modal_ = false;
  return hwnd == nullptr ? -1 : modalResult_;
}

void CDialog::RunModalLoop() {
  CWinApp* app = AfxGetApp();
  MSG msg;
  while (inModalLoop_) {
    BOOL got = ::GetMessageW(&msg, nullptr, 0, 0);
    if (got == 0) {
      // Leave WM_QUIT for the loop outside.
      ::PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    if (got == -1) break;
    app->DispatchLoopMessage(msg, this);
  }
}

BOOL CDialog::Create(UINT templateId, CWnd* owner) {
  templateId_ = templateId;
  modal_ = false;
  HWND hwnd = CreateFromTemplate(templateId, owner ? owner->m_hWnd : nullptr, this);
  if (hwnd == nullptr) return FALSE;
  AfxGetApp()->AddModeless(this);
  return TRUE;
}

bool CDialog::PreTranslateMessage(MSG& msg) { return ::IsDialogMessageW(m_hWnd, &msg) != FALSE; }

void CDialog::EndDialog(INT_PTR result) {
  if (modal_) {
    modalResult_ = result;
    inModalLoop_ = false;
    // Wake the modal loop in case no other message is on its way.
    if (m_hWnd != nullptr) ::PostMessageA(m_hWnd, WM_NULL, 0, 0);
  } else if (m_hWnd != nullptr) {
    ::ShowWindow(m_hWnd, SW_HIDE);
  }
}

void CDialog::DestroyWindow() {
  if (m_hWnd != nullptr) ::DestroyWindow(m_hWnd);
}

// The initialisation data of a dialog template: a resource of type 240 with
// the template's id, holding entries {WORD control, WORD message, DWORD
// length, bytes} up to a control id 0. The messages are the 16-bit forms of
// adding a string to a list box (0x0401) or a combo box (0x0403).
void CDialog::ExecuteDlgInit() const {
  constexpr WORD kDlgInitType = 240;
  HINSTANCE instance = AfxGetInstanceHandle();
  HRSRC found =
      ::FindResourceA(instance, MAKEINTRESOURCEA(templateId_), MAKEINTRESOURCEA(kDlgInitType));
  if (found == nullptr) return;
  HGLOBAL loaded = ::LoadResource(instance, found);
  const auto* data = static_cast<const BYTE*>(::LockResource(loaded));
  const DWORD size = ::SizeofResource(instance, found);
  if (data == nullptr) return;
  DWORD at = 0;
  while (at + 8 <= size) {
    WORD control = 0;
    WORD message = 0;
    DWORD length = 0;
    std::memcpy(&control, data + at, 2);
    if (control == 0) break;
    std::memcpy(&message, data + at + 2, 2);
    std::memcpy(&length, data + at + 4, 4);
    at += 8;
    if (length > size - at) break;
    const std::string text(reinterpret_cast<const char*>(data + at), length);
    at += length;
    const UINT add = message == 0x0401 ? LB_ADDSTRING : message == 0x0403 ? CB_ADDSTRING : 0;
    if (add != 0) SendDlgItemMessage(control, add, 0, reinterpret_cast<LPARAM>(text.c_str()));
  }
}

namespace {
const char kHandlerFailed[] = "処理中にエラーが発生したため中断しました。";

// Whether the dialog template puts the dialog at 0, 0: read from the
// template itself, since the system places it relative to its owner.
bool TemplateAtOrigin(UINT templateId) {
  HINSTANCE instance = AfxGetInstanceHandle();
  HRSRC found = ::FindResourceA(instance, MAKEINTRESOURCEA(templateId), MAKEINTRESOURCEA(5));
  if (found == nullptr) return false;
  const auto* data = static_cast<const BYTE*>(::LockResource(::LoadResource(instance, found)));
  if (data == nullptr || ::SizeofResource(instance, found) < 26) return false;
  WORD signature = 0;
  std::memcpy(&signature, data + 2, 2);
  // DLGTEMPLATEEX has its x and y after version, signature, help id, styles
  // and item count; DLGTEMPLATE after its styles and item count.
  const std::size_t at = signature == 0xFFFF ? 18 : 10;
  short x = 0;
  short y = 0;
  std::memcpy(&x, data + at, 2);
  std::memcpy(&y, data + at + 2, 2);
  return x == 0 && y == 0;
}
}  // namespace

void CDialog::CenterIfAtOrigin() const {
  const LONG style = ::GetWindowLongA(m_hWnd, GWL_STYLE);
  if (style & (DS_CENTER | DS_CENTERMOUSE | DS_ABSALIGN)) return;
  if ((style & WS_CHILD) || !TemplateAtOrigin(templateId_)) return;
  RECT window{};
  ::GetWindowRect(m_hWnd, &window);
  HWND owner = ::GetWindow(m_hWnd, GW_OWNER);
  RECT area{};
  if (owner != nullptr && !::IsIconic(owner)) {
    ::GetWindowRect(owner, &area);
  } else {
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
  }
  const int width = window.right - window.left;
  const int height = window.bottom - window.top;
  int left = area.left + (area.right - area.left - width) / 2;
  int top = area.top + (area.bottom - area.top - height) / 2;
  // Keep the whole dialog on the screen.
  RECT screen{};
  ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &screen, 0);
  left = std::max<int>(screen.left, std::min<int>(left, screen.right - width));
  top = std::max<int>(screen.top, std::min<int>(top, screen.bottom - height));
  ::SetWindowPos(m_hWnd, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

INT_PTR CALLBACK CDialog::DialogProc(HWND hwnd, UINT message, WPARAM wp, LPARAM lp) {
  CDialog* self = nullptr;
  if (message == WM_INITDIALOG) {
    self = reinterpret_cast<CDialog*>(lp);
    ::SetWindowLongPtrA(hwnd, DWLP_USER, reinterpret_cast<LONG_PTR>(self));
    self->m_hWnd = hwnd;
  } else {
    self = reinterpret_cast<CDialog*>(::GetWindowLongPtrA(hwnd, DWLP_USER));
  }
  if (self == nullptr) return FALSE;
  // Nothing may unwind through the system's code. An operation that knows
  // how its failure reads reports it itself; anything else still gets a word.
  try {
    return self->HandleMessage(message, wp, lp);
  } catch (...) {
    try {
      ReportMessage(hwnd, kHandlerFailed);
    } catch (...) {
    }
    return FALSE;
  }
}

INT_PTR CDialog::HandleMessage(UINT message, WPARAM wp, LPARAM lp) {
  if (message == WM_NCDESTROY) {
    HWND hwnd = m_hWnd;
    ::SetWindowLongPtrA(hwnd, DWLP_USER, 0);
    m_hWnd = nullptr;
    if (!modal_) AfxGetApp()->RemoveModeless(this);
    // A modal run whose window is gone is over.
    inModalLoop_ = false;
    PostNcDestroy();  // may delete this
    return FALSE;
  }
  // What a window draws itself is sized by its DPI: after a change it is drawn whole again.
  if (message == WM_DPICHANGED) ::InvalidateRect(m_hWnd, nullptr, TRUE);
  INT_PTR result = FALSE;
  if (OnMessage(message, wp, lp, result)) return result;
  switch (message) {
    case WM_INITDIALOG: {
      SwallowEscapeInMultiLineEdits(m_hWnd);
      ExecuteDlgInit();
      CenterIfAtOrigin();
      return OnInitDialog();
    }
    case WM_COMMAND:
      if (HIWORD(wp) == BN_CLICKED && LOWORD(wp) == IDOK) {
        OnOK();
        return TRUE;
      }
      if (HIWORD(wp) == BN_CLICKED && LOWORD(wp) == IDCANCEL) {
        OnCancel();
        return TRUE;
      }
      break;
    default:
      break;
  }
  return FALSE;
}
