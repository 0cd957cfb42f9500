// The menu item that adds a folder's drawings, its subfolders' too when the
// user wants them, to the source list.

#include <set>
#include <string>

#include "app/destination_text.h"
#include "app/folder_browser.h"
#include "app/folder_drawings.h"
#include "app/main_dialog.h"
#include "common/case_folding.h"
#include "common/file_write.h"
#include "common/path_split.h"
#include "framework/folder_lister.h"
#include "framework/redraw_pause.h"
#include "framework/wait_cursor.h"
#include "framework/win_app.h"

namespace {

// More drawings than this are added only after the user has seen how many.
constexpr std::size_t kAskAbove = 10000;

// On a local drive every link is a reparse point that the listing shows, so
// no folder can be reached twice; a network server may follow a link itself,
// so there each folder's identity is asked for, at an open of its own.
bool MayReachAFolderTwice(const std::string& folder, const tewo::FileCalls& calls) {
  if (folder.size() < 3 || folder[1] != ':') return true;
  const wchar_t root[] = {static_cast<wchar_t>(folder[0]), L':', L'\\', L'\0'};
  const UINT type = calls.DriveType(root);
  return type != DRIVE_FIXED && type != DRIVE_REMOVABLE && type != DRIVE_CDROM &&
         type != DRIVE_RAMDISK;
}

// What was passed over and why, on the status label's second line; empty
// when nothing was.
std::string SkippedLine(const tewo::FolderDrawings& found) {
  if (found.Skipped() == 0) return {};
  std::string line = "\n除外:";
  // "使えない文字 3件": a count apart from the word before it reads at a glance.
  auto add = [&line](const char* reason, std::size_t count) {
    if (count != 0) line += std::string(" ") + reason + " " + std::to_string(count) + "件";
  };
  add("使えない文字", found.badNames);
  add("ﾊﾟｽ長", found.tooLong);
  add("読めないﾌｫﾙﾀﾞ", found.unreadable);
  add("ﾘﾝｸ", found.links);
  return line;
}

}  // namespace

std::set<std::string> CMainDialog::FoldedSources() const {
  std::set<std::string> folded;
  const int count = sourceList_.GetCount();
  for (int i = 0; i < count; ++i) folded.insert(tewo::FoldCase(sourceList_.GetText(i)));
  return folded;
}

void CMainDialog::OnAddFolder() {
  ISystem& system = AfxGetApp()->System();
  const AnsiName folder = BrowseForFolderPath(m_hWnd, "変換元ﾌｫﾙﾀﾞを指定してください。",
                                              tewo::InitialBrowseFolder(sourceFolder));
  if (folder.text.empty()) return;
  if (!folder.exact || tewo::HasNameEndingInDotOrBlank(folder.text)) {
    // Its look-alike, or the folder without the final period or blank, would
    // be searched instead, or nothing.
    system.MessageBeep(0);
    SetStatus("ﾌｫﾙﾀﾞ名に使えない文字があります\n" + folder.text);
    return;
  }
  const int answer = system.MessageBox(m_hWnd, "ｻﾌﾞﾌｫﾙﾀﾞ内の図面も追加しますか？", "TEWO",
                                       MB_YESNOCANCEL | MB_ICONQUESTION);
  if (answer != IDYES && answer != IDNO) return;

  tewo::FolderDrawings found;
  {
    const CWaitCursor wait;
    const std::set<std::string> listed = FoldedSources();
    const tewo::FileCalls& calls = system.Files();
    found = tewo::FindFolderDrawings(
        {folder.text, answer == IDYES, Mode(), tewo::kMaxPathChars, &listed},
        [&calls, identities = MayReachAFolderTwice(folder.text, calls)](const std::string& path) {
          return ListFolder(path, calls, identities);
        });
  }
  if (found.paths.size() > kAskAbove &&
      system.MessageBox(
          m_hWnd,
          std::to_string(found.paths.size()) + "個の図面が見つかりました。\n" + "追加しますか？",
          "TEWO", MB_OKCANCEL | MB_ICONQUESTION) != IDOK) {
    return;
  }
  sourceFolder = tewo::WithTrailingBackslash(folder.text);
  if (found.paths.empty() && found.alreadyListed == 0) {
    system.MessageBeep(0);
    SetStatus("ﾌｫﾙﾀﾞに図面がありません" + SkippedLine(found));
    UpdateCountLabel();
    return;
  }
  {
    const CWaitCursor wait;
    RedrawPause pause(sourceList_.m_hWnd);
    // Room for all of them at once, instead of growing entry by entry.
    std::size_t bytes = 0;
    for (const std::string& path : found.paths) bytes += path.size() + 1;
    ::SendMessageA(sourceList_.m_hWnd, LB_INITSTORAGE, found.paths.size(),
                   static_cast<LPARAM>(bytes));
    for (const std::string& path : found.paths) sourceList_.AddString(path);
  }
  SetStatus(std::to_string(found.paths.size()) + "個の図面を追加しました" + SkippedLine(found));
  UpdateCountLabel();
}
