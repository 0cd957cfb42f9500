#include <gtest/gtest.h>

#include "e2e/app_process.h"
#include "e2e/robot.h"
#include "e2e/running_tool.h"
#include "resources/resource.h"

namespace {

TEST_F(RunningTool, SecondCopyEndsAtOnceWithoutAWindow) {
  AppProcess second(install_);
  ASSERT_TRUE(second.started());
  bool sawWindow = false;
  EXPECT_TRUE(robot::WaitUntil([&] {
    sawWindow = sawWindow || robot::FindProcessWindow(second.pid(), "TEWO") != nullptr;
    return !second.Running();
  }));
  EXPECT_EQ(second.WaitExit(), 0);
  EXPECT_FALSE(sawWindow);
  EXPECT_TRUE(app_->Running());

  robot::ChooseMenuCommand(main_, ID_APP_EXIT);
  EXPECT_EQ(app_->WaitExit(), 0);
}

TEST_F(RunningTool, SavesAScriptThroughTheRealSaveDialog) {
  const TempFolder outFolder("_out");
  const std::string out = outFolder.path();
  const std::string a = install_ / "a.dxf", b = install_ / "b.dxf";
  Prepare(out, WriteTree(install_ / "", "", "a.dxf|b.dxf"));
  const TempFolder scriptFolder("_scripts");
  const std::string script = scriptFolder / "batch.scr";
  std::string proposed;
  SaveAs(script, &proposed);
  EXPECT_EQ(proposed, "dxftodwg.scr");

  ASSERT_TRUE(robot::WaitUntil(
      [&] { return robot::Text(Item(IDC_STATUS)) == "ｽｸﾘﾌﾟﾄﾌｧｲﾙを保存しました！"; }));
  EXPECT_EQ(ReadFileBytes(script), "NEW  DXFIN\r\n" + a + "\r\nSAVE\r\n" + out +
                                       "\\a.dwg\r\nNEW  DXFIN\r\n" + b + "\r\nSAVE\r\n" + out +
                                       "\\b.dwg\r\n");
  EXPECT_EQ(robot::Text(Item(IDC_DESTINATION)), out + "\\");

  robot::ChooseMenuCommand(main_, ID_APP_EXIT);
  EXPECT_EQ(app_->WaitExit(), 0);
}

TEST_F(RunningTool, MissingTemplateFileEndsWithStatusOne) {
  ::DeleteFileA((install_ / "tewoc.ini").c_str());
  const TempFolder outFolder("_out");
  const std::string out = outFolder.path();
  Prepare(out, WriteTree(install_ / "", "", "a.dxf"));
  const TempFolder scriptFolder("_scripts");
  const std::string script = scriptFolder / "batch.scr";
  SaveAs(script);

  HWND box = robot::WaitForMessageBox(app_->pid());
  ASSERT_NE(box, nullptr) << "no message box";
  EXPECT_EQ(robot::Text(::GetDlgItem(box, 0xFFFF)), "ｺﾏﾝﾄﾞ登録ﾌｧｲﾙがないため実行を中断します。");
  robot::PressButton(box, IDOK);
  EXPECT_EQ(app_->WaitExit(), 1);
  EXPECT_FALSE(FileExists(script));
  EXPECT_FALSE(FileExists(install_ / "tewo.ini"));  // ended without the closing
}

TEST_F(RunningTool, EnterAndEscapeLeaveTheMainDialogOpen) {
  robot::PressButton(main_, IDOK);
  robot::PressButton(main_, IDCANCEL);
  ::Sleep(300);
  EXPECT_TRUE(app_->Running());
  ::PostMessageA(main_, WM_CLOSE, 0, 0);
  EXPECT_EQ(app_->WaitExit(), 0);
}

}  // namespace

namespace {

TEST_F(RunningTool, AboutBoxOpensFromTheMenuAndTheSystemMenuAndClosesOnEnter) {
  for (bool fromSystemMenu : {false, true}) {
    if (fromSystemMenu) {
      ::PostMessageA(main_, WM_SYSCOMMAND, IDM_ABOUTBOX, 0);
    } else {
      robot::ChooseMenuCommand(main_, ID_APP_ABOUT);
    }
    HWND about = robot::WaitForWindow(app_->pid(), "TEWOのﾊﾞｰｼﾞｮﾝ情報");
    ASSERT_NE(about, nullptr) << robot::DescribeWindows(app_->pid());
    EXPECT_EQ(robot::Text(::GetDlgItem(about, IDC_ABOUT_VERSION)), "TEWO   Version 1.30");
    robot::PressButton(about, IDOK);
    ASSERT_TRUE(robot::WaitUntil([&] { return !::IsWindow(about); }));
  }
  robot::ChooseMenuCommand(main_, ID_APP_EXIT);
  EXPECT_EQ(app_->WaitExit(), 0);
}

}  // namespace
