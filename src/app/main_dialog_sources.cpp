// The source list of the main dialog: choosing files in the file dialog,
// dropping them from the shell, deleting entries and the count label.

#include <string>
#include <vector>

#include "app/main_dialog.h"
#include "app/my_file_dialog.h"
#include "app/source_files.h"
#include "common/path_split.h"
#include "framework/dropped_files.h"
#include "framework/redraw_pause.h"
#include "framework/wait_cursor.h"
#include "framework/win_app.h"
#include "resources/resource.h"

namespace {

// The file dialog may use all of it for the names of a multiple selection.
constexpr std::size_t kSelectionBufferBytes = 129500;

struct ModeTexts {
  const char* title;
  const char* filter;
};

ModeTexts TextsOf(tewo::ConversionMode mode) {
  if (mode == tewo::ConversionMode::DxfToDwg) {
    return {"変換元 DXFﾌｧｲﾙの選択",
            "DXFﾌｧｲﾙ(*.dxf)|*.dxf|DWGﾌｧｲﾙ(*.dwg)|*.dwg|All Files(*.*)|*.*||"};
  }
  return {"変換元 DWGﾌｧｲﾙの選択", "DWGﾌｧｲﾙ(*.dwg)|*.dwg|DXFﾌｧｲﾙ(*.dxf)|*.dxf|All Files(*.*)|*.*||"};
}

}  // namespace

bool CMainDialog::AppendKeyHeld() const {
  ISystem& system = AfxGetApp()->System();
  return (system.GetKeyState(VK_SHIFT) & 0x8000) != 0 ||
         (system.GetKeyState(VK_CONTROL) & 0x8000) != 0;
}

void CMainDialog::AddSource(const AnsiName& path, tewo::ConversionMode mode) const {
  if (path.exact && tewo::IsSourceOfMode(path.text, mode)) {
    sourceList_.AddString(path.text);
    return;
  }
  AfxGetApp()->System().MessageBeep(0);
  // A name the code page cannot hold would name another file or none.
  SetStatus(path.exact ? tewo::RejectionText(path.text, mode)
                       : "ﾌｧｲﾙ名に使えない文字があります\n" + tewo::FileNameOf(path.text));
}

void CMainDialog::UpdateCountLabel() const {
  SetDlgItemText(IDC_COUNT_LABEL, tewo::CountLabelText(sourceList_.GetCount()));
}

void CMainDialog::OnChooseSources() {
  SetStatus("");
  std::string selection(kSelectionBufferBytes, '\0');
  if (!sourceFolder.empty()) ::SetCurrentDirectoryA(sourceFolder.c_str());
  const tewo::ConversionMode mode = Mode();
  const ModeTexts texts = TextsOf(mode);

  CMyFileDialog dialog(TRUE, nullptr, nullptr, OFN_ALLOWMULTISELECT | OFN_HIDEREADONLY,
                       texts.filter);
  dialog.m_ofn.lpstrFile = selection.data();
  dialog.m_ofn.nMaxFile = static_cast<DWORD>(selection.size());
  dialog.m_ofn.lpstrTitle = texts.title;
  if (!sourceFolder.empty()) dialog.m_ofn.lpstrInitialDir = sourceFolder.c_str();
  if (dialog.DoModal() != IDOK) return;

  // The keys count as they are when the dialog has been confirmed.
  if (!AppendKeyHeld()) sourceList_.ResetContent();
  const std::vector<AnsiName> paths = dialog.GetPathNames();
  {
    const CWaitCursor wait;
    RedrawPause pause(sourceList_.m_hWnd);
    // Room for all of them at once, instead of growing entry by entry.
    std::size_t bytes = 0;
    for (const AnsiName& path : paths) bytes += path.text.size() + 1;
    ::SendMessageA(sourceList_.m_hWnd, LB_INITSTORAGE, paths.size(), static_cast<LPARAM>(bytes));
    for (const AnsiName& path : paths) AddSource(path, mode);
  }
  // The files of a selection share one folder; it counts also when the file
  // was rejected for its type, but a refused name gives no folder to go back to.
  for (auto it = paths.rbegin(); it != paths.rend(); ++it) {
    if (!it->exact) continue;
    sourceFolder = tewo::FolderOf(it->text);
    break;
  }
  UpdateCountLabel();
}

void CMainDialog::OnDeleteSources() {
  ISystem& system = AfxGetApp()->System();
  if (sourceList_.GetSelCount() <= 0) {
    system.MessageBox(m_hWnd, "削除する行（変換元ﾌｧｲﾙ）を選択してください", "TEWO", MB_OK);
    UpdateCountLabel();
    return;
  }
  if (system.MessageBox(m_hWnd, "選択した行（変換元ﾌｧｲﾙ）を削除しますか", "TEWO",
                        MB_OKCANCEL | MB_ICONEXCLAMATION) != IDOK) {
    UpdateCountLabel();
    return;
  }
  const std::vector<int> selected = sourceList_.GetSelItems();
  {
    // From the highest index down, so that every index still points at its entry.
    RedrawPause pause(sourceList_.m_hWnd);
    for (auto it = selected.rbegin(); it != selected.rend(); ++it) sourceList_.DeleteString(*it);
  }
  FocusDlgItem(IDC_SOURCE_LIST);
  UpdateCountLabel();
}

void CMainDialog::DropSourceFiles(HDROP drop) {
  SetStatus("");
  const tewo::ConversionMode mode = Mode();
  const UINT count = DroppedItemCount(drop);
  if (!AppendKeyHeld()) sourceList_.ResetContent();
  {
    const CWaitCursor wait;
    RedrawPause pause(sourceList_.m_hWnd);
    for (UINT i = 0; i < count; ++i) {
      // Folders, and items whose attributes cannot be read, are passed over silently.
      const DroppedItem item = DroppedItemAt(drop, i);
      if (item.isFile) AddSource(item.path, mode);
    }
  }
  UpdateCountLabel();
}
