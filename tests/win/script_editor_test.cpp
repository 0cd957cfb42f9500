#include <windows.h>
#include <dlgs.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/case_folding.h"
#include "common/file_write.h"
#include "common/path_split.h"
#include "editor/script_text.h"
#include "templates/registration_dialog.h"
#include "win/editor_fixture.h"

namespace {

using tewo::Selection;

const char kNotFound[] = "文字列が見つかりません";

TEST_F(EditorTest, OpensOnTheLastScriptCentredOverTheMainDialog) {
  const std::string script = Write("a.scr", "OPEN\nx.dwg\r\n");
  ASSERT_NE(OpenEditor(script), nullptr);
  EXPECT_TRUE(::IsWindowVisible(editor_));
  EXPECT_EQ(::GetWindow(editor_, GW_OWNER), Dialog());
  EXPECT_EQ(PathLine(), script);
  EXPECT_EQ(Text(), "OPEN\r\nx.dwg\r\n");
  EXPECT_EQ(Status(), "");
  EXPECT_EQ(::GetFocus(), EditorItem(IDC_EDITOR_TEXT));
  EXPECT_TRUE(fake_->messages.empty());
  RECT main{}, editor{};
  ::GetWindowRect(Dialog(), &main);
  ::GetWindowRect(editor_, &editor);
  EXPECT_NEAR((main.left + main.right) / 2, (editor.left + editor.right) / 2, 1);
  EXPECT_NEAR((main.top + main.bottom) / 2, (editor.top + editor.bottom) / 2, 1);

  // A second press only focuses the open editor; a newer script does not show.
  ::SetWindowTextA(EditorItem(IDC_EDITOR_TEXT), "typed");
  ::SetFocus(Dialog());
  const HWND first = editor_;
  EXPECT_EQ(OpenEditor(Write("b.scr", "other")), first);
  EXPECT_EQ(Text(), "typed");
  EXPECT_EQ(PathLine(), script);
}

TEST_F(EditorTest, WithoutASavedScriptStartsEmptyAndSilent) {
  ASSERT_NE(OpenEditor(), nullptr);
  EXPECT_EQ(PathLine(), "");
  EXPECT_EQ(Text(), "");
  EXPECT_TRUE(fake_->messages.empty());
  EXPECT_TRUE(fake_->beeps.empty());
}

TEST_F(EditorTest, LoadsAndSavesEveryLineWhole) {
  const std::string longLine(5000, 'L');
  const std::string file = "A\n" + std::string(300, 'm') + "\r\n" + longLine + "\n表\\x\x1Atail";
  const std::string script = Write("long.scr", file);
  OpenEditor(script);
  const std::string loaded = "A\r\n" + std::string(300, 'm') + "\r\n" + longLine + "\r\n表\\x";
  EXPECT_EQ(Text(), loaded);
  EditorCommand(ID_EDITOR_SAVE);
  EXPECT_EQ(ReadFileBytes(script), loaded);
  EXPECT_FALSE(NewFileLeftIn(tewo::FolderOf(script)));
  EXPECT_TRUE(fake_->messages.empty());
}

TEST_F(EditorTest, SizeRefusalsGreySaveForGood) {
  // One byte over the bound: the load stops.
  std::string big(tewo::kEditorTextBound - 1, 'b');
  big += "\r\n";
  OpenEditor(Write("ok.scr", "ok\r\n"));
  ::SendMessageA(editor_, WM_COMMAND, ID_EDITOR_NEW, 0);
  fake_->onOpenFile = [&](OPENFILENAMEA& ofn) {
    return AnswerFileDialog(ofn, Write("big.scr", big));
  };
  EditorCommand(ID_EDITOR_OPEN);
  EXPECT_EQ(fake_->MessageTexts(),
            std::vector<std::string>{"ﾌｧｲﾙが大きいため読込を中断しました！"});
  EXPECT_EQ(fake_->beeps.size(), 1u);
  EXPECT_EQ(Text(), "");
  EXPECT_FALSE(MenuEnabled(ID_EDITOR_SAVE));
  EXPECT_FALSE(MenuEnabled(ID_EDITOR_SAVE_AS));

  // New and a later successful open leave them greyed.
  EditorCommand(ID_EDITOR_NEW);
  fake_->onOpenFile = [&](OPENFILENAMEA& ofn) { return AnswerFileDialog(ofn, folder_ / "ok.scr"); };
  EditorCommand(ID_EDITOR_OPEN);
  EXPECT_EQ(Text(), "ok\r\n");
  EXPECT_FALSE(MenuEnabled(ID_EDITOR_SAVE));
  EXPECT_FALSE(MenuEnabled(ID_EDITOR_SAVE_AS));
}

TEST_F(EditorTest, TextTheTextAreaCannotHoldIsRefused) {
  // A NUL byte ends what the text area takes.
  OpenEditor(Write("binary.scr", std::string("ab\0cd\r\n", 7)));
  EXPECT_EQ(fake_->MessageTexts(), std::vector<std::string>{"ﾌｧｲﾙが大きいため表示できません！"});
  EXPECT_EQ(Text(), "");
  EXPECT_FALSE(MenuEnabled(ID_EDITOR_SAVE));
}

// What the user types or pastes stays within what the editor saves and loads
// again, also where the control counts characters and a character is two bytes.
TEST_F(EditorTest, TypingStopsAtTheBytesTheEditorLoads) {
  std::string file;
  while (file.size() + 80 <= tewo::kEditorTextBound - 10) file += std::string(78, 'x') + "\r\n";
  file += std::string(tewo::kEditorTextBound - 10 - file.size(), 'y');
  OpenEditor(Write("full.scr", file));
  ASSERT_EQ(Text().size(), file.size());
  Select(static_cast<int>(file.size()), static_cast<int>(file.size()));
  ::SendMessageA(EditorItem(IDC_EDITOR_TEXT), EM_REPLACESEL, TRUE,
                 reinterpret_cast<LPARAM>("アアアアアアアアアア"));
  const std::string typed = Text();
  EXPECT_LE(typed.size(), tewo::kEditorTypingBound);
  EXPECT_GE(typed.size(), tewo::kEditorTypingBound - 1);  // up to the last whole character
  EditorCommand(ID_EDITOR_SAVE);
  const auto loaded = tewo::LoadScriptFile(folder_ / "full.scr");
  ASSERT_TRUE(loaded.has_value());
  EXPECT_FALSE(loaded->refused);
  EXPECT_EQ(loaded->text.size(), typed.size());
}

// Once with edits that count characters, then with ones that count bytes as Windows' ANSI edits do.
class EachUnit : public EditorTest, public ::testing::WithParamInterface<bool> {};
INSTANTIATE_TEST_SUITE_P(CharactersThenBytes, EachUnit, ::testing::Bool());

// Double-byte characters before the matches: selections, the first search
// text, Find Next and Replace keep to the same bytes.
TEST_P(EachUnit, SelectionsFindsAndReplacementsInBytes) {
  fake_->editsCountBytes = GetParam();
  OpenEditor(Write("a.scr", "図面ア open\r\nOPEN 表\\ open"));
  Select(2, 6);
  EXPECT_EQ(Selected(), (Selection{2, 6}));
  EditorCommand(ID_EDITOR_REPLACE);
  HWND replace = FindDialog();
  ASSERT_NE(replace, nullptr);
  EXPECT_EQ(GetWindowTextString(::GetDlgItem(replace, edt1)), "面ア");
  ::SetDlgItemTextA(replace, edt1, "open");
  ::SetDlgItemTextA(replace, edt2, "表示");
  auto press = [&](int id) { ::SendMessageA(replace, WM_COMMAND, id, 0); };
  Select(0, 0);
  for (const Selection& found : {Selection{7, 11}, Selection{13, 17}, Selection{22, 26}}) {
    press(IDOK);
    EXPECT_EQ(Selected(), found);
  }
  Select(13, 17);  // chosen by the user: replaced, and the next one selected
  press(psh1);
  EXPECT_EQ(Selected(), (Selection{22, 26}));
  press(psh1);
  EXPECT_EQ(Text(), "図面ア open\r\n表示 表\\ 表示");
  EXPECT_EQ(Selected(), (Selection{22, 22}));
  EXPECT_EQ(Status(), kNotFound);
  // "é", which would be its look-alike "e", is neither put in nor searched
  // for, and a text holding it is not replaced in.
  ::SetWindowTextW(::GetDlgItem(replace, edt2), L"\u00E9");
  press(psh2);
  ::SetWindowTextW(EditorItem(IDC_EDITOR_TEXT), L"\u00E9 open");  // "e open" where bytes count
  ::SetDlgItemTextA(replace, edt2, "x");
  press(psh2);
  ::SetWindowTextW(::GetDlgItem(replace, edt1), L"\u00E9");
  press(IDOK);
  EXPECT_EQ(Status(), kNotFound);
  const std::string head = "Shift-JISで保存できない文字があります。\n";
  std::vector<std::string> refused{head + "置換後の文字列: ?", head + "1行目: ? open"};
  if (GetParam()) refused.pop_back();  // bytes hold "e open"
  EXPECT_EQ(fake_->MessageTexts(), refused);
}

// Typed as an input method hands it on, "ア" and "é" arrive whole in every
// kind of edit through the tool's loop, and Save refuses the "é" as pasted.
// Esc ends the find dialog only; Alt+F4 closes the main dialog.
TEST_F(EditorTest, TypedTextArrivesWholeAndKeysKeepTheirWork) {
  WriteFileBytes(folder_ / "tewoc.ini", FactoryTemplateFile());
  CRegistrationDialog registration(tewo::RegistrationDialog::DxfToDwg);
  ASSERT_TRUE(registration.Create(IDD_REGISTER_DXF_TO_DWG, nullptr));
  OpenEditor();
  EditorCommand(ID_EDITOR_FIND);
  const HWND find = FindDialog();
  for (HWND edit : {registration.GetDlgItem(IDC_FIRST_INPUT), Item(IDC_DESTINATION),
                    ::GetDlgItem(find, edt1), EditorItem(IDC_EDITOR_TEXT)}) {
    ::ShowWindow(::GetAncestor(edit, GA_ROOT), SW_SHOW);
    ::SetForegroundWindow(::GetAncestor(edit, GA_ROOT));
    ::SetWindowTextW(edit, L"");
    ::SetFocus(edit);
    for (WORD c : {0x30A2, 0xE9}) TypeKey(c, false, true);
    Pump(150);
    EXPECT_EQ(WindowTextWide(edit), L"\u30A2\u00E9");
    PressKey(VK_ESCAPE);
  }
  EditorCommand(ID_EDITOR_SAVE_AS);
  EXPECT_EQ(fake_->MessageTexts(),
            std::vector<std::string>{"Shift-JISで保存できない文字があります。\n1行目: ア?"});
  EXPECT_FALSE(::IsWindow(find));
  EXPECT_TRUE(::IsWindowVisible(registration.m_hWnd) && ::IsWindowVisible(Dialog()));
  ::SetForegroundWindow(Dialog());
  PressKey(VK_F4, true);
  EXPECT_FALSE(::IsWindowVisible(Dialog()));
  registration.DestroyWindow();
}

TEST_F(EditorTest, AFileThatCannotBeOpenedKeepsTheTextUnderTheNewName) {
  OpenEditor(Write("a.scr", "kept\r\n"));
  const std::string missing = folder_ / "missing.scr";
  fake_->onOpenFile = [&](OPENFILENAMEA& ofn) { return AnswerFileDialog(ofn, missing); };
  EditorCommand(ID_EDITOR_OPEN);
  EXPECT_EQ(PathLine(), missing);
  EXPECT_EQ(Text(), "kept\r\n");
  EXPECT_TRUE(fake_->messages.empty());
  EXPECT_TRUE(MenuEnabled(ID_EDITOR_SAVE));
  // Save writes the old text under the new name.
  EditorCommand(ID_EDITOR_SAVE);
  EXPECT_EQ(ReadFileBytes(missing), "kept\r\n");
}

TEST_F(EditorTest, DropsLoadTheFirstFileAndIgnoreFolders) {
  OpenEditor(Write("a.scr", "a"));
  SimulateDrop(editor_, {folder_.path()});
  EXPECT_EQ(PathLine(), folder_ / "a.scr");
  EXPECT_EQ(Text(), "a");
  // The shell gives a drop to the window under the cursor that accepts files,
  // or to its nearest parent that does: over the text area, the window.
  EXPECT_EQ(::GetWindowLongA(EditorItem(IDC_EDITOR_TEXT), GWL_EXSTYLE) & WS_EX_ACCEPTFILES, 0);
  EXPECT_NE(::GetWindowLongA(editor_, GWL_EXSTYLE) & WS_EX_ACCEPTFILES, 0);
  const std::string first = Write("first.txt", "first");
  SimulateDrop(editor_, {first, Write("second.scr", "second")});
  EXPECT_EQ(PathLine(), first);
  EXPECT_EQ(Text(), "first");
}

// "Straße.scr" would reach the file functions as "Strase.scr", the file
// beside it; a pasted "é" would be saved as a look-alike.
TEST_F(EditorTest, NamesAndTextTheCodePageCannotHoldAreNeitherOpenedNorSaved) {
  const std::string current = Write("a.scr", "current");
  const std::string lookAlike = Write("Strase.scr", "other file");
  const std::wstring refused = WidePath(folder_.path()) + L"\\Stra\u00DFe.scr";
  ASSERT_TRUE(WriteFileBytes(refused, "its own text"));
  OpenEditor(current);
  auto answer = [&](OPENFILENAMEW& ofn) { return AnswerFileDialog(ofn, refused, {}); };
  fake_->onOpenFileWide = answer;
  EditorCommand(ID_EDITOR_OPEN);
  SimulateDrop(editor_, std::vector<std::wstring>{refused, WidePath(lookAlike)});
  EXPECT_EQ(Text(), "current");
  ::SetWindowTextA(EditorItem(IDC_EDITOR_TEXT), "edited");
  fake_->onSaveFileWide = answer;
  EditorCommand(ID_EDITOR_SAVE_AS);
  EXPECT_EQ(fake_->MessageTexts(),
            (std::vector<std::string>{"ﾌｧｲﾙ名に使えない文字があるため開けません！",
                                      "ﾌｧｲﾙ名に使えない文字があるため開けません！",
                                      "ﾌｧｲﾙ名に使えない文字があるため保存できません！"}));
  EXPECT_EQ(fake_->beeps.size(), 3u);
  EXPECT_EQ(PathLine(), current);
  EXPECT_EQ(Text(), "edited");
  EXPECT_EQ(ReadFileBytes(lookAlike), "other file");
  EXPECT_EQ(ReadFileBytes(refused), "its own text");
  EXPECT_EQ(ReadFileBytes(current), "current");

  // Pasted text the code page cannot carry is refused before a name is asked
  // for: its line is named (a long one cut), nothing written, the text kept.
  fake_->messages.clear();
  const std::pair<int, std::wstring> rows[] = {
      {ID_EDITOR_SAVE, L"OPEN\r\n\u56F3\u00DF\r\n"},
      {ID_EDITOR_SAVE_AS, L"a\r\n" + std::wstring(70, L'x') + L"\u00E9"}};
  for (const auto& [command, text] : rows) {
    ::SetWindowTextW(EditorItem(IDC_EDITOR_TEXT), text.c_str());
    EditorCommand(command);
    EXPECT_EQ(WindowTextWide(EditorItem(IDC_EDITOR_TEXT)), text);
  }
  const std::string head = "Shift-JISで保存できない文字があります。\n2行目: ";
  EXPECT_EQ(fake_->MessageTexts(),
            (std::vector<std::string>{head + "図?", head + std::string(60, 'x') + "…"}));
  EXPECT_EQ(fake_->saveDialogs, 1);  // only the refused name's above
  EXPECT_EQ(ReadFileBytes(current), "current");

  // The user may choose again.
  ::SetWindowTextA(EditorItem(IDC_EDITOR_TEXT), "edited");
  fake_->onSaveFileWide = nullptr;
  const std::string chosen = folder_ / "chosen.scr";
  fake_->onSaveFile = [&](OPENFILENAMEA& ofn) { return AnswerFileDialog(ofn, chosen); };
  EditorCommand(ID_EDITOR_SAVE_AS);
  EXPECT_EQ(PathLine(), chosen);
  EXPECT_EQ(ReadFileBytes(chosen), "edited");
}

TEST_F(EditorTest, SaveWithoutAPathAsksForOneAndCancelWritesNothing) {
  OpenEditor();
  ::SetWindowTextA(EditorItem(IDC_EDITOR_TEXT), "new\r\ntext");
  OPENFILENAMEA asked{};
  std::string title, initial;
  fake_->onSaveFile = [&](OPENFILENAMEA& ofn) {
    title = ofn.lpstrTitle;
    asked = ofn;
    return FALSE;
  };
  EditorCommand(ID_EDITOR_SAVE);
  EXPECT_EQ(fake_->saveDialogs, 1);
  EXPECT_EQ(title, "名前をつけて保存");
  EXPECT_TRUE(asked.Flags & OFN_OVERWRITEPROMPT);
  EXPECT_EQ(PathLine(), "");

  const std::string chosen = folder_ / "chosen.scr";
  fake_->onSaveFile = [&](OPENFILENAMEA& ofn) { return AnswerFileDialog(ofn, chosen); };
  EditorCommand(ID_EDITOR_SAVE);
  EXPECT_EQ(PathLine(), chosen);
  EXPECT_EQ(ReadFileBytes(chosen), "new\r\ntext");
  // An empty text saves as an empty file.
  EditorCommand(ID_EDITOR_NEW);
  ::SetWindowTextA(EditorItem(IDC_EDITOR_PATH), chosen.c_str());
  EditorCommand(ID_EDITOR_SAVE);
  EXPECT_EQ(ReadFileBytes(chosen), "");
}

TEST_F(EditorTest, FailedSaveKeepsTheOldFileTheTextAndTheWindow) {
  const std::string script = Write("a.scr", "old\r\n");
  OpenEditor(script);
  ::SetWindowTextA(EditorItem(IDC_EDITOR_TEXT), "new text");
  // Another program holds the file open, then the file is read-only.
  {
    const HeldOpen held(script);
    EditorCommand(ID_EDITOR_SAVE);
  }
  ::SetFileAttributesA(script.c_str(), FILE_ATTRIBUTE_READONLY);
  EditorCommand(ID_EDITOR_SAVE);
  ::SetFileAttributesA(script.c_str(), FILE_ATTRIBUTE_NORMAL);
  EXPECT_EQ(fake_->MessageTexts(), (std::vector<std::string>{"ｽｸﾘﾌﾟﾄﾌｧｲﾙの保存に失敗しました。",
                                                             "ｽｸﾘﾌﾟﾄﾌｧｲﾙの保存に失敗しました。"}));
  EXPECT_EQ(fake_->beeps.size(), 2u);
  EXPECT_TRUE(fake_->exitCodes.empty());
  EXPECT_EQ(ReadFileBytes(script), "old\r\n");
  EXPECT_TRUE(::IsWindow(editor_));
  EXPECT_EQ(Text(), "new text");
  EXPECT_EQ(PathLine(), script);
  EditorCommand(ID_EDITOR_SAVE);
  EXPECT_EQ(ReadFileBytes(script), "new text");
}

TEST_F(EditorTest, KeysCloseNothingAndTabIsSwallowed) {
  OpenEditor(Write("a.scr", "line\r\n"));
  ::SetForegroundWindow(editor_);
  ::SetFocus(EditorItem(IDC_EDITOR_TEXT));
  Select(0, 0);
  PressKey(VK_TAB);
  EXPECT_EQ(Text(), "line\r\n");
  EXPECT_EQ(::GetFocus(), EditorItem(IDC_EDITOR_TEXT));
  PressKey(VK_ESCAPE);
  ASSERT_TRUE(::IsWindow(editor_));
  EXPECT_TRUE(::IsWindowVisible(editor_));
  PressKey(VK_RETURN);
  EXPECT_EQ(Text(), "\r\nline\r\n");  // Enter makes a line break
  ASSERT_TRUE(::IsWindow(editor_));
  PressKey(VK_F4, true);  // Alt+F4 closes
  EXPECT_FALSE(::IsWindow(editor_));
  EXPECT_TRUE(::IsWindow(Dialog()));
}

TEST_F(EditorTest, ExitAndTheCloseBoxDestroyTheWindow) {
  OpenEditor();
  EditorCommand(ID_EDITOR_EXIT);
  EXPECT_FALSE(::IsWindow(editor_));
  OpenEditor();
  ::SendMessageA(editor_, WM_SYSCOMMAND, SC_CLOSE, 0);
  EXPECT_FALSE(::IsWindow(editor_));
}

TEST_F(EditorTest, SelectionComesBackWithTheFocus) {
  OpenEditor(Write("a.scr", "表ア abc\r\nline two\r\n"));
  Select(4, 7);
  ::SetFocus(Dialog());
  Select(0, 0);  // what the text area shows meanwhile does not count
  ::SetFocus(EditorItem(IDC_EDITOR_TEXT));
  EXPECT_EQ(Selected(), (Selection{4, 7}));
}

class FindReplaceTest : public EditorTest {
 protected:
  // Opens the find (or replace) dialog from the menu and types into it.
  HWND OpenDialog(int command, const std::string& find, const std::string& replace = "",
                  bool matchCase = false) {
    EditorCommand(command);
    HWND dialog = FindDialog();
    if (dialog == nullptr) return nullptr;
    ::SetDlgItemTextA(dialog, edt1, find.c_str());
    if (command == ID_EDITOR_REPLACE) ::SetDlgItemTextA(dialog, edt2, replace.c_str());
    SetMatchCase(dialog, matchCase);
    return dialog;
  }
  static void SetMatchCase(HWND dialog, bool on) {
    ::SendDlgItemMessageA(dialog, chx2, BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0);
    ::SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(chx2, BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(dialog, chx2)));
  }
  static void Press(HWND dialog, int id) {
    ::SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(dialog, id)));
    Pump(10);
  }
};

TEST_F(FindReplaceTest, FindOpensWithTheSelectionAndTheDialogsLook) {
  OpenEditor(Write("a.scr", "xx OPEN yy"));
  Select(3, 7);
  EditorCommand(ID_EDITOR_FIND);
  HWND find = FindDialog();
  ASSERT_NE(find, nullptr);
  EXPECT_EQ(GetWindowTextString(::GetDlgItem(find, edt1)), "OPEN");
  EXPECT_FALSE(::IsWindowVisible(::GetDlgItem(find, chx1)));  // no whole word
  EXPECT_TRUE(::IsWindowVisible(::GetDlgItem(find, chx2)));
  EXPECT_EQ(::SendDlgItemMessageA(find, chx2, BM_GETCHECK, 0, 0), BST_UNCHECKED);
  EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(find, rad2)));  // direction fixed

  // Choosing Find again only focuses it; Replace closes it and opens its own.
  ::SetDlgItemTextA(find, edt1, "typed");
  ::SetWindowTextA(EditorItem(IDC_EDITOR_STATUS), "old");
  EditorCommand(ID_EDITOR_FIND);
  EXPECT_EQ(FindDialog(), find);
  EXPECT_EQ(GetWindowTextString(::GetDlgItem(find, edt1)), "typed");
  EXPECT_EQ(Status(), "");
  EditorCommand(ID_EDITOR_REPLACE);
  EXPECT_FALSE(::IsWindow(find));
  HWND replace = FindDialog();
  ASSERT_NE(replace, nullptr);
  EXPECT_NE(::GetDlgItem(replace, edt2), nullptr);
  EXPECT_EQ(GetWindowTextString(::GetDlgItem(replace, edt1)), "OPEN");
}

TEST_F(FindReplaceTest, FindNextWalksForwardByCharacters) {
  OpenEditor(Write("a.scr", "アA ａ Ａ a"));  // ア's trail byte is "A"
  Select(0, 0);
  HWND find = OpenDialog(ID_EDITOR_FIND, "a");
  ASSERT_NE(find, nullptr);
  // The notification's number is every program's: one that is not the open
  // dialog's is ignored, whatever its lParam points at.
  FINDREPLACEA foreign{};
  foreign.lStructSize = sizeof foreign;
  foreign.Flags = FR_FINDNEXT;
  foreign.lCustData = 0x10;
  for (LPARAM lp : {LPARAM{0}, LPARAM{0x10}, reinterpret_cast<LPARAM>(&foreign)}) {
    ::SendMessageA(editor_, ::RegisterWindowMessageA(FINDMSGSTRINGA), 0, lp);
  }
  EXPECT_EQ(Selected(), (Selection{0, 0}));
  const std::vector<Selection> expected = {{2, 3}, {10, 11}};
  for (const Selection& s : expected) {
    Press(find, IDOK);
    EXPECT_EQ(Selected(), s);
  }
  Press(find, IDOK);  // no wrap
  EXPECT_EQ(Status(), kNotFound);
  EXPECT_EQ(Selected(), (Selection{10, 11}));

  // Full-width ａ finds Ａ with folding on, and only itself with match case.
  Select(0, 0);
  ::SetDlgItemTextA(find, edt1, "ａ");
  Press(find, IDOK);
  EXPECT_EQ(Selected(), (Selection{4, 6}));
  Press(find, IDOK);
  EXPECT_EQ(Selected(), (Selection{7, 9}));
  Select(0, 0);
  SetMatchCase(find, true);
  Press(find, IDOK);
  EXPECT_EQ(Selected(), (Selection{4, 6}));
  Press(find, IDOK);
  EXPECT_EQ(Selected(), (Selection{4, 6}));
  EXPECT_EQ(Status(), kNotFound);
}

TEST_F(FindReplaceTest, ReplaceAndReplaceAll) {
  OpenEditor(Write("a.scr", "aaa"));
  HWND replace = OpenDialog(ID_EDITOR_REPLACE, "a", "aa");
  ASSERT_NE(replace, nullptr);
  Press(replace, psh2);  // Replace All
  EXPECT_EQ(Text(), "aaaaaa");
  EXPECT_EQ(Status(), "3個の文字列を置換しました");
  ::SetDlgItemTextA(replace, edt1, "x");
  Press(replace, psh2);
  EXPECT_EQ(Text(), "aaaaaa");
  EXPECT_EQ(Status(), "0個の文字列を置換しました");

  // Each press replaces the occurrence at the caret and selects the next.
  ::SetWindowTextA(EditorItem(IDC_EDITOR_TEXT), "表\\ \\ x");
  Select(2, 2);
  ::SetDlgItemTextA(replace, edt1, "\\");
  ::SetDlgItemTextA(replace, edt2, "");
  Press(replace, psh1);
  EXPECT_EQ(Text(), "表 \\ x");
  EXPECT_EQ(Selected(), (Selection{3, 4}));
  Press(replace, psh1);
  EXPECT_EQ(Text(), "表  x");
  EXPECT_EQ(Selected(), (Selection{3, 3}));  // the caret where the last one was
  EXPECT_EQ(Status(), kNotFound);
}

TEST_F(FindReplaceTest, SearchTextsOfOneAnd127Bytes) {
  const std::string long127(127, 'q');
  OpenEditor(Write("a.scr", "x" + long127 + "qqq y"));
  // A selection of 130 bytes gives a search text cut to 127.
  Select(1, 131);
  EditorCommand(ID_EDITOR_FIND);
  HWND find = FindDialog();
  ASSERT_NE(find, nullptr);
  EXPECT_EQ(GetWindowTextString(::GetDlgItem(find, edt1)), long127);
  Select(0, 0);
  Press(find, IDOK);
  EXPECT_EQ(Selected(), (Selection{1, 128}));
  ::SetDlgItemTextA(find, edt1, "y");
  Press(find, IDOK);
  EXPECT_EQ(Selected(), (Selection{132, 133}));
}

TEST_F(FindReplaceTest, ReplaceAllOverTheBoundChangesNothing) {
  const std::string text(tewo::kEditorTextBound / 2 + 10, 'a');
  OpenEditor(Write("a.scr", text));
  HWND replace = OpenDialog(ID_EDITOR_REPLACE, "a", "bb");
  ASSERT_NE(replace, nullptr);
  Press(replace, psh2);
  EXPECT_EQ(fake_->MessageTexts(), std::vector<std::string>{"ﾌｧｲﾙが大きいため置換できません！"});
  EXPECT_TRUE(fake_->beeps.empty());
  EXPECT_EQ(Text().size(), text.size());
  EXPECT_TRUE(MenuEnabled(ID_EDITOR_SAVE));
  EXPECT_TRUE(MenuEnabled(ID_EDITOR_SAVE_AS));
}

TEST_F(FindReplaceTest, ClosingTheDialogRemembersTheLastMatch) {
  OpenEditor(Write("a.scr", "one two one"));
  HWND find = OpenDialog(ID_EDITOR_FIND, "two");
  Press(find, IDOK);
  EXPECT_EQ(Selected(), (Selection{4, 7}));
  Press(find, IDCANCEL);
  Pump(50);
  EXPECT_FALSE(::IsWindow(find));
  ::SetFocus(Dialog());
  ::SetFocus(EditorItem(IDC_EDITOR_TEXT));
  EXPECT_EQ(Selected(), (Selection{4, 7}));
  // The next Find opens a new dialog with the selection as its text.
  EditorCommand(ID_EDITOR_FIND);
  ASSERT_NE(FindDialog(), nullptr);
  EXPECT_EQ(GetWindowTextString(::GetDlgItem(FindDialog(), edt1)), "two");
}

TEST_F(FindReplaceTest, TheFoldingMatchesTheSystemsUpperCase) {
  // Every double-byte character of the code page, folded by the system and by the tool.
  for (unsigned lead = 0x81; lead <= 0xFC; ++lead) {
    if (lead > 0x9F && lead < 0xE0) continue;
    for (unsigned trail = 0x40; trail <= 0xFC; ++trail) {
      if (trail == 0x7F) continue;
      char bytes[3] = {static_cast<char>(lead), static_cast<char>(trail), 0};
      WCHAR wide[2] = {};
      if (::MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, bytes, 2, wide, 2) != 1) continue;
      char system[3] = {bytes[0], bytes[1], 0};
      ::CharUpperBuffA(system, 2);
      const unsigned expected =
          (static_cast<unsigned char>(system[0]) << 8) | static_cast<unsigned char>(system[1]);
      EXPECT_EQ(
          tewo::FoldDoubleByte(static_cast<unsigned char>(lead), static_cast<unsigned char>(trail)),
          expected)
          << std::hex << lead << " " << trail;
    }
  }
}

}  // namespace
