#pragma once

#include <string>
#include <vector>

#include "app/autocad_installations.h"
#include "framework/dialog.h"
#include "framework/message_map.h"

// "AutoCADで実行": shows the script and the AutoCAD installations, and lets
// the user pick one, or another program with the file dialog. Enter runs
// the selected program, Esc cancels; with nothing to run the run button
// stays disabled.
class CRunAutoCadDialog : public CDialog {
 public:
  // The first of installations is preselected unless one is preferred.
  CRunAutoCadDialog(std::string scriptPath, std::vector<tewo::AutoCadInstallation> installations,
                    const std::wstring& preferred, CWnd* parent);

  // The program chosen, once the dialog has ended with IDOK.
  const std::wstring& Program() const { return program_; }

 protected:
  BOOL OnInitDialog() override;
  void OnOK() override;
  bool OnMessage(UINT message, WPARAM wp, LPARAM lp, INT_PTR& result) override;

 private:
  void OnBrowse();
  void OnSelectionChange();
  void OnDoubleClick();
  // Shows the installations, selecting the one at index.
  void FillList(int selected);
  int Selected() const;

  static const MessageMapEntry<CRunAutoCadDialog> kMessageMap[];

  std::string scriptPath_;
  std::vector<tewo::AutoCadInstallation> installations_;
  std::wstring preferred_;
  std::wstring program_;
};
