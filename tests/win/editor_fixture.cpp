#include "win/editor_fixture.h"

#include <string>

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
