#include <windows.h>
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/main_dialog.h"
#include "common/file_write.h"
#include "resource.h"
#include "templates/registration_dialog.h"
#include "win/dialog_fixture.h"
#include "win/keyboard.h"
#include "win/test_app.h"

namespace {

using tewo::RegistrationDialog;

const char kFactoryEdit1[] = "NEW  DXFIN\r\n//ファイル名\r\n//E\r\n";

// A registration dialog, created modeless so that the test can drive it,
// over a command template file in a temporary folder.
class RegistrationDialogTest : public DialogFixture<CRegistrationDialog> {
 protected:
  void SetUp() override {
    fake_ = &TestApp().ResetSystem();
    TestApp().moduleFileName = folder_ / "tewo.exe";
  }
  void TearDown() override {
    if (dialog_) dialog_->DestroyWindow();
  }

  std::string TemplateFile() const { return folder_ / "tewoc.ini"; }

  void Open(RegistrationDialog which, const std::string& file) {
    WriteFileBytes(TemplateFile(), file);
    OpenOnExistingFile(which);
  }
  void OpenOnExistingFile(RegistrationDialog which) {
    if (dialog_) dialog_->DestroyWindow();
    dialog_ = std::make_unique<CRegistrationDialog>(which);
    ASSERT_TRUE(dialog_->Create(CRegistrationDialog::TemplateOf(which), nullptr));
    ::ShowWindow(Dialog(), SW_SHOWNA);
  }

  std::string File() const { return ReadFileBytes(TemplateFile()); }

  void Drop(const std::vector<std::string>& paths) { SimulateDrop(Dialog(), paths); }

  TempFolder folder_;
  FakeSystem* fake_ = nullptr;
};

TEST_F(RegistrationDialogTest, FactoryFileOpensAndSavesUnchangedInEitherDialog) {
  for (RegistrationDialog which : {RegistrationDialog::DxfToDwg, RegistrationDialog::DwgToDxf}) {
    Open(which, FactoryTemplateFile());
    Click(IDC_REGISTER_SAVE);
    EXPECT_EQ(File(), FactoryTemplateFile());
    EXPECT_TRUE(fake_->messages.empty());
    EXPECT_TRUE(::IsWindowVisible(Dialog()));
  }
}

TEST_F(RegistrationDialogTest, EachDialogShowsItsOwnModesBlocks) {
  Open(RegistrationDialog::DxfToDwg, FactoryTemplateFile());
  EXPECT_EQ(GetWindowTextString(Dialog()), "ｺﾏﾝﾄﾞ登録1 DXF to DWG");
  EXPECT_EQ(Text(IDC_FIRST_INPUT), kFactoryEdit1);
  EXPECT_EQ(Text(IDC_FIRST_OUTPUT), "SAVE\r\n//ファイル名\r\n//E\r\n");
  EXPECT_EQ(Item(IDC_PRECISION), nullptr);

  Open(RegistrationDialog::DwgToDxf, FactoryTemplateFile());
  EXPECT_EQ(GetWindowTextString(Dialog()), "ｺﾏﾝﾄﾞ登録2 DWG to DXF");
  EXPECT_EQ(Text(IDC_FIRST_INPUT), "OPEN\r\n//ファイル名\r\n//E\r\n");
  EXPECT_EQ(Text(IDC_LATER_OUTPUT), "DXFOUT\r\n//ファイル名\r\n//精度\r\n//E\r\n");
  EXPECT_EQ(Text(IDC_PRECISION), "12");
}

TEST_F(RegistrationDialogTest, PrecisionListHoldsItsThreeValuesUnselected) {
  Open(RegistrationDialog::DwgToDxf, "05OPEN\r\n");
  HWND combo = Item(IDC_PRECISION);
  ASSERT_EQ(::SendMessageA(combo, CB_GETCOUNT, 0, 0), 3);
  std::vector<std::string> items;
  for (int i = 0; i < 3; ++i) {
    char text[16] = {};
    ::SendMessageA(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
    items.push_back(text);
  }
  EXPECT_EQ(items, (std::vector<std::string>{"16", "12", "6"}));
  EXPECT_EQ(::SendMessageA(combo, CB_GETCURSEL, 0, 0), CB_ERR);
  EXPECT_EQ(Text(IDC_PRECISION), "");  // no field-9 line
  Click(IDC_REGISTER_SAVE);
  EXPECT_EQ(File(), "05OPEN\r\n05\r\n06\r\n07\r\n08\r\n09\r\n");
}

TEST_F(RegistrationDialogTest, DefaultFillsTheFactoryTemplatesButOnlySaveWritesThem) {
  const std::string custom = "01A\r\n05B\r\n0916\r\n";
  Open(RegistrationDialog::DwgToDxf, custom);
  Click(IDC_REGISTER_DEFAULT);
  EXPECT_EQ(Text(IDC_FIRST_INPUT), "OPEN\r\n//ファイル名\r\n//E\r\n");
  EXPECT_EQ(Text(IDC_PRECISION), "12");
  EXPECT_EQ(File(), custom);
  Click(IDC_REGISTER_SAVE);
  EXPECT_EQ(File(),
            "01A\r\n"
            "05OPEN\r\n05//ファイル名\r\n05//E\r\n"
            "06DXFOUT\r\n06//ファイル名\r\n06//精度\r\n06//E\r\n"
            "07OPEN\r\n07//ファイル名\r\n07//E\r\n"
            "08DXFOUT\r\n08//ファイル名\r\n08//精度\r\n08//E\r\n"
            "0912\r\n");
}

TEST_F(RegistrationDialogTest, DefaultThenCloseLeavesTheFile) {
  Open(RegistrationDialog::DxfToDwg, "01A\r\n");
  Click(IDC_REGISTER_DEFAULT);
  Click(IDC_REGISTER_CLOSE);  // posts the close request
  MSG msg;
  ASSERT_TRUE(::PeekMessageA(&msg, Dialog(), WM_CLOSE, WM_CLOSE, PM_REMOVE));
  ::DispatchMessageA(&msg);
  EXPECT_FALSE(::IsWindowVisible(Dialog()));
  EXPECT_EQ(File(), "01A\r\n");
}

TEST_F(RegistrationDialogTest, EnterAndEscapeCloseNothing) {
  Open(RegistrationDialog::DxfToDwg, FactoryTemplateFile());
  Click(IDOK);
  Click(IDCANCEL);
  EXPECT_TRUE(::IsWindowVisible(Dialog()));
}

TEST_F(RegistrationDialogTest, TabGoesThroughTheEditsThenPrecisionThenTheButtons) {
  for (RegistrationDialog which : {RegistrationDialog::DxfToDwg, RegistrationDialog::DwgToDxf}) {
    Open(which, FactoryTemplateFile());
    std::vector<int> order;
    HWND at = Item(IDC_REGISTER_CLOSE);
    do {
      order.push_back(::GetDlgCtrlID(at));
      at = ::GetNextDlgTabItem(Dialog(), at, FALSE);
    } while (at != Item(IDC_REGISTER_CLOSE) && order.size() < 20);
    std::vector<int> expected = {IDC_REGISTER_CLOSE, IDC_FIRST_INPUT, IDC_FIRST_OUTPUT,
                                 IDC_LATER_INPUT, IDC_LATER_OUTPUT};
    if (which == RegistrationDialog::DwgToDxf) expected.push_back(IDC_PRECISION);
    expected.insert(expected.end(), {IDC_REGISTER_SAVE, IDC_REGISTER_DEFAULT});
    EXPECT_EQ(order, expected);
    dialog_->DestroyWindow();
  }
}

TEST_F(RegistrationDialogTest, EscapeTypedInAnyControlClosesNothing) {
  Open(RegistrationDialog::DwgToDxf, FactoryTemplateFile());
  ::ShowWindow(Dialog(), SW_SHOW);
  ::SetForegroundWindow(Dialog());
  for (int id : {IDC_FIRST_INPUT, IDC_FIRST_OUTPUT, IDC_LATER_INPUT, IDC_LATER_OUTPUT,
                 IDC_PRECISION, IDC_REGISTER_SAVE}) {
    SetText(IDC_FIRST_INPUT, "unsaved\r\n");
    ::SetFocus(Item(id));
    PressKey(VK_ESCAPE);
    ASSERT_TRUE(::IsWindowVisible(Dialog())) << id;
    EXPECT_EQ(Text(IDC_FIRST_INPUT), "unsaved\r\n");
  }
  // Alt+F4 still closes.
  PressKey(VK_F4, true);
  EXPECT_FALSE(::IsWindowVisible(Dialog()));
}

TEST_F(RegistrationDialogTest, BlockWithoutEndMarkerGainsALinePerCycle) {
  WriteFileBytes(TemplateFile(), "01A\r\n");
  for (const char* expected : {"01A\r\n01\r\n", "01A\r\n01\r\n01\r\n"}) {
    OpenOnExistingFile(RegistrationDialog::DxfToDwg);
    Click(IDC_REGISTER_SAVE);
    EXPECT_EQ(File().substr(0, std::string(expected).size()), expected);
  }
}

TEST_F(RegistrationDialogTest, FieldsComeBackGroupedInFieldOrder) {
  const std::string scattered = "05OPEN\r\n01NEW\r\n0912\r\n02SAVE\r\n05//E\r\n01//E\r\n02//E\r\n";
  Open(RegistrationDialog::DxfToDwg, scattered);
  EXPECT_EQ(Text(IDC_FIRST_INPUT), "NEW\r\n//E\r\n");
  Click(IDC_REGISTER_SAVE);
  EXPECT_EQ(File(), "01NEW\r\n01//E\r\n02SAVE\r\n02//E\r\n03\r\n04\r\n05OPEN\r\n05//E\r\n0912\r\n");

  Open(RegistrationDialog::DwgToDxf, scattered);
  Click(IDC_REGISTER_SAVE);
  EXPECT_EQ(File(),
            "01NEW\r\n01//E\r\n02SAVE\r\n02//E\r\n05OPEN\r\n05//E\r\n06\r\n07\r\n08\r\n0912\r\n");
}

TEST_F(RegistrationDialogTest, InvalidLinesAreReportedOneByOneAndDroppedOnSave) {
  const std::string line300 = "01" + std::string(298, 'x');
  Open(RegistrationDialog::DxfToDwg,
       "01A\r\n\r\n10ten\r\n-1minus\r\n0zero\r\n" + line300 + "\r\n01//E\n");
  // 300 bytes come as a piece of 254 and one of 46, whose number is "xx".
  EXPECT_EQ(fake_->MessageTexts(),
            (std::vector<std::string>{"登録ｺﾏﾝﾄﾞｴﾗｰ\n\r\n", "登録ｺﾏﾝﾄﾞｴﾗｰ\n10ten\r\n",
                                      "登録ｺﾏﾝﾄﾞｴﾗｰ\n-1minus\r\n", "登録ｺﾏﾝﾄﾞｴﾗｰ\n0zero\r\n",
                                      "登録ｺﾏﾝﾄﾞｴﾗｰ\n" + std::string(46, 'x') + "\r\n"}));
  EXPECT_EQ(fake_->beeps.size(), 5u);
  EXPECT_EQ(Text(IDC_FIRST_INPUT), "A\r\n" + std::string(252, 'x') + "\r\n//E\r\n");
  Click(IDC_REGISTER_SAVE);
  EXPECT_EQ(File(), "01A\r\n01" + std::string(252, 'x') + "\r\n01//E\r\n02\r\n03\r\n04\r\n");
}

// A load that fails half way (here: the first message box fails) leaves
// stores without the other mode's templates: Save refuses rather than erase them.
TEST_F(RegistrationDialogTest, ALoadThatFailsHalfWayCannotEraseTheOtherMode) {
  const std::string file = "05keep\r\n10bad\r\n01A\r\n";
  bool failed = false;
  fake_->onMessage = [&](const ShownMessage&) -> int {
    if (!failed) {
      failed = true;
      throw std::runtime_error("the message box could not be shown");
    }
    return IDOK;
  };
  for (bool byDrop : {false, true}) {
    failed = false;
    if (byDrop) {
      Open(RegistrationDialog::DxfToDwg, FactoryTemplateFile());
      WriteFileBytes(folder_ / "dropped.ini", file);
      Drop({folder_ / "dropped.ini"});
    } else {
      Open(RegistrationDialog::DxfToDwg, file);
    }
    const std::string before = File();
    fake_->messages.clear();
    Click(IDC_REGISTER_SAVE);
    EXPECT_EQ(File(), before) << byDrop;
    EXPECT_EQ(fake_->MessageTexts(),
              std::vector<std::string>{"ｺﾏﾝﾄﾞ登録ﾌｧｲﾙを読み込めなかったため保存できません。\n"
                                       "画面を閉じて開き直してください。"});
  }
  // A drop that loads whole makes Save work again.
  Drop({folder_ / "dropped.ini"});
  Click(IDC_REGISTER_SAVE);
  EXPECT_EQ(File(), "01A\r\n01\r\n02\r\n03\r\n04\r\n05keep\r\n");
}

TEST_F(RegistrationDialogTest, TypedLinesAreCutAt256BytesAndEndAtEitherMarker) {
  Open(RegistrationDialog::DxfToDwg, "");
  SetText(IDC_FIRST_INPUT, std::string(300, 'y') + "\r\n//E \r\nkept\r\n//e\r\ndropped\r\n");
  SetText(IDC_FIRST_OUTPUT, "//E\r\nafter the end\r\n");
  Click(IDC_REGISTER_SAVE);
  EXPECT_EQ(File(), "01" + std::string(256, 'y') +
                        "\r\n01//E \r\n01kept\r\n01//e\r\n02//E\r\n03\r\n04\r\n");
}

TEST_F(RegistrationDialogTest, LongBlocksAndPrecisionAreKeptWhole) {
  std::string block;
  for (int i = 0; i < 20; ++i) block += "08" + std::string(98, static_cast<char>('a' + i)) + "\r\n";
  ASSERT_EQ(block.size(), 2040u);
  const std::string precision40 = "09" + std::string(38, '7') + "\r\n";
  Open(RegistrationDialog::DxfToDwg, block + precision40);
  Click(IDC_REGISTER_SAVE);
  EXPECT_EQ(File(), "01\r\n02\r\n03\r\n04\r\n" + block + precision40);

  Open(RegistrationDialog::DwgToDxf, block + precision40);
  EXPECT_EQ(Text(IDC_PRECISION), std::string(38, '7'));
  Click(IDC_REGISTER_SAVE);
  // The edit's last empty line is written as a line of its own.
  EXPECT_EQ(File(), "05\r\n06\r\n07\r\n" + block + "08\r\n" + precision40);
}

TEST_F(RegistrationDialogTest, BareLineFeedsReadLikeCrLf) {
  Open(RegistrationDialog::DxfToDwg, "01A\n01//E\n05B\n");
  EXPECT_EQ(Text(IDC_FIRST_INPUT), "A\r\n//E\r\n");
  Click(IDC_REGISTER_SAVE);
  EXPECT_EQ(File(), "01A\r\n01//E\r\n02\r\n03\r\n04\r\n05B\r\n");
}

TEST_F(RegistrationDialogTest, MissingFileEndsTheProgram) {
  OpenOnExistingFile(RegistrationDialog::DwgToDxf);
  EXPECT_EQ(fake_->MessageTexts(),
            std::vector<std::string>{"ｺﾏﾝﾄﾞ登録ﾌｧｲﾙがないため実行を中断します。"});
  EXPECT_EQ(fake_->exitCodes, std::vector<UINT>{1});
}

TEST_F(RegistrationDialogTest, DropLoadsOnlyTheFirstFile) {
  Open(RegistrationDialog::DxfToDwg, FactoryTemplateFile());
  const std::string first = folder_ / "first.txt";
  const std::string second = folder_ / "second.ini";
  WriteFileBytes(first, "01FIRST\r\n05OTHER\r\n");
  WriteFileBytes(second, "01SECOND\r\n");
  // A first file whose name would reach the file functions as "Strase.txt",
  // the file beside it, changes nothing.
  WriteFileBytes(folder_ / "Strase.txt", "01LOOKALIKE\r\n");
  const std::wstring refused = WidePath(folder_.path()) + L"\\Stra\u00DFe.txt";
  ASSERT_TRUE(WriteFileBytes(refused, "01REFUSED\r\n"));
  SimulateDrop(Dialog(), std::vector<std::wstring>{refused, WidePath(first)});
  EXPECT_EQ(fake_->MessageTexts(),
            std::vector<std::string>{"ﾌｧｲﾙ名に使えない文字があるため開けません！"});
  EXPECT_EQ(fake_->beeps.size(), 1u);
  EXPECT_EQ(Text(IDC_FIRST_INPUT), kFactoryEdit1);

  Drop({first, second, folder_ / "third"});
  EXPECT_EQ(Text(IDC_FIRST_INPUT), "FIRST\r\n");
  EXPECT_EQ(Text(IDC_FIRST_OUTPUT), "");
  Click(IDC_REGISTER_SAVE);
  EXPECT_EQ(File(), "01FIRST\r\n01\r\n02\r\n03\r\n04\r\n05OTHER\r\n");
}

TEST_F(RegistrationDialogTest, DroppedFolderEmptiesTheDialog) {
  Open(RegistrationDialog::DwgToDxf, FactoryTemplateFile());
  Drop({folder_.path()});
  for (int id : {IDC_FIRST_INPUT, IDC_FIRST_OUTPUT, IDC_LATER_INPUT, IDC_LATER_OUTPUT})
    EXPECT_EQ(Text(id), "") << id;
  EXPECT_EQ(Text(IDC_PRECISION), "12");  // the drop leaves the combo box
  EXPECT_TRUE(fake_->messages.empty());
  Click(IDC_REGISTER_SAVE);
  EXPECT_EQ(File(), "05\r\n06\r\n07\r\n08\r\n0912\r\n");
}

TEST_F(RegistrationDialogTest, DroppedBinaryFileReportsItsInvalidLines) {
  Open(RegistrationDialog::DxfToDwg, FactoryTemplateFile());
  const std::string binary = folder_ / "drawing.dwg";
  WriteFileBytes(binary, std::string("AC1015\0\x01\x02", 9) + "\n01ok\n\x1a" + "01after");
  Drop({binary});
  // 0x1A ends the text: what follows is never read.
  EXPECT_EQ(
      fake_->MessageTexts(),
      std::vector<std::string>{"登録ｺﾏﾝﾄﾞｴﾗｰ\n" + std::string("AC1015\0\x01\x02", 9) + "\r\n"});
  EXPECT_EQ(Text(IDC_FIRST_INPUT), "ok\r\n");
}

TEST_F(RegistrationDialogTest, FailedSaveKeepsTheOldFileAndTheEdits) {
  Open(RegistrationDialog::DxfToDwg, FactoryTemplateFile());
  SetText(IDC_FIRST_INPUT, "CHANGED\r\n//E\r\n");
  auto held = std::make_unique<HeldOpen>(TemplateFile());  // another program has it open
  ASSERT_TRUE(held->held());
  Click(IDC_REGISTER_SAVE);
  EXPECT_EQ(fake_->MessageTexts(), std::vector<std::string>{"ｺﾏﾝﾄﾞﾌｧｲﾙの保存に失敗しました。"});
  EXPECT_EQ(fake_->beeps.size(), 1u);
  EXPECT_TRUE(fake_->exitCodes.empty());
  EXPECT_EQ(Text(IDC_FIRST_INPUT), "CHANGED\r\n//E\r\n");
  EXPECT_TRUE(::IsWindowVisible(Dialog()));
  EXPECT_FALSE(NewFileLeftIn(folder_.path()));
  held.reset();
  EXPECT_EQ(File(), FactoryTemplateFile());

  Click(IDC_REGISTER_SAVE);
  EXPECT_EQ(File().rfind("01CHANGED\r\n01//E\r\n02SAVE", 0), 0u);
}

// Pasted text the code page cannot carry refuses the Save, naming its field
// and line; nothing is written and the control keeps the text.
TEST_F(RegistrationDialogTest, TextTheCodePageCannotCarryRefusesTheSave) {
  Open(RegistrationDialog::DwgToDxf, FactoryTemplateFile());
  // Made by the wide function: on Windows the edits of an ANSI dialog would
  // keep only a look-alike of such text.
  EXPECT_TRUE(::IsWindowUnicode(Dialog()));
  const std::pair<int, const wchar_t*> rows[] = {{IDC_PRECISION, L"1\u00B2"},
                                                 {IDC_LATER_OUTPUT, L"A\r\nB\u00C9"}};
  for (const auto& [control, text] : rows) {
    ::SetWindowTextW(Item(control), text);
    Click(IDC_REGISTER_SAVE);
    EXPECT_EQ(WindowTextWide(Item(control)), text);
  }
  const std::string head = "Shift-JISで保存できない文字があります。\n";
  EXPECT_EQ(fake_->MessageTexts(),
            (std::vector<std::string>{head + "DXF精度: 1?",
                                      head + "２件目以降のﾌｧｲﾙ用 Output 2行目: B?"}));
  EXPECT_EQ(File(), FactoryTemplateFile());
}

TEST_F(RegistrationDialogTest, ReadOnlyTemplateFileIsReportedAndKept) {
  Open(RegistrationDialog::DxfToDwg, FactoryTemplateFile());
  ::SetFileAttributesA(TemplateFile().c_str(), FILE_ATTRIBUTE_READONLY);
  SetText(IDC_FIRST_INPUT, "CHANGED\r\n");
  Click(IDC_REGISTER_SAVE);
  ::SetFileAttributesA(TemplateFile().c_str(), FILE_ATTRIBUTE_NORMAL);
  EXPECT_EQ(fake_->MessageTexts(), std::vector<std::string>{"ｺﾏﾝﾄﾞﾌｧｲﾙの保存に失敗しました。"});
  EXPECT_EQ(File(), FactoryTemplateFile());
}

TEST_F(RegistrationDialogTest, AScriptSavedAfterwardsUsesTheNewTemplates) {
  Open(RegistrationDialog::DxfToDwg, FactoryTemplateFile());
  SetText(IDC_FIRST_INPUT, "NEW\r\n//ファイル名\r\nZOOM E\r\n//E\r\n");
  Click(IDC_REGISTER_SAVE);
  dialog_->DestroyWindow();
  dialog_.reset();

  CMainDialog main;
  ASSERT_TRUE(main.Create(IDD_MAIN, nullptr));
  const std::string out = folder_ / "out";
  ::CreateDirectoryA(out.c_str(), nullptr);
  main.SetDlgItemText(IDC_DESTINATION, out);
  main.SourceList().AddString("C:\\a.dxf");
  const std::string script = folder_ / "s.scr";
  fake_->onSaveFile = [&](OPENFILENAMEA& ofn) { return AnswerFileDialog(ofn, script); };
  ::SendMessageA(main.m_hWnd, WM_COMMAND, MAKEWPARAM(IDC_SAVE_SCRIPT, BN_CLICKED), 0);
  EXPECT_EQ(ReadFileBytes(script), "NEW\r\nC:\\a.dxf\r\nZOOM E\r\nSAVE\r\n" + out + "\\a.dwg\r\n");
  main.DestroyWindow();
}

}  // namespace

namespace {

POINT CentreOf(HWND hwnd) {
  RECT r{};
  ::GetWindowRect(hwnd, &r);
  return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

TEST(DialogPlacement, DialogsAtTheTemplateOriginAreCentredOverTheirOwner) {
  TempFolder folder;
  TestApp().ResetSystem();
  TestApp().moduleFileName = folder / "tewo.exe";
  WriteFileBytes(folder / "tewoc.ini", FactoryTemplateFile());
  CMainDialog main;
  ASSERT_TRUE(main.Create(IDD_MAIN, nullptr));
  RECT area{};
  ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
  const POINT mainCentre = CentreOf(main.m_hWnd);
  EXPECT_NEAR(mainCentre.x, (area.left + area.right) / 2, 1);
  EXPECT_NEAR(mainCentre.y, (area.top + area.bottom) / 2, 1);

  CRegistrationDialog registration(RegistrationDialog::DwgToDxf);
  ASSERT_TRUE(registration.Create(IDD_REGISTER_DWG_TO_DXF, &main));
  const POINT centre = CentreOf(registration.m_hWnd);
  EXPECT_NEAR(centre.x, mainCentre.x, 1);
  EXPECT_NEAR(centre.y, mainCentre.y, 1);
  registration.DestroyWindow();
  main.DestroyWindow();
}

}  // namespace
