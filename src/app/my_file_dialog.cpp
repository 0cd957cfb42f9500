#include "app/my_file_dialog.h"

BOOL CMyFileDialog::OnInitDialog() {
  CFileDialog::OnInitDialog();
  // The hook's dialog is a child of the common dialog, which owns the button.
  ::SendMessageA(::GetParent(m_hWnd), CDM_SETCONTROLTEXT, IDOK, reinterpret_cast<LPARAM>("選択"));
  return TRUE;
}
