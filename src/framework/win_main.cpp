// Entry point of the program: hands control to the application object.
#include "framework/win_app.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  CWinApp* app = AfxGetApp();
  if (app == nullptr) return 1;
  app->m_hInstance = instance;
  // The tool's start-up always returns FALSE once its main dialog has closed:
  // the process ends here instead of running a message loop of its own.
  app->InitInstance();
  return 0;
}
