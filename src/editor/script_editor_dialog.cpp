#include "editor/script_editor_dialog.h"

#include <exception>
#include <utility>

#include "common/path_split.h"
#include "editor/script_text.h"
#include "framework/ansi_name.h"
#include "framework/dropped_files.h"
#include "framework/file_dialog.h"
#include "framework/gdi.h"
#include "framework/wait_cursor.h"
#include "framework/win_app.h"
#include "framework/write_failure.h"
#include "resources/resource.h"

namespace {

const char kFilter[] = "ｽｸﾘﾌﾟﾄﾌｧｲﾙ(*.scr)|*.scr|All Files(*.*)|*.*||";
const char kOpenTitle[] = "ｽｸﾘﾌﾟﾄﾌｧｲﾙを開く";
const char kSaveAsTitle[] = "名前をつけて保存";
const char kLoadStopped[] = "ﾌｧｲﾙが大きいため読込を中断しました！";
const char kCannotShow[] = "ﾌｧｲﾙが大きいため表示できません！";
const char kSaveFailed[] = "ｽｸﾘﾌﾟﾄﾌｧｲﾙの保存に失敗しました。";

}  // namespace

const char CScriptEditorDialog::kTitle[] = "簡易ｽｸﾘﾌﾟﾄｴﾃﾞｨﾀｰ";

const MessageMapEntry<CScriptEditorDialog> CScriptEditorDialog::kMessageMap[] = {
    MapMessage(WM_CLOSE, &CScriptEditorDialog::OnClose),
    MapMessage(WM_DROPFILES, &CScriptEditorDialog::OnDropFiles),
    MapMessage(WM_PAINT, &CScriptEditorDialog::OnPaint),
    MapMessage(WM_CTLCOLORSTATIC, &CScriptEditorDialog::OnCtlColorStatic),
    MapRegisteredMessage(&FindReplaceMessage, &CScriptEditorDialog::OnFindReplace),
    MapCommand(ID_EDITOR_NEW, &CScriptEditorDialog::OnNew),
    MapCommand(ID_EDITOR_OPEN, &CScriptEditorDialog::OnOpen),
    MapCommand(ID_EDITOR_SAVE, &CScriptEditorDialog::OnSave),
    MapCommand(ID_EDITOR_SAVE_AS, &CScriptEditorDialog::OnSaveAs),
    MapCommand(ID_EDITOR_EXIT, &CScriptEditorDialog::OnExit),
    MapCommand(ID_EDITOR_FIND, &CScriptEditorDialog::OnFind),
    MapCommand(ID_EDITOR_REPLACE, &CScriptEditorDialog::OnReplace),
    MapNotify(IDC_EDITOR_TEXT, EN_KILLFOCUS, &CScriptEditorDialog::OnTextKillFocus),
    MapNotify(IDC_EDITOR_TEXT, EN_SETFOCUS, &CScriptEditorDialog::OnTextSetFocus),
    MapNotify(IDC_EDITOR_TEXT, EN_CHANGE, &CScriptEditorDialog::OnTextChange),
};

void CScriptEditorDialog::OpenOrFocus(CWnd& owner, const std::string& scriptPath) {
  if (HWND open = ::FindWindowA(nullptr, kTitle)) {
    ::SetFocus(open);
    return;
  }
  auto* editor = new CScriptEditorDialog(scriptPath);
  if (!editor->Create(IDD_EDITOR, &owner)) {
    delete editor;
    return;
  }
  ::ShowWindow(editor->m_hWnd, SW_SHOW);
}

CScriptEditorDialog::CScriptEditorDialog(std::string scriptPath)
    : CDialog(IDD_EDITOR), currentPath_(std::move(scriptPath)) {}

bool CScriptEditorDialog::OnMessage(UINT message, WPARAM wp, LPARAM lp, INT_PTR& result) {
  return Dispatch<CScriptEditorDialog>(*this, kMessageMap, message, wp, lp, result);
}

bool CScriptEditorDialog::PreTranslateMessage(MSG& msg) {
  // Tab neither types a tab nor moves the focus, wherever it is pressed.
  const bool tab = (msg.message == WM_KEYDOWN || msg.message == WM_KEYUP) && msg.wParam == VK_TAB;
  if (tab || (msg.message == WM_CHAR && msg.wParam == '\t')) return true;
  return CDialog::PreTranslateMessage(msg);
}

BOOL CScriptEditorDialog::OnInitDialog() {
  CDialog::OnInitDialog();
  text_.Attach(GetDlgItem(IDC_EDITOR_TEXT));
  // A user may type up to the size the editor loads again.
  text_.SetByteLimit(tewo::kEditorTypingBound);
  SetStatus("");
  SetDlgItemText(IDC_EDITOR_PATH, currentPath_);
  Load(currentPath_);
  return FALSE;  // the focus is set
}

void CScriptEditorDialog::SetStatus(const std::string& text) const {
  SetDlgItemText(IDC_EDITOR_STATUS, text);
}

void CScriptEditorDialog::Load(const std::string& path) {
  const CWaitCursor wait;
  store_.clear();
  refused_ = false;
  // An empty path names no file: it cannot be opened, like any other.
  const auto loaded = tewo::LoadScriptFile(path);
  if (loaded) {
    if (loaded->refused) {
      ReportMessage(m_hWnd, kLoadStopped);
      refused_ = true;
    }
    if (!PutText(loaded->text)) {
      text_.SetText("");
      store_.clear();
      ReportMessage(m_hWnd, kCannotShow);
      refused_ = true;
    }
  }
  // A file that cannot be read leaves the text as it was.
  remembered_ = {};
  if (refused_) GreySaveCommands();
  FocusText();
}

bool CScriptEditorDialog::PutText(const std::string& text) {
  text_.SetText(text);
  store_ = text_.GetText();
  return store_.size() == text.size();
}

void CScriptEditorDialog::FocusText() {
  // Gaining the focus selects the remembered selection; a text area that has
  // it already selects it here.
  if (::GetFocus() == text_.m_hWnd) {
    OnTextSetFocus();
  } else {
    ::SetFocus(text_.m_hWnd);
  }
}

void CScriptEditorDialog::GreySaveCommands() const {
  HMENU menu = ::GetMenu(m_hWnd);
  ::EnableMenuItem(menu, ID_EDITOR_SAVE, MF_BYCOMMAND | MF_GRAYED);
  ::EnableMenuItem(menu, ID_EDITOR_SAVE_AS, MF_BYCOMMAND | MF_GRAYED);
  ::DrawMenuBar(m_hWnd);
}

void CScriptEditorDialog::OnNew() {
  currentPath_.clear();
  SetDlgItemText(IDC_EDITOR_PATH, "");
  text_.SetText("");
}

void CScriptEditorDialog::OnOpen() {
  const std::string folder = tewo::FolderOf(GetDlgItemText(IDC_EDITOR_PATH));
  CFileDialog open(TRUE, nullptr, nullptr, OFN_HIDEREADONLY, kFilter, this);
  open.m_ofn.lpstrTitle = kOpenTitle;
  if (!folder.empty()) open.m_ofn.lpstrInitialDir = folder.c_str();
  if (open.DoModal() != IDOK) return;
  const AnsiName path = open.GetPathName();
  if (!NameIsCarried(m_hWnd, path, NameUse::Open)) return;
  SetDlgItemText(IDC_EDITOR_PATH, path.text);
  Load(path.text);
}

INT_PTR CScriptEditorDialog::OnDropFiles(WPARAM wp, LPARAM) {
  HDROP drop = reinterpret_cast<HDROP>(wp);
  // Only the first dropped item counts, whatever its name; a folder changes nothing.
  const DroppedItem item = DroppedItemAt(drop, 0);
  ::DragFinish(drop);
  if (!item.isFile || !NameIsCarried(m_hWnd, item.path, NameUse::Open)) return 0;
  SetDlgItemText(IDC_EDITOR_PATH, item.path.text);
  Load(item.path.text);
  return 0;
}

void CScriptEditorDialog::OnSave() {
  // The path line decides which file is written.
  currentPath_ = GetDlgItemText(IDC_EDITOR_PATH);
  if (currentPath_.empty()) {
    OnSaveAs();
    return;
  }
  if (const auto text = TextToSave(m_hWnd, text_.m_hWnd, {})) WriteText(currentPath_, *text);
}

void CScriptEditorDialog::OnSaveAs() {
  currentPath_ = GetDlgItemText(IDC_EDITOR_PATH);
  // A text that cannot be saved is refused before a name is asked for.
  const auto text = TextToSave(m_hWnd, text_.m_hWnd, {});
  if (!text) return;
  CFileDialog save(FALSE, "scr", currentPath_.c_str(), OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                   kFilter, this);
  save.m_ofn.lpstrTitle = kSaveAsTitle;
  if (save.DoModal() != IDOK) return;
  const AnsiName chosen = save.GetPathName();
  if (!NameIsCarried(m_hWnd, chosen, NameUse::Save)) return;
  currentPath_ = chosen.text;
  SetDlgItemText(IDC_EDITOR_PATH, currentPath_);
  WriteText(currentPath_, *text);
}

void CScriptEditorDialog::WriteText(const std::string& path, const std::string& text) {
  // The old file stays whole when anything fails, and so do the text and the window.
  tewo::WriteResult saved;
  try {
    saved = tewo::SaveScriptFile(path, text, &AfxGetApp()->System().Files());
  } catch (const std::exception&) {
  }
  if (!saved) ReportWriteFailure(m_hWnd, kSaveFailed, saved);
  if (saved && !saved.leftBehind.empty()) SetStatus(LeftBehindLines(saved).substr(1));
}

void CScriptEditorDialog::OnExit() { Close(); }

INT_PTR CScriptEditorDialog::OnClose(WPARAM, LPARAM) {
  OnCancel();
  Close();
  return TRUE;
}

void CScriptEditorDialog::Close() {
  // The text is discarded without a question. The find or replace dialog
  // goes first, by the editor's own hand, not left to the system's ending of
  // owned windows.
  CloseFindDialog();
  DestroyWindow();
}

void CScriptEditorDialog::OnTextChange() { text_.KeepByteLimit(); }

void CScriptEditorDialog::OnTextKillFocus() { text_.GetSel(remembered_.start, remembered_.end); }

void CScriptEditorDialog::OnTextSetFocus() {
  text_.SetSel(remembered_.start, remembered_.end);
  text_.ScrollCaret();
}

INT_PTR CScriptEditorDialog::OnPaint(WPARAM, LPARAM) {
  PaintDC dc(m_hWnd);
  DrawEtchedTopEdge(m_hWnd, dc.get());
  return TRUE;
}

INT_PTR CScriptEditorDialog::OnCtlColorStatic(WPARAM wp, LPARAM lp) {
  INT_PTR brush = ::DefWindowProcA(m_hWnd, WM_CTLCOLORSTATIC, wp, lp);
  switch (::GetDlgCtrlID(reinterpret_cast<HWND>(lp))) {
    case IDC_EDITOR_PATH:
      SetReadableTextColor(reinterpret_cast<HDC>(wp), RGB(65, 105, 225));
      break;
    case IDC_EDITOR_STATUS:
      SetReadableTextColor(reinterpret_cast<HDC>(wp), RGB(255, 255, 0));
      break;
    default:
      break;
  }
  return brush;
}
