#pragma once
// An edit control addressed in byte offsets of its text as the program reads
// it (code page 932). How a control counts its positions and its text limit
// is the control's own: on Windows an edit made by the wide functions (the
// dialogs' edits) counts UTF-16 characters and one made by the ANSI functions
// bytes, while some systems (Wine) count characters in every edit. CEdit asks
// the control, converts, and keeps a limit in bytes, so that callers always
// speak bytes.

#include <windows.h>

#include <string>
#include <string_view>

#include "framework/wnd.h"

class CEdit : public CWnd {
 public:
  // Takes the edit control hwnd (the window stays the system's) and learns
  // how it counts (ISystem::EditCountsCharacters).
  void Attach(HWND hwnd);

  std::string GetText() const { return GetWindowTextString(m_hWnd); }
  void SetText(const std::string& text) const {
    ::SetWindowTextA(m_hWnd, text.c_str());
    KeepByteLimit();
  }

  // Lets the user type a text of no more than bytes bytes. A control that
  // counts characters takes its limit in characters: it is given as many
  // more as the free bytes hold even if each is double-byte, and given anew
  // after every change (KeepByteLimit, from the owner's EN_CHANGE).
  void SetByteLimit(std::size_t bytes);
  void KeepByteLimit() const;

  // The selection in bytes. text must be the control's current text; the
  // overloads without it read the text when they need it.
  void GetSel(std::string_view text, int& start, int& end) const;
  void GetSel(int& start, int& end) const;
  void SetSel(std::string_view text, int start, int end) const;
  void SetSel(int start, int end) const;

  void ScrollCaret() const { ::SendMessageA(m_hWnd, EM_SCROLLCARET, 0, 0); }

  // Whether the control counts positions in characters rather than bytes.
  bool CountsCharacters() const { return countsCharacters_; }

 private:
  // An upper bound of the bytes that the control's text takes in code page
  // 932, exact for every text the code page carries, without converting it.
  std::size_t TextBytes() const;

  bool countsCharacters_ = false;
  std::size_t byteLimit_ = 0;  // 0: none set
};
