// Replacing a file against every outcome Windows documents for ReplaceFileA
// (Wine gives only success), each left on disk by a stand-in for the call.
#include <filesystem>

#include "win/editor_fixture.h"

namespace {

enum class Left { Replaced, NothingChanged, TargetGone, OldUnderBackup };

// Leaves the files as left says, reports error; the first failingMoves moves fail.
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

std::string Content(const std::string& p) { return FileExists(p) ? ReadFileBytes(p) : "-"; }

using FileReplacement = EditorTest;

TEST_F(FileReplacement, EveryDocumentedOutcomeLeavesOneContentWholeOrNamesWhereItIs) {
  // Seen after the editor saved "new" over "old": the files left beside the target,
  // its content, and the message, each name in it shown as <its content>.
  const std::string failed = " ｽｸﾘﾌﾟﾄﾌｧｲﾙの保存に失敗しました。";
  const std::string oldAt = "\n元の内容は次のﾌｧｲﾙに残っています：<old>";
  const std::string newAt = "\n新しい内容は次のﾌｧｲﾙに残っています：<new>";
  const struct {
    const char* name;
    OutcomeCalls calls;
    std::string seen;
  } kRows[] = {
      {"success", {Left::Replaced, 0, 0}, "0 new"},
      {"1175", {Left::NothingChanged, 1175, 0}, "0 old" + failed},
      {"1176 with a backup name", {Left::NothingChanged, 1176, 0}, "0 old" + failed},
      {"1176 as without one", {Left::TargetGone, 1176, 0}, "0 new"},
      {"1176 as without one, no move", {Left::TargetGone, 1176, 9}, "1 -" + failed + newAt},
      {"1177, the new file moves", {Left::OldUnderBackup, 1177, 0}, "0 new"},
      {"1177, the old file moves back", {Left::OldUnderBackup, 1177, 1}, "0 old" + failed},
      {"1177, no move", {Left::OldUnderBackup, 1177, 9}, "2 -" + failed + oldAt + newAt},
      {"sharing violation", {Left::NothingChanged, 32, 0}, "0 old" + failed},
      {"access denied", {Left::NothingChanged, 5, 0}, "0 old" + failed},
  };
  OpenEditor();
  ::SetWindowTextA(EditorItem(IDC_EDITOR_TEXT), "new");
  for (const auto& row : kRows) {
    TempFolder folder;
    const std::string target = folder / "s.scr";
    WriteFileBytes(target, "old");
    ::SetWindowTextA(EditorItem(IDC_EDITOR_PATH), target.c_str());
    fake_->files = &row.calls;
    fake_->messages.clear();
    EditorCommand(ID_EDITOR_SAVE);
    std::string seen = Content(target);
    if (!fake_->messages.empty()) seen += " " + fake_->messages[0].text;
    int beside = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder.path())) {
      const std::string path = entry.path().string();
      beside += path != target;
      if (const auto at = seen.find(path); at != std::string::npos) {
        seen.replace(at, path.size(), "<" + Content(path) + ">");
      }
    }
    EXPECT_EQ(std::to_string(beside) + " " + seen, row.seen) << row.name;
  }
  fake_->files = nullptr;
}

}  // namespace
