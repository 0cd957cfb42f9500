// Figures for the closing note: a list of 10,000 entries filled from the
// file dialog, and a script saved for them. Reported, not asserted on time.
#include <cstdio>
#include <cstring>
#include <functional>

#include "win/main_dialog_fixture.h"
#include "win/stopwatch.h"

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
  const double fill = MillisecondsOf([&] { Click(IDC_CHOOSE_SOURCES); });
  ASSERT_EQ(dialog_->SourceList().GetCount(), kEntries);
  EXPECT_EQ(Text(IDC_COUNT_LABEL), "FILE=10000");

  WriteFileBytes(folder_ / "tewoc.ini", FactoryTemplateFile());
  SetText(IDC_DESTINATION, folder_.path());
  const std::string script = folder_ / "big.scr";
  fake_->onSaveFile = [&](OPENFILENAMEA& ofn) { return AnswerFileDialog(ofn, script); };
  const double read = MillisecondsOf([&] { dialog_->SourceList().GetAllTexts(); });
  std::printf("[ figures  ] reading 10,000 entries back: %.1f ms\n", read);
  const double save = MillisecondsOf([&] { Click(IDC_SAVE_SCRIPT); });
  EXPECT_EQ(Text(IDC_STATUS), "ｽｸﾘﾌﾟﾄﾌｧｲﾙを保存しました！");
  EXPECT_GT(ReadFileBytes(script).size(), 400000u);

  std::printf("[ figures  ] 10,000 entries: list filled in %.1f ms, script saved in %.1f ms\n",
              fill, save);
  RecordProperty("fill_ms", static_cast<int>(fill));
  RecordProperty("save_ms", static_cast<int>(save));

  // Half of the outputs exist already, among 5,000 files of the folder: the
  // count is one look-up per entry; the user cancels at the question.
  for (int i = 0; i < kEntries; i += 2) {
    char name[32];
    std::snprintf(name, sizeof name, "\\p%05d.dwg", i);
    WriteFileBytes(folder_.path() + name, "");
  }
  std::string asked;
  fake_->onMessage = [&](const ShownMessage& shown) {
    asked = shown.text;
    return IDCANCEL;
  };
  const double count = MillisecondsOf([&] { Click(IDC_SAVE_SCRIPT); });
  EXPECT_EQ(asked.rfind("変換先に同じ名前のﾌｧｲﾙが5000個あります。", 0), 0u) << asked;
  std::printf("[ figures  ] 10,000 entries, 5,000 outputs existing: asked after %.1f ms\n", count);
  RecordProperty("existing_outputs_ms", static_cast<int>(count));
}

}  // namespace
