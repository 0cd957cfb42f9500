#pragma once
// A window handle with the few operations the tool's windows use. It owns
// nothing: the window's life is the system's.

#include <windows.h>

#include <string>

// The whole text of a window, however long.
std::string GetWindowTextString(HWND hwnd);

class CWnd {
 public:
  CWnd() = default;
  explicit CWnd(HWND hwnd) : m_hWnd(hwnd) {}
  virtual ~CWnd() = default;
  CWnd(const CWnd&) = delete;
  CWnd& operator=(const CWnd&) = delete;

  HWND GetSafeHwnd() const { return m_hWnd; }
  HWND GetDlgItem(int id) const { return ::GetDlgItem(m_hWnd, id); }
  std::string GetDlgItemText(int id) const { return GetWindowTextString(GetDlgItem(id)); }
  void SetDlgItemText(int id, const std::string& text) const {
    ::SetDlgItemTextA(m_hWnd, id, text.c_str());
  }
  LRESULT SendDlgItemMessage(int id, UINT msg, WPARAM wp = 0, LPARAM lp = 0) const {
    return ::SendDlgItemMessageA(m_hWnd, id, msg, wp, lp);
  }
  BOOL PostMessage(UINT msg, WPARAM wp = 0, LPARAM lp = 0) const {
    return ::PostMessageA(m_hWnd, msg, wp, lp);
  }
  void FocusDlgItem(int id) const { ::SetFocus(GetDlgItem(id)); }

  // A modeless window's look at a message of its own before the loop
  // dispatches it; true when it took the message.
  virtual bool PreTranslateMessage(MSG&) { return false; }

  HWND m_hWnd = nullptr;
};

// Text of a string-table entry; empty when there is none.
std::string LoadResourceString(UINT id);

// A user message: the default beep, then a message box with the caption
// "TEWO", an OK button only and no icon, owned by owner.
void ReportMessage(HWND owner, const std::string& text);
