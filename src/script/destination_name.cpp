#include "script/destination_name.h"

#include "framework/wnd.h"
#include "resources/resource.h"

bool RefuseDestinationName(HWND mainDialog, const AnsiName& folder) {
  if (folder.exact) return false;
  ReportMessage(mainDialog, "変換先ﾌｫﾙﾀﾞ名に使えない文字があります！");
  ::SetFocus(::GetDlgItem(mainDialog, IDC_DESTINATION));
  return true;
}

AnsiName DestinationFieldName(HWND mainDialog) {
  return ToAnsiName(WindowTextWide(::GetDlgItem(mainDialog, IDC_DESTINATION)));
}
