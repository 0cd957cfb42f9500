#pragma once
// Everything that blocks on the user or ends the process goes through this
// interface: message boxes and beeps, the common dialogs, the folder browser,
// key state and process exit. The real implementation calls the Win32
// functions themselves; tests put in one that answers as a user would.

#include <windows.h>
#include <commdlg.h>
#include <shlobj.h>

#include <optional>
#include <string>

#include "framework/file_calls.h"
#include "framework/program_calls.h"

class ISystem {
 public:
  virtual ~ISystem() = default;

  virtual void MessageBeep(UINT type) = 0;
  virtual int MessageBox(HWND owner, const std::string& text, const std::string& caption,
                         UINT type) = 0;
  // The file dialogs run on the wide API: the chosen names come as they are.
  virtual BOOL GetOpenFileName(OPENFILENAMEW& ofn) = 0;
  virtual BOOL GetSaveFileName(OPENFILENAMEW& ofn) = 0;
  virtual PIDLIST_ABSOLUTE BrowseForFolder(BROWSEINFOA& info) = 0;
  virtual SHORT GetKeyState(int virtualKey) = 0;
  // The file system calls that replacing a file makes.
  virtual const tewo::FileCalls& Files() = 0;
  // Whether an edit control counts its positions and its text limit in
  // UTF-16 characters rather than in bytes.
  virtual bool EditCountsCharacters(HWND edit) = 0;
  // The registry look-up and the start of AutoCAD.
  virtual const tewo::ProgramCalls& Programs() = 0;

  // Ends the process at once. A test implementation records the status and
  // returns, so callers return right after calling it.
  virtual void ExitProcess(UINT exitCode) = 0;
};

// Whether the system's ANSI edit controls count characters: Windows' count
// bytes, some systems' (Wine's) characters. Asks a scratch edit.
bool AnsiEditsCountCharacters();

// The implementation that calls Windows.
class CWin32System final : public ISystem {
 public:
  void MessageBeep(UINT type) override;
  int MessageBox(HWND owner, const std::string& text, const std::string& caption,
                 UINT type) override;
  BOOL GetOpenFileName(OPENFILENAMEW& ofn) override;
  BOOL GetSaveFileName(OPENFILENAMEW& ofn) override;
  PIDLIST_ABSOLUTE BrowseForFolder(BROWSEINFOA& info) override;
  SHORT GetKeyState(int virtualKey) override;
  const tewo::FileCalls& Files() override { return files_; }
  // A Unicode edit (IsWindowUnicode) counts characters.
  bool EditCountsCharacters(HWND edit) override;
  const tewo::ProgramCalls& Programs() override { return programs_; }
  void ExitProcess(UINT exitCode) override;

 private:
  tewo::FileCalls files_;
  std::optional<bool> ansiEditsCountCharacters_;  // asked once
  tewo::ProgramCalls programs_;
};
