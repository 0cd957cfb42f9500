#include "e2e/robot.h"

#include <vector>

namespace robot {

std::string WindowsPath(const std::string& path) {
  if (path.empty() || path[0] != '/') return path;
  std::string result = "Z:" + path;
  for (char& c : result) {
    if (c == '/') c = '\\';
  }
  return result;
}

bool WaitUntil(const std::function<bool()>& done, int timeoutMs) {
  const DWORD start = ::GetTickCount();
  for (;;) {
    if (done()) return true;
    if (static_cast<int>(::GetTickCount() - start) > timeoutMs) return false;
    ::Sleep(50);
  }
}

namespace {
struct Search {
  DWORD pid;
  std::string title;
  const char* className;
  bool needsMessageText;
  HWND found = nullptr;
};

BOOL CALLBACK Visit(HWND hwnd, LPARAM lp) {
  auto* search = reinterpret_cast<Search*>(lp);
  DWORD pid = 0;
  ::GetWindowThreadProcessId(hwnd, &pid);
  if (pid != search->pid || !::IsWindowVisible(hwnd)) return TRUE;
  char className[64] = {};
  ::GetClassNameA(hwnd, className, sizeof className);
  if (search->className != nullptr && std::string(className) != search->className) return TRUE;
  if (Text(hwnd) != search->title) return TRUE;
  if (search->needsMessageText && ::GetDlgItem(hwnd, 0xFFFF) == nullptr) return TRUE;
  if (!search->needsMessageText && ::GetDlgItem(hwnd, 0xFFFF) != nullptr) return TRUE;
  search->found = hwnd;
  return FALSE;
}

HWND Find(DWORD pid, const std::string& title, const char* className, bool messageBox) {
  Search search{pid, title, className, messageBox};
  ::EnumWindows(Visit, reinterpret_cast<LPARAM>(&search));
  return search.found;
}
}  // namespace

HWND FindProcessWindow(DWORD pid, const std::string& title, const char* className) {
  return Find(pid, title, className, false);
}

HWND WaitForWindow(DWORD pid, const std::string& title, const char* className) {
  HWND found = nullptr;
  WaitUntil([&] { return (found = FindProcessWindow(pid, title, className)) != nullptr; });
  return found;
}

HWND WaitForMessageBox(DWORD pid, const std::string& title) {
  HWND found = nullptr;
  WaitUntil([&] { return (found = Find(pid, title, "#32770", true)) != nullptr; });
  return found;
}

HWND FileNameField(HWND fileDialog) {
  if (HWND edit = ::GetDlgItem(fileDialog, 0x480)) return edit;
  HWND hwnd = ::GetDlgItem(fileDialog, 0x47c);
  // A ComboBoxEx holds a combo box, which holds the edit.
  for (int depth = 0; hwnd != nullptr && depth < 3; ++depth) {
    char className[32] = {};
    ::GetClassNameA(hwnd, className, sizeof className);
    if (std::string(className) == "Edit") return hwnd;
    hwnd = ::GetWindow(hwnd, GW_CHILD);
  }
  return nullptr;
}

std::string Text(HWND hwnd) {
  LRESULT length = ::SendMessageA(hwnd, WM_GETTEXTLENGTH, 0, 0);
  std::vector<char> buffer(static_cast<std::size_t>(length) + 1, '\0');
  ::SendMessageA(hwnd, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()));
  return buffer.data();
}

void SetText(HWND hwnd, const std::string& text) {
  ::SendMessageA(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void PressButton(HWND dialog, int id) {
  ::PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(::GetDlgItem(dialog, id)));
}

void ChooseMenuCommand(HWND window, int id) {
  ::PostMessageA(window, WM_COMMAND, MAKEWPARAM(id, 0), 0);
}

}  // namespace robot
