#pragma once
// Stands in for the user: records message boxes, beeps and exit requests,
// and answers the common dialogs as a test tells it to.

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "framework/system.h"

struct ShownMessage {
  HWND owner;
  std::string text;
  std::string caption;
  UINT type;
};

class FakeSystem final : public ISystem {
 public:
  void MessageBeep(UINT type) override { beeps.push_back(type); }
  int MessageBox(HWND owner, const std::string& text, const std::string& caption,
                 UINT type) override;
  BOOL GetOpenFileName(OPENFILENAMEW& ofn) override;
  BOOL GetSaveFileName(OPENFILENAMEW& ofn) override;
  PIDLIST_ABSOLUTE BrowseForFolder(BROWSEINFOA& info) override;
  SHORT GetKeyState(int virtualKey) override;
  const tewo::FileCalls& Files() override { return files ? *files : system_; }
  // As the system's edits count, or with editsCountBytes in bytes, as Windows' ANSI edits do.
  bool EditCountsCharacters(HWND edit) override;
  const tewo::ProgramCalls& Programs() override { return programs ? *programs : systemPrograms_; }
  void ExitProcess(UINT exitCode) override { exitCodes.push_back(exitCode); }

  // Answers of the user; a dialog without an answer is cancelled. The file
  // dialogs are shown to an answer in ANSI form (the answer's names are
  // converted back); a wide answer sees the dialog as it is and takes precedence.
  std::function<BOOL(OPENFILENAMEA&)> onOpenFile;
  std::function<BOOL(OPENFILENAMEA&)> onSaveFile;
  std::function<BOOL(OPENFILENAMEW&)> onOpenFileWide;
  std::function<BOOL(OPENFILENAMEW&)> onSaveFileWide;
  std::function<PIDLIST_ABSOLUTE(BROWSEINFOA&)> onBrowse;
  std::function<int(const ShownMessage&)> onMessage;
  std::map<int, SHORT> keyStates;
  const tewo::FileCalls* files = nullptr;  // null: the system's own
  bool editsCountBytes = false;
  tewo::FileCalls system_;
  const tewo::ProgramCalls* programs = nullptr;  // null: the system's own
  tewo::ProgramCalls systemPrograms_;

  std::vector<UINT> beeps;
  std::vector<ShownMessage> messages;
  std::vector<UINT> exitCodes;
  int saveDialogs = 0;

  std::vector<std::string> MessageTexts() const;
};

// Puts answer as the chosen path into the dialog's buffer, as the dialog does.
BOOL AnswerFileDialog(OPENFILENAMEA& ofn, const std::string& answer);
// The same for a wide answer; a list of names is the folder, then each name.
BOOL AnswerFileDialog(OPENFILENAMEW& ofn, const std::wstring& folder,
                      const std::vector<std::wstring>& names);
