#include "script/save_script_operation.h"

#include <exception>
#include <optional>
#include <string>
#include <vector>

#include "common/file_write.h"
#include "common/mbcs.h"
#include "common/path_split.h"
#include "common/text_util.h"
#include "framework/dialog.h"
#include "framework/file_dialog.h"
#include "framework/list_box.h"
#include "framework/wait_cursor.h"
#include "framework/win_app.h"
#include "framework/write_failure.h"
#include "resources/resource.h"
#include "script/command_template.h"
#include "script/destination_name.h"
#include "script/duplicate_names.h"
#include "script/existing_outputs.h"
#include "script/file_presence.h"
#include "script/output_folders.h"
#include "script/output_paths.h"
#include "script/script_expansion.h"
#include "script/script_file.h"
#include "script/template_file_location.h"

namespace tewo {

namespace {

const char kScriptFilter[] = "SCRﾌｧｲﾙ(*.scr)|*.scr|All Files(*.*)|*.*||";
const char kSaveDialogTitle[] = "ｽｸﾘﾌﾟﾄﾌｧｲﾙの保存";
const char kSaveFailed[] = "ｽｸﾘﾌﾟﾄﾌｧｲﾙの保存ができませんでした！";
const char kOutputsExist[] =
    "変換先に同じ名前のﾌｧｲﾙが%i個あります。\nAutoCADが上書きの確認で止まります。"
    "ｽｸﾘﾌﾟﾄを保存しますか？";
const char kOutputsUnknown[] =
    "変換先のﾌｧｲﾙを確認できませんでした。\n同じ名前のﾌｧｲﾙがあるとAutoCADが上書きの確認で"
    "止まります。ｽｸﾘﾌﾟﾄを保存しますか？";
const char kSaved[] = "ｽｸﾘﾌﾟﾄﾌｧｲﾙを保存しました！";
const char kOutputTooLong[] = "変換先のﾊﾟｽが長すぎるため保存できません！\n";
const char kFolderNotMade[] = "変換先のﾌｫﾙﾀﾞを作成できませんでした！\n";

const char kSourcesMissing[] =
    "変換元ﾌｧｲﾙが%i個見つかりません。\nAutoCADが途中で止まります。ｽｸﾘﾌﾟﾄを保存しますか？";
const char kSourcesUnknown[] =
    "変換元ﾌｧｲﾙを確認できませんでした。\nないﾌｧｲﾙがあるとAutoCADが途中で止まります。"
    "ｽｸﾘﾌﾟﾄを保存しますか？";

void SetStatus(const CDialog& dialog, const std::string& text) {
  dialog.SetDlgItemText(IDC_STATUS, text);
}

// A progress text in the status label for as long as the object lives: it
// never stays beside a message of what came of the step.
class ProgressText {
 public:
  ProgressText(const CDialog& dialog, const char* text) : dialog_(dialog) {
    SetStatus(dialog_, text);
  }
  ~ProgressText() { SetStatus(dialog_, ""); }
  ProgressText(const ProgressText&) = delete;
  ProgressText& operator=(const ProgressText&) = delete;

 private:
  const CDialog& dialog_;
};

// The destination field's text with a backslash appended when it lacks one,
// written back into the field; empty when the field is blank or refused.
std::string TakeDestination(const CDialog& dialog) {
  std::string field = dialog.GetDlgItemText(IDC_DESTINATION);
  if (TrimBlanks(field).empty()) {
    ReportMessage(dialog.m_hWnd, "変換先ﾌｫﾙﾀﾞが指定されていません！");
    dialog.FocusDlgItem(IDC_DESTINATION);
    return {};
  }
  // A relative name would be looked up from the tool's current folder, which
  // the file dialogs move, and AutoCAD would look it up from its own.
  if (!IsFullPath(field)) {
    ReportMessage(dialog.m_hWnd,
                  "変換先ﾌｫﾙﾀﾞはﾌﾙﾊﾟｽで指定してください！\n"
                  "例 D:\\変換後\\ または \\\\ｻｰﾊﾞｰ名\\共有名\\変換後\\");
    dialog.FocusDlgItem(IDC_DESTINATION);
    return {};
  }
  if (RefuseDestinationName(dialog.m_hWnd, DestinationFieldName(dialog.m_hWnd))) return {};
  field = WithTrailingBackslash(field);
  dialog.SetDlgItemText(IDC_DESTINATION, field);
  return field;
}

// Asks for the script's path, starting in the script folder. Empty when cancelled.
std::string AskScriptPath(const ScriptSaveWindow& window) {
  const std::string& folder = window.scriptFolder;
  std::string proposed = ProposedScriptName(window.lastScriptPath, window.mode);
  if (!folder.empty()) ::SetCurrentDirectoryA(folder.c_str());
  CFileDialog save(FALSE, "scr", proposed.c_str(), OFN_HIDEREADONLY, kScriptFilter, &window.dialog);
  save.m_ofn.lpstrTitle = kSaveDialogTitle;
  if (!folder.empty()) save.m_ofn.lpstrInitialDir = folder.c_str();
  if (save.DoModal() != IDOK) return {};
  const AnsiName path = save.GetPathName();
  return NameIsCarried(window.dialog.m_hWnd, path, NameUse::Save) ? path.text : std::string();
}

// With the folder tree kept: entries without a common folder, or an output
// longer than the system takes, are selected alone in the list and refused.
// True when the save stops.
bool RefuseKeptOutputs(const ScriptSaveWindow& window, const std::vector<std::string>& entries,
                       const OutputPlan& outputs, const std::string& destination) {
  const CListBox& list = window.sourceList;
  std::vector<std::size_t> refused = outputs.otherRoots;
  std::string message = kNoCommonFolder;
  const std::string_view extension = NewExtension(window.mode);
  std::string path;
  for (std::size_t i = 0; refused.empty() && i < entries.size(); ++i) {
    const std::string_view entry = TrimBlanksView(entries[i]);
    // No output has more characters than bytes: most need neither building
    // nor counting.
    const std::size_t bytes =
        destination.size() + KeptPart(entry, outputs.keptFrom).size() + extension.size();
    if (bytes <= kMaxPathChars) continue;
    path.clear();
    AppendOutputPath(path, entry, outputs.keptFrom, destination, extension);
    if (CharCount(path) > kMaxPathChars) {
      refused.push_back(i);
      message = kOutputTooLong + std::string(entry);
    }
  }
  if (refused.empty()) return false;
  list.SetSel(-1, false);
  for (std::size_t index : refused) list.SetSel(static_cast<int>(index));
  ReportMessage(window.dialog.m_hWnd, message);
  window.dialog.FocusDlgItem(IDC_SOURCE_LIST);
  return true;
}

// AutoCAD asks before it replaces a drawing, and takes the script's next line
// for the answer: the user decides before such a script is written, and is
// asked too when the destination could not be looked at. True when the
// script is to be saved.
bool AcceptExistingOutputs(const ScriptSaveWindow& window, const std::vector<std::string>& entries,
                           const std::vector<OutputFolder>& folders,
                           const std::string& destination) {
  std::optional<std::size_t> existing;
  {
    const CWaitCursor wait;
    const FileCalls& calls = AfxGetApp()->System().Files();
    existing = window.keepTree
                   ? CountExistingKeptOutputs(calls, window.mode, folders, destination)
                   : CountExistingOutputsIn(calls, window.mode, {entries.begin(), entries.end()},
                                            destination);
  }
  if (existing == 0) return true;
  std::string question = kOutputsUnknown;
  if (existing) {
    question = kOutputsExist;
    question.replace(question.find("%i"), 2, std::to_string(*existing));
  }
  return AfxGetApp()->System().MessageBox(window.dialog.m_hWnd, question, "TEWO",
                                          MB_OKCANCEL | MB_ICONQUESTION) == IDOK;
}

// A drawing that is gone stops AutoCAD at its OPEN, and the rest of the
// batch with it: those entries are selected and the user decides, asked too
// when the sources could not be looked at. True when the script is to be saved.
bool AcceptMissingSources(const ScriptSaveWindow& window, const std::vector<std::string>& entries) {
  std::optional<std::vector<std::size_t>> missing;
  {
    const CWaitCursor wait;
    missing = FindMissingSources(AfxGetApp()->System().Files(), entries);
  }
  if (missing && missing->empty()) return true;
  std::string question = kSourcesUnknown;
  if (missing) {
    window.sourceList.SelectOnly(*missing);
    question = kSourcesMissing;
    question.replace(question.find("%i"), 2, std::to_string(missing->size()));
  }
  if (AfxGetApp()->System().MessageBox(window.dialog.m_hWnd, question, "TEWO",
                                       MB_OKCANCEL | MB_ICONQUESTION) == IDOK) {
    return true;
  }
  window.dialog.FocusDlgItem(IDC_SOURCE_LIST);
  return false;
}

void SaveScriptSteps(const ScriptSaveWindow& window);

}  // namespace

std::string TakeCheckedDestination(const CDialog& dialog) {
  const std::string destination = TakeDestination(dialog);
  if (destination.empty()) return {};
  // Only the failure result stops: no attribute bit is examined.
  if (::GetFileAttributesA(destination.c_str()) == INVALID_FILE_ATTRIBUTES) {
    ReportMessage(dialog.m_hWnd, "変換先ﾌｫﾙﾀﾞが存在しないか又は書き込み禁止です！");
    dialog.FocusDlgItem(IDC_DESTINATION);
    return {};
  }
  return destination;
}

void SaveScript(const ScriptSaveWindow& window) {
  // A failure of any step (memory, for one) is a failed save, never silence.
  try {
    SaveScriptSteps(window);
  } catch (const std::exception&) {
    ReportMessage(window.dialog.m_hWnd, kSaveFailed);
  }
}

namespace {

void SaveScriptSteps(const ScriptSaveWindow& window) {
  const CDialog& dialog = window.dialog;
  const HWND owner = dialog.m_hWnd;
  const std::string destination = TakeCheckedDestination(dialog);
  if (destination.empty()) return;

  const CListBox& list = window.sourceList;
  if (list.GetCount() <= 0) {
    ReportMessage(owner, "変換元ファイルが選択されていません！");
    dialog.FocusDlgItem(IDC_SOURCE_LIST);
    return;
  }
  const std::vector<std::string> entries = list.GetAllTexts();
  const OutputPlan outputs = PlanOutputs(entries, window.keepTree, window.sourceFolder);
  if (!outputs.otherRoots.empty() && RefuseKeptOutputs(window, entries, outputs, destination)) {
    return;
  }

  std::vector<std::size_t> duplicates;
  {
    const ProgressText checking(dialog, "重複ﾌｧｲﾙ名 ﾁｪｯｸ中！");
    duplicates = window.keepTree ? FindDuplicateOutputs(entries, outputs.keptFrom)
                                 : FindDuplicateNames(entries);
  }
  if (!duplicates.empty()) {
    for (std::size_t index : duplicates) list.SetSel(static_cast<int>(index));
    ReportMessage(owner, "同一名のﾌｧｲﾙが選択されているため保存できません！");
    dialog.FocusDlgItem(IDC_SOURCE_LIST);
    return;
  }

  if (window.keepTree && RefuseKeptOutputs(window, entries, outputs, destination)) return;

  const ConversionMode mode = window.mode;
  if (!AcceptMissingSources(window, entries)) return;
  // The outputs' folders, found once for the count and the making.
  std::vector<OutputFolder> outputFolders;
  if (window.keepTree) outputFolders = GroupOutputFolders(entries, outputs);
  if (!AcceptExistingOutputs(window, entries, outputFolders, destination)) return;
  const std::string scriptPath = AskScriptPath(window);
  if (scriptPath.empty()) return;
  window.lastScriptPath = scriptPath;
  window.scriptFolder = FolderOf(scriptPath);

  ISystem& system = AfxGetApp()->System();
  const auto lines = ReadTemplateLines(CommandTemplateFilePath());
  if (!lines) {
    ReportMessage(owner, "ｺﾏﾝﾄﾞ登録ﾌｧｲﾙがないため実行を中断します。");
    system.ExitProcess(1);
    return;
  }
  const CommandTemplateSet templates = BuildTemplateSet(*lines);
  for (const std::string& line : templates.invalidLines) {
    ReportMessage(owner, "登録ｺﾏﾝﾄﾞｴﾗｰ\n" + line);
  }
  // The script is still written; the main window closes once this returns.
  if (!templates.invalidLines.empty()) dialog.PostMessage(WM_CLOSE);

  MadeFolders folders;
  if (window.keepTree) {
    {
      const CWaitCursor wait;
      folders = MakeOutputFolders(system.Files(), outputFolders, destination);
    }
    if (!folders.failed.empty()) {
      ReportMessage(owner, kFolderNotMade + folders.failed);
      return;
    }
  }

  WriteResult written;
  {
    const CWaitCursor wait;
    ScriptFileWriter script(&system.Files());
    if (script.Create(scriptPath)) {
      ExpandScript(mode, entries, outputs, destination, templates,
                   [&script](std::string_view line) { script.WriteLine(line); });
      written = script.Finish();
    }
  }
  if (!written) {
    ReportWriteFailure(owner, kSaveFailed, written);
    return;
  }
  std::string saved = kSaved;
  if (folders.made != 0) saved += "\nﾌｫﾙﾀﾞを" + std::to_string(folders.made) + "個作成しました。";
  SetStatus(dialog, saved + LeftBehindLines(written));
}

}  // namespace

}  // namespace tewo
