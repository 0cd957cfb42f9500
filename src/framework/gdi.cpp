#include "framework/gdi.h"

namespace {
void DrawRow(HDC dc, int y, int width, COLORREF colour) {
  ScopedPen pen(::CreatePen(PS_SOLID, 1, colour));
  ScopedSelect select(dc, pen.get());
  ::MoveToEx(dc, 0, y, nullptr);
  ::LineTo(dc, width, y);
}
}  // namespace

void DrawEtchedTopEdge(HWND hwnd, HDC dc) {
  RECT client{};
  ::GetClientRect(hwnd, &client);
  DrawRow(dc, 0, client.right, RGB(128, 128, 128));
  DrawRow(dc, 1, client.right, RGB(255, 255, 255));
}
