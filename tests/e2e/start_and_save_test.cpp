#include <gtest/gtest.h>

#include "e2e/app_process.h"
#include "e2e/robot.h"
#include "resources/resource.h"

namespace {

using robot::WaitForWindow;

const char kSaveDialogTitle[] = "ｽｸﾘﾌﾟﾄﾌｧｲﾙの保存";

// A running tool with its main dialog found.
class RunningTool : public ::testing::Test {
 protected:
  void SetUp() override {
    app_ = std::make_unique<AppProcess>(install_);
    ASSERT_TRUE(app_->started());
    main_ = WaitForWindow(app_->pid(), "TEWO");
    ASSERT_NE(main_, nullptr) << "the main dialog did not appear";
  }

  HWND Item(int id) const { return ::GetDlgItem(main_, id); }

  // Fills the destination and the source list as the user would.
  void Prepare(const std::string& destination, const std::vector<std::string>& entries) {
    robot::SetText(Item(IDC_DESTINATION), destination);
    for (const std::string& e : entries) {
      ::SendMessageA(Item(IDC_SOURCE_LIST), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(e.c_str()));
    }
  }

  // Presses "ｽｸﾘﾌﾟﾄ 保存" and answers the real save dialog with path.
  void SaveAs(const std::string& path, std::string* proposed = nullptr) {
    robot::PressButton(main_, IDC_SAVE_SCRIPT);
    HWND save = WaitForWindow(app_->pid(), kSaveDialogTitle);
    ASSERT_NE(save, nullptr) << "the save dialog did not appear";
    HWND field = robot::FileNameField(save);
    ASSERT_NE(field, nullptr);
    if (proposed != nullptr) *proposed = robot::Text(field);
    robot::SetText(field, path);
    robot::PressButton(save, IDOK);
    ASSERT_TRUE(robot::WaitUntil([&] { return !::IsWindow(save); }));
  }

  InstallFolder install_;
  std::unique_ptr<AppProcess> app_;
  HWND main_ = nullptr;
};

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
  Prepare(out, {"C:\\data\\a.dxf", "C:\\data\\b.dxf"});
  const TempFolder scriptFolder("_scripts");
  const std::string script = scriptFolder / "batch.scr";
  std::string proposed;
  SaveAs(script, &proposed);
  EXPECT_EQ(proposed, "dxftodwg.scr");

  ASSERT_TRUE(robot::WaitUntil(
      [&] { return robot::Text(Item(IDC_STATUS)) == "ｽｸﾘﾌﾟﾄﾌｧｲﾙを保存しました！"; }));
  EXPECT_EQ(ReadFileBytes(script), "NEW  DXFIN\r\nC:\\data\\a.dxf\r\nSAVE\r\n" + out +
                                       "\\a.dwg\r\nNEW  DXFIN\r\nC:\\data\\b.dxf\r\nSAVE\r\n" +
                                       out + "\\b.dwg\r\n");
  EXPECT_EQ(robot::Text(Item(IDC_DESTINATION)), out + "\\");

  robot::ChooseMenuCommand(main_, ID_APP_EXIT);
  EXPECT_EQ(app_->WaitExit(), 0);
}

TEST_F(RunningTool, MissingTemplateFileEndsWithStatusOne) {
  ::DeleteFileA((install_ / "tewoc.ini").c_str());
  const TempFolder outFolder("_out");
  const std::string out = outFolder.path();
  Prepare(out, {"C:\\data\\a.dxf"});
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
