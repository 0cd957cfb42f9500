// Replacing a file against every outcome Windows documents for ReplaceFileA
// (Wine gives only success), each left on disk by a stand-in for the call,
// and against a scanner that holds a file for a while.
#include <filesystem>

#include "win/editor_fixture.h"

namespace {

enum class Left { Replaced, NothingChanged, TargetGone, OldUnderBackup };

// Leaves the files as left says, reports error; the first failingMoves moves fail.
// The call held ('R'eplace, 'M'ove, 'D'elete) is refused for sharing its
// first `held` times. Pauses are counted, not waited.
struct OutcomeCalls : tewo::FileCalls {
  OutcomeCalls(Left l, DWORD e, int f, char c = 0, int h = 0)
      : left(l), error(e), failingMoves(f), heldCall(c), held(h) {}
  bool Held(char call) const {
    if (call == heldCall && refusals < held) ::SetLastError(ERROR_SHARING_VIOLATION);
    return call == heldCall && refusals++ < held;
  }
  BOOL Replace(const char* replaced, const char* replacement, const char* backup) const override {
    if (Held('R')) return FALSE;
    if (left == Left::Replaced) return FileCalls::Replace(replaced, replacement, backup);
    if (left == Left::TargetGone) ::DeleteFileA(replaced);
    if (left == Left::OldUnderBackup) ::MoveFileA(replaced, backup);
    ::SetLastError(error);
    return FALSE;
  }
  BOOL Move(const char* from, const char* to) const override {
    return !Held('M') && ++moves > failingMoves && FileCalls::Move(from, to);
  }
  BOOL Delete(const char* path) const override { return !Held('D') && FileCalls::Delete(path); }
  void Pause(DWORD milliseconds) const override { paused += milliseconds; }
  Left left;
  DWORD error;
  int failingMoves;
  char heldCall;
  int held;
  mutable int moves = 0, refusals = 0;
  mutable DWORD paused = 0;
};

std::string Content(const std::string& p) { return FileExists(p) ? ReadFileBytes(p) : "-"; }

using FileReplacement = EditorTest;

TEST_F(FileReplacement, EveryDocumentedOutcomeLeavesOneContentWholeOrNamesWhereItIs) {
  // Seen after the editor saved "new" over "old": the files left beside the target,
  // its content, the message or status, each name in it shown as <its content>,
  // and the time waited.
  const std::string failed = " ｽｸﾘﾌﾟﾄﾌｧｲﾙの保存に失敗しました。";
  const std::string oldAt = "\n元の内容は次のﾌｧｲﾙに残っています：<old>";
  const std::string newAt = "\n新しい内容は次のﾌｧｲﾙに残っています：<new>";
  const std::string left = "\n不要なﾌｧｲﾙが残っています：";
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
      {"sharing violation", {Left::NothingChanged, 32, 0}, "0 old" + failed + " 1000ms"},
      {"access denied", {Left::NothingChanged, 5, 0}, "0 old" + failed + " 1000ms"},
      {"replacement held a while", {Left::Replaced, 0, 0, 'R', 3}, "0 new 112ms"},
      {"move held a while", {Left::TargetGone, 1176, 0, 'M', 3}, "0 new 112ms"},
      {"move held", {Left::TargetGone, 1176, 0, 'M', 99}, "1 -" + failed + newAt + " 1000ms"},
      {"delete held a while", {Left::Replaced, 0, 0, 'D', 3}, "0 new 112ms"},
      {"delete held", {Left::Replaced, 0, 0, 'D', 99}, "1 new" + left + "<old> 1000ms"},
      {"deletes held",
       {Left::NothingChanged, 32, 0, 'D', 99},
       "2 old" + failed + left + "<new>" + left + "<> 1000ms"},
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
    ::SetWindowTextA(EditorItem(IDC_EDITOR_STATUS), "");
    EditorCommand(ID_EDITOR_SAVE);
    std::string seen = Content(target);
    if (!fake_->messages.empty()) seen += " " + fake_->messages[0].text;
    if (!Status().empty()) seen += "\n" + Status();
    int beside = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder.path())) {
      const std::string path = entry.path().string();
      beside += path != target;
      if (const auto at = seen.find(path); at != std::string::npos) {
        seen.replace(at, path.size(), "<" + Content(path) + ">");
      }
    }
    if (row.calls.paused != 0) seen += " " + std::to_string(row.calls.paused) + "ms";
    EXPECT_EQ(std::to_string(beside) + " " + seen, row.seen) << row.name;
  }
  fake_->files = nullptr;
}

}  // namespace
