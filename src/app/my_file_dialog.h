#pragma once

#include "framework/file_dialog.h"

// The source file dialog: its OK button reads "選択".
class CMyFileDialog : public CFileDialog {
 public:
  using CFileDialog::CFileDialog;

 protected:
  BOOL OnInitDialog() override;
};
