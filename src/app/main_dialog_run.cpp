// The Run menu of the main dialog: the check of which drawings a run of
// the script converted.

#include "app/main_dialog.h"
#include "script/result_check_operation.h"

void CMainDialog::OnCheckResults() {
  if (tewo::CheckResults({*this, sourceList_, Mode(), lastScriptPath})) UpdateCountLabel();
}
