#pragma once
// Owners of GDI objects and device contexts: each releases its handle when it
// goes out of scope.

#include <windows.h>

#include <utility>

template <class Handle>
class ScopedGdiObject {
 public:
  explicit ScopedGdiObject(Handle handle = nullptr) : handle_(handle) {}
  ~ScopedGdiObject() { Reset(); }
  ScopedGdiObject(const ScopedGdiObject&) = delete;
  ScopedGdiObject& operator=(const ScopedGdiObject&) = delete;
  ScopedGdiObject(ScopedGdiObject&& other) noexcept
      : handle_(std::exchange(other.handle_, nullptr)) {}
  ScopedGdiObject& operator=(ScopedGdiObject&& other) noexcept {
    if (this != &other) {
      Reset();
      handle_ = std::exchange(other.handle_, nullptr);
    }
    return *this;
  }

  Handle get() const { return handle_; }
  void Reset() {
    if (handle_ != nullptr) ::DeleteObject(handle_);
    handle_ = nullptr;
  }

 private:
  Handle handle_;
};

using ScopedFont = ScopedGdiObject<HFONT>;
using ScopedPen = ScopedGdiObject<HPEN>;
using ScopedBrush = ScopedGdiObject<HBRUSH>;

// An icon the program loaded itself (not a shared one), destroyed with its owner.
class ScopedIcon {
 public:
  explicit ScopedIcon(HICON icon = nullptr) : icon_(icon) {}
  ~ScopedIcon() { Reset(); }
  ScopedIcon(const ScopedIcon&) = delete;
  ScopedIcon& operator=(const ScopedIcon&) = delete;
  ScopedIcon(ScopedIcon&& other) noexcept : icon_(std::exchange(other.icon_, nullptr)) {}
  ScopedIcon& operator=(ScopedIcon&& other) noexcept {
    if (this != &other) {
      Reset();
      icon_ = std::exchange(other.icon_, nullptr);
    }
    return *this;
  }

  HICON get() const { return icon_; }
  void Reset() {
    if (icon_ != nullptr) ::DestroyIcon(icon_);
    icon_ = nullptr;
  }

 private:
  HICON icon_;
};

// A Shift-JIS font of face whose characters are height pixels high (cell height).
ScopedFont CreatePixelFont(const char* face, int height);

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

// Draws the etched edge under a menu bar: a grey line along the client
// area's top and a white line below it, each one pixel thick at 96 DPI and
// thicker at the window's higher DPI.
void DrawEtchedTopEdge(HWND hwnd, HDC dc);
