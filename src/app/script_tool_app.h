#pragma once

#include <windows.h>

#include "framework/win_app.h"

// The application object: lets one copy of the tool run and shows the main
// dialog; the process lives exactly as long as that dialog.
class CScriptToolApp : public CWinApp {
 public:
  BOOL InitInstance() override;

 private:
  // Held until the process ends and never closed: the system releases it then.
  HANDLE singleInstanceMutex_ = nullptr;
};
