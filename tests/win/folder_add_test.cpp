#include <shlobj.h>

#include "win/main_dialog_fixture.h"

namespace {

// A project folder on disk through the menu item; the fake user answers the
// folder browser and the question.
TEST_F(MainDialogTest, AddFolderWalksTheRealTree) {
  const std::string project = folder_ / "proj";
  for (const char* dir : {"", "\\sub", "\\表", "\\empty"}) {
    ::CreateDirectoryA((project + dir).c_str(), nullptr);
  }
  for (const char* name : {"b.DXF", "a.dxf", "c.dwg", "sub\\s.dxf", "表\\x.dxf"}) {
    WriteFileBytes(project + "\\" + name, "");
  }
  WriteFileBytes(WidePath(project) + L"\\caf\u00E9.dxf", "");  // "é": not in Shift-JIS
  AddEntries({project + "\\A.DXF"});                           // listed, in another case
  dialog_->sourceFolder = project + "\\";
  std::string chosen, browsed;
  fake_->onBrowse = [&](BROWSEINFOA& info) {
    browsed = info.lpszTitle + std::string("|") + reinterpret_cast<const char*>(info.lParam);
    return info.hwndOwner == Dialog() ? ::ILCreateFromPathA(chosen.c_str()) : nullptr;
  };
  int reply = IDCANCEL;
  fake_->onMessage = [&](const ShownMessage&) { return reply; };
  const struct {
    int reply;
    const char *folder, *status, *count;
  } kRuns[] = {
      {IDCANCEL, "", "", "FILE=0"},  // nothing changes
      {IDYES, "", "3個の図面を追加しました\n除外: 使えない文字 1件", "FILE=4"},
      {IDNO, "", "0個の図面を追加しました\n除外: 使えない文字 1件", "FILE=4"},
      {IDYES, "\\empty", "ﾌｫﾙﾀﾞに図面がありません", "FILE=4"},
  };
  for (const auto& run : kRuns) {
    reply = run.reply;
    chosen = project + run.folder;
    Command(ID_ADD_FOLDER);
    EXPECT_EQ(browsed, "変換元ﾌｫﾙﾀﾞを指定してください。|" + project);
    EXPECT_EQ(Text(IDC_STATUS), run.status);
    EXPECT_EQ(Text(IDC_COUNT_LABEL), run.count);
  }
  EXPECT_EQ(dialog_->SourceList().GetAllTexts(),
            (std::vector<std::string>{project + "\\A.DXF", project + "\\b.DXF",
                                      project + "\\sub\\s.dxf", project + "\\表\\x.dxf"}));
  EXPECT_EQ(fake_->messages.back().text, "ｻﾌﾞﾌｫﾙﾀﾞ内の図面も追加しますか？");
  EXPECT_EQ(fake_->messages.back().type, static_cast<UINT>(MB_YESNOCANCEL | MB_ICONQUESTION));
  EXPECT_EQ(fake_->beeps, std::vector<UINT>{0});
  EXPECT_EQ(dialog_->sourceFolder, project + "\\empty\\");
}

}  // namespace
