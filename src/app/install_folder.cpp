#include "app/install_folder.h"

#include "framework/ansi_name.h"
#include "framework/win_app.h"
#include "framework/wnd.h"

bool InstallFolderIsUsable(CWinApp& app) {
  if (ToAnsiName(app.ModuleFileNameWide()).exact) return true;
  ReportMessage(nullptr,
                "TEWOのﾌｫﾙﾀﾞ名に使えない文字があります。\n"
                "英数字と日本語だけの名前のﾌｫﾙﾀﾞ（例 C:\\TEWO）に置いてください。");
  app.System().ExitProcess(1);
  return false;
}
