#pragma once
// The common file-open and file-save dialogs. The filter is written with "|"
// between its parts and ends with "||". A derived class can act on the
// dialog's initialisation (OnInitDialog) through the explorer-style hook.

#include <windows.h>
#include <commdlg.h>

#include <string>
#include <vector>

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
  std::string GetPathName() const;

  // Every chosen path, in the order the dialog returns them. For a multiple
  // selection the buffer holds the folder, then each name.
  std::vector<std::string> GetPathNames() const;

  OPENFILENAMEA m_ofn{};

 protected:
  virtual BOOL OnInitDialog() { return TRUE; }
  HWND m_hWnd = nullptr;  // the hook's child dialog inside the common dialog

 private:
  static UINT_PTR CALLBACK HookProc(HWND hwnd, UINT message, WPARAM wp, LPARAM lp);

  BOOL open_;
  std::string filter_;
  std::string defaultExtension_;
  std::string fileBuffer_;
};
