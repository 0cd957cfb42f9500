#include "win/editor_fixture.h"

#include <vector>

#include "common/mbcs.h"

tewo::Selection EditorTest::Selected() const {
  CEdit edit;
  edit.Attach(EditorItem(IDC_EDITOR_TEXT));
  tewo::Selection selection;
  edit.GetSel(selection.start, selection.end);
  return selection;
}

void EditorTest::Select(int start, int end) const {
  CEdit edit;
  edit.Attach(EditorItem(IDC_EDITOR_TEXT));
  edit.SetSel(start, end);
}

void EditorTest::Pump(DWORD milliseconds) {
  const DWORD end = ::GetTickCount() + milliseconds;
  do {
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (TestApp().PreTranslateModeless(msg)) continue;
      ::TranslateMessage(&msg);
      ::DispatchMessageA(&msg);
    }
    ::Sleep(5);
  } while (::GetTickCount() < end);
}

void EditorTest::PressKey(WORD key, bool alt) const {
  std::vector<INPUT> inputs;
  auto add = [&inputs](WORD vk, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = vk;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    inputs.push_back(input);
  };
  if (alt) add(VK_MENU, false);
  add(key, false);
  add(key, true);
  if (alt) add(VK_MENU, true);
  ::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
  Pump(150);
}

HWND EditorTest::FindDialog() const {
  struct Search {
    HWND owner;
    HWND found;
  } search{editor_, nullptr};
  ::EnumThreadWindows(
      ::GetCurrentThreadId(),
      [](HWND hwnd, LPARAM lp) -> BOOL {
        auto* s = reinterpret_cast<Search*>(lp);
        char className[16] = {};
        ::GetClassNameA(hwnd, className, sizeof className);
        if (std::string(className) == "#32770" && ::GetWindow(hwnd, GW_OWNER) == s->owner &&
            ::IsWindowVisible(hwnd)) {
          s->found = hwnd;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}
