#include <shlobj.h>

#include "framework/ansi_name.h"
#include "win/main_dialog_fixture.h"

namespace {

struct BrowseCall {
  HWND owner;
  std::string title;
  UINT flags;
  std::string initialFolder;
};

class DestinationTest : public MainDialogTest {
 protected:
  // The user confirms folder in the browser (an empty folder: cancels).
  void AnswerBrowse(const std::string& folder) {
    fake_->onBrowse = [this, folder](BROWSEINFOA& info) -> PIDLIST_ABSOLUTE {
      calls_.push_back({info.hwndOwner, info.lpszTitle ? info.lpszTitle : "", info.ulFlags,
                        reinterpret_cast<const char*>(info.lParam)});
      return folder.empty() ? nullptr : ::ILCreateFromPathA(folder.c_str());
    };
  }
  std::vector<BrowseCall> calls_;
};

TEST_F(DestinationTest, ChosenFolderGetsOneBackslashAndIsRemembered) {
  const std::string chosen = folder_ / "out";
  ::CreateDirectoryA(chosen.c_str(), nullptr);
  SetText(IDC_DESTINATION, "C:\\typed\\");
  AnswerBrowse(chosen);
  Click(IDC_BROWSE_DESTINATION);
  EXPECT_EQ(Text(IDC_DESTINATION), chosen + "\\");
  EXPECT_EQ(dialog_->rememberedDestination, chosen + "\\");
  EXPECT_EQ(::GetFocus(), Item(IDC_DESTINATION));
  ASSERT_EQ(calls_.size(), 1u);
  EXPECT_EQ(calls_[0].owner, Dialog());
  EXPECT_EQ(calls_[0].title, "変換先ﾌｫﾙﾀﾞを指定してください。");
  EXPECT_EQ(calls_[0].flags, static_cast<UINT>(BIF_RETURNONLYFSDIRS));
  EXPECT_EQ(calls_[0].initialFolder, "C:\\typed");
}

TEST_F(DestinationTest, BrowserStartsFromTheFieldsFolder) {
  const struct {
    const char* field;
    const char* initial;
  } kCases[] = {
      {"", ""},         {"C:\\a\\b\\", "C:\\a\\b"},     {"C:\\a\\b", "C:\\a"},
      {"C:\\", "C:\\"}, {"C:\\図面表\\", "C:\\図面表"},
  };
  AnswerBrowse("");
  for (const auto& c : kCases) {
    SetText(IDC_DESTINATION, c.field);
    Click(IDC_BROWSE_DESTINATION);
    ASSERT_FALSE(calls_.empty());
    EXPECT_EQ(calls_.back().initialFolder, c.initial) << c.field;
    EXPECT_EQ(Text(IDC_DESTINATION), c.field);  // cancelled: unchanged
  }
  EXPECT_TRUE(dialog_->rememberedDestination.empty());
}

TEST_F(DestinationTest, DriveRootKeepsItsSingleBackslash) {
  AnswerBrowse("C:\\");
  Click(IDC_BROWSE_DESTINATION);
  EXPECT_EQ(Text(IDC_DESTINATION), "C:\\");
}

TEST_F(DestinationTest, FolderEndingInATrailByte5CGetsItsBackslash) {
  const std::string chosen = folder_ / "出力表";
  ASSERT_TRUE(::CreateDirectoryA(chosen.c_str(), nullptr));
  AnswerBrowse(chosen);
  Click(IDC_BROWSE_DESTINATION);
  EXPECT_EQ(Text(IDC_DESTINATION), chosen + "\\");
}

// "Straße" would reach the file functions as "Strase", another folder.
TEST_F(DestinationTest, AFolderNameTheCodePageCannotHoldIsRefused) {
  const std::wstring chosen = WidePath(folder_.path()) + L"\\Stra\u00DFe";
  ASSERT_TRUE(::CreateDirectoryW(chosen.c_str(), nullptr));
  ::CreateDirectoryA((folder_ / "Strase").c_str(), nullptr);
  // A typed one does not preselect its look-alike either.
  ::SetWindowTextW(Item(IDC_DESTINATION), (chosen + L"\\").c_str());
  std::string initialFolder = "not asked";
  fake_->onBrowse = [&](BROWSEINFOA& info) {
    initialFolder = reinterpret_cast<const char*>(info.lParam);
    return ::ILCreateFromPathW(chosen.c_str());
  };
  ::SetFocus(Item(IDC_SOURCE_LIST));
  Click(IDC_BROWSE_DESTINATION);
  EXPECT_EQ(initialFolder, "");
  EXPECT_EQ(WindowTextWide(Item(IDC_DESTINATION)), chosen + L"\\");
  EXPECT_TRUE(dialog_->rememberedDestination.empty());
  ASSERT_EQ(fake_->messages.size(), 1u);
  EXPECT_EQ(fake_->messages[0].text, "変換先ﾌｫﾙﾀﾞ名に使えない文字があります！");
  EXPECT_EQ(fake_->messages[0].caption, "TEWO");
  EXPECT_EQ(fake_->messages[0].type, static_cast<UINT>(MB_OK));
  EXPECT_EQ(fake_->beeps, std::vector<UINT>{0});
  EXPECT_EQ(::GetFocus(), Item(IDC_DESTINATION));
}

TEST_F(DestinationTest, DesktopButtonPutsTheDesktopWithABackslash) {
  char desktop[MAX_PATH] = {};
  ASSERT_TRUE(::SHGetSpecialFolderPathA(nullptr, desktop, CSIDL_DESKTOP, FALSE));
  Click(IDC_DESKTOP);
  EXPECT_EQ(Text(IDC_DESTINATION), std::string(desktop) + "\\");
  EXPECT_EQ(dialog_->rememberedDestination, std::string(desktop) + "\\");
  EXPECT_EQ(::GetFocus(), Item(IDC_DESTINATION));
}

}  // namespace
