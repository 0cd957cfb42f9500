// Writes that fail because the disk is full, under Wine: the test command
// runs these tests once more with a file size limit of 1 MB (otherwise they
// skip). Each writer's old file stays whole, the user's work stays in the
// window, and the writer's message (or, for the settings file, silence) follows.
#include <windows.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/path_split.h"
#include "templates/registration_dialog.h"
#include "win/editor_fixture.h"

namespace {

const std::string kOld = "old\r\n";
const std::string kBig(2 << 20, 'x');  // more than the limit lets through

// Whether a file of 2 MB cannot be written: the limit is on.
bool DiskIsFull(const std::string& folder) {
  const std::string probe = folder + "\\probe.bin";
  const bool written = WriteFileBytes(probe, kBig) && ReadFileBytes(probe).size() == kBig.size();
  ::DeleteFileA(probe.c_str());
  return !written;
}

class DiskFull : public EditorTest {
 protected:
  void SetUp() override {
    EditorTest::SetUp();
    if (!DiskIsFull(folder_.path())) GTEST_SKIP() << "runs under a file size limit only";
  }
};

TEST_F(DiskFull, ScriptSaveKeepsTheOldScript) {
  WriteFileBytes(folder_ / "tewoc.ini", FactoryTemplateFile());
  const std::string script = Write("big.scr", kOld);
  SetText(IDC_DESTINATION, folder_.path());
  // Long paths, so that a few entries make a script of more than 1 MB.
  const std::string folder = "C:\\" + std::string(200, 'f') + "\\";
  ::SendMessageA(Item(IDC_SOURCE_LIST), WM_SETREDRAW, FALSE, 0);
  for (int i = 0; i < 5000; ++i) {
    dialog_->SourceList().AddString(folder + std::to_string(i) + ".dxf");
  }
  ::SendMessageA(Item(IDC_SOURCE_LIST), WM_SETREDRAW, TRUE, 0);
  fake_->onSaveFile = [&](OPENFILENAMEA& ofn) { return AnswerFileDialog(ofn, script); };
  Click(IDC_SAVE_SCRIPT);
  EXPECT_EQ(fake_->MessageTexts().back(), "ｽｸﾘﾌﾟﾄﾌｧｲﾙの保存ができませんでした！");
  EXPECT_TRUE(ReadFileBytes(script) == kOld);
  EXPECT_FALSE(NewFileLeftIn(tewo::FolderOf(script)));
}

TEST_F(DiskFull, EditorSaveKeepsTheFileAndTheText) {
  const std::string script = Write("a.scr", kOld);
  OpenEditor(script);
  ::SetWindowTextA(EditorItem(IDC_EDITOR_TEXT), kBig.c_str());
  EditorCommand(ID_EDITOR_SAVE);
  EXPECT_EQ(fake_->MessageTexts(), std::vector<std::string>{"ｽｸﾘﾌﾟﾄﾌｧｲﾙの保存に失敗しました。"});
  EXPECT_TRUE(ReadFileBytes(script) == kOld);
  EXPECT_TRUE(::IsWindow(editor_));
  EXPECT_EQ(Text().size(), kBig.size());
}

TEST_F(DiskFull, CommandTemplateSaveKeepsTheFileAndTheEdits) {
  WriteFileBytes(folder_ / "tewoc.ini", FactoryTemplateFile());
  CRegistrationDialog registration(tewo::RegistrationDialog::DxfToDwg);
  ASSERT_TRUE(registration.Create(
      CRegistrationDialog::TemplateOf(tewo::RegistrationDialog::DxfToDwg), nullptr));
  HWND edit = ::GetDlgItem(registration.m_hWnd, IDC_FIRST_INPUT);
  std::string lines;  // saved line by line: many short lines
  while (lines.size() < kBig.size()) lines += "COMMAND LINE\r\n";
  ::SetWindowTextA(edit, lines.c_str());
  ::SendMessageA(registration.m_hWnd, WM_COMMAND, MAKEWPARAM(IDC_REGISTER_SAVE, BN_CLICKED), 0);
  EXPECT_EQ(fake_->MessageTexts(), std::vector<std::string>{"ｺﾏﾝﾄﾞﾌｧｲﾙの保存に失敗しました。"});
  EXPECT_TRUE(ReadFileBytes(folder_ / "tewoc.ini") == FactoryTemplateFile());
  EXPECT_EQ(GetWindowTextString(edit).size(), lines.size());
  registration.DestroyWindow();
}

TEST_F(DiskFull, SettingsAtCloseKeepTheOldFileSilently) {
  const std::string settings = folder_ / "tewo.ini";
  WriteFileBytes(settings, "0\r\n0\r\n\r\n\r\n\r\n0\r\n");
  dialog_->rememberedDestination = kBig;
  SetText(IDC_DESTINATION, kBig);
  ::SendMessageA(Dialog(), WM_CLOSE, 0, 0);
  EXPECT_TRUE(fake_->messages.empty());
  EXPECT_EQ(ReadFileBytes(settings), "0\r\n0\r\n\r\n\r\n\r\n0\r\n");
  EXPECT_FALSE(NewFileLeftIn(folder_.path()));
}

}  // namespace
