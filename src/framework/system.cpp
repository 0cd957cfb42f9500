#include "framework/system.h"

// Selects the end of one double-byte character (ア, two bytes) in a scratch
// ANSI edit and reads the position back: 1 means characters.
bool AnsiEditsCountCharacters() {
  HWND probe = ::CreateWindowExA(0, "EDIT", "\x83\x41", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                 ::GetModuleHandleA(nullptr), nullptr);
  if (probe == nullptr) return false;
  ::SendMessageA(probe, EM_SETSEL, 2, 2);
  DWORD end = 0;
  ::SendMessageA(probe, EM_GETSEL, 0, reinterpret_cast<LPARAM>(&end));
  ::DestroyWindow(probe);
  return end == 1;
}

bool CWin32System::EditCountsCharacters(HWND edit) {
  if (::IsWindowUnicode(edit)) return true;
  if (!ansiEditsCountCharacters_) ansiEditsCountCharacters_ = AnsiEditsCountCharacters();
  return *ansiEditsCountCharacters_;
}

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
