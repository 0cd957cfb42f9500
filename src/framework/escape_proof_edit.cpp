#include "framework/escape_proof_edit.h"

namespace {

const char kOriginalProc[] = "TEWO.EditProc";

bool IsEscape(UINT message, WPARAM wp) {
  return (message == WM_KEYDOWN || message == WM_KEYUP || message == WM_CHAR) && wp == VK_ESCAPE;
}

// One procedure for an ANSI edit and one for a Unicode edit, so that the
// subclassing leaves the edit's character set, and so the way typed
// double-byte characters reach it, as it was.
template <bool Unicode>
LRESULT CALLBACK EscapeProofProc(HWND edit, UINT message, WPARAM wp, LPARAM lp) {
  auto original = reinterpret_cast<WNDPROC>(::GetPropA(edit, kOriginalProc));
  if (original == nullptr) {
    return Unicode ? ::DefWindowProcW(edit, message, wp, lp)
                   : ::DefWindowProcA(edit, message, wp, lp);
  }
  if (IsEscape(message, wp)) return 0;
  if (message == WM_NCDESTROY) {
    if (Unicode) {
      ::SetWindowLongPtrW(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
    } else {
      ::SetWindowLongPtrA(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
    }
    ::RemovePropA(edit, kOriginalProc);
  }
  return Unicode ? ::CallWindowProcW(original, edit, message, wp, lp)
                 : ::CallWindowProcA(original, edit, message, wp, lp);
}

BOOL CALLBACK SubclassIfMultiLineEdit(HWND child, LPARAM) {
  char className[16] = {};
  ::GetClassNameA(child, className, sizeof className);
  const bool multiLineEdit = ::lstrcmpiA(className, "Edit") == 0 &&
                             (::GetWindowLongA(child, GWL_STYLE) & ES_MULTILINE) != 0;
  if (!multiLineEdit || ::GetPropA(child, kOriginalProc) != nullptr) return TRUE;
  const LONG_PTR original =
      ::IsWindowUnicode(child)
          ? ::SetWindowLongPtrW(child, GWLP_WNDPROC,
                                reinterpret_cast<LONG_PTR>(&EscapeProofProc<true>))
          : ::SetWindowLongPtrA(child, GWLP_WNDPROC,
                                reinterpret_cast<LONG_PTR>(&EscapeProofProc<false>));
  ::SetPropA(child, kOriginalProc, reinterpret_cast<HANDLE>(original));
  return TRUE;
}

}  // namespace

void SwallowEscapeInMultiLineEdits(HWND dialog) {
  ::EnumChildWindows(dialog, SubclassIfMultiLineEdit, 0);
}
