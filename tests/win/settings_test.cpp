#include <optional>

#include "win/main_dialog_fixture.h"

namespace {

const char kDwgCaption[] = "※AUTOCADﾌｧｲﾙからDXFﾌｧｲﾙを作成";

// The settings file beside the executable, as the test left it before the dialog opened.
class SettingsTest : public MainDialogTest {
 protected:
  void PrepareFolder() override {
    if (settings_) WriteFileBytes(SettingsFile(), *settings_);
  }
  std::string SettingsFile() const { return folder_ / "tewo.ini"; }
  void Close() const { ::SendMessageA(Dialog(), WM_CLOSE, 0, 0); }

  std::optional<std::string> settings_;
};

TEST_F(SettingsTest, FirstCloseWritesTheDefaults) {
  Close();
  EXPECT_EQ(ReadFileBytes(SettingsFile()), "0\r\n0\r\n\r\n\r\n\r\n0\r\n");
}

TEST_F(SettingsTest, ModeLineOtherThanZeroSelectsDwgToDxf) {
  for (const char* line2 : {"1", "", "01", "x"}) {
    WriteFileBytes(SettingsFile(), std::string("0\r\n") + line2 + "\r\n");
    CMainDialog dialog;
    ASSERT_TRUE(dialog.Create(IDD_MAIN, nullptr));
    EXPECT_EQ(dialog.Mode(), tewo::ConversionMode::DwgToDxf) << line2;
    EXPECT_EQ(dialog.GetDlgItemText(IDC_MODE_CAPTION), kDwgCaption) << line2;
    EXPECT_EQ(::SendDlgItemMessageA(dialog.m_hWnd, IDC_DXF_TO_DWG, BM_GETCHECK, 0, 0),
              BST_UNCHECKED);
    dialog.DestroyWindow();
  }
}

TEST_F(SettingsTest, FoldersComeBackOnlyWithRestoreSwitchOne) {
  const struct {
    const char* file;
    const char* field;
    const char* sourceFolder;
    const char* written;
  } kCases[] = {
      {"1\r\n0\r\nD:\\out\\\r\nC:\\src\\\r\nC:\\scr\\\r\n", "D:\\out\\", "C:\\src\\",
       "1\r\n0\r\nD:\\out\\\r\nC:\\src\\\r\nC:\\scr\\\r\n0\r\n"},
      {"0\r\n0\r\nD:\\out\\\r\nC:\\src\\\r\nC:\\scr\\\r\n1\r\n", "", "",
       "0\r\n0\r\n\r\n\r\n\r\n1\r\n"},
      {"1\n1\n  D:\\out\\  \n", "  D:\\out\\  ", "", "1\r\n1\r\nD:\\out\\\r\n\r\n\r\n0\r\n"},
      {"1\r\n", "", "", "1\r\n0\r\n\r\n\r\n\r\n0\r\n"},
      {"", "", "", "0\r\n0\r\n\r\n\r\n\r\n0\r\n"},
  };
  for (const auto& c : kCases) {
    WriteFileBytes(SettingsFile(), c.file);
    CMainDialog dialog;
    ASSERT_TRUE(dialog.Create(IDD_MAIN, nullptr));
    EXPECT_EQ(dialog.GetDlgItemText(IDC_DESTINATION), c.field) << c.file;
    EXPECT_EQ(dialog.sourceFolder, c.sourceFolder) << c.file;
    ::SendMessageA(dialog.m_hWnd, WM_CLOSE, 0, 0);
    EXPECT_EQ(ReadFileBytes(SettingsFile()), c.written) << c.file;
    dialog.DestroyWindow();
  }
}

TEST_F(SettingsTest, ATypedDestinationIsNotKept) {
  SetText(IDC_DESTINATION, "C:\\typed\\");
  dialog_->sourceFolder = "C:\\src\\";
  dialog_->scriptFolder = " C:\\scr\\ ";
  Close();
  EXPECT_EQ(ReadFileBytes(SettingsFile()), "0\r\n0\r\n\r\nC:\\src\\\r\nC:\\scr\\\r\n0\r\n");
}

TEST_F(SettingsTest, LongFirstLineIsKeptWholeAndDoesNotRestore) {
  WriteFileBytes(SettingsFile(), "123456789012\r\n1\r\nD:\\out\\\r\n");
  CMainDialog dialog;
  ASSERT_TRUE(dialog.Create(IDD_MAIN, nullptr));
  // Nine bytes make the switch; the rest of the line is read as line 2.
  EXPECT_EQ(dialog.restoreSwitch, "123456789");
  EXPECT_EQ(dialog.Mode(), tewo::ConversionMode::DwgToDxf);
  EXPECT_EQ(dialog.GetDlgItemText(IDC_DESTINATION), "");
  dialog.DestroyWindow();
}

TEST_F(SettingsTest, AnUnwritableSettingsFileStopsNothing) {
  ::CreateDirectoryA(SettingsFile().c_str(), nullptr);  // a folder stands in its place
  Close();
  EXPECT_FALSE(::IsWindowVisible(Dialog()));
  EXPECT_TRUE(fake_->messages.empty());

  // A failure that throws stops nothing either.
  ::ShowWindow(Dialog(), SW_SHOWNA);
  TestApp().moduleFileNameFails = true;
  Close();
  TestApp().moduleFileNameFails = false;
  EXPECT_FALSE(::IsWindowVisible(Dialog()));
  EXPECT_TRUE(fake_->messages.empty());
}

TEST_F(SettingsTest, AReadOnlySettingsFileIsKeptSilently) {
  WriteFileBytes(SettingsFile(), "1\r\n1\r\n\r\n\r\n\r\n");
  ::SetFileAttributesA(SettingsFile().c_str(), FILE_ATTRIBUTE_READONLY);
  Close();
  ::SetFileAttributesA(SettingsFile().c_str(), FILE_ATTRIBUTE_NORMAL);
  EXPECT_TRUE(fake_->messages.empty());
  EXPECT_EQ(ReadFileBytes(SettingsFile()), "1\r\n1\r\n\r\n\r\n\r\n");
  EXPECT_FALSE(NewFileLeftIn(folder_.path()));
}

}  // namespace
