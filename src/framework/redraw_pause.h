#pragma once
// Stops a window (a list box being filled) from redrawing while many of its
// entries change; one redraw when the object goes.

#include <windows.h>

class RedrawPause {
 public:
  explicit RedrawPause(HWND window) : window_(window) {
    ::SendMessageA(window_, WM_SETREDRAW, FALSE, 0);
  }
  ~RedrawPause() {
    ::SendMessageA(window_, WM_SETREDRAW, TRUE, 0);
    ::InvalidateRect(window_, nullptr, TRUE);
  }
  RedrawPause(const RedrawPause&) = delete;
  RedrawPause& operator=(const RedrawPause&) = delete;

 private:
  HWND window_;
};
