#include "framework/escape_proof_edit.h"

// A subclassed edit keeps its own procedure in its user data, which an edit
// leaves to its user: a window property would cost a trip to the system on
// every message.

namespace {

bool IsEscape(UINT message, WPARAM wp) {
  return (message == WM_KEYDOWN || message == WM_KEYUP || message == WM_CHAR) && wp == VK_ESCAPE;
}

// One procedure for an ANSI edit and one for a Unicode edit, so that the
// subclassing leaves the edit's character set, and so the way typed
// double-byte characters reach it, as it was.
template <bool Unicode>
LRESULT CALLBACK EscapeProofProc(HWND edit, UINT message, WPARAM wp, LPARAM lp) {
  auto original = reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(edit, GWLP_USERDATA));
  if (original == nullptr) {
    if constexpr (Unicode) {
      return ::DefWindowProcW(edit, message, wp, lp);
    } else {
      return ::DefWindowProcA(edit, message, wp, lp);
    }
  }
  if (IsEscape(message, wp)) return 0;
  if (message == WM_NCDESTROY) {
    if constexpr (Unicode) {
      ::SetWindowLongPtrW(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
    } else {
      ::SetWindowLongPtrA(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
    }
    ::SetWindowLongPtrA(edit, GWLP_USERDATA, 0);
  }
  if constexpr (Unicode) {
    return ::CallWindowProcW(original, edit, message, wp, lp);
  } else {
    return ::CallWindowProcA(original, edit, message, wp, lp);
  }
}

BOOL CALLBACK SubclassIfMultiLineEdit(HWND child, LPARAM) {
  char className[16] = {};
  ::GetClassNameA(child, className, sizeof className);
  const bool multiLineEdit = ::lstrcmpiA(className, "Edit") == 0 &&
                             (::GetWindowLongA(child, GWL_STYLE) & ES_MULTILINE) != 0;
  if (!multiLineEdit) return TRUE;
  // Each procedure is read and set in the edit's own character set.
  const bool unicode = ::IsWindowUnicode(child) != FALSE;
  const auto ours = unicode ? reinterpret_cast<LONG_PTR>(&EscapeProofProc<true>)
                            : reinterpret_cast<LONG_PTR>(&EscapeProofProc<false>);
  const LONG_PTR original =
      unicode ? ::GetWindowLongPtrW(child, GWLP_WNDPROC) : ::GetWindowLongPtrA(child, GWLP_WNDPROC);
  if (original == ours) return TRUE;
  // The original first: the edit may see a message as soon as ours is in place.
  ::SetWindowLongPtrA(child, GWLP_USERDATA, original);
  if (unicode) {
    ::SetWindowLongPtrW(child, GWLP_WNDPROC, ours);
  } else {
    ::SetWindowLongPtrA(child, GWLP_WNDPROC, ours);
  }
  return TRUE;
}

}  // namespace

void SwallowEscapeInMultiLineEdits(HWND dialog) {
  ::EnumChildWindows(dialog, SubclassIfMultiLineEdit, 0);
}
