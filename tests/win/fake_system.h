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
  BOOL GetOpenFileName(OPENFILENAMEA& ofn) override;
  BOOL GetSaveFileName(OPENFILENAMEA& ofn) override;
  PIDLIST_ABSOLUTE BrowseForFolder(BROWSEINFOA& info) override;
  SHORT GetKeyState(int virtualKey) override;
  void ExitProcess(UINT exitCode) override { exitCodes.push_back(exitCode); }

  // Answers of the user; a dialog without an answer is cancelled.
  std::function<BOOL(OPENFILENAMEA&)> onOpenFile;
  std::function<BOOL(OPENFILENAMEA&)> onSaveFile;
  std::function<PIDLIST_ABSOLUTE(BROWSEINFOA&)> onBrowse;
  std::function<int(const ShownMessage&)> onMessage;
  std::map<int, SHORT> keyStates;

  std::vector<UINT> beeps;
  std::vector<ShownMessage> messages;
  std::vector<UINT> exitCodes;
  int saveDialogs = 0;

  std::vector<std::string> MessageTexts() const;
};

// Puts answer as the chosen path into the dialog's buffer, as the dialog does.
BOOL AnswerFileDialog(OPENFILENAMEA& ofn, const std::string& answer);
