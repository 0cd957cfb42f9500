#include "framework/gdi.h"

#include <algorithm>
#include <utility>

#include "common/readable_colour.h"
#include "framework/dpi.h"

namespace {
void FillRows(HDC dc, int top, int height, int width, COLORREF colour) {
  ScopedBrush brush(::CreateSolidBrush(colour));
  const RECT rows{0, top, width, top + height};
  ::FillRect(dc, &rows, brush.get());
}

tewo::Rgb ToRgb(COLORREF colour) {
  return {GetRValue(colour), GetGValue(colour), GetBValue(colour)};
}

ScopedFont CreatePixelFont(const char* face, int height) {
  return ScopedFont(::CreateFontA(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET,
                                  OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, PROOF_QUALITY,
                                  DEFAULT_PITCH | FF_DONTCARE, face));
}

}  // namespace

void ShowPixelFont(HWND control, const char* face, int height, UINT dpi, ScopedFont& held) {
  ScopedFont font = CreatePixelFont(face, ScaleToDpi(height, dpi));
  ::SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), TRUE);
  held = std::move(font);
  KeepOwnFontOnDpiChange(control);
}

void DrawEtchedTopEdge(HWND hwnd, HDC dc) {
  RECT client{};
  ::GetClientRect(hwnd, &client);
  const int thickness = std::max(1, ScaleToDpi(1, WindowDpi(hwnd)));
  FillRows(dc, 0, thickness, client.right, RGB(128, 128, 128));
  FillRows(dc, thickness, thickness, client.right, RGB(255, 255, 255));
}

void SetReadableTextColor(HDC dc, COLORREF wanted) {
  HIGHCONTRASTA contrast{};
  contrast.cbSize = sizeof contrast;
  if (::SystemParametersInfoA(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0) &&
      (contrast.dwFlags & HCF_HIGHCONTRASTON) != 0) {
    return;
  }
  const tewo::Rgb readable = tewo::ReadableOn(ToRgb(wanted), ToRgb(::GetSysColor(COLOR_BTNFACE)));
  ::SetTextColor(dc, RGB(readable.r, readable.g, readable.b));
}
