#include "framework/find_replace_dialog.h"

#include <algorithm>
#include <cwchar>

#include "common/mbcs.h"
#include "framework/win_app.h"

namespace {

// Copies text into buffer in wide form, cut to kTextBytes bytes without
// splitting a double-byte character.
template <std::size_t N>
void CopyCut(std::array<wchar_t, N>& buffer, const std::string& text) {
  std::size_t n = 0;
  while (n < text.size()) {
    const std::size_t next = n + tewo::CharLength(text, n);
    if (next > CFindReplaceDialog::kTextBytes) break;
    n = next;
  }
  const std::wstring wide = ToWide(std::string_view(text).substr(0, n));
  const std::size_t chars = std::min(wide.size(), N - 1);
  std::wmemcpy(buffer.data(), wide.data(), chars);
  buffer[chars] = L'\0';
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
  HWND hwnd = findDialogOnly ? ::FindTextW(&m_fr) : ::ReplaceTextW(&m_fr);
  if (hwnd == nullptr) return FALSE;
  m_hWnd = hwnd;
  AfxGetApp()->AddModeless(this);
  return TRUE;
}

CFindReplaceDialog::~CFindReplaceDialog() { Close(); }

AnsiName CFindReplaceDialog::TextOf(int editId, const wchar_t* buffer) const {
  HWND edit = m_hWnd != nullptr ? ::GetDlgItem(m_hWnd, editId) : nullptr;
  return ToAnsiName(edit != nullptr ? WindowTextWide(edit) : std::wstring(buffer));
}

HWND CFindReplaceDialog::Forget() {
  HWND hwnd = m_hWnd;
  if (hwnd != nullptr) AfxGetApp()->RemoveModeless(this);
  m_hWnd = nullptr;
  return hwnd;
}

void CFindReplaceDialog::Terminated() { Forget(); }

void CFindReplaceDialog::Close() {
  HWND hwnd = Forget();
  // The owner's end destroys its owned windows before the owner, and so this
  // one before its object: then the window is gone already.
  if (hwnd == nullptr || !::IsWindow(hwnd)) return;
  // Hidden first, so that the screen loses it even before it is destroyed.
  ::ShowWindow(hwnd, SW_HIDE);
  ::DestroyWindow(hwnd);
}

bool CFindReplaceDialog::PreTranslateMessage(MSG& msg) {
  return ::IsDialogMessageW(m_hWnd, &msg) != FALSE;
}
