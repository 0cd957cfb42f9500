// The Run menu of the main dialog: AutoCAD started on the script saved last,
// and the check of which drawings that run converted.

#include <string>
#include <utility>
#include <vector>

#include "app/autocad_installations.h"
#include "app/main_dialog.h"
#include "app/run_autocad_dialog.h"
#include "common/path_split.h"
#include "framework/ansi_name.h"
#include "framework/wait_cursor.h"
#include "framework/win_app.h"
#include "script/result_check_operation.h"

namespace {

// The system's text for error, and its number.
std::string SystemReason(DWORD error) {
  char* text = nullptr;
  const DWORD length = ::FormatMessageA(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, error, 0, reinterpret_cast<char*>(&text), 0, nullptr);
  std::string reason = length != 0 && text != nullptr ? std::string(text, length) : std::string();
  if (text != nullptr) ::LocalFree(text);
  while (!reason.empty() && (reason.back() == '\n' || reason.back() == '\r')) reason.pop_back();
  return reason + "(" + std::to_string(error) + ")";
}

bool IsFile(const tewo::FileCalls& files, const std::wstring& path) {
  const DWORD attributes = files.AttributesWide(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

}  // namespace

void CMainDialog::OnRunAutoCad() {
  ISystem& system = AfxGetApp()->System();
  const std::wstring script = ToWide(lastScriptPath);
  if (lastScriptPath.empty() || !IsFile(system.Files(), script)) {
    ReportMessage(m_hWnd, "先にｽｸﾘﾌﾟﾄを保存してください。");
    return;
  }
  std::vector<tewo::AutoCadInstallation> installations;
  {
    const CWaitCursor wait;
    installations = tewo::FindAutoCadInstallations(system.Programs(), system.Files());
  }
  // A program picked by hand last time stays on offer while it is there.
  const std::wstring last = ToWide(lastProgram);
  bool listed = false;
  for (const tewo::AutoCadInstallation& installation : installations) {
    listed = listed || ::CompareStringOrdinal(installation.program.c_str(), -1, last.c_str(), -1,
                                              TRUE) == CSTR_EQUAL;
  }
  if (!last.empty() && !listed && IsFile(system.Files(), last)) {
    installations.insert(installations.begin(), tewo::AutoCadInstallation{last, last});
  }

  CRunAutoCadDialog dialog(lastScriptPath, std::move(installations), last, this);
  if (dialog.DoModal() != IDOK) return;
  const std::wstring& program = dialog.Program();
  const std::wstring commandLine = L"\"" + program + L"\" /nologo /b \"" + script + L"\"";
  const DWORD error =
      system.Programs().Start(program, commandLine, ToWide(tewo::FolderOf(lastScriptPath)));
  if (error != 0) {
    ReportMessage(m_hWnd, "AutoCADを起動できませんでした。\n" + SystemReason(error));
    return;
  }
  const AnsiName remembered = ToAnsiName(program);
  if (remembered.exact) lastProgram = remembered.text;
  SetStatus("AutoCADを起動しました。\n終了後に変換結果を確認できます。");
}

void CMainDialog::OnCheckResults() {
  if (tewo::CheckResults({*this, sourceList_, Mode(), lastScriptPath, KeepsTree(), sourceFolder}))
    UpdateCountLabel();
}
