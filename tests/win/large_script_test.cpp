// Figures for the closing note: the script editor on a script of 2,500,000
// bytes, against the floor that the system's own edit control sets (one
// WM_SETTEXT of the same text into a bare edit of the same styles).
// Reported, not asserted on time.
#include <windows.h>
#include <dlgs.h>

#include <cstdio>
#include <functional>
#include <string>

#include "win/editor_fixture.h"
#include "win/stopwatch.h"

namespace {

// About 30,000 lines of 83 bytes with Shift-JIS folder names, one "Open" a line.
std::string BigScript() {
  std::string text;
  const char* open[] = {"OPEN", "Open", "open"};
  for (int i = 0; text.size() < 2'500'000 - 83; ++i) {
    char line[128];
    std::snprintf(line, sizeof line, "%s \"C:\\図面\\課題\\sample_%06d.dwg\" 16", open[i % 3], i);
    std::string l = line;
    l.resize(81, ' ');
    text += l + "\r\n";
  }
  return text;
}

TEST_F(EditorTest, FiguresForABigScript) {
  const std::string text = BigScript();
  const std::string script = Write("big.scr", text);

  // The floor: a bare edit of the text area's styles in a hidden window.
  HWND parent = ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 600, 400, nullptr, nullptr,
                                  nullptr, nullptr);
  HWND bare = ::CreateWindowExA(0, "EDIT", "",
                                WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | ES_MULTILINE |
                                    ES_AUTOVSCROLL | ES_AUTOHSCROLL | ES_WANTRETURN | ES_NOHIDESEL,
                                0, 0, 580, 380, parent, nullptr, nullptr, nullptr);
  ::SendMessageA(bare, WM_SETFONT, ::SendMessageA(Dialog(), WM_GETFONT, 0, 0), 0);
  const double floor = MillisecondsOf([&] { ::SetWindowTextA(bare, text.c_str()); });
  ::DestroyWindow(parent);

  const double open = MillisecondsOf([&] {
    OpenEditor(script);
    ::UpdateWindow(editor_);
  });
  ASSERT_NE(editor_, nullptr);
  EXPECT_EQ(Text().size(), text.size());

  EditorCommand(ID_EDITOR_REPLACE);
  HWND replace = FindDialog();
  ASSERT_NE(replace, nullptr);
  ::SetDlgItemTextA(replace, edt1, "open");
  ::SetDlgItemTextA(replace, edt2, "SHUT");
  const double replaceAll = MillisecondsOf([&] {
    ::SendMessageA(replace, WM_COMMAND, MAKEWPARAM(psh2, BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(replace, psh2)));
  });
  EXPECT_EQ(Status(), std::to_string(text.size() / 83) + "個の文字列を置換しました");

  std::printf(
      "[ figures  ] 2.5 MB script: bare edit WM_SETTEXT %.0f ms, editor opened %.0f ms (%.2fx), "
      "Replace All %.0f ms (%.2fx)\n",
      floor, open, open / floor, replaceAll, replaceAll / floor);
  RecordProperty("floor_ms", static_cast<int>(floor));
  RecordProperty("open_ms", static_cast<int>(open));
  RecordProperty("replace_all_ms", static_cast<int>(replaceAll));
}

}  // namespace
