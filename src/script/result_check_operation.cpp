#include "script/result_check_operation.h"

#include <exception>
#include <optional>
#include <vector>

#include "framework/ansi_name.h"
#include "framework/dialog.h"
#include "framework/folder_lister.h"
#include "framework/list_box.h"
#include "framework/redraw_pause.h"
#include "framework/wait_cursor.h"
#include "framework/win_app.h"
#include "resources/resource.h"
#include "script/file_presence.h"
#include "script/output_paths.h"
#include "script/save_script_operation.h"

namespace tewo {

namespace {

const char kCounts[] = "変換済み %i個 / 未変換 %i個";
const char kTimesNotCompared[] = "\n保存したｽｸﾘﾌﾟﾄがないため時刻は比較していません";
const char kOutputsUnknown[] = "変換先のﾌｧｲﾙを確認できませんでした！";
const char kKeepFailures[] = "未変換の図面だけをﾘｽﾄに残しますか？";
const char kCheckFailed[] = "変換結果を確認できませんでした！";

// Where each entry's output is written: the rule the script's Output blocks use.
std::vector<std::string> ExpectedOutputs(ConversionMode mode,
                                         const std::vector<std::string>& entries,
                                         const OutputPlan& plan, const std::string& destination) {
  std::vector<std::string> outputs;
  outputs.reserve(entries.size());
  for (const std::string& entry : entries) {
    outputs.push_back(OutputPath(plan, entry, destination, mode));
  }
  return outputs;
}

// The last write of the script, which AutoCAD's outputs of it follow.
// Nothing when no script was saved in this run or it is no longer there.
std::optional<std::uint64_t> ScriptTime(const FileCalls& calls, const std::string& script) {
  if (script.empty()) return std::nullopt;
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!calls.AttributeDataWide(ToWide(script).c_str(), &data)) return std::nullopt;
  return FileTimeNumber(data.ftLastWriteTime);
}

std::string CountsText(std::size_t converted, std::size_t failed, bool timesCompared) {
  std::string text = kCounts;
  text.replace(text.find("%i"), 2, std::to_string(converted));
  text.replace(text.find("%i"), 2, std::to_string(failed));
  if (!timesCompared) text += kTimesNotCompared;
  return text;
}

// Only the entries that were not converted stay, all of them selected.
void KeepOnly(const CListBox& list, const std::vector<bool>& converted) {
  const RedrawPause pause(list.m_hWnd);
  // From the highest index down, so that every index still points at its entry.
  for (std::size_t i = converted.size(); i-- > 0;) {
    if (converted[i]) list.DeleteString(static_cast<int>(i));
  }
  list.SetSel(-1, true);
}

bool CheckSteps(const ResultCheckWindow& window) {
  const CDialog& dialog = window.dialog;
  const std::string destination = TakeCheckedDestination(dialog);
  if (destination.empty()) return false;
  const CListBox& list = window.sourceList;
  const std::vector<std::string> entries = list.GetAllTexts();
  const OutputPlan plan = PlanOutputs(entries, window.keepTree, window.sourceFolder);
  // Without a common folder the save names no output, and neither can the check.
  if (!plan.otherRoots.empty()) {
    list.SelectOnly(plan.otherRoots);
    ReportMessage(dialog.m_hWnd, kNoCommonFolder);
    dialog.FocusDlgItem(IDC_SOURCE_LIST);
    return false;
  }

  ISystem& system = AfxGetApp()->System();
  const FileCalls& calls = system.Files();
  const std::optional<std::uint64_t> scriptTime = ScriptTime(calls, window.lastScriptPath);
  std::optional<std::vector<FileState>> outputs;
  {
    const CWaitCursor wait;
    outputs = LookAtFiles(calls, ExpectedOutputs(window.mode, entries, plan, destination));
  }
  // Never "all converted" for outputs the tool could not look at.
  if (!outputs) {
    ReportMessage(dialog.m_hWnd, kOutputsUnknown);
    return false;
  }

  std::vector<bool> converted(entries.size());
  std::vector<std::size_t> failed;
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const FileState& output = (*outputs)[i];
    converted[i] = output.exists && (!scriptTime || output.lastWrite >= *scriptTime);
    if (!converted[i]) failed.push_back(i);
  }
  list.SelectOnly(failed);
  dialog.SetDlgItemText(IDC_STATUS, CountsText(entries.size() - failed.size(), failed.size(),
                                               scriptTime.has_value()));
  if (failed.empty()) return false;
  if (system.MessageBox(dialog.m_hWnd, kKeepFailures, "TEWO", MB_YESNO | MB_ICONQUESTION) !=
      IDYES) {
    return false;
  }
  KeepOnly(list, converted);
  dialog.FocusDlgItem(IDC_SOURCE_LIST);
  return true;
}

}  // namespace

bool CheckResults(const ResultCheckWindow& window) {
  // A failure of any step (memory, for one) is reported, never taken for a result.
  try {
    return CheckSteps(window);
  } catch (const std::exception&) {
    ReportMessage(window.dialog.m_hWnd, kCheckFailed);
    return false;
  }
}

}  // namespace tewo
