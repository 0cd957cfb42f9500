#include "framework/edit.h"

#include "common/mbcs.h"
#include "framework/ansi_name.h"
#include "framework/win_app.h"

void CEdit::Attach(HWND hwnd) {
  m_hWnd = hwnd;
  countsCharacters_ = AfxGetApp()->System().EditCountsCharacters(hwnd);
}

namespace {

void GetControlSel(HWND edit, DWORD& first, DWORD& last) {
  ::SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&first),
                 reinterpret_cast<LPARAM>(&last));
}

// A character of the text in UTF-16 that takes two bytes in code page 932:
// every one beyond ASCII but the half-width katakana. A character the code
// page lacks becomes one or two bytes when read; two is the bound.
bool TakesTwoBytes(wchar_t c) { return c >= 0x80 && (c < 0xFF61 || c > 0xFF9F); }

}  // namespace

void CEdit::GetSel(std::string_view text, int& start, int& end) const {
  DWORD first = 0;
  DWORD last = 0;
  GetControlSel(m_hWnd, first, last);
  if (countsCharacters_) {
    first = static_cast<DWORD>(tewo::ByteOffsetOfChar(text, first));
    last = static_cast<DWORD>(tewo::ByteOffsetOfChar(text, last));
  }
  start = static_cast<int>(first);
  end = static_cast<int>(last);
}

void CEdit::GetSel(int& start, int& end) const {
  // Only a control that counts characters needs the text, and only past its start.
  DWORD first = 0;
  DWORD last = 0;
  GetControlSel(m_hWnd, first, last);
  if (countsCharacters_ && (first > 0 || last > 0)) {
    GetSel(GetText(), start, end);
    return;
  }
  start = static_cast<int>(first);
  end = static_cast<int>(last);
}

void CEdit::SetSel(std::string_view text, int start, int end) const {
  auto position = [&](int bytes) -> WPARAM {
    if (bytes < 0) return static_cast<WPARAM>(-1);
    if (!countsCharacters_) return static_cast<WPARAM>(bytes);
    return static_cast<WPARAM>(tewo::CharCountBefore(text, static_cast<std::size_t>(bytes)));
  };
  ::SendMessageA(m_hWnd, EM_SETSEL, position(start), static_cast<LPARAM>(position(end)));
}

void CEdit::SetSel(int start, int end) const {
  if (countsCharacters_ && (start > 0 || end > 0)) {
    SetSel(GetText(), start, end);
  } else {
    SetSel(std::string_view(), start, end);
  }
}

void CEdit::SetByteLimit(std::size_t bytes) {
  byteLimit_ = bytes;
  if (countsCharacters_) {
    KeepByteLimit();
  } else {
    ::SendMessageA(m_hWnd, EM_SETLIMITTEXT, bytes, 0);
  }
}

std::size_t CEdit::TextBytes() const {
  const auto characters = static_cast<std::size_t>(::GetWindowTextLengthW(m_hWnd));
  // A Unicode multi-line edit lends its own buffer, in UTF-16: read where it
  // lies, neither copied nor converted.
  const auto buffer = ::IsWindowUnicode(m_hWnd)
                          ? reinterpret_cast<HLOCAL>(::SendMessageW(m_hWnd, EM_GETHANDLE, 0, 0))
                          : nullptr;
  const auto* lent = static_cast<const wchar_t*>(buffer ? ::LocalLock(buffer) : nullptr);
  const std::wstring copy = lent ? std::wstring() : WindowTextWide(m_hWnd);
  const wchar_t* text = lent ? lent : copy.c_str();
  std::size_t bytes = characters;
  for (std::size_t i = 0; i < characters && text[i] != L'\0'; ++i) bytes += TakesTwoBytes(text[i]);
  if (lent != nullptr) ::LocalUnlock(buffer);
  return bytes;
}

void CEdit::KeepByteLimit() const {
  if (!countsCharacters_ || byteLimit_ == 0) return;
  const auto characters = static_cast<std::size_t>(::GetWindowTextLengthW(m_hWnd));
  const std::size_t bytes = TextBytes();
  const std::size_t free = bytes < byteLimit_ ? byteLimit_ - bytes : 0;
  ::SendMessageA(m_hWnd, EM_SETLIMITTEXT, characters + free / 2, 0);
}
