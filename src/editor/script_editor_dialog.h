#pragma once

#include <windows.h>
#include <shellapi.h>

#include <memory>
#include <string>

#include "editor/find_replace.h"
#include "framework/dialog.h"
#include "framework/edit.h"
#include "framework/find_replace_dialog.h"
#include "framework/message_map.h"

// The script editor: a modeless plain-text window for script files, with
// find and replace. It owns itself: made with new by its opener, it deletes
// itself when its window is gone. There is no notion of unsaved changes.
class CScriptEditorDialog : public CDialog {
 public:
  // The window's title, by which the one open editor is found again.
  static const char kTitle[];

  // Focuses the open editor, or opens a new one over owner on scriptPath
  // (empty: an empty text).
  static void OpenOrFocus(CWnd& owner, const std::string& scriptPath);

  explicit CScriptEditorDialog(std::string scriptPath);

 protected:
  BOOL OnInitDialog() override;
  // Enter and Esc close nothing.
  void OnOK() override {}
  void OnCancel() override {}
  bool OnMessage(UINT message, WPARAM wp, LPARAM lp, INT_PTR& result) override;
  bool PreTranslateMessage(MSG& msg) override;
  void PostNcDestroy() override { delete this; }

 private:
  enum class FindMode { None, Find, Replace };

  // Window and file handling (script_editor_dialog.cpp).
  INT_PTR OnClose(WPARAM wp, LPARAM lp);
  INT_PTR OnDropFiles(WPARAM wp, LPARAM lp);
  INT_PTR OnPaint(WPARAM wp, LPARAM lp);
  INT_PTR OnCtlColorStatic(WPARAM wp, LPARAM lp);
  void OnNew();
  void OnOpen();
  void OnSave();
  void OnSaveAs();
  void OnExit();
  void Close();
  void OnTextChange();
  void OnTextKillFocus();
  void OnTextSetFocus();

  // Reads path into the text area; a file that cannot be read changes nothing.
  void Load(const std::string& path);
  // Puts text into the text area and reads it back into the store. False
  // when the text area did not take all of it.
  bool PutText(const std::string& text);
  // Writes text, the text area's exact ANSI form, to path.
  void WriteText(const std::string& path, const std::string& text);
  void FocusText();
  void GreySaveCommands() const;
  void SetStatus(const std::string& text) const;

  // Find and replace (script_editor_find.cpp).
  void OnFind();
  void OnReplace();
  INT_PTR OnFindReplace(WPARAM wp, LPARAM lp);
  void ShowFindDialog(FindMode mode);
  void OpenFindDialog(FindMode mode);
  void CloseFindDialog();
  void DoFindNext(const tewo::FindRequest& request);
  void DoReplace(const tewo::FindRequest& request);
  void DoReplaceAll(const tewo::FindRequest& request);
  void ShowNotFound() const;
  // A replacement over the editor's size is refused before anything changes.
  bool FitsOrRefused(std::size_t length) const;
  // Puts a replacement's text into the text area; one that the text area did
  // not take whole greys saving. False then.
  bool PutReplacedText(const std::string& text);
  void ShowCannotReplace() const;

  static const MessageMapEntry<CScriptEditorDialog> kMessageMap[];

  CEdit text_;                 // the text area
  std::string store_;          // the text, refreshed from the text area before use
  tewo::Selection selection_;  // the text area's selection as last read
  // The last find or replace dialog opened, kept while its window may exist;
  // findMode_ tells whether it is open.
  std::unique_ptr<CFindReplaceDialog> findDialog_;
  FindMode findMode_ = FindMode::None;
  std::string currentPath_;     // the file the text belongs to; empty for a new text
  tewo::Selection remembered_;  // selected again when the text area regains the focus
  bool refused_ = false;        // a text was refused as too big
};
