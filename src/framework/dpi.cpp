#include "framework/dpi.h"

namespace {

// A function of user32 that older systems lack (Windows 7 and 8, older Wine):
// looked up, not imported, so that the program still starts there. Null when
// the system has none.
template <class Function>
Function User32Function(const char* name) {
  HMODULE user32 = ::GetModuleHandleA("user32.dll");
  FARPROC found = user32 != nullptr ? ::GetProcAddress(user32, name) : nullptr;
  // Through the generic function pointer type, which any function pointer may become.
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(found));
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
  UINT dpi = 0;
  if (auto getDpiForWindow = User32Function<UINT(WINAPI*)(HWND)>("GetDpiForWindow")) {
    dpi = getDpiForWindow(hwnd);
  }
  if (dpi == 0) dpi = DpiOfScreen(hwnd);
  return dpi == 0 ? kDefaultDpi : dpi;
}

int ScaleToDpi(int pixels, UINT dpi) {
  return ::MulDiv(pixels, static_cast<int>(dpi), static_cast<int>(kDefaultDpi));
}

void KeepOwnFontOnDpiChange(HWND control) {
  // SetDialogControlDpiChangeBehavior (Windows 10 1703 and later) with
  // DCDC_DISABLE_FONT_UPDATE in mask and values.
  constexpr UINT kDisableFontUpdate = 0x0001;
  using SetBehavior = BOOL(WINAPI*)(HWND, UINT, UINT);
  if (auto set = User32Function<SetBehavior>("SetDialogControlDpiChangeBehavior")) {
    set(control, kDisableFontUpdate, kDisableFontUpdate);
  }
}
