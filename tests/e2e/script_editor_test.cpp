#include <windows.h>
#include <dlgs.h>
#include <gtest/gtest.h>

#include <string>

#include "e2e/running_tool.h"

namespace {

const char kEditorTitle[] = "簡易ｽｸﾘﾌﾟﾄｴﾃﾞｨﾀｰ";
const char kReplaceDialogTitle[] = "文字列の置換";
const char kFindDialogTitle[] = "検索";

TEST_F(RunningTool, EditorShowsEditsAndSavesTheScriptAndReplacesThroughTheRealDialog) {
  const TempFolder outFolder("_out");
  Prepare(outFolder.path(), WriteTree(install_ / "", "", "a.dxf|b.dxf"));
  const TempFolder scriptFolder("_scripts");
  const std::string script = scriptFolder / "edit me.scr";
  SaveAs(script);
  ASSERT_TRUE(robot::WaitUntil(
      [&] { return robot::Text(Item(IDC_STATUS)) == "ｽｸﾘﾌﾟﾄﾌｧｲﾙを保存しました！"; }));
  const std::string saved = ReadFileBytes(script);

  robot::PressButton(main_, IDC_EDIT_SCRIPT);
  HWND editor = robot::WaitForWindow(app_->pid(), kEditorTitle);
  ASSERT_NE(editor, nullptr) << robot::DescribeWindows(app_->pid());
  HWND text = ::GetDlgItem(editor, IDC_EDITOR_TEXT);
  EXPECT_EQ(robot::Text(text), saved);
  EXPECT_EQ(robot::Text(::GetDlgItem(editor, IDC_EDITOR_PATH)), script);

  // Esc typed in the text area closes nothing.
  ::PostMessageA(text, WM_KEYDOWN, VK_ESCAPE, 0x00010001);
  ::PostMessageA(text, WM_KEYUP, VK_ESCAPE, 0xC0010001);
  ::Sleep(300);
  ASSERT_TRUE(::IsWindow(editor));

  // A change, saved over the script.
  const std::string changed = "REM changed\r\n" + saved;
  robot::SetText(text, changed);
  robot::ChooseMenuCommand(editor, ID_EDITOR_SAVE);
  EXPECT_TRUE(robot::WaitUntil([&] { return ReadFileBytes(script) == changed; }))
      << ReadFileBytes(script);

  // Replace All through the real replace dialog: the four "dxf" of the two
  // source paths and the two "DXFIN" commands.
  robot::ChooseMenuCommand(editor, ID_EDITOR_REPLACE);
  HWND replace = robot::WaitForWindow(app_->pid(), kReplaceDialogTitle);
  ASSERT_NE(replace, nullptr) << robot::DescribeWindows(app_->pid());
  robot::SetText(::GetDlgItem(replace, edt1), "dxf");
  robot::SetText(::GetDlgItem(replace, edt2), "DWG");
  robot::PressButton(replace, psh2);
  HWND status = ::GetDlgItem(editor, IDC_EDITOR_STATUS);
  EXPECT_TRUE(robot::WaitUntil([&] { return robot::Text(status) == "4個の文字列を置換しました"; }))
      << robot::Text(status);
  EXPECT_EQ(robot::Text(text).find("dxf"), std::string::npos);

  // Closing the main dialog takes the editor and its dialog with it.
  robot::ChooseMenuCommand(main_, ID_APP_EXIT);
  EXPECT_EQ(app_->WaitExit(), 0);
}

// An owned find or replace dialog goes with the editor at once, whatever
// came before: here a failed search, Find chosen again, then Replace.
TEST_F(RunningTool, TheReplaceDialogGoesWithTheEditorAtOnce) {
  robot::PressButton(main_, IDC_EDIT_SCRIPT);
  HWND editor = robot::WaitForWindow(app_->pid(), kEditorTitle);
  ASSERT_NE(editor, nullptr) << robot::DescribeWindows(app_->pid());
  HWND text = ::GetDlgItem(editor, IDC_EDITOR_TEXT);
  robot::SetText(text, "abc");
  ::SendMessageA(text, EM_SETSEL, 0, 1);
  robot::ChooseMenuCommand(editor, ID_EDITOR_FIND);
  HWND find = robot::WaitForWindow(app_->pid(), kFindDialogTitle);
  ASSERT_NE(find, nullptr) << robot::DescribeWindows(app_->pid());
  robot::SetText(::GetDlgItem(find, edt1), "zz");
  robot::PressButton(find, IDOK);
  HWND status = ::GetDlgItem(editor, IDC_EDITOR_STATUS);
  ASSERT_TRUE(robot::WaitUntil([&] { return robot::Text(status) == "文字列が見つかりません"; }));
  robot::ChooseMenuCommand(editor, ID_EDITOR_FIND);
  robot::ChooseMenuCommand(editor, ID_EDITOR_REPLACE);
  HWND replace = robot::WaitForWindow(app_->pid(), kReplaceDialogTitle);
  ASSERT_NE(replace, nullptr) << robot::DescribeWindows(app_->pid());
  ::Sleep(300);
  robot::ChooseMenuCommand(editor, ID_EDITOR_EXIT);
  EXPECT_LT(robot::MillisecondsUntilGone(replace), 500u);
  EXPECT_LT(robot::MillisecondsUntilGone(editor), 500u);
}

}  // namespace
