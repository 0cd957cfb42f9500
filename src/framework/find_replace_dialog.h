#pragma once
// The system's modeless find and replace dialogs, made by the wide functions
// so that their edits keep what the user types whole (an ANSI dialog's edits
// would keep a look-alike of a character the code page lacks). The object
// belongs to the dialog's owner, which keeps it while the window may exist:
// it holds the FINDREPLACEW structure and the two text buffers that the dialog writes to,
// also while the dialog sends its last notification and destroys itself.
// The dialog notifies its owner with the message CWinApp::FindReplaceMessage
// (lParam: the FINDREPLACEW). The message number is shared by every program,
// so an owner first asks IsNotifier whether a notification is its dialog's.
// The window is not subclassed: the owner learns of its end from the closing
// notification (Terminated) or ends it itself (Close).

#include <windows.h>
#include <commdlg.h>
#include <dlgs.h>

#include <array>
#include <string>

#include "framework/ansi_name.h"
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
  // are cut to kTextBytes bytes. FALSE when the dialog could not be
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

  // The texts in the code page, and whether they convert exactly. They are
  // read from the dialog's edits while it exists: some systems (Wine) pass
  // the buffers through the code page.
  AnsiName GetFindString() const { return TextOf(edt1, findBuffer_.data()); }
  AnsiName GetReplaceString() const { return TextOf(edt2, replaceBuffer_.data()); }
  // Which button the last notification reports.
  bool IsTerminating() const { return (m_fr.Flags & FR_DIALOGTERM) != 0; }
  bool FindNextPressed() const { return (m_fr.Flags & FR_FINDNEXT) != 0; }
  bool ReplacePressed() const { return (m_fr.Flags & FR_REPLACE) != 0; }
  bool ReplaceAllPressed() const { return (m_fr.Flags & FR_REPLACEALL) != 0; }
  bool MatchCase() const { return (m_fr.Flags & FR_MATCHCASE) != 0; }

  bool PreTranslateMessage(MSG& msg) override;

  // Each text starts with at most this many bytes, and the user may type
  // as many characters.
  static constexpr std::size_t kTextBytes = 127;

  FINDREPLACEW m_fr{};

 private:
  AnsiName TextOf(int editId, const wchar_t* buffer) const;
  // Forgets the window, which no longer takes part in the loops.
  HWND Forget();

  std::array<wchar_t, kTextBytes + 1> findBuffer_{};
  std::array<wchar_t, kTextBytes + 1> replaceBuffer_{};
};
