#include <cstring>
#include <new>

#include "framework/ansi_name.h"
#include "win/keyboard.h"
#include "win/main_dialog_fixture.h"

namespace {

const char kSaved[] = "ｽｸﾘﾌﾟﾄﾌｧｲﾙを保存しました！";
const char kSaveFailed[] = "ｽｸﾘﾌﾟﾄﾌｧｲﾙの保存ができませんでした！";
const std::string kNotMade = "変換先のﾌｫﾙﾀﾞを作成できませんでした！\n";

// What the save dialog was asked with.
struct SaveDialogCall {
  std::string proposedName;
  std::string title;
  std::string filter;  // with its NUL separators
  std::string defaultExtension;
  std::string initialDir;
  DWORD flags = 0;
  std::string currentDirectory;
};

// The drawings these tests name are not on disk: unless told otherwise, no
// folder but the test's own is listed, and every file looked at alone is there.
struct SourcesThere : tewo::FileCalls {
  std::wstring ownFolder;
  bool pretend = true;
  HANDLE FindFirst(const wchar_t* pattern, WIN32_FIND_DATAW* data) const override {
    const bool listed = !pretend || std::wstring_view(pattern).rfind(ownFolder, 0) == 0;
    if (!listed) ::SetLastError(ERROR_PATH_NOT_FOUND);
    return listed ? FileCalls::FindFirst(pattern, data) : INVALID_HANDLE_VALUE;
  }
  BOOL AttributeDataWide(const wchar_t* path, WIN32_FILE_ATTRIBUTE_DATA* data) const override {
    *data = {};
    return pretend || FileCalls::AttributeDataWide(path, data);
  }
};

class SaveScriptTest : public MainDialogTest {
 protected:
  void SetUp() override {
    MainDialogTest::SetUp();
    sourcesThere_.ownFolder = WidePath(folder_.path());
    fake_->files = &sourcesThere_;
    WriteFileBytes(folder_ / "tewoc.ini", FactoryTemplateFile());
    ::CreateDirectoryA(Destination().c_str(), nullptr);
    ::CreateDirectoryA(ScriptFolder().c_str(), nullptr);
  }

  std::string Destination() const { return folder_ / "out"; }
  std::string ScriptFolder() const { return folder_ / "scripts"; }

  // The user confirms the save dialog with path.
  void AnswerSave(const std::string& path) {
    fake_->onSaveFile = [this, path](OPENFILENAMEA& ofn) {
      SaveDialogCall call;
      call.proposedName = ofn.lpstrFile;
      call.title = ofn.lpstrTitle ? ofn.lpstrTitle : "";
      const char* f = ofn.lpstrFilter;
      while (f && *f) {
        call.filter += std::string(f) + '|';
        f += std::strlen(f) + 1;
      }
      call.defaultExtension = ofn.lpstrDefExt ? ofn.lpstrDefExt : "";
      call.initialDir = ofn.lpstrInitialDir ? ofn.lpstrInitialDir : "";
      call.flags = ofn.Flags;
      char cwd[MAX_PATH] = {};
      ::GetCurrentDirectoryA(MAX_PATH, cwd);
      call.currentDirectory = cwd;
      calls_.push_back(call);
      return AnswerFileDialog(ofn, path);
    };
  }

  void Save() { Click(IDC_SAVE_SCRIPT); }

  std::vector<SaveDialogCall> calls_;
  SourcesThere sourcesThere_;
};

TEST_F(SaveScriptTest, DxfToDwgWithFactoryTemplates) {
  SetText(IDC_DESTINATION, Destination());
  AddEntries({"C:\\data\\a.dxf", "C:\\data\\b.dxf"});
  const std::string script = ScriptFolder() + "\\dxftodwg.scr";
  AnswerSave(script);
  Save();

  const std::string out = Destination() + "\\";
  EXPECT_EQ(Text(IDC_DESTINATION), out);
  EXPECT_EQ(ReadFileBytes(script), "NEW  DXFIN\r\nC:\\data\\a.dxf\r\nSAVE\r\n" + out +
                                       "a.dwg\r\nNEW  DXFIN\r\nC:\\data\\b.dxf\r\nSAVE\r\n" + out +
                                       "b.dwg\r\n");
  EXPECT_EQ(Text(IDC_STATUS), kSaved);
  EXPECT_TRUE(fake_->messages.empty());
  EXPECT_TRUE(fake_->beeps.empty());
  EXPECT_EQ(dialog_->lastScriptPath, script);
  EXPECT_EQ(dialog_->scriptFolder, ScriptFolder() + "\\");
  EXPECT_FALSE(CloseRequested());

  ASSERT_EQ(calls_.size(), 1u);
  EXPECT_EQ(calls_[0].proposedName, "dxftodwg.scr");
  EXPECT_EQ(calls_[0].title, "ｽｸﾘﾌﾟﾄﾌｧｲﾙの保存");
  EXPECT_EQ(calls_[0].filter, "SCRﾌｧｲﾙ(*.scr)|*.scr|All Files(*.*)|*.*|");
  EXPECT_EQ(calls_[0].defaultExtension, "scr");
  EXPECT_TRUE(calls_[0].flags & OFN_HIDEREADONLY);
  EXPECT_FALSE(calls_[0].flags & OFN_OVERWRITEPROMPT);
  EXPECT_FALSE(calls_[0].flags & OFN_ALLOWMULTISELECT);
}

TEST_F(SaveScriptTest, DwgToDxfQuotesPathsWithBlanksAndWritesThePrecision) {
  ::SendMessageA(Item(IDC_DWG_TO_DXF), BM_CLICK, 0, 0);
  SetText(IDC_DESTINATION, Destination() + "\\");
  AddEntries({"C:\\my data\\a.dwg", "C:\\data\\b.dwg"});
  const std::string script = ScriptFolder() + "\\x.scr";
  AnswerSave(script);
  Save();
  const std::string out = Destination() + "\\";
  EXPECT_EQ(ReadFileBytes(script), "OPEN\r\n\"C:\\my data\\a.dwg\"\r\nDXFOUT\r\n" + out +
                                       "a.dxf\r\n12\r\nOPEN\r\nC:\\data\\b.dwg\r\nDXFOUT\r\n" +
                                       out + "b.dxf\r\n12\r\n");
  ASSERT_EQ(calls_.size(), 1u);
  EXPECT_EQ(calls_[0].proposedName, "dwgtodxf.scr");
}

TEST_F(SaveScriptTest, AScriptNameTheCodePageCannotHoldWritesNothing) {
  SetText(IDC_DESTINATION, Destination());
  AddEntries({"C:\\d\\a.dxf"});
  const std::string lookAlike = ScriptFolder() + "\\Strase.scr";
  WriteFileBytes(lookAlike, "old");
  fake_->onSaveFileWide = [&](OPENFILENAMEW& ofn) {
    return AnswerFileDialog(ofn, WidePath(ScriptFolder()), {L"Stra\u00DFe.scr"});
  };
  Save();
  EXPECT_EQ(fake_->MessageTexts(),
            std::vector<std::string>{"ﾌｧｲﾙ名に使えない文字があるため保存できません！"});
  EXPECT_EQ(ReadFileBytes(lookAlike), "old");
  EXPECT_FALSE(FileExists(ScriptFolder() + "\\Stra?e.scr"));
  EXPECT_EQ(Text(IDC_STATUS), "");
  EXPECT_TRUE(dialog_->lastScriptPath.empty());
}

TEST_F(SaveScriptTest, AFailureInsideTheOperationIsReportedAsAFailedSave) {
  SetText(IDC_DESTINATION, Destination());
  AddEntries({"C:\\d\\a.dxf"});
  fake_->onSaveFile = [](OPENFILENAMEA&) -> BOOL { throw std::bad_alloc(); };
  Save();
  EXPECT_EQ(fake_->MessageTexts(),
            std::vector<std::string>{"ｽｸﾘﾌﾟﾄﾌｧｲﾙの保存ができませんでした！"});
  EXPECT_EQ(fake_->beeps.size(), 1u);
  EXPECT_EQ(Text(IDC_STATUS), "");
}

TEST_F(SaveScriptTest, ProposedNameAndStartFolderFollowTheLastScript) {
  SetText(IDC_DESTINATION, Destination());
  AddEntries({"C:\\data\\a.dxf"});
  AnswerSave(ScriptFolder() + "\\dxftodwg.scr");
  Save();
  ::SendMessageA(Item(IDC_DWG_TO_DXF), BM_CLICK, 0, 0);
  AnswerSave(ScriptFolder() + "\\mine.scr");
  Save();  // the default name of the other mode is not proposed again
  ::SendMessageA(Item(IDC_DXF_TO_DWG), BM_CLICK, 0, 0);
  Save();  // a name of the user's own is
  ASSERT_EQ(calls_.size(), 3u);
  EXPECT_EQ(calls_[1].proposedName, "dwgtodxf.scr");
  EXPECT_EQ(calls_[2].proposedName, "mine.scr");
  EXPECT_EQ(calls_[1].initialDir, ScriptFolder() + "\\");
  EXPECT_EQ(calls_[1].currentDirectory, ScriptFolder());
}

TEST_F(SaveScriptTest, AnExistingScriptIsReplacedWithoutAQuestion) {
  SetText(IDC_DESTINATION, Destination());
  AddEntries({"C:\\a.dxf"});
  const std::string script = ScriptFolder() + "\\old.scr";
  WriteFileBytes(script, std::string(5000, 'x'));
  AnswerSave(script);
  Save();
  EXPECT_EQ(
      ReadFileBytes(script).size(),
      std::string("NEW  DXFIN\r\nC:\\a.dxf\r\nSAVE\r\n" + Destination() + "\\a.dwg\r\n").size());
  EXPECT_TRUE(fake_->messages.empty());
}

TEST_F(SaveScriptTest, DestinationEndingInATrailByte5CGetsItsBackslash) {
  const std::string folder = folder_ / "出力表";  // 表 ends in byte 0x5C
  ASSERT_TRUE(::CreateDirectoryA(folder.c_str(), nullptr));
  SetText(IDC_DESTINATION, folder);
  AddEntries({"C:\\図面能\\a.dxf"});
  const std::string script = ScriptFolder() + "\\s.scr";
  AnswerSave(script);
  Save();
  EXPECT_EQ(Text(IDC_DESTINATION), folder + "\\");
  EXPECT_EQ(ReadFileBytes(script),
            "NEW  DXFIN\r\nC:\\図面能\\a.dxf\r\nSAVE\r\n" + folder + "\\a.dwg\r\n");
}

struct RefusedInput {
  const char* name;
  std::string destination;  // "<out>" stands for the existing destination folder
  std::vector<std::string> entries;
  std::string message;
  int focus;
  std::string fieldAfter;  // "<out>\" for the destination with its backslash
};

class SaveScriptRefusalTest : public SaveScriptTest,
                              public ::testing::WithParamInterface<RefusedInput> {};

TEST_P(SaveScriptRefusalTest, ReportsAndStopsBeforeTheSaveDialog) {
  const RefusedInput& input = GetParam();
  // "<ss>" stands for "ß", which code page 932 cannot hold: the field is
  // written and read in wide form.
  auto expand = [&](std::string text) {
    auto at = text.find("<out>");
    if (at != std::string::npos) text.replace(at, 5, Destination());
    std::wstring wide = WidePath(text);
    for (at = wide.find(L"<ss>"); at != std::wstring::npos; at = wide.find(L"<ss>"))
      wide.replace(at, 4, L"\u00DF");
    return wide;
  };
  // The look-alike of "Stra<ss>e", which must not stand in for it.
  ::CreateDirectoryA((Destination() + "\\Strase").c_str(), nullptr);
  ::SetFocus(Item(IDC_SAVE_SCRIPT));
  ::SetWindowTextW(Item(IDC_DESTINATION), expand(input.destination).c_str());
  AddEntries(input.entries);
  AnswerSave(ScriptFolder() + "\\never.scr");
  Save();
  EXPECT_EQ(fake_->MessageTexts(), std::vector<std::string>{input.message});
  ASSERT_EQ(fake_->messages.size(), 1u);
  EXPECT_EQ(fake_->messages[0].caption, "TEWO");
  EXPECT_EQ(fake_->messages[0].type, static_cast<UINT>(MB_OK));
  EXPECT_EQ(fake_->messages[0].owner, Dialog());
  EXPECT_EQ(fake_->beeps, std::vector<UINT>{0});
  EXPECT_EQ(fake_->saveDialogs, 0);
  EXPECT_EQ(::GetFocus(), Item(input.focus));
  EXPECT_EQ(WindowTextWide(Item(IDC_DESTINATION)), expand(input.fieldAfter));
  EXPECT_FALSE(FileExists(ScriptFolder() + "\\never.scr"));
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, SaveScriptRefusalTest,
    ::testing::Values(
        RefusedInput{
            "empty", "", {"C:\\a.dxf"}, "変換先ﾌｫﾙﾀﾞが指定されていません！", IDC_DESTINATION, ""},
        RefusedInput{"blanks",
                     "   ",
                     {"C:\\a.dxf"},
                     "変換先ﾌｫﾙﾀﾞが指定されていません！",
                     IDC_DESTINATION,
                     "   "},
        RefusedInput{"relative to the current folder of a drive",
                     "D:out",
                     {"C:\\a.dxf"},
                     "変換先ﾌｫﾙﾀﾞはﾌﾙﾊﾟｽで指定してください！\n"
                     "例 D:\\変換後\\ または \\\\ｻｰﾊﾞｰ名\\共有名\\変換後\\",
                     IDC_DESTINATION,
                     "D:out"},
        RefusedInput{"missing",
                     "<out>\\nowhere",
                     {"C:\\a.dxf"},
                     "変換先ﾌｫﾙﾀﾞが存在しないか又は書き込み禁止です！",
                     IDC_DESTINATION,
                     "<out>\\nowhere\\"},
        RefusedInput{"blank inside",
                     "<out> x",
                     {"C:\\a.dxf"},
                     "変換先ﾌｫﾙﾀﾞが存在しないか又は書き込み禁止です！",
                     IDC_DESTINATION,
                     "<out> x\\"},
        RefusedInput{"name the code page cannot hold",
                     "<out>\\Stra<ss>e",
                     {"C:\\a.dxf"},
                     "変換先ﾌｫﾙﾀﾞ名に使えない文字があります！",
                     IDC_DESTINATION,
                     "<out>\\Stra<ss>e"},
        RefusedInput{"no entries",
                     "<out>",
                     {},
                     "変換元ファイルが選択されていません！",
                     IDC_SOURCE_LIST,
                     "<out>\\"},
        RefusedInput{"same name",
                     "<out>",
                     {"C:\\a\\x.dxf", "C:\\b\\y.dxf", "D:\\b\\x.dxf"},
                     "同一名のﾌｧｲﾙが選択されているため保存できません！",
                     IDC_SOURCE_LIST,
                     "<out>\\"}),
    [](const ::testing::TestParamInfo<RefusedInput>& info) {
      std::string name = info.param.name;
      for (char& c : name) {
        if (c == ' ') c = '_';
      }
      return name;
    });

TEST_F(SaveScriptTest, SameNamesAreSelectedAndTheCheckLeavesTheStatus) {
  SetText(IDC_DESTINATION, Destination());
  AddEntries({"C:\\a\\x.dxf", "C:\\b\\y.dxf", "D:\\b\\x.dxf", "C:\\c\\X.dxf", "C:\\c\\x.dwg"});
  std::string statusDuringMessage;
  fake_->onMessage = [&](const ShownMessage&) {
    statusDuringMessage = Text(IDC_STATUS);
    return IDOK;
  };
  Save();
  // X.dxf and x.dxf name one file; x.dwg another.
  EXPECT_EQ(Selected(), (std::vector<int>{0, 2, 3}));
  EXPECT_EQ(fake_->MessageTexts(),
            std::vector<std::string>{"同一名のﾌｧｲﾙが選択されているため保存できません！"});
  // The check is over: its progress text does not stand beside the message.
  EXPECT_EQ(statusDuringMessage, "");
  EXPECT_EQ(Text(IDC_STATUS), "");
}

// The destination refused for access: its listing (refused > 0) and each
// look at an output (refused > 1).
struct RefusingCalls : SourcesThere {
  int refused = 0;
  HANDLE FindFirst(const wchar_t* pattern, WIN32_FIND_DATAW* data) const override {
    return refused > 0 ? Denied(INVALID_HANDLE_VALUE) : SourcesThere::FindFirst(pattern, data);
  }
  DWORD AttributesWide(const wchar_t* path) const override {
    return refused > 1 ? Denied(INVALID_FILE_ATTRIBUTES) : FileCalls::AttributesWide(path);
  }
  BOOL AttributeDataWide(const wchar_t* path, WIN32_FILE_ATTRIBUTE_DATA* data) const override {
    return refused > 1 && !pretend ? Denied(FALSE) : SourcesThere::AttributeDataWide(path, data);
  }
  template <class T>
  static T Denied(T failure) {
    ::SetLastError(ERROR_ACCESS_DENIED);
    return failure;
  }
};

// Outputs that already exist would stop AutoCAD at its replace question: the
// user is asked first, and Cancel leaves everything as it was.
TEST_F(SaveScriptTest, ExistingOutputsAreCountedBeforeTheSaveDialog) {
  SetText(IDC_DESTINATION, Destination());
  AddEntries(
      {" C:\\d\\a.dxf ", "C:\\d\\b.dxf", "C:\\d\\c.dxf", "C:\\d\\Strase.dxf", "C:\\d\\σ.dxf"});
  WriteFileBytes(Destination() + "\\a.dwg", "drawing");
  WriteFileBytes(Destination() + "\\c.dwg", "drawing");
  WriteFileBytes(Destination() + "\\b.dxf", "the source type does not count");
  const std::string script = ScriptFolder() + "\\s.scr";
  AnswerSave(script);
  std::vector<ShownMessage> questions;
  int answer = IDCANCEL;
  fake_->onMessage = [&](const ShownMessage& shown) {
    questions.push_back(shown);
    return answer;
  };
  Save();
  ASSERT_EQ(questions.size(), 1u);
  EXPECT_EQ(questions[0].text,
            "変換先に同じ名前のﾌｧｲﾙが2個あります。\nAutoCADが上書きの確認で止まります。"
            "ｽｸﾘﾌﾟﾄを保存しますか？");
  EXPECT_EQ(questions[0].caption, "TEWO");
  EXPECT_EQ(questions[0].type, UINT{MB_OKCANCEL | MB_ICONQUESTION});
  EXPECT_EQ(questions[0].owner, Dialog());
  EXPECT_TRUE(fake_->beeps.empty());
  EXPECT_EQ(fake_->saveDialogs, 0);
  EXPECT_FALSE(FileExists(script));
  EXPECT_TRUE(dialog_->lastScriptPath.empty());

  answer = IDOK;
  Save();
  EXPECT_EQ(questions.size(), 2u);
  EXPECT_EQ(fake_->saveDialogs, 1);
  EXPECT_EQ(Text(IDC_STATUS), kSaved);

  // Without an existing output nothing is asked.
  ::DeleteFileA((Destination() + "\\a.dwg").c_str());
  ::DeleteFileA((Destination() + "\\c.dwg").c_str());
  Save();
  EXPECT_EQ(questions.size(), 2u);
  EXPECT_EQ(fake_->saveDialogs, 2);

  // Outputs are looked at in wide form ("Straße.dwg" is no "Strase.dwg"). A
  // refused listing (1) gives way to a look at each output; when that is
  // refused too (2), the user is asked.
  const std::tuple<const wchar_t*, int, const char*> rows[] = {
      {L"Stra\u00DFe.dwg", 0, nullptr},
      {L"Stra\u00DFe.dwg", 1, nullptr},
      {L"\u03C2.dwg", 0, "変換先に同じ名前のﾌｧｲﾙが1個あります。"},  // "σ.dwg" folded
      {L"a.dwg", 1, "変換先に同じ名前のﾌｧｲﾙが1個あります。"},
      {L"a.dwg", 2, "変換先のﾌｧｲﾙを確認できませんでした。\n同じ名前のﾌｧｲﾙがあると"}};
  RefusingCalls calls;
  fake_->files = &calls;
  for (const auto& [name, refused, question] : rows) {
    const std::wstring file = WidePath(Destination()) + L"\\" + name;
    ASSERT_TRUE(WriteFileBytes(file, "drawing"));
    calls.refused = refused;
    questions.clear();
    Save();
    ASSERT_EQ(questions.size(), question ? 1u : 0u);
    EXPECT_TRUE(!question || questions[0].text.rfind(question, 0) == 0);
    ::DeleteFileW(file.c_str());
  }

  // Drawings that are gone stop AutoCAD at their OPEN: they are selected and
  // the user asked first, also when their folder cannot be listed (1), and
  // when neither it nor they can be looked at (2). A look-alike is no match.
  const std::string src = folder_ / "src\\";
  WriteTree(src, "drawing", "a.dxf");
  WriteFileBytes(WidePath(src) + L"Stra\u00DFe.dxf", "drawing");
  dialog_->SourceList().ResetContent();
  AddEntries({src + "A.DXF", src + "gone.dxf", "Q:\\gone\\b.dxf", src + "Strase.dxf"});
  calls.pretend = false;
  answer = IDCANCEL;
  const int saveDialogs = fake_->saveDialogs;
  const std::string gone = "変換元ﾌｧｲﾙが3個見つかりません。\n";
  const std::pair<int, std::string> goneRows[] = {
      {0, gone + "AutoCADが途中で止まります。ｽｸﾘﾌﾟﾄを保存しますか？"},
      {1, gone},
      {2, "変換元ﾌｧｲﾙを確認できませんでした。\nないﾌｧｲﾙがあるとAutoCADが途中で止まります。"}};
  for (const auto& [refused, question] : goneRows) {
    calls.refused = refused;
    questions.clear();
    Save();
    ASSERT_EQ(questions.size(), 1u) << refused;
    EXPECT_EQ(questions[0].text.rfind(question, 0), 0u) << refused;
    EXPECT_EQ(Selected(), (std::vector<int>{1, 2, 3})) << refused;  // (2) leaves the selection
    EXPECT_EQ(::GetFocus(), Item(IDC_SOURCE_LIST));
  }
  EXPECT_EQ(fake_->saveDialogs, saveDialogs);
  fake_->files = nullptr;
}

TEST_F(SaveScriptTest, CancelledSaveDialogChangesNothing) {
  SetText(IDC_DESTINATION, Destination());
  AddEntries({"C:\\a.dxf"});
  SetText(IDC_STATUS, "old");
  Save();  // no answer: the user cancels
  EXPECT_EQ(fake_->saveDialogs, 1);
  EXPECT_TRUE(fake_->messages.empty());
  EXPECT_EQ(Text(IDC_STATUS), "");
  EXPECT_TRUE(dialog_->lastScriptPath.empty());
  EXPECT_TRUE(dialog_->scriptFolder.empty());
}

TEST_F(SaveScriptTest, MissingTemplateFileEndsTheProgramWithoutAScript) {
  ::DeleteFileA((folder_ / "tewoc.ini").c_str());
  SetText(IDC_DESTINATION, Destination());
  AddEntries({"C:\\a.dxf"});
  const std::string script = ScriptFolder() + "\\s.scr";
  AnswerSave(script);
  Save();
  EXPECT_EQ(fake_->MessageTexts(),
            std::vector<std::string>{"ｺﾏﾝﾄﾞ登録ﾌｧｲﾙがないため実行を中断します。"});
  EXPECT_EQ(fake_->exitCodes, std::vector<UINT>{1});
  EXPECT_FALSE(FileExists(script));
  EXPECT_EQ(dialog_->lastScriptPath, script);
}

TEST_F(SaveScriptTest, InvalidFieldNumberIsReportedTheScriptWrittenAndTheWindowClosed) {
  const std::string longLine = "10" + std::string(300, 'z');
  WriteFileBytes(folder_ / "tewoc.ini",
                 "01NEW\r\n" + longLine.substr(0, 250) + "\r\n\r\n01//ファイル名\r\n");
  SetText(IDC_DESTINATION, Destination());
  AddEntries({"C:\\a.dxf"});
  const std::string script = ScriptFolder() + "\\s.scr";
  AnswerSave(script);
  Save();
  EXPECT_EQ(
      fake_->MessageTexts(),
      (std::vector<std::string>{"登録ｺﾏﾝﾄﾞｴﾗｰ\n" + longLine.substr(0, 250), "登録ｺﾏﾝﾄﾞｴﾗｰ\n"}));
  EXPECT_EQ(ReadFileBytes(script), "NEW\r\nC:\\a.dxf\r\n");
  EXPECT_EQ(Text(IDC_STATUS), kSaved);
  EXPECT_TRUE(CloseRequested());
  EXPECT_TRUE(fake_->exitCodes.empty());
}

TEST_F(SaveScriptTest, ScriptThatCannotBeCreatedIsReported) {
  SetText(IDC_DESTINATION, Destination());
  AddEntries({"C:\\a.dxf"});
  // A folder of that name stands where the script would go.
  const std::string script = ScriptFolder() + "\\taken.scr";
  ASSERT_TRUE(::CreateDirectoryA(script.c_str(), nullptr));
  AnswerSave(script);
  Save();
  EXPECT_EQ(fake_->MessageTexts(), std::vector<std::string>{kSaveFailed});
  EXPECT_EQ(dialog_->lastScriptPath, script);
  EXPECT_EQ(dialog_->scriptFolder, ScriptFolder() + "\\");
  EXPECT_NE(Text(IDC_STATUS), kSaved);
}

TEST_F(SaveScriptTest, ReplacingAScriptKeepsWhatTheUserSetOnIt) {
  SetText(IDC_DESTINATION, Destination());
  AddEntries({"C:\\a.dxf"});
  const std::string script = ScriptFolder() + "\\kept.scr";
  WriteFileBytes(script, "old\r\n");
  ::SetFileAttributesA(script.c_str(), FILE_ATTRIBUTE_READONLY);
  AnswerSave(script);
  Save();
  ::SetFileAttributesA(script.c_str(), FILE_ATTRIBUTE_NORMAL);
  EXPECT_EQ(fake_->MessageTexts(), std::vector<std::string>{kSaveFailed});
  EXPECT_EQ(ReadFileBytes(script), "old\r\n");
  EXPECT_FALSE(NewFileLeftIn(ScriptFolder()));

  // A hidden script stays hidden, and the user's own file of a like name stays.
  WriteFileBytes(script + ".new", "mine");
  ::SetFileAttributesA(script.c_str(), FILE_ATTRIBUTE_HIDDEN);
  Save();
  EXPECT_EQ(Text(IDC_STATUS), kSaved);
  EXPECT_EQ(ReadFileBytes(script).rfind("NEW  DXFIN\r\nC:\\a.dxf\r\n", 0), 0u);
  EXPECT_NE(::GetFileAttributesA(script.c_str()) & FILE_ATTRIBUTE_HIDDEN, 0u);
  EXPECT_NE(::GetFileAttributesA(script.c_str()) & FILE_ATTRIBUTE_ARCHIVE, 0u);  // new content
  EXPECT_EQ(ReadFileBytes(script + ".new"), "mine");
  EXPECT_FALSE(NewFileLeftIn(ScriptFolder()));

  // A script path as long as the system takes is replaced too.
  for (std::size_t length : {256u, 259u}) {
    const std::string longScript =
        ScriptFolder() + "\\" + std::string(length - ScriptFolder().size() - 5, 'L') + ".scr";
    ASSERT_EQ(longScript.size(), length);
    ASSERT_TRUE(WriteFileBytes(longScript, "old\r\n"));
    AnswerSave(longScript);
    Save();
    EXPECT_EQ(ReadFileBytes(longScript).rfind("NEW  DXFIN\r\n", 0), 0u) << length;
  }
}

TEST_F(SaveScriptTest, EntriesAreTrimmedAndLongPathsWrittenWhole) {
  SetText(IDC_DESTINATION, Destination());
  const std::string longName(300, 'n');
  AddEntries({"  C:\\data\\a.dxf  ", "C:\\data\\" + longName + ".dxf"});
  const std::string script = ScriptFolder() + "\\s.scr";
  AnswerSave(script);
  Save();
  const std::string out = Destination() + "\\";
  EXPECT_EQ(ReadFileBytes(script), "NEW  DXFIN\r\nC:\\data\\a.dxf\r\nSAVE\r\n" + out +
                                       "a.dwg\r\nNEW  DXFIN\r\nC:\\data\\" + longName +
                                       ".dxf\r\nSAVE\r\n" + out + longName + ".dwg\r\n");
}

// An output counts when it is there and not older than the script saved last;
// the destination is checked and looked at as for the save.
TEST_F(SaveScriptTest, CheckSelectsTheEntriesNotConverted) {
  const std::string out = Destination() + "\\", script = ScriptFolder() + "\\s.scr";
  WriteFileBytes(out + "b.dwg", "older than the script");
  ::Sleep(50);
  WriteFileBytes(script, "script");
  ::Sleep(50);
  WriteTree(out, "", "a.dwg|D.DWG");  // D: another letter case; c.dwg is missing
  AddEntries({"C:\\s\\a.dxf", "C:\\s\\b.dxf", "C:\\s\\c.dxf", "C:\\s\\d.dxf"});
  RefusingCalls calls;
  calls.pretend = false;
  fake_->files = &calls;
  fake_->onMessage = [](const ShownMessage&) { return IDNO; };
  const std::string ask = "未変換の図面だけをﾘｽﾄに残しますか？";
  const std::string noTimes =
      "変換済み 3個 / 未変換 1個\n保存したｽｸﾘﾌﾟﾄがないため時刻は比較していません";
  // destination, script saved, refusals, status after, selection after, message
  const std::tuple<std::string, bool, int, std::string, std::vector<int>, std::string> rows[] = {
      {out, true, 0, "変換済み 2個 / 未変換 2個", {1, 2}, ask},
      {out, true, 1, "変換済み 2個 / 未変換 2個", {1, 2}, ask},
      {out, false, 0, noTimes, {2}, ask},
      {out, true, 2, "old", {0}, "変換先のﾌｧｲﾙを確認できませんでした！"},
      {" ", true, 0, "old", {0}, "変換先ﾌｫﾙﾀﾞが指定されていません！"},
      {out + "no", true, 0, "old", {0}, "変換先ﾌｫﾙﾀﾞが存在しないか又は書き込み禁止です！"},
  };
  for (const auto& [destination, saved, refused, status, selected, message] : rows) {
    SetText(IDC_DESTINATION, destination);
    dialog_->lastScriptPath = saved ? script : "";
    calls.refused = refused;
    fake_->messages.clear();
    SetText(IDC_STATUS, "old");
    dialog_->SourceList().SetSel(-1, false);
    dialog_->SourceList().SetSel(0);
    Command(ID_CHECK_RESULTS);
    EXPECT_EQ(Text(IDC_STATUS), status) << status;
    EXPECT_EQ(Selected(), selected) << status;
    EXPECT_EQ(fake_->MessageTexts(), std::vector<std::string>{message}) << status;
    EXPECT_EQ(dialog_->SourceList().GetCount(), 4);
  }
}

// Folder making through the file calls: call number failingCall is refused.
struct FolderCalls : tewo::FileCalls {
  int failingCall = 0;
  mutable int calls = 0;
  BOOL CreateFolder(const char* path) const override {
    if (++calls != failingCall) return FileCalls::CreateFolder(path);
    ::SetLastError(ERROR_ACCESS_DENIED);
    return FALSE;
  }
};

// The worked example with the user's keys (Alt+K, Space on the button), an
// output already in 1F counted; then refusals and folders that cannot be made.
TEST_F(SaveScriptTest, KeptTreeWorkedExampleAndRefusals) {
  const std::string proj = folder_ / "p", out = Destination() + "\\";
  std::vector<std::string> entries;
  const auto addDrawings = [&](const std::string& names) {
    entries = WriteTree(proj + "\\", "drawing", names);
    dialog_->SourceList().ResetContent();
    AddEntries(entries);
  };
  addDrawings("1F\\平面図.dwg|2F\\平面図.dwg|表紙.dwg");
  WriteTree(out, "converted before", "1F\\平面図.dxf");
  ::SendMessageA(Item(IDC_DWG_TO_DXF), BM_CLICK, 0, 0);
  dialog_->sourceFolder = proj + "\\";
  SetText(IDC_DESTINATION, Destination());
  AnswerSave(ScriptFolder() + "\\t.scr");
  ::SetForegroundWindow(Dialog());
  PressKey('K', true);
  ::SetFocus(Item(IDC_SAVE_SCRIPT));
  PressKey(VK_SPACE);
  EXPECT_EQ(fake_->MessageTexts().at(0).rfind("変換先に同じ名前のﾌｧｲﾙが1個あります。", 0), 0u);
  EXPECT_EQ(ReadFileBytes(ScriptFolder() + "\\t.scr"),
            "OPEN\r\n" + entries[0] + "\r\nDXFOUT\r\n" + out + "1F\\平面図.dxf\r\n12\r\nOPEN\r\n" +
                entries[1] + "\r\nDXFOUT\r\n" + out + "2F\\平面図.dxf\r\n12\r\nOPEN\r\n" +
                entries[2] + "\r\nDXFOUT\r\n" + out + "表紙.dxf\r\n12\r\n");
  EXPECT_EQ(Text(IDC_STATUS), std::string(kSaved) + "\nﾌｫﾙﾀﾞを1個作成しました。");

  const std::string deep = out + std::string(100, 'd'), L(150, 'L');
  // entries, destination, failing call, message, selection, folders below the destination after
  const std::tuple<std::string, std::string, int, std::string, int, std::string> kRows[] = {
      {"a\\x.dwg|" + L + "\\y.dwg", deep + "\\", 0,
       "変換先のﾊﾟｽが長すぎるため保存できません！\n" + proj + "\\" + L + "\\y.dwg", 1, ""},
      {"a\\b\\x.dwg|c\\y.dwg", out, 2, kNotMade + out + "a\\b", -1, "a "},
      {"a\\b\\x.dwg|f\\y.dwg", out, 0, kNotMade + out + "f", -1, "a a\\b "},  // f: a file
  };
  for (const auto& [names, destination, failingCall, message, selected, folders] : kRows) {
    RemoveTree(Destination());
    WriteTree(destination, "a file where a folder is needed", "f");
    FolderCalls calls;
    calls.failingCall = failingCall;
    fake_->files = &calls;
    addDrawings(names);
    SetText(IDC_DESTINATION, destination);
    Save();
    EXPECT_EQ(fake_->MessageTexts().back(), message) << names;
    EXPECT_EQ(Selected(), selected < 0 ? std::vector<int>{} : std::vector<int>{selected});
    std::string there;
    for (std::string folder : {"a", "a\\b", "c"})
      there += FileExists(destination + folder) ? folder + " " : "";
    EXPECT_EQ(there, folders) << names;
  }
  fake_->files = nullptr;
}

}  // namespace
