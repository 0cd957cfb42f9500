#include "framework/wnd.h"

#include "framework/win_app.h"

std::string GetWindowTextString(HWND hwnd) {
  int length = ::GetWindowTextLengthA(hwnd);
  if (length <= 0) return {};
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  int copied = ::GetWindowTextA(hwnd, text.data(), length + 1);
  text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
  return text;
}

std::string LoadResourceString(UINT id) {
  // A string-table entry holds at most 4097 characters; a double-byte
  // character takes two bytes.
  std::string text(8200, '\0');
  int n = ::LoadStringA(AfxGetInstanceHandle(), id, text.data(), static_cast<int>(text.size()));
  text.resize(n > 0 ? static_cast<std::size_t>(n) : 0);
  return text;
}

void ReportMessage(HWND owner, const std::string& text) {
  ISystem& system = AfxGetApp()->System();
  system.MessageBeep(0);
  system.MessageBox(owner, text, "TEWO", MB_OK);
}
