// A list of 10,000 entries filled from the file dialog, and a script saved
// for them. How long it takes is measured by bench/win, not here.
#include <cstdio>
#include <cstring>

#include "win/main_dialog_fixture.h"

namespace {

TEST_F(MainDialogTest, TenThousandEntriesFillTheListAndTheScript) {
  constexpr int kEntries = 10000;
  std::string selection = "C:\\drawings" + std::string(1, '\0');
  for (int i = 0; i < kEntries; ++i) {
    char name[32];
    std::snprintf(name, sizeof name, "p%05d.dxf", i);
    selection += name + std::string(1, '\0');
  }
  selection += '\0';
  ASSERT_LT(selection.size(), 129500u);
  fake_->onOpenFile = [&](OPENFILENAMEA& ofn) {
    std::memcpy(ofn.lpstrFile, selection.data(), selection.size());
    return TRUE;
  };
  Click(IDC_CHOOSE_SOURCES);
  ASSERT_EQ(dialog_->SourceList().GetCount(), kEntries);
  EXPECT_EQ(Text(IDC_COUNT_LABEL), "FILE=10000");

  WriteFileBytes(folder_ / "tewoc.ini", FactoryTemplateFile());
  SetText(IDC_DESTINATION, folder_.path());
  const std::string script = folder_ / "big.scr";
  fake_->onSaveFile = [&](OPENFILENAMEA& ofn) { return AnswerFileDialog(ofn, script); };
  Click(IDC_SAVE_SCRIPT);
  EXPECT_EQ(Text(IDC_STATUS), "ｽｸﾘﾌﾟﾄﾌｧｲﾙを保存しました！");
  EXPECT_GT(ReadFileBytes(script).size(), 400000u);

  // Half of the outputs exist already, among 5,000 files of the folder: the
  // count is one look-up per entry; the user cancels at the question.
  for (int i = 0; i < kEntries; i += 2) {
    char name[32];
    std::snprintf(name, sizeof name, "\\p%05d.dwg", i);
    WriteFileBytes(folder_.path() + name, "");
  }
  std::string asked;
  fake_->onMessage = [&](const ShownMessage& shown) {
    asked = shown.text;  // the drawings are not on disk: that question is passed
    return asked.rfind("変換元ﾌｧｲﾙが", 0) == 0 ? IDOK : IDCANCEL;
  };
  Click(IDC_SAVE_SCRIPT);
  EXPECT_EQ(asked.rfind("変換先に同じ名前のﾌｧｲﾙが5000個あります。", 0), 0u) << asked;
}

}  // namespace
