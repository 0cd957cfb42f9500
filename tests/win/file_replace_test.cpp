// Replacing a file against every outcome Windows documents for ReplaceFileA
// (Wine gives only success), each left on disk by a stand-in for the call.
#include <filesystem>
#include <map>

#include "common/file_write.h"
#include "common/path_split.h"
#include "win/editor_fixture.h"

namespace {

enum class Left { Replaced, NothingChanged, TargetGone, OldUnderBackup };

// The call leaves the files as left says and reports error; the first
// failingMoves moves after it fail.
struct OutcomeCalls : tewo::FileCalls {
  OutcomeCalls(Left l, DWORD e, int f) : left(l), error(e), failingMoves(f) {}
  BOOL Replace(const char* replaced, const char* replacement, const char* backup) const override {
    if (left == Left::Replaced) return FileCalls::Replace(replaced, replacement, backup);
    if (left == Left::TargetGone) ::DeleteFileA(replaced);
    if (left == Left::OldUnderBackup) ::MoveFileA(replaced, backup);
    ::SetLastError(error);
    return FALSE;
  }
  BOOL Move(const char* from, const char* to) const override {
    return ++moves > failingMoves && FileCalls::Move(from, to);
  }
  Left left;
  DWORD error;
  int failingMoves;
  mutable int moves = 0;
};

// The files beside target: content to path.
std::map<std::string, std::string> FilesBeside(const std::string& target) {
  std::map<std::string, std::string> files;
  for (const auto& entry : std::filesystem::directory_iterator(tewo::FolderOf(target))) {
    const std::string path = entry.path().string();
    if (path != target) files[ReadFileBytes(path)] = path;
  }
  return files;
}

TEST(FileReplacement, EveryDocumentedOutcomeLeavesOneContentWholeOrNamesWhereItIs) {
  // What is seen after writing "new" over "old": ok or failed, the target's
  // content, the contents under the names the result gives, the files beside.
  const struct {
    const char* name;
    OutcomeCalls calls;
    const char* seen;
  } kRows[] = {
      {"success", {Left::Replaced, 0, 0}, "ok new - - 0"},
      {"1175", {Left::NothingChanged, 1175, 0}, "failed old - - 0"},
      {"1176 with a backup name", {Left::NothingChanged, 1176, 0}, "failed old - - 0"},
      {"1176 as without one", {Left::TargetGone, 1176, 0}, "ok new - - 0"},
      {"1176 as without one, no move", {Left::TargetGone, 1176, 9}, "failed - - new 1"},
      {"1177, the new file moves", {Left::OldUnderBackup, 1177, 0}, "ok new - - 0"},
      {"1177, the old file moves back", {Left::OldUnderBackup, 1177, 1}, "failed old - - 0"},
      {"1177, no move", {Left::OldUnderBackup, 1177, 9}, "failed - old new 2"},
      {"sharing violation", {Left::NothingChanged, ERROR_SHARING_VIOLATION, 0}, "failed old - - 0"},
      {"access denied", {Left::NothingChanged, ERROR_ACCESS_DENIED, 0}, "failed old - - 0"},
  };
  const auto content = [](const std::string& path) -> std::string {
    return FileExists(path) ? ReadFileBytes(path) : "-";
  };
  for (const auto& row : kRows) {
    TempFolder folder;
    const std::string target = folder / "target.scr";
    WriteFileBytes(target, "old");
    const tewo::WriteResult result = tewo::WriteFileReplacing(target, "new", &row.calls);
    EXPECT_EQ(std::string(result.ok ? "ok " : "failed ") + content(target) + " " +
                  content(result.oldContentAt) + " " + content(result.newContentAt) + " " +
                  std::to_string(FilesBeside(target).size()),
              row.seen)
        << row.name;
  }
}

using ReplaceThroughEditorSave = EditorTest;

TEST_F(ReplaceThroughEditorSave, TheMessageNamesWhereEachContentWasKept) {
  const std::string script = Write("s.scr", "old");
  OpenEditor(script);
  ::SetWindowTextA(EditorItem(IDC_EDITOR_TEXT), "new");
  const OutcomeCalls calls(Left::OldUnderBackup, 1177, 9);
  fake_->files = &calls;
  EditorCommand(ID_EDITOR_SAVE);
  fake_->files = nullptr;
  auto beside = FilesBeside(script);
  EXPECT_EQ(fake_->MessageTexts(),
            std::vector<std::string>{
                "ｽｸﾘﾌﾟﾄﾌｧｲﾙの保存に失敗しました。\n元の内容は次のﾌｧｲﾙに残っています：" +
                beside["old"] + "\n新しい内容は次のﾌｧｲﾙに残っています：" + beside["new"]});
}

}  // namespace
