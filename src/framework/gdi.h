#pragma once
// Owners of GDI objects and device contexts: each releases its handle when it
// goes out of scope.

#include <windows.h>

#include <utility>

// Owns a handle that Release gives back to the system.
template <class Handle, class Release>
class ScopedHandle {
 public:
  explicit ScopedHandle(Handle handle = nullptr) : handle_(handle) {}
  ~ScopedHandle() { Reset(); }
  ScopedHandle(const ScopedHandle&) = delete;
  ScopedHandle& operator=(const ScopedHandle&) = delete;
  ScopedHandle(ScopedHandle&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  ScopedHandle& operator=(ScopedHandle&& other) noexcept {
    if (this != &other) {
      Reset();
      handle_ = std::exchange(other.handle_, nullptr);
    }
    return *this;
  }

  Handle get() const { return handle_; }
  void Reset() {
    if (handle_ != nullptr) Release{}(handle_);
    handle_ = nullptr;
  }

 private:
  Handle handle_;
};

struct DeleteGdiObject {
  void operator()(HGDIOBJ object) const { ::DeleteObject(object); }
};
struct DestroyIconHandle {
  void operator()(HICON icon) const { ::DestroyIcon(icon); }
};

template <class Handle>
using ScopedGdiObject = ScopedHandle<Handle, DeleteGdiObject>;
using ScopedFont = ScopedGdiObject<HFONT>;
using ScopedPen = ScopedGdiObject<HPEN>;
using ScopedBrush = ScopedGdiObject<HBRUSH>;
// An icon the program loaded itself (not a shared one).
using ScopedIcon = ScopedHandle<HICON, DestroyIconHandle>;

// Shows on control a Shift-JIS font of face whose characters are height
// pixels high (cell height) at 96 DPI, scaled to dpi, and keeps the control
// from taking the dialog's font when the DPI changes. held keeps the font
// alive; the one it held before goes only once the control no longer shows it.
void ShowPixelFont(HWND control, const char* face, int height, UINT dpi, ScopedFont& held);

// Selects an object into a device context for the length of a scope.
class ScopedSelect {
 public:
  ScopedSelect(HDC dc, HGDIOBJ object) : dc_(dc), previous_(::SelectObject(dc, object)) {}
  ~ScopedSelect() { ::SelectObject(dc_, previous_); }
  ScopedSelect(const ScopedSelect&) = delete;
  ScopedSelect& operator=(const ScopedSelect&) = delete;

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

// BeginPaint / EndPaint.
class PaintDC {
 public:
  explicit PaintDC(HWND hwnd) : hwnd_(hwnd), dc_(::BeginPaint(hwnd, &paint_)) {}
  ~PaintDC() { ::EndPaint(hwnd_, &paint_); }
  PaintDC(const PaintDC&) = delete;
  PaintDC& operator=(const PaintDC&) = delete;
  HDC get() const { return dc_; }

 private:
  HWND hwnd_;
  PAINTSTRUCT paint_{};
  HDC dc_;
};

// GetDC / ReleaseDC: a window's device context outside of painting.
class WindowDC {
 public:
  explicit WindowDC(HWND hwnd) : hwnd_(hwnd), dc_(::GetDC(hwnd)) {}
  ~WindowDC() {
    if (dc_ != nullptr) ::ReleaseDC(hwnd_, dc_);
  }
  WindowDC(const WindowDC&) = delete;
  WindowDC& operator=(const WindowDC&) = delete;
  HDC get() const { return dc_; }

 private:
  HWND hwnd_;
  HDC dc_;
};

// Draws the etched edge under a menu bar: a grey line along the client
// area's top and a white line below it, each one pixel thick at 96 DPI and
// thicker at the window's higher DPI.
void DrawEtchedTopEdge(HWND hwnd, HDC dc);

// Gives the text of a control drawn on the dialog's background (from
// WM_CTLCOLORSTATIC, after the default handling) the colour wanted, darkened
// as far as it must be to be read on that background. A high-contrast theme
// keeps the system's own text colour.
void SetReadableTextColor(HDC dc, COLORREF wanted);
