#pragma once

#include "framework/dialog.h"
#include "framework/gdi.h"
#include "framework/message_map.h"

// The version box: closes on OK, Enter and Esc. The version line shows a
// larger font, 16 pixels high at 96 DPI and scaled to the window's DPI.
class CAboutDialog : public CDialog {
 public:
  CAboutDialog();

 protected:
  BOOL OnInitDialog() override;
  bool OnMessage(UINT message, WPARAM wp, LPARAM lp, INT_PTR& result) override;

 private:
  INT_PTR OnDpiChanged(WPARAM wp, LPARAM lp);
  void SetVersionFont(UINT dpi);

  static const MessageMapEntry<CAboutDialog> kMessageMap[];

  ScopedFont versionFont_;
};
