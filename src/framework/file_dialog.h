#pragma once
// The common file-open and file-save dialogs. The filter is written with "|"
// between its parts and ends with "||". A derived class can act on the
// dialog's initialisation (OnInitDialog) through the explorer-style hook.
//
// The settings are given in ANSI (m_ofn); the dialog itself runs on the wide
// API so that a chosen name the ANSI code page cannot hold is seen as such
// (GetPathName, GetPathNames) instead of arriving as another name.

#include <windows.h>
#include <commdlg.h>

#include <string>
#include <vector>

#include "framework/ansi_name.h"

class CWnd;

class CFileDialog {
 public:
  CFileDialog(BOOL openFileDialog, const char* defaultExtension, const char* fileName, DWORD flags,
              const char* filter, CWnd* parent = nullptr);
  virtual ~CFileDialog() = default;
  CFileDialog(const CFileDialog&) = delete;
  CFileDialog& operator=(const CFileDialog&) = delete;

  // IDOK when the user confirmed, else IDCANCEL.
  INT_PTR DoModal();

  // The one chosen path (or the first of a multiple selection).
  AnsiName GetPathName() const;

  // Every chosen path, in the order the dialog returns them. For a multiple
  // selection the dialog's buffer holds the folder, then each name.
  std::vector<AnsiName> GetPathNames() const;

  // Title, filter, flags, initial folder, the initial name in lpstrFile and
  // the room for the answer in nMaxFile (characters) are taken from here.
  OPENFILENAMEA m_ofn{};

 protected:
  virtual BOOL OnInitDialog() { return TRUE; }
  // The text of a control of the common dialog, such as its OK button.
  void SetControlText(int id, const std::string& text) const;
  HWND m_hWnd = nullptr;  // the hook's child dialog inside the common dialog

 private:
  static UINT_PTR CALLBACK HookProc(HWND hwnd, UINT message, WPARAM wp, LPARAM lp);

  BOOL open_;
  std::string filter_;
  std::string defaultExtension_;
  std::string fileBuffer_;
  std::wstring answer_;  // the dialog's buffer once it has been confirmed
};
