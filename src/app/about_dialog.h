#pragma once

#include "framework/dialog.h"
#include "framework/gdi.h"

// The version box: closes on OK, Enter and Esc.
class CAboutDialog : public CDialog {
 public:
  CAboutDialog();

 protected:
  BOOL OnInitDialog() override;

 private:
  ScopedFont versionFont_;
};
