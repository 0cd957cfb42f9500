#pragma once
// A list box control addressed through its window handle.

#include <windows.h>

#include <string>
#include <vector>

#include "framework/wnd.h"

class CListBox : public CWnd {
 public:
  int GetCount() const { return static_cast<int>(Send(LB_GETCOUNT)); }
  std::string GetText(int index) const;
  int AddString(const std::string& text) const {
    return static_cast<int>(Send(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str())));
  }
  void ResetContent() const { Send(LB_RESETCONTENT); }
  int DeleteString(int index) const { return static_cast<int>(Send(LB_DELETESTRING, index)); }
  void SetSel(int index, bool select = true) const {
    Send(LB_SETSEL, select ? TRUE : FALSE, index);
  }
  int GetSelCount() const { return static_cast<int>(Send(LB_GETSELCOUNT)); }
  // Selects the entries at indices, and no other, and scrolls the first of
  // them into view.
  void SelectOnly(const std::vector<std::size_t>& indices) const;
  std::vector<int> GetSelItems() const;
  std::vector<std::string> GetAllTexts() const;

  // Subclasses the dialog's control id so that this object sees its messages.
  // Its own operations above then call the control's procedure directly,
  // without passing through the subclass (which is there for other messages).
  BOOL SubclassDlgItem(int id, CWnd* parent);

 protected:
  // Messages of the subclassed control; false lets the control's own procedure run.
  virtual bool OnControlMessage(UINT, WPARAM, LPARAM, LRESULT&) { return false; }
  LRESULT CallOriginal(UINT message, WPARAM wp, LPARAM lp) const {
    return ::CallWindowProcA(original_, m_hWnd, message, wp, lp);
  }

 private:
  // The list box lives on this thread: its procedure may be called directly.
  LRESULT Send(UINT message, WPARAM wp = 0, LPARAM lp = 0) const {
    return original_ != nullptr ? ::CallWindowProcA(original_, m_hWnd, message, wp, lp)
                                : ::SendMessageA(m_hWnd, message, wp, lp);
  }
  static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT message, WPARAM wp, LPARAM lp);

  WNDPROC original_ = nullptr;
};
