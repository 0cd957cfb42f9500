#include <gtest/gtest.h>

#include <memory>

#include "e2e/app_process.h"
#include "e2e/robot.h"
#include "resources/resource.h"

namespace {

TEST(RegistrationDialogs, DefaultAndSaveInDialogTwoWriteTheFactoryTemplates) {
  InstallFolder install;
  // Other templates in the DWG to DXF fields, a DXF to DWG field to keep.
  WriteFileBytes(install / "tewoc.ini", "01MINE\r\n05OLD\r\n0916\r\n");
  AppProcess app(install);
  HWND main = robot::WaitForWindow(app.pid(), "TEWO");
  ASSERT_NE(main, nullptr);

  robot::ChooseMenuCommand(main, ID_REGISTER_DWG_TO_DXF);
  HWND dialog = robot::WaitForWindow(app.pid(), "ｺﾏﾝﾄﾞ登録2 DWG to DXF");
  ASSERT_NE(dialog, nullptr) << robot::DescribeWindows(app.pid());
  EXPECT_EQ(robot::Text(::GetDlgItem(dialog, IDC_FIRST_INPUT)), "OLD\r\n");
  EXPECT_FALSE(::IsWindowEnabled(main));  // modal over the main dialog

  robot::PressButton(dialog, IDC_REGISTER_DEFAULT);
  ASSERT_TRUE(
      robot::WaitUntil([&] { return robot::Text(::GetDlgItem(dialog, IDC_PRECISION)) == "12"; }));
  robot::PressButton(dialog, IDC_REGISTER_SAVE);
  const std::string expected =
      "01MINE\r\n"
      "05OPEN\r\n05//ファイル名\r\n05//E\r\n"
      "06DXFOUT\r\n06//ファイル名\r\n06//精度\r\n06//E\r\n"
      "07OPEN\r\n07//ファイル名\r\n07//E\r\n"
      "08DXFOUT\r\n08//ファイル名\r\n08//精度\r\n08//E\r\n"
      "0912\r\n";
  EXPECT_TRUE(robot::WaitUntil([&] { return ReadFileBytes(install / "tewoc.ini") == expected; }))
      << ReadFileBytes(install / "tewoc.ini");

  // Esc closes nothing, even typed in a multi-line edit (which would ask the
  // dialog to close); the close box does, and the main dialog takes input again.
  robot::SetText(::GetDlgItem(dialog, IDC_FIRST_INPUT), "unsaved\r\n");
  ::PostMessageA(::GetDlgItem(dialog, IDC_FIRST_INPUT), WM_KEYDOWN, VK_ESCAPE, 0x00010001);
  ::PostMessageA(::GetDlgItem(dialog, IDC_FIRST_INPUT), WM_KEYUP, VK_ESCAPE, 0xC0010001);
  robot::PressButton(dialog, IDCANCEL);
  ::Sleep(300);
  EXPECT_TRUE(::IsWindow(dialog));
  EXPECT_EQ(robot::Text(::GetDlgItem(dialog, IDC_FIRST_INPUT)), "unsaved\r\n");
  ::PostMessageA(dialog, WM_CLOSE, 0, 0);
  ASSERT_TRUE(robot::WaitUntil([&] { return !::IsWindow(dialog); }));
  EXPECT_TRUE(robot::WaitUntil([&] { return ::IsWindowEnabled(main) != FALSE; }));

  robot::ChooseMenuCommand(main, ID_APP_EXIT);
  EXPECT_EQ(app.WaitExit(), 0);
}

TEST(RegistrationDialogs, OpeningWithoutTheTemplateFileEndsWithStatusOne) {
  InstallFolder install;
  ::DeleteFileA((install / "tewoc.ini").c_str());
  AppProcess app(install);
  HWND main = robot::WaitForWindow(app.pid(), "TEWO");
  ASSERT_NE(main, nullptr);
  robot::ChooseMenuCommand(main, ID_REGISTER_DXF_TO_DWG);
  HWND box = robot::WaitForMessageBox(app.pid());
  ASSERT_NE(box, nullptr) << robot::DescribeWindows(app.pid());
  EXPECT_EQ(robot::Text(::GetDlgItem(box, 0xFFFF)), "ｺﾏﾝﾄﾞ登録ﾌｧｲﾙがないため実行を中断します。");
  robot::PressButton(box, IDOK);
  EXPECT_EQ(app.WaitExit(), 1);
  EXPECT_FALSE(FileExists(install / "tewo.ini"));  // no closing: no settings written
}

}  // namespace
