// Replacing a file against every outcome Windows documents for ReplaceFileA,
// of which Wine produces only success: a stand-in leaves the files as each
// outcome leaves them. Afterwards the target holds the old or the new content
// whole, or the result names the files where each content was kept.
#include <windows.h>
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "common/file_write.h"
#include "win/main_dialog_fixture.h"

namespace {

enum class Left { Replaced, NothingChanged, TargetGone, OldUnderBackup };

struct Outcome {
  const char* name;
  Left left;         // the files as the call leaves them
  DWORD error;       // what the call reports
  int failingMoves;  // how many of the moves after it fail
};

class OutcomeCalls : public tewo::FileCalls {
 public:
  explicit OutcomeCalls(const Outcome& outcome) : outcome_(outcome) {}
  BOOL Replace(const char* replaced, const char* replacement, const char* backup) const override {
    if (outcome_.left == Left::Replaced) return FileCalls::Replace(replaced, replacement, backup);
    if (outcome_.left == Left::TargetGone) ::DeleteFileA(replaced);
    if (outcome_.left == Left::OldUnderBackup) ::MoveFileA(replaced, backup);
    ::SetLastError(outcome_.error);
    return FALSE;
  }
  BOOL Move(const char* from, const char* to) const override {
    return ++moves_ > outcome_.failingMoves && FileCalls::Move(from, to);
  }

 private:
  const Outcome& outcome_;
  mutable int moves_ = 0;
};

// The files of folder other than except: content to path.
std::map<std::string, std::string> FilesBeside(const std::string& folder,
                                               const std::string& except) {
  std::map<std::string, std::string> files;
  WIN32_FIND_DATAA data;
  HANDLE find = ::FindFirstFileA((folder + "\\*").c_str(), &data);
  do {
    const std::string path = folder + "\\" + data.cFileName;
    if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && path != except) {
      files[ReadFileBytes(path)] = path;
    }
  } while (::FindNextFileA(find, &data));
  ::FindClose(find);
  return files;
}

TEST(FileReplacement, EveryDocumentedOutcomeLeavesOneContentWholeOrNamesWhereItIs) {
  const struct {
    Outcome outcome;
    bool ok;
    const char* target;            // content afterwards; null: no file
    std::set<std::string> beside;  // contents left beside it
  } kRows[] = {
      {{"success", Left::Replaced, 0, 0}, true, "new", {}},
      {{"1175 nothing changed", Left::NothingChanged, 1175, 0}, false, "old", {}},
      {{"1176 with a backup name", Left::NothingChanged, 1176, 0}, false, "old", {}},
      {{"1176 as without one", Left::TargetGone, 1176, 0}, true, "new", {}},
      {{"1176 as without one, move fails", Left::TargetGone, 1176, 9}, false, nullptr, {"new"}},
      {{"1177, the new file moves", Left::OldUnderBackup, 1177, 0}, true, "new", {}},
      {{"1177, the backup moves back", Left::OldUnderBackup, 1177, 1}, false, "old", {}},
      {{"1177, nothing moves", Left::OldUnderBackup, 1177, 9}, false, nullptr, {"old", "new"}},
      {{"sharing violation", Left::NothingChanged, ERROR_SHARING_VIOLATION, 0}, false, "old", {}},
      {{"access denied", Left::NothingChanged, ERROR_ACCESS_DENIED, 0}, false, "old", {}},
  };
  for (const auto& row : kRows) {
    SCOPED_TRACE(row.outcome.name);
    TempFolder folder;
    const std::string target = folder / "target.scr";
    WriteFileBytes(target, "old");
    const OutcomeCalls calls(row.outcome);
    const tewo::WriteResult result = tewo::WriteFileReplacing(target, "new", &calls);
    EXPECT_EQ(result.ok, row.ok);
    EXPECT_EQ(FileExists(target) ? ReadFileBytes(target) : "none",
              row.target ? row.target : "none");
    auto beside = FilesBeside(folder.path(), target);
    EXPECT_EQ(beside.size(), row.beside.size());
    EXPECT_EQ(result.oldContentAt, row.beside.count("old") ? beside["old"] : "");
    EXPECT_EQ(result.newContentAt, row.beside.count("new") ? beside["new"] : "");
  }
}

// The user learns the names from the writer's own message.
using ReplaceThroughScriptSave = MainDialogTest;

TEST_F(ReplaceThroughScriptSave, TheMessageNamesWhereEachContentWasKept) {
  WriteFileBytes(folder_ / "tewoc.ini", FactoryTemplateFile());
  const std::string script = folder_ / "s.scr";
  WriteFileBytes(script, "old");
  SetText(IDC_DESTINATION, folder_.path());
  AddEntries({"C:\\a.dxf"});
  const Outcome nothingMoves{"1177", Left::OldUnderBackup, 1177, 9};
  const OutcomeCalls calls(nothingMoves);
  fake_->files = &calls;
  fake_->onSaveFile = [&](OPENFILENAMEA& ofn) { return AnswerFileDialog(ofn, script); };
  Click(IDC_SAVE_SCRIPT);
  auto beside = FilesBeside(folder_.path(), script);
  const std::string written = "NEW  DXFIN\r\nC:\\a.dxf\r\nSAVE\r\n" + folder_ / "a.dwg\r\n";
  EXPECT_EQ(fake_->MessageTexts(),
            std::vector<std::string>{
                "ｽｸﾘﾌﾟﾄﾌｧｲﾙの保存ができませんでした！\n元の内容は次のﾌｧｲﾙに残っています：" +
                beside["old"] + "\n新しい内容は次のﾌｧｲﾙに残っています：" + beside[written]});
  fake_->files = nullptr;
}

}  // namespace
