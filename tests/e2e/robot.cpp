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

// A message box holds only its buttons (ids 1 to 11), its icon (20 on
// Windows, 0x440 on Wine) and its text (0xFFFF).
BOOL CALLBACK CheckMessageBoxChild(HWND child, LPARAM lp) {
  const int id = ::GetDlgCtrlID(child) & 0xFFFF;
  if (!((id >= 1 && id <= 11) || id == 20 || id == 0x440 || id == 0xFFFF)) {
    *reinterpret_cast<bool*>(lp) = false;
    return FALSE;
  }
  return TRUE;
}

bool IsMessageBox(HWND hwnd) {
  if (::GetDlgItem(hwnd, 0xFFFF) == nullptr) return false;
  bool onlyMessageBoxControls = true;
  ::EnumChildWindows(hwnd, CheckMessageBoxChild, reinterpret_cast<LPARAM>(&onlyMessageBoxControls));
  return onlyMessageBoxControls;
}

BOOL CALLBACK Visit(HWND hwnd, LPARAM lp) {
  auto* search = reinterpret_cast<Search*>(lp);
  DWORD pid = 0;
  ::GetWindowThreadProcessId(hwnd, &pid);
  if (pid != search->pid || !::IsWindowVisible(hwnd)) return TRUE;
  char className[64] = {};
  ::GetClassNameA(hwnd, className, sizeof className);
  if (search->className != nullptr && std::string(className) != search->className) return TRUE;
  if (Text(hwnd) != search->title) return TRUE;
  if (IsMessageBox(hwnd) != search->needsMessageText) return TRUE;
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

namespace {
struct ControlSearch {
  DWORD pid;
  int controlId;
  HWND except;
  HWND found = nullptr;
};

BOOL CALLBACK VisitForControl(HWND hwnd, LPARAM lp) {
  auto* search = reinterpret_cast<ControlSearch*>(lp);
  DWORD pid = 0;
  ::GetWindowThreadProcessId(hwnd, &pid);
  if (pid != search->pid || hwnd == search->except || !::IsWindowVisible(hwnd)) return TRUE;
  if (::GetDlgItem(hwnd, search->controlId) == nullptr) return TRUE;
  search->found = hwnd;
  return FALSE;
}
}  // namespace

HWND WaitForDialogWithControl(DWORD pid, int controlId, HWND except) {
  ControlSearch search{pid, controlId, except};
  WaitUntil([&] {
    ::EnumWindows(VisitForControl, reinterpret_cast<LPARAM>(&search));
    return search.found != nullptr;
  });
  return search.found;
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

namespace {
struct Description {
  DWORD pid;
  std::string text;
};

BOOL CALLBACK DescribeChild(HWND hwnd, LPARAM lp) {
  auto* description = reinterpret_cast<Description*>(lp);
  char className[64] = {};
  ::GetClassNameA(hwnd, className, sizeof className);
  const std::string text = Text(hwnd);
  if (!text.empty() && ::IsWindowVisible(hwnd)) {
    description->text += "    " + std::string(className) + " " +
                         std::to_string(::GetDlgCtrlID(hwnd)) + ": " + text + "\n";
  }
  return TRUE;
}

BOOL CALLBACK DescribeTop(HWND hwnd, LPARAM lp) {
  auto* description = reinterpret_cast<Description*>(lp);
  DWORD pid = 0;
  ::GetWindowThreadProcessId(hwnd, &pid);
  if (pid != description->pid || !::IsWindowVisible(hwnd)) return TRUE;
  char className[64] = {};
  ::GetClassNameA(hwnd, className, sizeof className);
  description->text += "  window " + std::string(className) + " \"" + Text(hwnd) + "\"\n";
  ::EnumChildWindows(hwnd, DescribeChild, lp);
  return TRUE;
}
}  // namespace

std::string DescribeWindows(DWORD pid) {
  Description description{pid, "windows of the tool:\n"};
  ::EnumWindows(DescribeTop, reinterpret_cast<LPARAM>(&description));
  return description.text;
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
