#include "app/main_dialog.h"

#include <iterator>
#include <utility>

#include "app/about_dialog.h"
#include "editor/script_editor_dialog.h"
#include "framework/dpi.h"
#include "framework/gdi.h"
#include "framework/win_app.h"
#include "help/help_dialog.h"
#include "resources/resource.h"
#include "script/save_script_operation.h"
#include "templates/registration_dialog.h"

namespace {

const char kDxfToDwgCaption[] = "※DXFﾌｧｲﾙからAUTOCADﾌｧｲﾙを作成";
const char kDwgToDxfCaption[] = "※AUTOCADﾌｧｲﾙからDXFﾌｧｲﾙを作成";

// The glyphs are 16 by 16 pixels at 96 DPI (the icons hold them drawn for
// the larger sizes too); the system's icon size would stretch them over the
// small buttons.
ScopedIcon LoadButtonIcon(UINT id, UINT dpi) {
  const int size = ScaleToDpi(16, dpi);
  return ScopedIcon(static_cast<HICON>(::LoadImageA(AfxGetInstanceHandle(), MAKEINTRESOURCEA(id),
                                                    IMAGE_ICON, size, size, LR_DEFAULTCOLOR)));
}

}  // namespace

const MessageMapEntry<CMainDialog> CMainDialog::kMessageMap[] = {
    MapMessage(WM_SYSCOMMAND, &CMainDialog::OnSysCommand),
    MapMessage(WM_PAINT, &CMainDialog::OnPaint),
    MapMessage(WM_QUERYDRAGICON, &CMainDialog::OnQueryDragIcon),
    MapMessage(WM_CLOSE, &CMainDialog::OnClose),
    MapMessage(WM_SETCURSOR, &CMainDialog::OnSetCursor),
    MapMessage(WM_CTLCOLORSTATIC, &CMainDialog::OnCtlColorStatic),
    MapMessage(WM_DPICHANGED, &CMainDialog::OnDpiChanged),
    MapMessage(WM_MENUSELECT, &CMainDialog::OnMenuSelect),
    MapCommand(ID_APP_EXIT, &CMainDialog::OnAppExit),
    MapCommand(ID_ADD_FOLDER, &CMainDialog::OnAddFolder),
    MapCommand(ID_REGISTER_DXF_TO_DWG, &CMainDialog::OnRegisterDxfToDwg),
    MapCommand(ID_REGISTER_DWG_TO_DXF, &CMainDialog::OnRegisterDwgToDxf),
    MapCommand(ID_RUN_AUTOCAD, &CMainDialog::OnRunAutoCad),
    MapCommand(ID_CHECK_RESULTS, &CMainDialog::OnCheckResults),
    MapCommand(ID_HELP_CONTENTS, &CMainDialog::OnHelpContents),
    MapCommand(ID_APP_ABOUT, &CMainDialog::OnAppAbout),
    MapCommand(IDC_DXF_TO_DWG, &CMainDialog::OnDxfToDwg),
    MapCommand(IDC_DWG_TO_DXF, &CMainDialog::OnDwgToDxf),
    MapCommand(IDC_EDIT_SCRIPT, &CMainDialog::OnEditScript),
    MapCommand(IDC_SAVE_SCRIPT, &CMainDialog::OnSaveScript),
    MapCommand(IDC_CHOOSE_SOURCES, &CMainDialog::OnChooseSources),
    MapCommand(IDC_DELETE_SOURCES, &CMainDialog::OnDeleteSources),
    MapCommand(IDC_BROWSE_DESTINATION, &CMainDialog::OnBrowseDestination),
    MapCommand(IDC_DESKTOP, &CMainDialog::OnDesktop),
};

CMainDialog::CMainDialog()
    : CDialog(IDD_MAIN),
      icon_(::LoadIconA(AfxGetInstanceHandle(), MAKEINTRESOURCEA(IDR_MAINFRAME))),
      sourceList_(*this) {}

bool CMainDialog::OnMessage(UINT message, WPARAM wp, LPARAM lp, INT_PTR& result) {
  return Dispatch<CMainDialog>(*this, kMessageMap, message, wp, lp, result);
}

tewo::ConversionMode CMainDialog::Mode() const {
  return SendDlgItemMessage(IDC_DXF_TO_DWG, BM_GETCHECK) == BST_CHECKED
             ? tewo::ConversionMode::DxfToDwg
             : tewo::ConversionMode::DwgToDxf;
}

void CMainDialog::SetStatus(const std::string& text) const { SetDlgItemText(IDC_STATUS, text); }

BOOL CMainDialog::OnInitDialog() {
  CDialog::OnInitDialog();
  TrimSystemMenu();
  ::SendMessageA(m_hWnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
  ::SendMessageA(m_hWnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_));

  sourceList_.SubclassDlgItem(IDC_SOURCE_LIST, this);

  SetButtonIcons(WindowDpi(m_hWnd));

  SetDlgItemText(IDC_COUNT_LABEL, "FILE=0");
  SetStatus("");
  SetHint(IDC_DESTINATION_HINT, "");
  SetHint(IDC_SOURCE_HINT, "");
  lastScriptPath.clear();

  restoreSwitch = "0";
  ::CheckRadioButton(m_hWnd, IDC_DXF_TO_DWG, IDC_DWG_TO_DXF, IDC_DXF_TO_DWG);
  SendDlgItemMessage(IDC_KEEP_TREE, BM_SETCHECK, BST_UNCHECKED);
  ShowModeCaption(tewo::ConversionMode::DxfToDwg);
  rememberedDestination.clear();
  sourceFolder.clear();
  scriptFolder.clear();
  lastProgram.clear();

  ReadSettings();
  return TRUE;
}

void CMainDialog::SetButtonIcons(UINT dpi) {
  const struct {
    int button;
    UINT icon;
  } kButtonIcons[] = {{IDC_BROWSE_DESTINATION, IDI_BROWSE},
                      {IDC_DESKTOP, IDI_DESKTOP},
                      {IDC_CHOOSE_SOURCES, IDI_BROWSE},
                      {IDC_DELETE_SOURCES, IDI_CLEAR}};
  static_assert(std::size(kButtonIcons) == kIconButtons);
  for (std::size_t i = 0; i < kIconButtons; ++i) {
    ScopedIcon icon = LoadButtonIcon(kButtonIcons[i].icon, dpi);
    SendDlgItemMessage(kButtonIcons[i].button, BM_SETIMAGE, IMAGE_ICON,
                       reinterpret_cast<LPARAM>(icon.get()));
    buttonIcons_[i] = std::move(icon);  // the button no longer shows the one this replaces
  }
}

INT_PTR CMainDialog::OnDpiChanged(WPARAM wp, LPARAM) {
  SetButtonIcons(DpiOfDpiChanged(wp));
  return FALSE;  // the system scales the dialog and its controls
}

// Appends the About item and removes Restore, Size and Maximise: positions 0,
// 1 and 2 are deleted in this order, each deletion moving the later items up.
void CMainDialog::TrimSystemMenu() {
  HMENU menu = ::GetSystemMenu(m_hWnd, FALSE);
  if (menu == nullptr) return;
  std::string about = LoadResourceString(IDS_ABOUTBOX);
  if (about.empty()) return;
  ::AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
  ::AppendMenuA(menu, MF_STRING, IDM_ABOUTBOX, about.c_str());
  for (UINT position = 0; position < 3; ++position) ::DeleteMenu(menu, position, MF_BYPOSITION);
}

INT_PTR CMainDialog::OnSysCommand(WPARAM wp, LPARAM) {
  if ((wp & 0xFFF0) != IDM_ABOUTBOX) return FALSE;
  OnAppAbout();
  return TRUE;
}

INT_PTR CMainDialog::OnPaint(WPARAM, LPARAM) {
  PaintDC dc(m_hWnd);
  if (::IsIconic(m_hWnd)) {
    ::SendMessageA(m_hWnd, WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.get()), 0);
    RECT client{};
    ::GetClientRect(m_hWnd, &client);
    int x = (client.right - client.left - ::GetSystemMetrics(SM_CXICON) + 1) / 2;
    int y = (client.bottom - client.top - ::GetSystemMetrics(SM_CYICON) + 1) / 2;
    ::DrawIcon(dc.get(), x, y, icon_);
  } else {
    DrawEtchedTopEdge(m_hWnd, dc.get());
  }
  return TRUE;
}

INT_PTR CMainDialog::OnQueryDragIcon(WPARAM, LPARAM) { return reinterpret_cast<INT_PTR>(icon_); }

INT_PTR CMainDialog::OnClose(WPARAM, LPARAM) {
  WriteSettings();
  EndDialog(0);
  // The default close handling runs too (it only presses Cancel, which does nothing).
  return FALSE;
}

// Hints follow the cursor: the dialog's own background (which labels and the
// group box let the cursor through to) clears both; a button shows its hint
// until the cursor crosses the background again.
INT_PTR CMainDialog::OnSetCursor(WPARAM wp, LPARAM) {
  HWND under = reinterpret_cast<HWND>(wp);
  if (under == m_hWnd) {
    SetHint(IDC_DESTINATION_HINT, "");
    SetHint(IDC_SOURCE_HINT, "");
    return FALSE;
  }
  switch (::GetDlgCtrlID(under)) {
    case IDC_SOURCE_LIST:
      SetHint(IDC_SOURCE_HINT, LoadResourceString(IDS_HINT_SOURCE_LIST));
      break;
    case IDC_BROWSE_DESTINATION:
      SetHint(IDC_DESTINATION_HINT, LoadResourceString(IDS_HINT_BROWSE_DESTINATION));
      break;
    case IDC_DESKTOP:
      SetHint(IDC_DESTINATION_HINT, LoadResourceString(IDS_HINT_DESKTOP));
      break;
    case IDC_KEEP_TREE:
      SetHint(IDC_DESTINATION_HINT, LoadResourceString(IDS_HINT_KEEP_TREE));
      break;
    case IDC_CHOOSE_SOURCES:
      SetHint(IDC_SOURCE_HINT, LoadResourceString(IDS_HINT_CHOOSE_SOURCES));
      break;
    case IDC_DELETE_SOURCES:
      SetHint(IDC_SOURCE_HINT, LoadResourceString(IDS_HINT_DELETE_SOURCES));
      break;
    default:
      break;
  }
  return FALSE;
}

// The folder item of the menu, while highlighted, shows its hint in the
// source row, as the row's buttons do.
INT_PTR CMainDialog::OnMenuSelect(WPARAM wp, LPARAM) {
  const UINT flags = HIWORD(wp);
  if (LOWORD(wp) == ID_ADD_FOLDER && (flags & (MF_POPUP | MF_SEPARATOR)) == 0 && flags != 0xFFFF) {
    SetHint(IDC_SOURCE_HINT, LoadResourceString(IDS_HINT_ADD_FOLDER));
  }
  return FALSE;
}

void CMainDialog::SetHint(int labelId, const std::string& text) const {
  // Setting an unchanged text would repaint the label at every mouse move.
  if (GetDlgItemText(labelId) != text) SetDlgItemText(labelId, text);
}

INT_PTR CMainDialog::OnCtlColorStatic(WPARAM wp, LPARAM lp) {
  INT_PTR brush = ::DefWindowProcA(m_hWnd, WM_CTLCOLORSTATIC, wp, lp);
  switch (::GetDlgCtrlID(reinterpret_cast<HWND>(lp))) {
    case IDC_STATUS:
    case IDC_DESTINATION_HINT:
    case IDC_SOURCE_HINT:
    case IDC_MODE_CAPTION:
      SetReadableTextColor(reinterpret_cast<HDC>(wp), RGB(255, 255, 0));
      break;
    default:
      break;
  }
  return brush;
}

void CMainDialog::ShowModeCaption(tewo::ConversionMode mode) const {
  SetDlgItemText(IDC_MODE_CAPTION,
                 mode == tewo::ConversionMode::DxfToDwg ? kDxfToDwgCaption : kDwgToDxfCaption);
}

void CMainDialog::OnDxfToDwg() { ShowModeCaption(tewo::ConversionMode::DxfToDwg); }

void CMainDialog::OnDwgToDxf() { ShowModeCaption(tewo::ConversionMode::DwgToDxf); }

void CMainDialog::OnAppExit() { PostMessage(WM_CLOSE); }

void CMainDialog::OnAppAbout() {
  CAboutDialog about;
  about.DoModal();
}

void CMainDialog::OnRegisterDxfToDwg() {
  CRegistrationDialog dialog(tewo::RegistrationDialog::DxfToDwg);
  dialog.DoModal();
}

void CMainDialog::OnRegisterDwgToDxf() {
  CRegistrationDialog dialog(tewo::RegistrationDialog::DwgToDxf);
  dialog.DoModal();
}

void CMainDialog::OnHelpContents() { CHelpDialog::OpenOrFocus(*this); }

void CMainDialog::OnEditScript() { CScriptEditorDialog::OpenOrFocus(*this, lastScriptPath); }

bool CMainDialog::KeepsTree() const {
  return SendDlgItemMessage(IDC_KEEP_TREE, BM_GETCHECK) == BST_CHECKED;
}

void CMainDialog::OnSaveScript() {
  tewo::SaveScript(
      {*this, sourceList_, Mode(), lastScriptPath, scriptFolder, KeepsTree(), sourceFolder});
}
