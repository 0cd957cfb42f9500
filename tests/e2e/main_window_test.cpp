#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "e2e/app_process.h"
#include "e2e/robot.h"
#include "resources/resource.h"

namespace {

const int kFolderTree = 0x3741;  // the folder browser's tree

// The whole road of one script, by hand, across two runs of the tool.
class MainWindowRoad : public ::testing::Test {
 protected:
  std::unique_ptr<AppProcess> Start() {
    auto app = std::make_unique<AppProcess>(install_);
    main_ = robot::WaitForWindow(app->pid(), "TEWO");
    return app;
  }
  HWND Item(int id) const { return ::GetDlgItem(main_, id); }
  bool Checked(int id) const { return ::SendMessageA(Item(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }
  std::vector<std::string> Entries() const { return robot::ListTexts(Item(IDC_SOURCE_LIST)); }

  // Confirms the common file dialog titled title with names, after moving it
  // to folder (the system may open it in the folder it visited last).
  void AnswerFileDialog(DWORD pid, const std::string& title, const std::string& folder,
                        const std::wstring& names, std::string* okText = nullptr) {
    HWND dialog = robot::WaitForWindow(pid, title);
    ASSERT_NE(dialog, nullptr) << title;
    if (okText != nullptr) *okText = robot::Text(::GetDlgItem(dialog, IDOK));
    HWND field = robot::FileNameField(dialog);
    ASSERT_NE(field, nullptr);
    // The "look in" box names the folder the dialog shows.
    const std::string folderName = folder.substr(folder.rfind('\\') + 1);
    HWND lookIn = ::GetDlgItem(dialog, 0x471);
    if (robot::Text(lookIn) != folderName) {
      robot::SetText(field, folder);
      robot::PressButton(dialog, IDOK);
      ASSERT_TRUE(robot::WaitUntil([&] { return robot::Text(lookIn) == folderName; }, 5000))
          << robot::DescribeWindows(pid);
    }
    robot::SetText(field, names);
    robot::PressButton(dialog, IDOK);
    ASSERT_TRUE(robot::WaitUntil([&] { return !::IsWindow(dialog); }));
  }

  InstallFolder install_;
  HWND main_ = nullptr;
};

TEST_F(MainWindowRoad, FromFirstStartToScriptAndSettings) {
  const TempFolder outFolder("_out");
  const std::string out = outFolder.path();
  ::CreateDirectoryA((install_ / "sub").c_str(), nullptr);
  for (const char* name : {"a.dwg", "b.dwg", "Strase.dwg", "sub\\c.dwg"}) {
    WriteFileBytes(install_ / name, "");
  }
  // "Straße.dwg" would reach the file functions as "Strase.dwg".
  WriteFileBytes(WidePath(install_.path()) + L"\\Stra\u00DFe.dwg", "");
  const TempFolder scriptFolder("_scripts");
  const std::string scripts = scriptFolder.path();
  {
    auto app = Start();
    ASSERT_NE(main_, nullptr);
    EXPECT_TRUE(Checked(IDC_DXF_TO_DWG));

    // DWG to DXF.
    ::PostMessageA(Item(IDC_DWG_TO_DXF), BM_CLICK, 0, 0);
    ASSERT_TRUE(robot::WaitUntil([&] { return Checked(IDC_DWG_TO_DXF); }));
    EXPECT_EQ(robot::Text(Item(IDC_MODE_CAPTION)), "※AUTOCADﾌｧｲﾙからDXFﾌｧｲﾙを作成");

    // Now and then Wine's browser misses the selection that the tool's
    // callback asks for; a user would open it again, and so does the robot.
    auto browse = [&](const std::function<void()>& open, const std::string& folder) {
      const std::string name = folder.substr(folder.rfind('\\') + 1);
      HWND browser = nullptr;
      std::string shown;
      for (int attempt = 0; attempt < 3 && shown != name; ++attempt) {
        if (browser != nullptr) {
          robot::PressButton(browser, IDCANCEL);
          ASSERT_TRUE(robot::WaitUntil([&] { return !::IsWindow(browser); }));
        }
        open();
        browser = robot::WaitForDialogWithControl(app->pid(), kFolderTree, main_);
        ASSERT_NE(browser, nullptr) << "the folder browser did not appear";
        robot::WaitUntil(
            [&] {
              shown = robot::SelectedTreeText(::GetDlgItem(browser, kFolderTree));
              return shown == name;
            },
            5000);
      }
      ASSERT_EQ(shown, name) << "the browser did not preselect the folder";
      robot::PressButton(browser, IDOK);
      ASSERT_TRUE(robot::WaitUntil([&] { return !::IsWindow(browser); }));
    };
    // The folder browser opens on the typed folder; OK takes it.
    robot::SetText(Item(IDC_DESTINATION), out + "\\");
    browse([&] { robot::PressButton(main_, IDC_BROWSE_DESTINATION); }, out);
    EXPECT_EQ(robot::Text(Item(IDC_DESTINATION)), out + "\\");

    // Two drawings through the real file dialog, which starts in the install
    // folder; a name the code page cannot hold between them is rejected.
    robot::PressButton(main_, IDC_CHOOSE_SOURCES);
    std::string okText;
    AnswerFileDialog(app->pid(), "変換元 DWGﾌｧｲﾙの選択", install_.path(),
                     L"\"a.dwg\" \"Stra\u00DFe.dwg\" \"b.dwg\"", &okText);
    EXPECT_EQ(okText, "選択");
    ASSERT_TRUE(robot::WaitUntil([&] { return robot::Text(Item(IDC_COUNT_LABEL)) == "FILE=2"; }));
    EXPECT_EQ(Entries(), (std::vector<std::string>{install_ / "a.dwg", install_ / "b.dwg"}));
    EXPECT_EQ(robot::Text(Item(IDC_STATUS)), "ﾌｧｲﾙ名に使えない文字があります\nStra?e.dwg");

    // The script.
    robot::PressButton(main_, IDC_SAVE_SCRIPT);
    AnswerFileDialog(app->pid(), "ｽｸﾘﾌﾟﾄﾌｧｲﾙの保存", scripts, L"road.scr");
    ASSERT_TRUE(robot::WaitUntil(
        [&] { return robot::Text(Item(IDC_STATUS)) == "ｽｸﾘﾌﾟﾄﾌｧｲﾙを保存しました！"; }));
    EXPECT_EQ(ReadFileBytes(scripts + "\\road.scr"),
              "OPEN\r\n" + install_ / "a.dwg" + "\r\nDXFOUT\r\n" + out + "\\a.dxf\r\n12\r\n" +
                  "OPEN\r\n" + install_ / "b.dwg" + "\r\nDXFOUT\r\n" + out + "\\b.dxf\r\n12\r\n");

    // Alt, F, D: the browser opens on the source folder; Yes adds what is
    // not listed yet, the subfolder's drawing after the folder's own.
    browse([&] { ASSERT_TRUE(robot::PressMenuKeys(main_, 'F', 'D')); }, install_.path());
    HWND question = robot::WaitForMessageBox(app->pid());
    ASSERT_NE(question, nullptr) << robot::DescribeWindows(app->pid());
    EXPECT_EQ(robot::Text(::GetDlgItem(question, 0xFFFF)), "ｻﾌﾞﾌｫﾙﾀﾞ内の図面も追加しますか？");
    robot::PressButton(question, IDYES);
    ASSERT_TRUE(robot::WaitUntil([&] { return robot::Text(Item(IDC_COUNT_LABEL)) == "FILE=4"; }));
    EXPECT_EQ(Entries(),
              (std::vector<std::string>{install_ / "a.dwg", install_ / "b.dwg",
                                        install_ / "Strase.dwg", install_ / "sub\\c.dwg"}));
    EXPECT_EQ(robot::Text(Item(IDC_STATUS)), "2個の図面を追加しました\n除外: 使えない文字 1件");

    robot::ChooseMenuCommand(main_, ID_APP_EXIT);
    EXPECT_EQ(app->WaitExit(), 0);
  }
  EXPECT_EQ(ReadFileBytes(install_ / "tewo.ini"),
            "0\r\n1\r\n" + out + "\\\r\n" + install_.path() + "\\\r\n" + scripts + "\\\r\n0\r\n");

  // The next start comes back in DWG to DXF; the folders stay unless line 1 is "1".
  {
    auto app = Start();
    ASSERT_NE(main_, nullptr);
    EXPECT_TRUE(Checked(IDC_DWG_TO_DXF));
    EXPECT_FALSE(Checked(IDC_DXF_TO_DWG));
    EXPECT_EQ(robot::Text(Item(IDC_DESTINATION)), "");
    ::PostMessageA(main_, WM_CLOSE, 0, 0);
    EXPECT_EQ(app->WaitExit(), 0);
  }
}

}  // namespace
