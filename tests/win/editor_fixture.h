#pragma once

#include <windows.h>

#include <string>

#include "editor/script_editor_dialog.h"
#include "win/keyboard.h"
#include "win/main_dialog_fixture.h"

// The script editor opened from a real main dialog, driven through its
// controls, its menu, real key presses and the real find and replace dialogs.
class EditorTest : public MainDialogTest {
 protected:
  // Opens the editor on path as the last saved script (empty: none).
  HWND OpenEditor(const std::string& path = "") {
    dialog_->lastScriptPath = path;
    Click(IDC_EDIT_SCRIPT);
    editor_ = ::FindWindowA(nullptr, CScriptEditorDialog::kTitle);
    return editor_;
  }

  HWND EditorItem(int id) const { return ::GetDlgItem(editor_, id); }
  std::string EditorText(int id) const { return GetWindowTextString(EditorItem(id)); }
  std::string Text() const { return EditorText(IDC_EDITOR_TEXT); }
  std::string PathLine() const { return EditorText(IDC_EDITOR_PATH); }
  std::string Status() const { return EditorText(IDC_EDITOR_STATUS); }
  void EditorCommand(int id) const { ::SendMessageA(editor_, WM_COMMAND, MAKEWPARAM(id, 0), 0); }
  bool MenuEnabled(int id) const {
    return (::GetMenuState(::GetMenu(editor_), id, MF_BYCOMMAND) & (MF_GRAYED | MF_DISABLED)) == 0;
  }
  // The selection in bytes, whichever way the control counts.
  tewo::Selection Selected() const;
  void Select(int start, int end) const;

  static void Pump(DWORD milliseconds = 30) { PumpMessages(milliseconds); }

  // The open find or replace dialog of the editor, or nullptr.
  HWND FindDialog() const;

  std::string Write(const std::string& name, const std::string& bytes) const {
    const std::string path = folder_ / name;
    WriteFileBytes(path, bytes);
    return path;
  }

  HWND editor_ = nullptr;
};
