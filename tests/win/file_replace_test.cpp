// Replacing a file against every outcome Windows documents for ReplaceFileA
// (Wine gives only success), each left on disk by a stand-in for the call.
#include <filesystem>
#include <map>
#include <set>

#include "common/file_write.h"
#include "common/path_split.h"
#include "win/main_dialog_fixture.h"

namespace {

enum class Left { Replaced, NothingChanged, TargetGone, OldUnderBackup };

class OutcomeCalls : public tewo::FileCalls {
 public:
  OutcomeCalls(Left left, DWORD error, int failingMoves)
      : left_(left), error_(error), failingMoves_(failingMoves) {}
  BOOL Replace(const char* replaced, const char* replacement, const char* backup) const override {
    if (left_ == Left::Replaced) return FileCalls::Replace(replaced, replacement, backup);
    if (left_ == Left::TargetGone) ::DeleteFileA(replaced);
    if (left_ == Left::OldUnderBackup) ::MoveFileA(replaced, backup);
    ::SetLastError(error_);
    return FALSE;
  }
  // The first failingMoves moves after the call fail.
  BOOL Move(const char* from, const char* to) const override {
    return ++moves_ > failingMoves_ && FileCalls::Move(from, to);
  }

 private:
  Left left_;
  DWORD error_;
  int failingMoves_;
  mutable int moves_ = 0;
};

// The files beside target, by content.
std::map<std::string, std::string> FilesBeside(const std::string& target) {
  std::map<std::string, std::string> files;
  for (const auto& entry : std::filesystem::directory_iterator(tewo::FolderOf(target))) {
    if (entry.path().string() != target)
      files[ReadFileBytes(entry.path().string())] = entry.path().string();
  }
  return files;
}

TEST(FileReplacement, EveryDocumentedOutcomeLeavesOneContentWholeOrNamesWhereItIs) {
  const struct {
    const char* name;
    OutcomeCalls calls;
    bool ok;
    const char* target;            // content afterwards; null: no file
    std::set<std::string> beside;  // contents left beside it, which the result names
  } kRows[] = {
      {"success", {Left::Replaced, 0, 0}, true, "new", {}},
      {"1175", {Left::NothingChanged, 1175, 0}, false, "old", {}},
      {"1176 with a backup name", {Left::NothingChanged, 1176, 0}, false, "old", {}},
      {"1176 as without one", {Left::TargetGone, 1176, 0}, true, "new", {}},
      {"1176 as without one, no move", {Left::TargetGone, 1176, 9}, false, nullptr, {"new"}},
      {"1177, the new file moves", {Left::OldUnderBackup, 1177, 0}, true, "new", {}},
      {"1177, the old file moves back", {Left::OldUnderBackup, 1177, 1}, false, "old", {}},
      {"1177, no move", {Left::OldUnderBackup, 1177, 9}, false, nullptr, {"old", "new"}},
      {"sharing violation", {Left::NothingChanged, ERROR_SHARING_VIOLATION, 0}, false, "old", {}},
      {"access denied", {Left::NothingChanged, ERROR_ACCESS_DENIED, 0}, false, "old", {}},
  };
  for (const auto& row : kRows) {
    SCOPED_TRACE(row.name);
    TempFolder folder;
    const std::string target = folder / "target.scr";
    WriteFileBytes(target, "old");
    const tewo::WriteResult result = tewo::WriteFileReplacing(target, "new", &row.calls);
    EXPECT_EQ(result.ok, row.ok);
    EXPECT_EQ(FileExists(target) ? ReadFileBytes(target) : "none",
              row.target ? row.target : "none");
    auto beside = FilesBeside(target);
    EXPECT_EQ(beside.size(), row.beside.size());
    EXPECT_EQ(result.oldContentAt, row.beside.count("old") ? beside["old"] : "");
    EXPECT_EQ(result.newContentAt, row.beside.count("new") ? beside["new"] : "");
  }
}

using ReplaceThroughScriptSave = MainDialogTest;

TEST_F(ReplaceThroughScriptSave, TheMessageNamesWhereEachContentWasKept) {
  WriteFileBytes(folder_ / "tewoc.ini", FactoryTemplateFile());
  const std::string script = folder_ / "s.scr";
  WriteFileBytes(script, "old");
  SetText(IDC_DESTINATION, folder_.path());
  AddEntries({"C:\\a.dxf"});
  const OutcomeCalls calls(Left::OldUnderBackup, 1177, 9);
  fake_->files = &calls;
  fake_->onSaveFile = [&](OPENFILENAMEA& ofn) { return AnswerFileDialog(ofn, script); };
  Click(IDC_SAVE_SCRIPT);
  fake_->files = nullptr;
  auto beside = FilesBeside(script);
  EXPECT_EQ(fake_->MessageTexts(),
            std::vector<std::string>{
                "ｽｸﾘﾌﾟﾄﾌｧｲﾙの保存ができませんでした！\n元の内容は次のﾌｧｲﾙに残っています：" +
                beside["old"] + "\n新しい内容は次のﾌｧｲﾙに残っています：" +
                beside["NEW  DXFIN\r\nC:\\a.dxf\r\nSAVE\r\n" + folder_ / "a.dwg\r\n"]});
}

}  // namespace
