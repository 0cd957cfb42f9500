#include "win/keyboard.h"

#include <algorithm>
#include <vector>

#include "win/test_app.h"

void PumpMessages(DWORD milliseconds) {
  const DWORD end = ::GetTickCount() + milliseconds;
  do {
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) TestApp().DispatchLoopMessage(msg);
    ::Sleep(5);
  } while (::GetTickCount() < end);
}

void TypeKey(WORD key, bool alt, bool unicode) {
  std::vector<INPUT> inputs;
  auto add = [&](WORD vk, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    (vk == key && unicode ? input.ki.wScan : input.ki.wVk) = vk;
    input.ki.dwFlags = (up ? KEYEVENTF_KEYUP : 0) | (vk == key && unicode ? KEYEVENTF_UNICODE : 0);
    inputs.push_back(input);
  };
  if (alt) add(VK_MENU, false);
  add(key, false);
  add(key, true);
  if (alt) add(VK_MENU, true);
  ::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

void PressKey(WORD key, bool alt) {
  TypeKey(key, alt);
  PumpMessages(150);
}

namespace {

// What the timer of TypeEscapeDuringForeignLoop works through, one step a tick.
struct ForeignLoopSteps {
  std::vector<HWND> edits;
  std::vector<HWND> before;  // the thread's windows before the loop opened
  std::size_t next = 0;
};
ForeignLoopSteps* steps = nullptr;

BOOL CALLBACK CollectWindow(HWND hwnd, LPARAM lp) {
  reinterpret_cast<std::vector<HWND>*>(lp)->push_back(hwnd);
  return TRUE;
}

std::vector<HWND> ThreadWindows() {
  std::vector<HWND> windows;
  ::EnumThreadWindows(::GetCurrentThreadId(), CollectWindow, reinterpret_cast<LPARAM>(&windows));
  return windows;
}

void CALLBACK ForeignLoopTick(HWND, UINT, UINT_PTR timer, DWORD) {
  if (steps == nullptr) {
    ::KillTimer(nullptr, timer);
    return;
  }
  if (steps->next < steps->edits.size()) {
    HWND edit = steps->edits[steps->next++];
    ::SetForegroundWindow(::GetAncestor(edit, GA_ROOT));
    ::SetFocus(edit);
    TypeKey(VK_ESCAPE);
    return;
  }
  ::KillTimer(nullptr, timer);
  // The loop's own window is the one that was not there before.
  for (HWND window : ThreadWindows()) {
    if (std::find(steps->before.begin(), steps->before.end(), window) == steps->before.end() &&
        ::IsWindowVisible(window)) {
      ::PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
    }
  }
}

}  // namespace

int TypeEscapeDuringForeignLoop(const std::vector<HWND>& edits, const std::function<int()>& run) {
  ForeignLoopSteps current{edits, ThreadWindows()};
  steps = &current;
  ::SetTimer(nullptr, 0, 100, ForeignLoopTick);
  const int result = run();
  steps = nullptr;
  return result;
}
