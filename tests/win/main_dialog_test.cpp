#include <algorithm>
#include <stdexcept>

#include <windows.h>
#include <commctrl.h>

#include "app/about_dialog.h"
#include "app/install_folder.h"
#include "framework/dpi.h"
#include "win/main_dialog_fixture.h"

namespace {

const char kDxfCaption[] = "※DXFﾌｧｲﾙからAUTOCADﾌｧｲﾙを作成";
const char kDwgCaption[] = "※AUTOCADﾌｧｲﾙからDXFﾌｧｲﾙを作成";

TEST_F(MainDialogTest, FirstStartShowsDxfToDwgAndEmptyFields) {
  EXPECT_EQ(GetWindowTextString(Dialog()), "TEWO");
  EXPECT_TRUE(Checked(IDC_DXF_TO_DWG));
  EXPECT_FALSE(Checked(IDC_DWG_TO_DXF));
  EXPECT_EQ(Text(IDC_MODE_CAPTION), kDxfCaption);
  EXPECT_EQ(Text(IDC_COUNT_LABEL), "FILE=0");
  for (int id : {IDC_DESTINATION, IDC_STATUS, IDC_DESTINATION_HINT, IDC_SOURCE_HINT}) {
    EXPECT_EQ(Text(id), "") << id;
  }
  EXPECT_EQ(dialog_->SourceList().GetCount(), 0);
  EXPECT_EQ(dialog_->restoreSwitch, "0");
  EXPECT_TRUE(dialog_->lastScriptPath.empty());
}

TEST_F(MainDialogTest, ModeButtonsSwitchOnlyTheCaption) {
  AddEntries({"C:\\a.dxf", "C:\\b.dwg"});
  SetText(IDC_DESTINATION, "D:\\out\\");
  ::SendMessageA(Item(IDC_DWG_TO_DXF), BM_CLICK, 0, 0);
  EXPECT_TRUE(Checked(IDC_DWG_TO_DXF));
  EXPECT_FALSE(Checked(IDC_DXF_TO_DWG));
  EXPECT_EQ(Text(IDC_MODE_CAPTION), kDwgCaption);
  EXPECT_EQ(dialog_->Mode(), tewo::ConversionMode::DwgToDxf);
  ::SendMessageA(Item(IDC_DXF_TO_DWG), BM_CLICK, 0, 0);
  EXPECT_EQ(Text(IDC_MODE_CAPTION), kDxfCaption);
  EXPECT_EQ(dialog_->Mode(), tewo::ConversionMode::DxfToDwg);
  EXPECT_EQ(dialog_->SourceList().GetAllTexts(),
            (std::vector<std::string>{"C:\\a.dxf", "C:\\b.dwg"}));
  EXPECT_EQ(Text(IDC_DESTINATION), "D:\\out\\");
}

TEST_F(MainDialogTest, SystemMenuKeepsMoveMinimiseCloseAndEndsWithAbout) {
  HMENU menu = ::GetSystemMenu(Dialog(), FALSE);
  ASSERT_NE(menu, nullptr);
  std::vector<UINT> ids;
  for (int i = 0; i < ::GetMenuItemCount(menu); ++i) ids.push_back(::GetMenuItemID(menu, i));
  // On the standard menu this leaves Move, Minimise, a separator (id 0), Close,
  // a separator and the About item; Wine adds an item of its own before ours.
  auto has = [&](UINT id) { return std::find(ids.begin(), ids.end(), id) != ids.end(); };
  ASSERT_GE(ids.size(), 6u);
  EXPECT_EQ((std::vector<UINT>{ids[0], ids[1], ids[2], ids[3]}),
            (std::vector<UINT>{SC_MOVE, SC_MINIMIZE, 0, SC_CLOSE}));
  EXPECT_FALSE(has(SC_RESTORE));
  EXPECT_FALSE(has(SC_SIZE));
  EXPECT_FALSE(has(SC_MAXIMIZE));
  EXPECT_EQ(ids[ids.size() - 2], 0u);
  EXPECT_EQ(ids.back(), static_cast<UINT>(IDM_ABOUTBOX));
  char text[128] = {};
  ::GetMenuStringA(menu, IDM_ABOUTBOX, text, sizeof text, MF_BYCOMMAND);
  EXPECT_STREQ(text, "TEWO のﾊﾞｰｼﾞｮﾝ情報(&A)...");
}

TEST_F(MainDialogTest, EnterAndEscapeDoNotClose) {
  Click(IDOK);
  Click(IDCANCEL);
  EXPECT_TRUE(::IsWindowVisible(Dialog()));
  EXPECT_FALSE(CloseRequested());
}

TEST_F(MainDialogTest, ExitMenuGoesThroughTheClosePath) {
  Command(ID_APP_EXIT);
  EXPECT_TRUE(CloseRequested());
  ::SendMessageA(Dialog(), WM_CLOSE, 0, 0);
  // A modeless run of the dialog hides where the modal run ends.
  EXPECT_FALSE(::IsWindowVisible(Dialog()));
}

TEST_F(MainDialogTest, HintsFollowTheCursor) {
  auto cursorOver = [&](HWND hwnd) {
    ::SendMessageA(Dialog(), WM_SETCURSOR, reinterpret_cast<WPARAM>(hwnd),
                   MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  };
  cursorOver(Item(IDC_CHOOSE_SOURCES));
  EXPECT_EQ(Text(IDC_SOURCE_HINT), "変換元ファイルの選択（+CTRLで追加選択）");
  cursorOver(Item(IDC_DESTINATION));  // another control: hints stay
  EXPECT_EQ(Text(IDC_SOURCE_HINT), "変換元ファイルの選択（+CTRLで追加選択）");
  cursorOver(Item(IDC_SOURCE_LIST));
  EXPECT_EQ(Text(IDC_SOURCE_HINT), " ");
  cursorOver(Item(IDC_DELETE_SOURCES));
  EXPECT_EQ(Text(IDC_SOURCE_HINT), "変換元ファイルの削除");
  cursorOver(Item(IDC_BROWSE_DESTINATION));
  EXPECT_EQ(Text(IDC_DESTINATION_HINT), "変換先フォルダの参照");
  cursorOver(Item(IDC_DESKTOP));
  EXPECT_EQ(Text(IDC_DESTINATION_HINT), "変換先をデスクトップにする");
  cursorOver(Item(IDC_KEEP_TREE));
  EXPECT_EQ(Text(IDC_DESTINATION_HINT), "変換元のフォルダ構成を変換先に作る");
  EXPECT_EQ(Text(IDC_SOURCE_HINT), "変換元ファイルの削除");
  ::SendMessageA(Dialog(), WM_MENUSELECT, MAKEWPARAM(ID_ADD_FOLDER, MF_STRING), 0);
  EXPECT_EQ(Text(IDC_SOURCE_HINT), "フォルダ内の図面を追加（サブフォルダも可）");
  cursorOver(Dialog());
  EXPECT_EQ(Text(IDC_DESTINATION_HINT), "");
  EXPECT_EQ(Text(IDC_SOURCE_HINT), "");
}

TEST_F(MainDialogTest, StatusHintsAndModeCaptionAreYellow) {
  HDC dc = ::CreateCompatibleDC(nullptr);
  auto colourOf = [&](int id) {
    ::SetTextColor(dc, RGB(1, 2, 3));
    ::SendMessageA(Dialog(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                   reinterpret_cast<LPARAM>(Item(id)));
    return ::GetTextColor(dc);
  };
  for (int id : {IDC_STATUS, IDC_DESTINATION_HINT, IDC_SOURCE_HINT, IDC_MODE_CAPTION}) {
    EXPECT_EQ(colourOf(id), RGB(116, 116, 0)) << id;  // readable on Wine's button face
  }
  for (int id : {IDC_DESTINATION_CAPTION, IDC_SOURCE_CAPTION, IDC_COUNT_LABEL}) {
    EXPECT_NE(colourOf(id), RGB(116, 116, 0)) << id;
  }
  ::DeleteDC(dc);
}

TEST_F(MainDialogTest, TabVisitsTheControlsInTemplateOrder) {
  std::vector<int> order;
  HWND start = Item(IDC_BROWSE_DESTINATION);
  HWND hwnd = start;
  do {
    // The checked radio button becomes a tab stop of the system's own doing.
    const int id = ::GetDlgCtrlID(hwnd);
    if (id != IDC_DXF_TO_DWG && id != IDC_DWG_TO_DXF) order.push_back(id);
    hwnd = ::GetNextDlgTabItem(Dialog(), hwnd, FALSE);
  } while (hwnd != nullptr && hwnd != start && order.size() < 20);
  EXPECT_EQ(order, (std::vector<int>{IDC_BROWSE_DESTINATION, IDC_DESKTOP, IDC_DESTINATION,
                                     IDC_KEEP_TREE, IDC_CHOOSE_SOURCES, IDC_DELETE_SOURCES,
                                     IDC_SOURCE_LIST, IDC_EDIT_SCRIPT, IDC_SAVE_SCRIPT}));
}

TEST_F(MainDialogTest, ControlsStandWhereTheLayoutPutsThem) {
  struct Layout {
    int id;
    RECT units;  // left, top, width, height in dialog units
  };
  const Layout kLayout[] = {
      {IDC_DXF_TO_DWG, {14, 20, 53, 10}},        {IDC_DWG_TO_DXF, {76, 20, 53, 10}},
      {IDC_DESTINATION_CAPTION, {8, 43, 39, 8}}, {IDC_BROWSE_DESTINATION, {48, 41, 10, 12}},
      {IDC_DESKTOP, {61, 41, 10, 12}},           {IDC_DESTINATION_HINT, {78, 43, 193, 8}},
      {IDC_DESTINATION, {7, 54, 300, 14}},       {IDC_SOURCE_CAPTION, {8, 88, 38, 8}},
      {IDC_CHOOSE_SOURCES, {48, 86, 10, 12}},    {IDC_DELETE_SOURCES, {61, 86, 10, 12}},
      {IDC_SOURCE_HINT, {78, 88, 187, 8}},       {IDC_COUNT_LABEL, {270, 88, 35, 8}},
      {IDC_SOURCE_LIST, {7, 99, 300, 136}},      {IDC_STATUS, {8, 241, 189, 17}},
      {IDC_EDIT_SCRIPT, {202, 242, 50, 14}},     {IDC_SAVE_SCRIPT, {257, 242, 50, 14}},
      {IDC_MODE_CAPTION, {141, 20, 157, 10}},    {IDC_KEEP_TREE, {8, 71, 100, 10}},
  };
  for (const Layout& l : kLayout) {
    // Position and size are converted from dialog units one by one.
    RECT expected{l.units.left, l.units.top, l.units.right, l.units.bottom};
    ::MapDialogRect(Dialog(), &expected);
    RECT actual{};
    ::GetWindowRect(Item(l.id), &actual);
    ::MapWindowPoints(nullptr, Dialog(), reinterpret_cast<POINT*>(&actual), 2);
    EXPECT_EQ(actual.left, expected.left) << l.id;
    EXPECT_EQ(actual.top, expected.top) << l.id;
    EXPECT_EQ(actual.right - actual.left, expected.right) << l.id;
    if (l.id == IDC_SOURCE_LIST) {
      // The list box shows whole lines only: the system shortens it to fit them.
      EXPECT_LE(actual.bottom - actual.top, expected.bottom);
      EXPECT_GT(actual.bottom - actual.top, expected.bottom * 3 / 4);
    } else {
      EXPECT_EQ(actual.bottom - actual.top, expected.bottom) << l.id;
    }
  }
}

TEST_F(MainDialogTest, ControlStylesMatchTheirRoles) {
  auto style = [&](int id) { return static_cast<DWORD>(::GetWindowLongA(Item(id), GWL_STYLE)); };
  auto exStyle = [&](int id) {
    return static_cast<DWORD>(::GetWindowLongA(Item(id), GWL_EXSTYLE));
  };
  for (int id : {IDC_BROWSE_DESTINATION, IDC_DESKTOP, IDC_CHOOSE_SOURCES, IDC_DELETE_SOURCES}) {
    EXPECT_TRUE(style(id) & BS_ICON) << id;
    EXPECT_TRUE(exStyle(id) & WS_EX_STATICEDGE) << id;
    EXPECT_NE(::SendMessageA(Item(id), BM_GETIMAGE, IMAGE_ICON, 0), 0) << id;
    EXPECT_EQ(style(id) & BS_DEFPUSHBUTTON, 0u) << id;
  }
  EXPECT_TRUE(style(IDC_SOURCE_LIST) & LBS_EXTENDEDSEL);
  EXPECT_FALSE(style(IDC_SOURCE_LIST) & LBS_SORT);
  EXPECT_TRUE(exStyle(IDC_SOURCE_LIST) & WS_EX_ACCEPTFILES);
  EXPECT_EQ(style(IDC_COUNT_LABEL) & SS_TYPEMASK, static_cast<DWORD>(SS_RIGHT));
  EXPECT_TRUE(style(IDC_MODE_CAPTION) & SS_CENTERIMAGE);
  const DWORD dialogStyle = static_cast<DWORD>(::GetWindowLongA(Dialog(), GWL_STYLE));
  EXPECT_TRUE(dialogStyle & WS_MINIMIZEBOX);
  EXPECT_FALSE(dialogStyle & WS_MAXIMIZEBOX);
  EXPECT_TRUE(::GetWindowLongA(Dialog(), GWL_EXSTYLE) & WS_EX_APPWINDOW);
  EXPECT_NE(::GetMenu(Dialog()), nullptr);
}

// The width in pixels of the icon a button shows.
int IconWidth(HWND button) {
  ICONINFO info{};
  auto icon = reinterpret_cast<HICON>(::SendMessageA(button, BM_GETIMAGE, IMAGE_ICON, 0));
  if (icon == nullptr || !::GetIconInfo(icon, &info)) return 0;
  BITMAP bitmap{};
  ::GetObjectA(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof bitmap, &bitmap);
  if (info.hbmColor) ::DeleteObject(info.hbmColor);
  if (info.hbmMask) ::DeleteObject(info.hbmMask);
  return bitmap.bmWidth;
}

int FontHeight(HWND control) {
  LOGFONTA font{};
  ::GetObjectA(reinterpret_cast<HFONT>(::SendMessageA(control, WM_GETFONT, 0, 0)), sizeof font,
               &font);
  return font.lfHeight;
}

// The window moves to a screen of 150 %.
void AnnounceDpi144(HWND window) {
  RECT suggested{};
  ::GetWindowRect(window, &suggested);
  ::SendMessageA(window, WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
}

// The manifest brings the common controls of version 6 (their buttons tell
// their ideal size) and per-monitor DPI, and what the windows make in pixels
// follows their DPI.
TEST_F(MainDialogTest, TheManifestsDpiAwarenessScalesWhatTheWindowsMakeInPixels) {
  SIZE ideal{};
  EXPECT_TRUE(
      ::SendMessageA(Item(IDC_SAVE_SCRIPT), BCM_GETIDEALSIZE, 0, reinterpret_cast<LPARAM>(&ideal)));
  EXPECT_GT(ideal.cx, 0);
  EXPECT_EQ(::GetAwarenessFromDpiAwarenessContext(::GetThreadDpiAwarenessContext()),
            DPI_AWARENESS_PER_MONITOR_AWARE);

  const int kIconButtons[] = {IDC_BROWSE_DESTINATION, IDC_DESKTOP, IDC_CHOOSE_SOURCES,
                              IDC_DELETE_SOURCES};
  const UINT dpi = WindowDpi(Dialog());
  for (int id : kIconButtons) EXPECT_EQ(IconWidth(Item(id)), ScaleToDpi(16, dpi)) << id;
  AnnounceDpi144(Dialog());
  for (int id : kIconButtons) EXPECT_EQ(IconWidth(Item(id)), 24) << id;

  CAboutDialog about;
  ASSERT_TRUE(about.Create(IDD_ABOUTBOX, dialog_.get()));
  HWND version = ::GetDlgItem(about.m_hWnd, IDC_ABOUT_VERSION);
  EXPECT_EQ(FontHeight(version), ScaleToDpi(16, dpi));
  AnnounceDpi144(about.m_hWnd);
  EXPECT_EQ(FontHeight(version), 24);
  about.DestroyWindow();
}

TEST_F(MainDialogTest, DragIconIsTheApplicationIcon) {
  EXPECT_NE(::SendMessageA(Dialog(), WM_QUERYDRAGICON, 0, 0), 0);
  EXPECT_NE(::SendMessageA(Dialog(), WM_GETICON, ICON_BIG, 0), 0);
}

}  // namespace

namespace {

TEST_F(MainDialogTest, PaintsAnEtchedEdgeUnderTheMenu) {
  ::ShowWindow(Dialog(), SW_SHOWNA);
  ::RedrawWindow(Dialog(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  HDC dc = ::GetDC(Dialog());
  RECT client{};
  ::GetClientRect(Dialog(), &client);
  // Each line is one pixel thick at 96 DPI, two at 144.
  const int thickness = std::max(1, ScaleToDpi(1, WindowDpi(Dialog())));
  for (int x : {0, static_cast<int>(client.right / 2), static_cast<int>(client.right - 1)}) {
    for (int y = 0; y < thickness; ++y) {
      EXPECT_EQ(::GetPixel(dc, x, y), RGB(128, 128, 128)) << x << "," << y;
      EXPECT_EQ(::GetPixel(dc, x, thickness + y), RGB(255, 255, 255)) << x << "," << y;
    }
  }
  ::ReleaseDC(Dialog(), dc);
}

}  // namespace

namespace {

// A dialog whose OK handler fails.
class FailingDialog : public CDialog {
 public:
  FailingDialog() : CDialog(IDD_ABOUTBOX) {}

 protected:
  void OnOK() override { throw std::runtime_error("failed"); }
};

TEST(DialogHandlers, AFailingHandlerIsReportedNotDropped) {
  FakeSystem& fake = TestApp().ResetSystem();
  FailingDialog dialog;
  ASSERT_TRUE(dialog.Create(IDD_ABOUTBOX, nullptr));
  ::SendMessageA(dialog.m_hWnd, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
  EXPECT_EQ(fake.MessageTexts(),
            std::vector<std::string>{"処理中にエラーが発生したため中断しました。"});
  EXPECT_EQ(fake.beeps.size(), 1u);
  dialog.DestroyWindow();
}

// A folder whose name the code page cannot hold stops the start at once.
TEST(InstallFolder, AnExecutablePathTheCodePageCannotHoldEndsTheStart) {
  const std::vector<std::string> told = {
      "TEWOのﾌｫﾙﾀﾞ名に使えない文字があります。\n英数字と日本語だけの名前のﾌｫﾙﾀﾞ（例 "
      "C:\\TEWO）に置いてください。"};
  for (const wchar_t* path :
       {L"C:\\図面\\ﾂｰﾙ\\tewo.exe", L"C:\\Stra\u00DFe\\tewo.exe", L"C:\\\uB3C4\uAD6C\\tewo.exe"}) {
    FakeSystem& fake = TestApp().ResetSystem();
    TestApp().moduleFileNameWide = path;
    const bool usable = InstallFolderIsUsable(TestApp());
    EXPECT_EQ(usable, path[3] == L'図');
    EXPECT_EQ(fake.exitCodes, usable ? std::vector<UINT>{} : std::vector<UINT>{1});
    EXPECT_EQ(fake.MessageTexts(), usable ? std::vector<std::string>{} : told);
  }
  TestApp().moduleFileNameWide.clear();
}

}  // namespace
