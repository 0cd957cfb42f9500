#include <windows.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "framework/dpi.h"
#include "help/help_dialog.h"
#include "win/editor_fixture.h"

namespace {

// The help window opened from the main dialog's menu, on a help text file
// that each test writes into the executable's folder.
class HelpWindowTest : public EditorTest {
 protected:
  HWND OpenHelp() {
    Command(ID_HELP_CONTENTS);
    help_ = ::FindWindowA(nullptr, CHelpDialog::kTitle);
    return help_;
  }
  HWND OpenHelpOn(const std::string& bytes) {
    Write("help.txt", bytes);
    return OpenHelp();
  }
  std::string HelpText() const { return GetWindowTextString(::GetDlgItem(help_, IDC_HELP_TEXT)); }

  HWND help_ = nullptr;
};

TEST_F(HelpWindowTest, OpensBesideTheMainDialogWithTheHelpText) {
  ::SetWindowPos(Dialog(), nullptr, 33, 21, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  ASSERT_NE(OpenHelpOn("line one\r\nline two\r\n"), nullptr);
  EXPECT_TRUE(::IsWindowVisible(help_));
  EXPECT_EQ(::GetWindow(help_, GW_OWNER), Dialog());
  RECT main{}, help{};
  ::GetWindowRect(Dialog(), &main);
  ::GetWindowRect(help_, &help);
  // 140 and 100 pixels at 96 DPI, more at a higher one.
  const UINT dpi = WindowDpi(Dialog());
  EXPECT_EQ(help.left - main.left, ScaleToDpi(140, dpi));
  EXPECT_EQ(help.top - main.top, ScaleToDpi(100, dpi));
  EXPECT_EQ(HelpText(), "line one\r\nline two\r\n");
  EXPECT_EQ(::GetFocus(), ::GetDlgItem(help_, IDC_HELP_CLOSE));
  EXPECT_TRUE(fake_->messages.empty());

  // The text area shows the help font, read-only.
  HWND text = ::GetDlgItem(help_, IDC_HELP_TEXT);
  LOGFONTA font{};
  ::GetObjectA(reinterpret_cast<HFONT>(::SendMessageA(text, WM_GETFONT, 0, 0)), sizeof font, &font);
  EXPECT_STREQ(font.lfFaceName, "ＭＳ ゴシック");
  EXPECT_EQ(font.lfHeight, ScaleToDpi(12, dpi));
  EXPECT_TRUE(::GetWindowLongA(text, GWL_STYLE) & ES_READONLY);
  // Moved to a screen of 150 %, it takes the font at 18 pixels.
  RECT suggested = help;
  ::SendMessageA(help_, WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
  ::GetObjectA(reinterpret_cast<HFONT>(::SendMessageA(text, WM_GETFONT, 0, 0)), sizeof font, &font);
  EXPECT_EQ(font.lfHeight, 18);
  EXPECT_STREQ(font.lfFaceName, "ＭＳ ゴシック");

  // A second choice only focuses it where it stands, with the text it has.
  ::SetWindowPos(Dialog(), nullptr, 50, 60, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  Write("help.txt", "changed");
  const HWND first = help_;
  EXPECT_EQ(OpenHelp(), first);
  RECT again{};
  ::GetWindowRect(help_, &again);
  EXPECT_EQ(again.left, help.left);
  EXPECT_EQ(again.top, help.top);
  EXPECT_EQ(HelpText(), "line one\r\nline two\r\n");
}

TEST_F(HelpWindowTest, HelpTextsOfEveryShape) {
  const std::string line600(600, 'w');
  std::string big;
  while (big.size() < 200000) big += "ヘルプの行です。長い説明書でも全部表示されます。\r\n";
  struct Case {
    std::string file;
    std::string shown;
  };
  const std::vector<Case> cases = {
      {"a\nb\n", "a\r\nb\r\n"},
      {"a\r\nb\r\n", "a\r\nb\r\n"},
      {"a\r\nb", "a\r\nb"},
      {"", ""},
      {line600 + "\n", line600 + "\r\n"},  // one line, however long
      {"before\x1A"
       "after\r\n",
       "before"},
      {big, big},
  };
  for (const Case& c : cases) {
    ASSERT_NE(OpenHelpOn(c.file), nullptr);
    EXPECT_TRUE(HelpText() == c.shown) << c.file.substr(0, 40);
    EXPECT_EQ(::SendDlgItemMessageA(help_, IDC_HELP_TEXT, EM_GETLINECOUNT, 0, 0),
              static_cast<LRESULT>(std::count(c.shown.begin(), c.shown.end(), '\n') + 1));
    ::SendMessageA(help_, WM_CLOSE, 0, 0);
    EXPECT_FALSE(::IsWindow(help_));
  }
  EXPECT_TRUE(fake_->messages.empty());
}

TEST_F(HelpWindowTest, MissingHelpFileEndsTheProgram) {
  ::DeleteFileA((folder_ / "help.txt").c_str());
  OpenHelp();
  EXPECT_EQ(fake_->MessageTexts(),
            std::vector<std::string>{"ヘルプファイルがないため実行を中断します。"});
  EXPECT_EQ(fake_->beeps.size(), 1u);
  EXPECT_EQ(fake_->exitCodes, std::vector<UINT>{1});
}

TEST_F(HelpWindowTest, KeysCloseNothingButCloseAndTheCloseBoxDo) {
  ASSERT_NE(OpenHelpOn("text\r\n"), nullptr);
  ::SetForegroundWindow(help_);
  for (int focus : {IDC_HELP_TEXT, IDC_HELP_CLOSE}) {
    ::SetFocus(::GetDlgItem(help_, focus));
    PressKey(VK_ESCAPE);
    ASSERT_TRUE(::IsWindow(help_)) << focus;
    if (focus == IDC_HELP_TEXT) {
      PressKey(VK_RETURN);
      ASSERT_TRUE(::IsWindow(help_));
      EXPECT_EQ(HelpText(), "text\r\n");  // read-only
    }
  }
  // Tab moves between the text and Close.
  ::SetFocus(::GetDlgItem(help_, IDC_HELP_CLOSE));
  PressKey(VK_TAB);
  EXPECT_EQ(::GetFocus(), ::GetDlgItem(help_, IDC_HELP_TEXT));

  ::SendMessageA(help_, WM_COMMAND, MAKEWPARAM(IDC_HELP_CLOSE, BN_CLICKED), 0);
  Pump(50);
  EXPECT_FALSE(::IsWindow(help_));
  ASSERT_NE(OpenHelp(), nullptr);
  ::SetForegroundWindow(help_);
  PressKey(VK_F4, true);
  EXPECT_FALSE(::IsWindow(help_));
}

// Esc typed into the editor's text and the help text while the main dialog
// shows a real message box or a real file dialog: those loops know nothing of
// the tool's windows, and still nothing closes.
TEST_F(HelpWindowTest, EscTypedWhileAnotherLoopRunsClosesNothing) {
  ASSERT_NE(OpenEditor(Write("a.scr", "line\r\n")), nullptr);
  ASSERT_NE(OpenHelpOn("text\r\n"), nullptr);
  const std::vector<HWND> edits = {EditorItem(IDC_EDITOR_TEXT), ::GetDlgItem(help_, IDC_HELP_TEXT)};
  // Keys typed before, through the tool's own loop, put the edits in the mode
  // in which they answer Esc with a close request.
  for (HWND edit : edits) {
    ::SetForegroundWindow(::GetAncestor(edit, GA_ROOT));
    ::SetFocus(edit);
    PressKey(VK_END);
  }
  fake_->onMessage = [&](const ShownMessage& shown) {
    return TypeEscapeDuringForeignLoop(edits, [&] {
      return ::MessageBoxA(shown.owner, shown.text.c_str(), shown.caption.c_str(), shown.type);
    });
  };
  fake_->onOpenFile = [&](OPENFILENAMEA& ofn) {
    return TypeEscapeDuringForeignLoop(edits, [&] { return int{::GetOpenFileNameA(&ofn)}; });
  };
  for (int button : {IDC_DELETE_SOURCES, IDC_CHOOSE_SOURCES}) {
    Click(button);
    Pump(100);
    EXPECT_TRUE(::IsWindow(editor_)) << button;
    EXPECT_TRUE(::IsWindow(help_)) << button;
  }
  EXPECT_EQ(fake_->MessageTexts(),
            std::vector<std::string>{"削除する行（変換元ﾌｧｲﾙ）を選択してください"});
  EXPECT_EQ(Text(), "line\r\n");
}

}  // namespace
