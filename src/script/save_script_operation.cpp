#include "script/save_script_operation.h"

#include <exception>
#include <string>
#include <vector>

#include "app/destination_name.h"
#include "app/main_dialog.h"
#include "common/path_split.h"
#include "common/text_util.h"
#include "framework/file_dialog.h"
#include "framework/win_app.h"
#include "resources/resource.h"
#include "script/command_template.h"
#include "script/duplicate_names.h"
#include "script/script_expansion.h"
#include "script/script_file.h"
#include "script/template_file_location.h"

namespace tewo {

namespace {

const char kScriptFilter[] = "SCRﾌｧｲﾙ(*.scr)|*.scr|All Files(*.*)|*.*||";
const char kSaveDialogTitle[] = "ｽｸﾘﾌﾟﾄﾌｧｲﾙの保存";
const char kSaveFailed[] = "ｽｸﾘﾌﾟﾄﾌｧｲﾙの保存ができませんでした！";

// The destination field's text with a backslash appended when it lacks one,
// written back into the field; empty when the field is blank.
std::string TakeDestination(CMainDialog& dialog) {
  std::string field = dialog.GetDlgItemText(IDC_DESTINATION);
  if (TrimBlanks(field).empty()) {
    ReportMessage(dialog.m_hWnd, "変換先ﾌｫﾙﾀﾞが指定されていません！");
    dialog.FocusDlgItem(IDC_DESTINATION);
    return {};
  }
  if (RefuseDestinationName(dialog.m_hWnd, DestinationFieldName(dialog.m_hWnd))) return {};
  field = WithTrailingBackslash(field);
  dialog.SetDlgItemText(IDC_DESTINATION, field);
  return field;
}

// Asks for the script's path, starting in the script folder. Empty when cancelled.
std::string AskScriptPath(CMainDialog& dialog, ConversionMode mode) {
  std::string proposed = ProposedScriptName(dialog.lastScriptPath, mode);
  if (!dialog.scriptFolder.empty()) ::SetCurrentDirectoryA(dialog.scriptFolder.c_str());
  CFileDialog save(FALSE, "scr", proposed.c_str(), OFN_HIDEREADONLY, kScriptFilter, &dialog);
  save.m_ofn.lpstrTitle = kSaveDialogTitle;
  if (!dialog.scriptFolder.empty()) save.m_ofn.lpstrInitialDir = dialog.scriptFolder.c_str();
  if (save.DoModal() != IDOK) return {};
  const AnsiName path = save.GetPathName();
  if (path.exact) return path.text;
  ReportMessage(dialog.m_hWnd, "ﾌｧｲﾙ名に使えない文字があるため保存できません！");
  return {};
}

void SaveScriptSteps(CMainDialog& dialog);

}  // namespace

void SaveScript(CMainDialog& dialog) {
  // A failure of any step (memory, for one) is a failed save, never silence.
  try {
    SaveScriptSteps(dialog);
  } catch (const std::exception&) {
    ReportMessage(dialog.m_hWnd, kSaveFailed);
  }
}

namespace {

void SaveScriptSteps(CMainDialog& dialog) {
  const HWND owner = dialog.m_hWnd;
  const std::string destination = TakeDestination(dialog);
  if (destination.empty()) return;

  // Only the failure result stops: no attribute bit is examined.
  if (::GetFileAttributesA(destination.c_str()) == INVALID_FILE_ATTRIBUTES) {
    ReportMessage(owner, "変換先ﾌｫﾙﾀﾞが存在しないか又は書き込み禁止です！");
    dialog.FocusDlgItem(IDC_DESTINATION);
    return;
  }

  CListBox& list = dialog.SourceList();
  if (list.GetCount() <= 0) {
    ReportMessage(owner, "変換元ファイルが選択されていません！");
    dialog.FocusDlgItem(IDC_SOURCE_LIST);
    return;
  }
  const std::vector<std::string> entries = list.GetAllTexts();

  dialog.SetStatus("重複ﾌｧｲﾙ名 ﾁｪｯｸ中！");
  const std::vector<std::size_t> duplicates = FindDuplicateNames(entries);
  if (!duplicates.empty()) {
    for (std::size_t index : duplicates) list.SetSel(static_cast<int>(index));
    ReportMessage(owner, "同一名のﾌｧｲﾙが選択されているため保存できません！");
    dialog.FocusDlgItem(IDC_SOURCE_LIST);
    return;
  }
  dialog.SetStatus("");

  const ConversionMode mode = dialog.Mode();
  const std::string scriptPath = AskScriptPath(dialog, mode);
  if (scriptPath.empty()) return;
  dialog.lastScriptPath = scriptPath;
  dialog.scriptFolder = FolderOf(scriptPath);

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

  ScriptFileWriter script;
  if (!script.Create(scriptPath)) {
    ReportMessage(owner, kSaveFailed);
    return;
  }
  ExpandScript(mode, entries, destination, templates,
               [&script](std::string_view line) { script.WriteLine(line); });
  if (!script.Finish()) {
    ReportMessage(owner, kSaveFailed);
    return;
  }
  dialog.SetStatus("ｽｸﾘﾌﾟﾄﾌｧｲﾙを保存しました！");
}

}  // namespace

}  // namespace tewo
