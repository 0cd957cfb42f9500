#pragma once

#include <windows.h>

#include "framework/dialog.h"
#include "framework/gdi.h"
#include "framework/message_map.h"

// The help window: the help text file, read-only, in a fixed-pitch font
// scaled to the window's DPI. It
// owns itself: made with new by its opener, it deletes itself (and its font)
// when its window is gone.
class CHelpDialog : public CDialog {
 public:
  // The window's title, by which the one open help window is found again.
  static const char kTitle[];

  // Focuses the open help window where it stands, or opens a new one with its
  // top-left corner 140 pixels right of and 100 below owner's (at 96 DPI;
  // scaled to the owner's DPI).
  static void OpenOrFocus(CWnd& owner);

  CHelpDialog();

 protected:
  BOOL OnInitDialog() override;
  // Enter and Esc close nothing.
  void OnOK() override {}
  void OnCancel() override {}
  bool OnMessage(UINT message, WPARAM wp, LPARAM lp, INT_PTR& result) override;
  void PostNcDestroy() override { delete this; }

 private:
  INT_PTR OnClose(WPARAM wp, LPARAM lp);
  INT_PTR OnCtlColorStatic(WPARAM wp, LPARAM lp);
  INT_PTR OnDpiChanged(WPARAM wp, LPARAM lp);
  void SetTextFont(UINT dpi);
  void OnCloseButton();

  static const MessageMapEntry<CHelpDialog> kMessageMap[];

  ScopedFont font_;
};
