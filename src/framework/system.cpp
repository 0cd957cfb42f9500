#include "framework/system.h"

void CWin32System::MessageBeep(UINT type) { ::MessageBeep(type); }

int CWin32System::MessageBox(HWND owner, const std::string& text, const std::string& caption,
                             UINT type) {
  return ::MessageBoxA(owner, text.c_str(), caption.c_str(), type);
}

BOOL CWin32System::GetOpenFileName(OPENFILENAMEW& ofn) { return ::GetOpenFileNameW(&ofn); }

BOOL CWin32System::GetSaveFileName(OPENFILENAMEW& ofn) { return ::GetSaveFileNameW(&ofn); }

PIDLIST_ABSOLUTE CWin32System::BrowseForFolder(BROWSEINFOA& info) {
  return ::SHBrowseForFolderA(&info);
}

SHORT CWin32System::GetKeyState(int virtualKey) { return ::GetKeyState(virtualKey); }

void CWin32System::ExitProcess(UINT exitCode) { ::ExitProcess(exitCode); }
