#include "app/my_file_dialog.h"

BOOL CMyFileDialog::OnInitDialog() {
  CFileDialog::OnInitDialog();
  SetControlText(IDOK, "選択");
  return TRUE;
}
