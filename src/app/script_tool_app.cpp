#include "app/script_tool_app.h"

#include "app/install_folder.h"
#include "app/main_dialog.h"

namespace {
// A fixed name, not derived from the executable's file name.
const char kMutexName[] = "tewo.exe12345";
}  // namespace

BOOL CScriptToolApp::InitInstance() {
  Enable3dControlsStatic();

  // Another copy is running: end at once, without a word and without
  // bringing that copy to the front.
  HANDLE existing = ::OpenMutexA(MUTEX_ALL_ACCESS, FALSE, kMutexName);
  if (existing != nullptr) {
    ::CloseHandle(existing);
    return FALSE;
  }
  singleInstanceMutex_ = ::CreateMutexA(nullptr, FALSE, kMutexName);

  // Before anything reads the files beside the executable.
  if (!InstallFolderIsUsable(*this)) return FALSE;

  CMainDialog dialog;
  m_pMainWnd = &dialog;
  dialog.DoModal();
  m_pMainWnd = nullptr;
  return FALSE;
}
