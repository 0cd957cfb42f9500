#pragma once
// The system's modeless find and replace dialogs. The object belongs to the
// dialog's owner, which keeps it while the window may exist: it holds the
// FINDREPLACEA structure and the two text buffers that the dialog writes to,
// also while the dialog sends its last notification and destroys itself.
// The dialog notifies its owner with the message CWinApp::FindReplaceMessage
// (lParam: the FINDREPLACEA). The message number is shared by every program,
// so an owner first asks IsNotifier whether a notification is its dialog's.
// The window is not subclassed: the owner learns of its end from the closing
// notification (Terminated) or ends it itself (Close).

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
  // A window still open goes first (a window that is already gone is left alone).
  ~CFindReplaceDialog() override;
  CFindReplaceDialog(const CFindReplaceDialog&) = delete;
  CFindReplaceDialog& operator=(const CFindReplaceDialog&) = delete;

  // Opens the find form (findDialogOnly) or the replace form, owned by
  // parent, and lets it take part in the loops' dialog navigation. The texts
  // are cut to what the buffers hold. FALSE when the dialog could not be
  // opened. An object opens one window in its life.
  BOOL Create(BOOL findDialogOnly, const std::string& findWhat, const std::string& replaceWith,
              DWORD flags, CWnd* parent);

  // Destroys the window now; it sends no closing notification then.
  void Close();
  // To be called on the closing notification: the dialog destroys its window
  // itself as soon as the notification returns.
  void Terminated();

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
  // Forgets the window, which no longer takes part in the loops.
  HWND Forget();

  std::array<char, kTextBytes + 1> findBuffer_{};
  std::array<char, kTextBytes + 1> replaceBuffer_{};
};
