// The settings file of the main dialog: read once at start, written once at close.

#include "app/main_dialog.h"
#include "app/settings_file.h"
#include "framework/win_app.h"
#include "resources/resource.h"

std::string CMainDialog::SettingsPath() const {
  return tewo::SettingsPathFor(AfxGetApp()->ModuleFileName());
}

void CMainDialog::ReadSettings() {
  const tewo::StoredSettings stored = tewo::ReadSettingsFile(SettingsPath());
  if (stored.restoreSwitch) restoreSwitch = *stored.restoreSwitch;
  if (stored.mode) {
    const bool dxfToDwg = *stored.mode == tewo::ConversionMode::DxfToDwg;
    SendDlgItemMessage(IDC_DXF_TO_DWG, BM_SETCHECK, dxfToDwg ? BST_CHECKED : BST_UNCHECKED);
    SendDlgItemMessage(IDC_DWG_TO_DXF, BM_SETCHECK, dxfToDwg ? BST_UNCHECKED : BST_CHECKED);
    ShowModeCaption(*stored.mode);
  }
  if (stored.keepTree) {
    SendDlgItemMessage(IDC_KEEP_TREE, BM_SETCHECK, *stored.keepTree ? BST_CHECKED : BST_UNCHECKED);
  }
  if (stored.lastProgram) lastProgram = *stored.lastProgram;
  if (!tewo::RestoresFolders(restoreSwitch)) return;
  if (stored.destination) {
    rememberedDestination = *stored.destination;
    SetDlgItemText(IDC_DESTINATION, rememberedDestination);
  }
  if (stored.sourceFolder) sourceFolder = *stored.sourceFolder;
  if (stored.scriptFolder) scriptFolder = *stored.scriptFolder;
}

void CMainDialog::WriteSettings() const noexcept {
  // Nothing that happens here stops the closing, and nothing is reported:
  // a failure of any kind only leaves the old file (or, where the system
  // stopped half way, the contents under the names the result holds).
  try {
    tewo::WriteSettingsFile(
        SettingsPath(),
        {restoreSwitch, Mode(), rememberedDestination, sourceFolder, scriptFolder, KeepsTree(),
         lastProgram},
        &AfxGetApp()->System().Files());
  } catch (...) {
  }
}
