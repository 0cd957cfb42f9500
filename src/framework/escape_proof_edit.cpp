#include "framework/escape_proof_edit.h"

namespace {

const char kOriginalProc[] = "TEWO.EditProc";

bool IsEscape(UINT message, WPARAM wp) {
  return (message == WM_KEYDOWN || message == WM_KEYUP || message == WM_CHAR) && wp == VK_ESCAPE;
}

// A Unicode procedure, so that the edit stays a Unicode window and typed
// double-byte characters reach it unconverted, as before.
LRESULT CALLBACK EscapeProofProc(HWND edit, UINT message, WPARAM wp, LPARAM lp) {
  auto original = reinterpret_cast<WNDPROC>(::GetPropA(edit, kOriginalProc));
  if (original == nullptr) return ::DefWindowProcW(edit, message, wp, lp);
  if (IsEscape(message, wp)) return 0;
  if (message == WM_NCDESTROY) {
    ::SetWindowLongPtrW(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
    ::RemovePropA(edit, kOriginalProc);
  }
  return ::CallWindowProcW(original, edit, message, wp, lp);
}

BOOL CALLBACK SubclassIfMultiLineEdit(HWND child, LPARAM) {
  char className[16] = {};
  ::GetClassNameA(child, className, sizeof className);
  const bool multiLineEdit = ::lstrcmpiA(className, "Edit") == 0 &&
                             (::GetWindowLongA(child, GWL_STYLE) & ES_MULTILINE) != 0;
  if (multiLineEdit && ::GetPropA(child, kOriginalProc) == nullptr) {
    const LONG_PTR original =
        ::SetWindowLongPtrW(child, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&EscapeProofProc));
    ::SetPropA(child, kOriginalProc, reinterpret_cast<HANDLE>(original));
  }
  return TRUE;
}

}  // namespace

void SwallowEscapeInMultiLineEdits(HWND dialog) {
  ::EnumChildWindows(dialog, SubclassIfMultiLineEdit, 0);
}
