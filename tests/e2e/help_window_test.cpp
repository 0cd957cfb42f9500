#include <gtest/gtest.h>

#include <string>

#include "e2e/running_tool.h"

namespace {

const char kHelpTitle[] = "説明(TEWO)";

TEST_F(RunningTool, HelpWindowOpensBesideTheMainDialogWithTheInstalledText) {
  robot::ChooseMenuCommand(main_, ID_HELP_CONTENTS);
  HWND help = robot::WaitForWindow(app_->pid(), kHelpTitle);
  ASSERT_NE(help, nullptr) << robot::DescribeWindows(app_->pid());
  ASSERT_TRUE(robot::WaitUntil([&] {
    RECT m{}, h{};
    ::GetWindowRect(main_, &m);
    ::GetWindowRect(help, &h);
    // 140 and 100 pixels at 96 DPI, more at a higher one.
    const UINT dpi = ::GetDpiForWindow(main_);
    return h.left - m.left == ::MulDiv(140, dpi, 96) && h.top - m.top == ::MulDiv(100, dpi, 96);
  }));
  const std::string installed = ReadFileBytes(install_ / "help.txt");
  ASSERT_GT(installed.size(), 1000u);
  EXPECT_EQ(robot::Text(::GetDlgItem(help, IDC_HELP_TEXT)), installed);
  EXPECT_EQ(installed.find("\r\r"), std::string::npos);

  // Esc typed in the text area closes nothing; "Close" does.
  HWND text = ::GetDlgItem(help, IDC_HELP_TEXT);
  ::PostMessageA(text, WM_KEYDOWN, VK_ESCAPE, 0x00010001);
  ::PostMessageA(text, WM_KEYUP, VK_ESCAPE, 0xC0010001);
  ::Sleep(300);
  ASSERT_TRUE(::IsWindow(help));

  // "Close" takes effect at once, also after the source file dialog was
  // opened and cancelled.
  robot::PressButton(main_, IDC_CHOOSE_SOURCES);
  HWND files = robot::WaitForWindow(app_->pid(), "変換元 DXFﾌｧｲﾙの選択");
  ASSERT_NE(files, nullptr) << robot::DescribeWindows(app_->pid());
  robot::PressButton(files, IDCANCEL);
  ASSERT_TRUE(robot::WaitUntil([&] { return !::IsWindow(files); }));
  robot::PressButton(help, IDC_HELP_CLOSE);
  EXPECT_LT(robot::MillisecondsUntilGone(help), 500u);

  robot::ChooseMenuCommand(main_, ID_APP_EXIT);
  EXPECT_EQ(app_->WaitExit(), 0);
}

TEST(HelpWindow, MissingHelpFileEndsWithStatusOne) {
  InstallFolder install;
  ::DeleteFileA((install / "help.txt").c_str());
  AppProcess app(install);
  HWND main = robot::WaitForWindow(app.pid(), "TEWO");
  ASSERT_NE(main, nullptr);
  robot::ChooseMenuCommand(main, ID_HELP_CONTENTS);
  HWND box = robot::WaitForMessageBox(app.pid());
  ASSERT_NE(box, nullptr) << robot::DescribeWindows(app.pid());
  EXPECT_EQ(robot::Text(::GetDlgItem(box, 0xFFFF)), "ヘルプファイルがないため実行を中断します。");
  EXPECT_EQ(robot::FindProcessWindow(app.pid(), kHelpTitle), nullptr);  // nothing shown first
  robot::PressButton(box, IDOK);
  EXPECT_EQ(app.WaitExit(), 1);
}

}  // namespace
