#pragma once
// The DPI a window is shown at. The program gives the sizes of what it draws
// or creates in pixels for 96 DPI (100 %) and scales them to the window's DPI.

#include <windows.h>

inline constexpr UINT kDefaultDpi = 96;

// The window's DPI: GetDpiForWindow where the system has it (Windows 10 1607
// and later), else the screen's DPI; 96 when neither answers.
UINT WindowDpi(HWND hwnd);

// A size given for 96 DPI, at dpi, rounded to the nearest pixel.
int ScaleToDpi(int pixels, UINT dpi);

// The new DPI that WM_DPICHANGED carries (the vertical one: the two are equal).
inline UINT DpiOfDpiChanged(WPARAM wp) { return HIWORD(wp); }

// When the DPI changes, the dialogs of per-monitor v2 (Windows 10 1703 and
// later) give every control the dialog's font at the new DPI. A control that
// shows a font of the program's own keeps it instead: the window scales that
// font itself on WM_DPICHANGED. Does nothing where the system has no such scaling.
void KeepOwnFontOnDpiChange(HWND control);
