#pragma once
// The system's modeless find and replace dialogs. An object is made with new
// and deletes itself once its window is gone; until then it keeps the
// FINDREPLACEA structure and the two text buffers that the dialog writes to.
// The dialog notifies its owner with the message CWinApp::FindReplaceMessage
// (lParam: the FINDREPLACEA). The message number is shared by every program,
// so an owner first asks IsNotifier whether a notification is its dialog's.

#include <windows.h>
#include <commdlg.h>

#include <array>
#include <string>

#include "framework/wnd.h"

// The number of the notification message, for message maps.
UINT FindReplaceMessage();

class CFindReplaceDialog : public CWnd {
 public:
  CFindReplaceDialog();
  CFindReplaceDialog(const CFindReplaceDialog&) = delete;
  CFindReplaceDialog& operator=(const CFindReplaceDialog&) = delete;

  // Opens the find form (findDialogOnly) or the replace form, owned by
  // parent. The texts are cut to what the buffers hold. FALSE when the
  // dialog could not be opened; the object is then deleted.
  BOOL Create(BOOL findDialogOnly, const std::string& findWhat, const std::string& replaceWith,
              DWORD flags, CWnd* parent);

  // Whether a notification's lParam is this dialog's structure. Compares
  // the address only: lParam of a foreign sender is never read.
  bool IsNotifier(LPARAM lp) const { return lp == reinterpret_cast<LPARAM>(&m_fr); }

  std::string GetFindString() const { return findBuffer_.data(); }
  std::string GetReplaceString() const { return replaceBuffer_.data(); }
  // Which button the last notification reports.
  bool IsTerminating() const { return (m_fr.Flags & FR_DIALOGTERM) != 0; }
  bool FindNextPressed() const { return (m_fr.Flags & FR_FINDNEXT) != 0; }
  bool ReplacePressed() const { return (m_fr.Flags & FR_REPLACE) != 0; }
  bool ReplaceAllPressed() const { return (m_fr.Flags & FR_REPLACEALL) != 0; }
  bool MatchCase() const { return (m_fr.Flags & FR_MATCHCASE) != 0; }

  bool PreTranslateMessage(MSG& msg) override;

  // Each text holds at most this many bytes.
  static constexpr std::size_t kTextBytes = 127;

  FINDREPLACEA m_fr{};

 private:
  ~CFindReplaceDialog() override = default;  // only the window's end deletes
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wp, LPARAM lp);

  std::array<char, kTextBytes + 1> findBuffer_{};
  std::array<char, kTextBytes + 1> replaceBuffer_{};
  WNDPROC systemProc_ = nullptr;
};
