// Find and replace in the script editor: the find or replace dialog's
// notifications, turned into the core's steps on the text area's text.

#include <memory>
#include <string>

#include "editor/find_replace.h"
#include "editor/script_editor_dialog.h"
#include "editor/script_text.h"
#include "framework/ansi_name.h"
#include "framework/wait_cursor.h"
#include "framework/win_app.h"

namespace {

const char kNotFound[] = "文字列が見つかりません";
const char kCannotReplace[] = "ﾌｧｲﾙが大きいため置換できません！";
const char kReplacementRefused[] = "Shift-JISで保存できない文字があります。\n置換後の文字列: ";

}  // namespace

void CScriptEditorDialog::OnFind() { ShowFindDialog(FindMode::Find); }

void CScriptEditorDialog::OnReplace() { ShowFindDialog(FindMode::Replace); }

void CScriptEditorDialog::ShowFindDialog(FindMode mode) {
  SetStatus("");
  // The form that is open only gets the focus; the other one is replaced.
  if (findMode_ == mode) {
    ::SetFocus(findDialog_->m_hWnd);
    return;
  }
  OpenFindDialog(mode);
}

void CScriptEditorDialog::OpenFindDialog(FindMode mode) {
  CloseFindDialog();
  store_ = text_.GetText();
  text_.GetSel(store_, selection_.start, selection_.end);
  // The selected text is the first search text (the dialog cuts it to its size).
  std::string selected;
  if (selection_.end > selection_.start) {
    selected = store_.substr(static_cast<std::size_t>(selection_.start),
                             static_cast<std::size_t>(selection_.end - selection_.start));
  }
  // Match case shown and off, whole word hidden, direction shown but fixed downwards.
  const DWORD flags = FR_DOWN | FR_HIDEWHOLEWORD | FR_NOUPDOWN;
  // A new object for every opening: the last one's window is gone by now.
  auto dialog = std::make_unique<CFindReplaceDialog>();
  if (!dialog->Create(mode == FindMode::Find, selected, "", flags, this)) return;
  findDialog_ = std::move(dialog);
  findMode_ = mode;
}

void CScriptEditorDialog::CloseFindDialog() {
  if (findMode_ == FindMode::None) return;
  // Forgotten first: a dialog being destroyed no longer speaks for the editor.
  findMode_ = FindMode::None;
  findDialog_->Close();
}

INT_PTR CScriptEditorDialog::OnFindReplace(WPARAM, LPARAM lp) {
  // Any program may send this message: only the open dialog's counts.
  if (findMode_ == FindMode::None || !findDialog_->IsNotifier(lp)) return 0;
  CFindReplaceDialog* dialog = findDialog_.get();
  refused_ = false;
  store_ = text_.GetText();
  const AnsiName find = dialog->GetFindString();
  const AnsiName replacement = dialog->GetReplaceString();
  const tewo::FindRequest request{find.text, replacement.text, dialog->MatchCase()};
  const bool replacing = dialog->ReplacePressed() || dialog->ReplaceAllPressed();
  if (dialog->IsTerminating()) {
    // The dialog destroys itself once this returns; its object stays until
    // the next opening or the editor's end.
    dialog->Terminated();
    findMode_ = FindMode::None;
    // The last match is selected again when the text area regains the focus.
    remembered_ = selection_;
  } else if (!find.exact) {
    // A search text that the code page lacks is in no text of the code page.
    ShowNotFound();
  } else if (dialog->FindNextPressed()) {
    DoFindNext(request);
  } else if (replacing && !replacement.exact) {
    ReportMessage(m_hWnd, kReplacementRefused + replacement.text);
  } else if (replacing && TextToSave(m_hWnd, text_.m_hWnd, {})) {
    // The text goes back whole into the text area in the code page: one that
    // holds characters the code page lacks is refused as Save refuses it,
    // not changed into look-alikes.
    if (dialog->ReplacePressed()) {
      DoReplace(request);
    } else {
      DoReplaceAll(request);
    }
  }
  if (refused_) GreySaveCommands();
  text_.GetSel(store_, selection_.start, selection_.end);
  return 0;
}

void CScriptEditorDialog::ShowNotFound() const { SetStatus(kNotFound); }

void CScriptEditorDialog::ShowCannotReplace() const {
  // This message comes without a beep.
  AfxGetApp()->System().MessageBox(m_hWnd, kCannotReplace, "TEWO", MB_OK);
}

bool CScriptEditorDialog::FitsOrRefused(std::size_t length) const {
  if (length <= tewo::kEditorTextBound) return true;
  ShowCannotReplace();
  return false;
}

bool CScriptEditorDialog::PutReplacedText(const std::string& text) {
  if (PutText(text)) return true;
  refused_ = true;
  ShowCannotReplace();
  return false;
}

void CScriptEditorDialog::DoFindNext(const tewo::FindRequest& request) {
  tewo::Selection selection;
  text_.GetSel(store_, selection.start, selection.end);
  const auto match = tewo::FindNext(store_, selection, request);
  if (!match) {
    ShowNotFound();
    return;
  }
  text_.SetSel(store_, match->start, match->end);
  text_.ScrollCaret();
}

void CScriptEditorDialog::DoReplace(const tewo::FindRequest& request) {
  const CWaitCursor wait;
  tewo::Selection selection;
  text_.GetSel(store_, selection.start, selection.end);
  const auto replaced = tewo::ReplaceAtSelection(store_, selection.start, request);
  if (replaced) {
    if (!FitsOrRefused(replaced->size())) return;
    PutReplacedText(*replaced);
  }
  const tewo::ReplaceFollowUp next =
      tewo::FollowUpReplace(store_, selection.start, replaced.has_value(), request);
  if (next.select) {
    text_.SetSel(store_, next.select->start, next.select->end);
    text_.ScrollCaret();
  }
  if (next.notFound) ShowNotFound();
}

void CScriptEditorDialog::DoReplaceAll(const tewo::FindRequest& request) {
  const CWaitCursor wait;
  const tewo::ReplaceAllPlan plan = tewo::PlanReplaceAll(store_, request);
  // The new text is not even built when it would be refused as too big.
  if (!FitsOrRefused(plan.newLength)) return;
  if (!PutReplacedText(tewo::ApplyReplaceAll(store_, plan, request))) return;
  SetStatus(std::to_string(plan.matches.size()) + "個の文字列を置換しました");
}
