#include "framework/dpi.h"

namespace {

// user32 of Windows 7 and 8 and of older Wine has no GetDpiForWindow: it is
// looked up, not imported, so that the program still starts there.
UINT DpiFromUser32(HWND hwnd) {
  using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
  HMODULE user32 = ::GetModuleHandleA("user32.dll");
  if (user32 == nullptr) return 0;
  FARPROC found = ::GetProcAddress(user32, "GetDpiForWindow");
  if (found == nullptr) return 0;
  // Through the generic function pointer type, which any function pointer may become.
  auto getDpiForWindow =
      reinterpret_cast<GetDpiForWindowFunction>(reinterpret_cast<void (*)()>(found));
  return getDpiForWindow(hwnd);
}

UINT DpiOfScreen(HWND hwnd) {
  HDC dc = ::GetDC(hwnd);
  if (dc == nullptr) return 0;
  const int dpi = ::GetDeviceCaps(dc, LOGPIXELSY);
  ::ReleaseDC(hwnd, dc);
  return dpi > 0 ? static_cast<UINT>(dpi) : 0;
}

}  // namespace

UINT WindowDpi(HWND hwnd) {
  UINT dpi = DpiFromUser32(hwnd);
  if (dpi == 0) dpi = DpiOfScreen(hwnd);
  return dpi == 0 ? kDefaultDpi : dpi;
}

int ScaleToDpi(int pixels, UINT dpi) {
  return ::MulDiv(pixels, static_cast<int>(dpi), static_cast<int>(kDefaultDpi));
}
