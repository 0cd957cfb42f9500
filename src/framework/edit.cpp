#include "framework/edit.h"

#include "common/mbcs.h"
#include "framework/win_app.h"

namespace {

// Selects the end of one double-byte character (ア, two bytes) in a
// scratch edit and reads the position back: 1 means characters.
bool EditControlsCountCharacters() {
  HWND probe = ::CreateWindowExA(0, "EDIT", "\x83\x41", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                 AfxGetInstanceHandle(), nullptr);
  if (probe == nullptr) return false;
  ::SendMessageA(probe, EM_SETSEL, 2, 2);
  DWORD end = 0;
  ::SendMessageA(probe, EM_GETSEL, 0, reinterpret_cast<LPARAM>(&end));
  ::DestroyWindow(probe);
  return end == 1;
}

}  // namespace

void CEdit::Attach(HWND hwnd) {
  m_hWnd = hwnd;
  countsCharacters_ = EditControlsCountCharacters();
}

namespace {

void GetControlSel(HWND edit, DWORD& first, DWORD& last) {
  ::SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&first),
                 reinterpret_cast<LPARAM>(&last));
}

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

void CEdit::KeepByteLimit() const {
  if (!countsCharacters_ || byteLimit_ == 0) return;
  // Characters as the control counts them (one each in code page 932), and
  // the bytes they take as the program reads them.
  const auto characters = static_cast<std::size_t>(::GetWindowTextLengthW(m_hWnd));
  const auto bytes = static_cast<std::size_t>(::GetWindowTextLengthA(m_hWnd));
  const std::size_t free = bytes < byteLimit_ ? byteLimit_ - bytes : 0;
  ::SendMessageA(m_hWnd, EM_SETLIMITTEXT, characters + free / 2, 0);
}
