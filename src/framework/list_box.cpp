#include "framework/list_box.h"

#include "framework/redraw_pause.h"

std::string CListBox::GetText(int index) const {
  LRESULT length = Send(LB_GETTEXTLEN, index);
  if (length == LB_ERR || length <= 0) return {};
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  LRESULT copied = Send(LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.data()));
  text.resize(copied == LB_ERR ? 0 : static_cast<std::size_t>(copied));
  return text;
}

std::vector<int> CListBox::GetSelItems() const {
  int count = GetSelCount();
  if (count <= 0) return {};
  std::vector<int> items(static_cast<std::size_t>(count));
  LRESULT got = Send(LB_GETSELITEMS, items.size(), reinterpret_cast<LPARAM>(items.data()));
  items.resize(got == LB_ERR ? 0 : static_cast<std::size_t>(got));
  return items;
}

void CListBox::SelectOnly(const std::vector<std::size_t>& indices) const {
  // Drawn once, not entry by entry.
  const RedrawPause pause(m_hWnd);
  SetSel(-1, false);
  for (std::size_t index : indices) SetSel(static_cast<int>(index));
  if (!indices.empty()) Send(LB_SETCARETINDEX, indices.front(), FALSE);
}

std::vector<std::string> CListBox::GetAllTexts() const {
  std::vector<std::string> texts;
  int count = GetCount();
  texts.reserve(count > 0 ? static_cast<std::size_t>(count) : 0);
  for (int i = 0; i < count; ++i) texts.push_back(GetText(i));
  return texts;
}

BOOL CListBox::SubclassDlgItem(int id, CWnd* parent) {
  m_hWnd = parent->GetDlgItem(id);
  if (m_hWnd == nullptr) return FALSE;
  // The object rides in the control's own data, which a list box leaves to
  // its user: a window property would cost a trip to the system per message.
  ::SetWindowLongPtrA(m_hWnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  original_ = reinterpret_cast<WNDPROC>(
      ::SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(SubclassProc)));
  return TRUE;
}

LRESULT CALLBACK CListBox::SubclassProc(HWND hwnd, UINT message, WPARAM wp, LPARAM lp) {
  auto* self = reinterpret_cast<CListBox*>(::GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (self == nullptr) return ::DefWindowProcA(hwnd, message, wp, lp);
  WNDPROC original = self->original_;
  if (message == WM_NCDESTROY) {
    // Give the control its own procedure back before it goes.
    ::SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
    ::SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
    self->m_hWnd = nullptr;
    return ::CallWindowProcA(original, hwnd, message, wp, lp);
  }
  try {
    LRESULT result = 0;
    if (self->OnControlMessage(message, wp, lp, result)) return result;
  } catch (...) {
    return 0;
  }
  return ::CallWindowProcA(original, hwnd, message, wp, lp);
}
