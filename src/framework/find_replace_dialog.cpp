#include "framework/find_replace_dialog.h"

#include <algorithm>
#include <cstring>

#include "common/mbcs.h"
#include "framework/win_app.h"

namespace {

const char kObjectProperty[] = "TEWO.FindReplaceDialog";

// Copies text into buffer, cut to what it holds without splitting a
// double-byte character.
template <std::size_t N>
void CopyCut(std::array<char, N>& buffer, const std::string& text) {
  std::size_t n = 0;
  while (n < text.size()) {
    const std::size_t next = n + tewo::CharLength(text, n);
    if (next > N - 1) break;
    n = next;
  }
  std::memcpy(buffer.data(), text.data(), n);
  buffer[n] = '\0';
}

}  // namespace

UINT FindReplaceMessage() { return AfxGetApp()->FindReplaceMessage(); }

CFindReplaceDialog::CFindReplaceDialog() {
  m_fr.lStructSize = sizeof(m_fr);
  m_fr.hInstance = AfxGetInstanceHandle();
  m_fr.lpstrFindWhat = findBuffer_.data();
  m_fr.wFindWhatLen = static_cast<WORD>(findBuffer_.size());
  m_fr.lpstrReplaceWith = replaceBuffer_.data();
  m_fr.wReplaceWithLen = static_cast<WORD>(replaceBuffer_.size());
}

BOOL CFindReplaceDialog::Create(BOOL findDialogOnly, const std::string& findWhat,
                                const std::string& replaceWith, DWORD flags, CWnd* parent) {
  CopyCut(findBuffer_, findWhat);
  CopyCut(replaceBuffer_, replaceWith);
  m_fr.Flags = flags;
  m_fr.hwndOwner = parent->m_hWnd;
  HWND hwnd = findDialogOnly ? ::FindTextA(&m_fr) : ::ReplaceTextA(&m_fr);
  if (hwnd == nullptr) {
    delete this;
    return FALSE;
  }
  m_hWnd = hwnd;
  // Subclassed, so that the object goes when the window does.
  ::SetPropA(hwnd, kObjectProperty, this);
  systemProc_ = reinterpret_cast<WNDPROC>(
      ::SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&WindowProc)));
  AfxGetApp()->AddModeless(this);
  return TRUE;
}

bool CFindReplaceDialog::PreTranslateMessage(MSG& msg) {
  return ::IsDialogMessageA(m_hWnd, &msg) != FALSE;
}

LRESULT CALLBACK CFindReplaceDialog::WindowProc(HWND hwnd, UINT message, WPARAM wp, LPARAM lp) {
  auto* self = static_cast<CFindReplaceDialog*>(::GetPropA(hwnd, kObjectProperty));
  if (self == nullptr) return ::DefWindowProcA(hwnd, message, wp, lp);
  const LRESULT result = ::CallWindowProcA(self->systemProc_, hwnd, message, wp, lp);
  if (message == WM_NCDESTROY) {
    ::RemovePropA(hwnd, kObjectProperty);
    AfxGetApp()->RemoveModeless(self);
    self->m_hWnd = nullptr;
    delete self;
  }
  return result;
}
