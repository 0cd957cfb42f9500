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
// The visible top-level windows of process pid, in z order.
std::vector<HWND> VisibleWindowsOf(DWORD pid) {
  struct Collect {
    DWORD pid;
    std::vector<HWND> windows;
  } collect{pid, {}};
  ::EnumWindows(
      [](HWND hwnd, LPARAM lp) -> BOOL {
        auto* c = reinterpret_cast<Collect*>(lp);
        DWORD owner = 0;
        ::GetWindowThreadProcessId(hwnd, &owner);
        if (owner == c->pid && ::IsWindowVisible(hwnd)) c->windows.push_back(hwnd);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&collect));
  return collect.windows;
}

std::string ClassOf(HWND hwnd) {
  char className[64] = {};
  ::GetClassNameA(hwnd, className, sizeof className);
  return className;
}

// A message box holds only its buttons (ids 1 to 11), its icon (20 on
// Windows, 0x440 on Wine) and its text (0xFFFF).
bool IsMessageBox(HWND hwnd) {
  if (::GetDlgItem(hwnd, 0xFFFF) == nullptr) return false;
  bool onlyMessageBoxControls = true;
  ::EnumChildWindows(
      hwnd,
      [](HWND child, LPARAM lp) -> BOOL {
        const int id = ::GetDlgCtrlID(child) & 0xFFFF;
        if ((id >= 1 && id <= 11) || id == 20 || id == 0x440 || id == 0xFFFF) return TRUE;
        *reinterpret_cast<bool*>(lp) = false;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&onlyMessageBoxControls));
  return onlyMessageBoxControls;
}

HWND Find(DWORD pid, const std::string& title, const char* className, bool messageBox) {
  for (HWND hwnd : VisibleWindowsOf(pid)) {
    if (className != nullptr && ClassOf(hwnd) != className) continue;
    if (Text(hwnd) == title && IsMessageBox(hwnd) == messageBox) return hwnd;
  }
  return nullptr;
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

HWND WaitForDialogWithControl(DWORD pid, int controlId, HWND except) {
  HWND found = nullptr;
  WaitUntil([&] {
    for (HWND hwnd : VisibleWindowsOf(pid)) {
      if (hwnd != except && ::GetDlgItem(hwnd, controlId) != nullptr) {
        found = hwnd;
        break;
      }
    }
    return found != nullptr;
  });
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

std::string DescribeWindows(DWORD pid) {
  std::string text = "windows of the tool:\n";
  for (HWND hwnd : VisibleWindowsOf(pid)) {
    text += "  window " + ClassOf(hwnd) + " \"" + Text(hwnd) + "\"\n";
    for (HWND child = ::GetWindow(hwnd, GW_CHILD); child != nullptr;
         child = ::GetWindow(child, GW_HWNDNEXT)) {
      const std::string childText = Text(child);
      if (childText.empty() || !::IsWindowVisible(child)) continue;
      text += "    " + ClassOf(child) + " " + std::to_string(::GetDlgCtrlID(child)) + ": " +
              childText + "\n";
    }
  }
  return text;
}

namespace {
std::string Narrow(const std::wstring& wide) {
  const int bytes =
      ::WideCharToMultiByte(CP_ACP, 0, wide.c_str(), -1, nullptr, 0, nullptr, nullptr);
  std::string text(static_cast<std::size_t>(bytes > 0 ? bytes : 1), '\0');
  ::WideCharToMultiByte(CP_ACP, 0, wide.c_str(), -1, text.data(), bytes, nullptr, nullptr);
  text.resize(text.find('\0'));
  return text;
}
}  // namespace

std::string SelectedTreeText(HWND tree) {
  const auto item =
      reinterpret_cast<HTREEITEM>(::SendMessageW(tree, TVM_GETNEXTITEM, TVGN_CARET, 0));
  if (item == nullptr) return {};
  // The item's text is fetched into memory of the tree's own process.
  DWORD pid = 0;
  ::GetWindowThreadProcessId(tree, &pid);
  HANDLE process =
      ::OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
  if (process == nullptr) return {};
  constexpr int kChars = 260;
  const SIZE_T bytes = sizeof(TVITEMW) + kChars * sizeof(wchar_t);
  auto* remote =
      static_cast<BYTE*>(::VirtualAllocEx(process, nullptr, bytes, MEM_COMMIT, PAGE_READWRITE));
  std::string text;
  if (remote != nullptr) {
    TVITEMW tvItem{};
    tvItem.mask = TVIF_TEXT;
    tvItem.hItem = item;
    tvItem.pszText = reinterpret_cast<wchar_t*>(remote + sizeof(TVITEMW));
    tvItem.cchTextMax = kChars;
    ::WriteProcessMemory(process, remote, &tvItem, sizeof tvItem, nullptr);
    if (::SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(remote))) {
      std::wstring wide(kChars, L'\0');
      ::ReadProcessMemory(process, remote + sizeof(TVITEMW), wide.data(), kChars * sizeof(wchar_t),
                          nullptr);
      wide.resize(wide.find(L'\0'));
      text = Narrow(wide);
    }
    ::VirtualFreeEx(process, remote, 0, MEM_RELEASE);
  }
  ::CloseHandle(process);
  return text;
}

std::vector<std::string> ListTexts(HWND listBox) {
  // Wine hands list box strings to another process as Unicode only.
  std::vector<std::string> texts;
  const int count = static_cast<int>(::SendMessageW(listBox, LB_GETCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    const LRESULT length = ::SendMessageW(listBox, LB_GETTEXTLEN, i, 0);
    std::wstring wide(static_cast<std::size_t>(length > 0 ? length : 0) + 1, L'\0');
    ::SendMessageW(listBox, LB_GETTEXT, i, reinterpret_cast<LPARAM>(wide.data()));
    wide.resize(wide.find(L'\0'));
    texts.push_back(Narrow(wide));
  }
  return texts;
}

unsigned MillisecondsUntilGone(HWND window) {
  const DWORD start = ::GetTickCount();
  while (::IsWindow(window) && ::GetTickCount() - start < 5000) ::Sleep(5);
  return ::GetTickCount() - start;
}

void SetText(HWND hwnd, const std::string& text) {
  ::SendMessageA(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void SetText(HWND hwnd, const std::wstring& text) {
  ::SendMessageW(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void PressButton(HWND dialog, int id) {
  ::PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(::GetDlgItem(dialog, id)));
}

void ChooseMenuCommand(HWND window, int id) {
  ::PostMessageA(window, WM_COMMAND, MAKEWPARAM(id, 0), 0);
}

bool PressMenuKeys(HWND window, WORD menuKey, WORD itemKey) {
  ::SetForegroundWindow(window);
  if (!WaitUntil([&] { return ::GetForegroundWindow() == window; }, 5000)) return false;
  const WORD keys[] = {VK_MENU, menuKey, menuKey, VK_MENU, itemKey, itemKey};
  for (int i = 0; i < 6; ++i) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = keys[i];
    input.ki.dwFlags = (i == 2 || i == 3 || i == 5) ? KEYEVENTF_KEYUP : 0;
    ::SendInput(1, &input, sizeof input);
    if (i == 3) ::Sleep(300);  // the menu opens
  }
  return true;
}

}  // namespace robot
