#pragma once

class CMainDialog;

namespace tewo {

// "ｽｸﾘﾌﾟﾄ 保存": checks the destination and the source list, asks where to
// save, reads the command template file and writes the expanded script.
// Everything it reports goes to message boxes or the status label.
void SaveScript(CMainDialog& dialog);

}  // namespace tewo
