#include <cstring>

#include "win/main_dialog_fixture.h"

namespace {

// The answer of a multiple selection: the folder, then each name.
BOOL AnswerMultiSelect(OPENFILENAMEA& ofn, const std::string& folder,
                       const std::vector<std::string>& names) {
  std::string buffer = folder + '\0';
  for (const std::string& name : names) buffer += name + '\0';
  buffer += '\0';
  if (buffer.size() > ofn.nMaxFile) return FALSE;
  std::memcpy(ofn.lpstrFile, buffer.data(), buffer.size());
  return TRUE;
}

struct OpenDialogCall {
  std::string title;
  std::string filter;
  std::string initialDir;
  std::string currentDirectory;
  DWORD flags = 0;
  DWORD bufferBytes = 0;
  bool emptyBuffer = false;
};

class SourceListTest : public MainDialogTest {
 protected:
  // The user picks names in folder.
  void AnswerOpen(const std::string& folder, const std::vector<std::string>& names) {
    fake_->onOpenFile = [this, folder, names](OPENFILENAMEA& ofn) {
      OpenDialogCall call;
      call.title = ofn.lpstrTitle ? ofn.lpstrTitle : "";
      for (const char* f = ofn.lpstrFilter; f && *f; f += std::strlen(f) + 1)
        call.filter += std::string(f) + '|';
      call.initialDir = ofn.lpstrInitialDir ? ofn.lpstrInitialDir : "";
      char cwd[MAX_PATH] = {};
      ::GetCurrentDirectoryA(MAX_PATH, cwd);
      call.currentDirectory = cwd;
      call.flags = ofn.Flags;
      call.bufferBytes = ofn.nMaxFile;
      call.emptyBuffer = ofn.lpstrFile[0] == '\0';
      calls_.push_back(call);
      return names.size() == 1 ? AnswerFileDialog(ofn, folder + "\\" + names[0])
                               : AnswerMultiSelect(ofn, folder, names);
    };
  }
  void HoldKey(int key) { fake_->keyStates[key] = static_cast<SHORT>(0x8000); }
  std::vector<std::string> Entries() const { return dialog_->SourceList().GetAllTexts(); }

  // Drops paths on the list box as the shell does.
  void Drop(const std::vector<std::string>& paths) { SimulateDrop(Item(IDC_SOURCE_LIST), paths); }

  std::string Touch(const std::string& name) {
    const std::string path = folder_ / name;
    WriteFileBytes(path, "");
    return path;
  }

  std::vector<OpenDialogCall> calls_;
};

TEST_F(SourceListTest, ChoosingTakesTheModesFilesInAnyCaseAndRejectsTheRest) {
  dialog_->SourceList().AddString("C:\\old.dxf");
  AnswerOpen("C:\\data", {"a.DXF", "b.dxf", "c.dwg", "d.Dxf"});
  Click(IDC_CHOOSE_SOURCES);
  EXPECT_EQ(Entries(),
            (std::vector<std::string>{"C:\\data\\a.DXF", "C:\\data\\b.dxf", "C:\\data\\d.Dxf"}));
  EXPECT_EQ(Text(IDC_COUNT_LABEL), "FILE=3");
  EXPECT_EQ(Text(IDC_STATUS), "DXFﾌｧｲﾙではありません\nc.dwg");
  EXPECT_EQ(fake_->beeps, std::vector<UINT>{0});
  EXPECT_EQ(dialog_->sourceFolder, "C:\\data\\");

  ASSERT_EQ(calls_.size(), 1u);
  EXPECT_EQ(calls_[0].title, "変換元 DXFﾌｧｲﾙの選択");
  EXPECT_EQ(calls_[0].filter, "DXFﾌｧｲﾙ(*.dxf)|*.dxf|DWGﾌｧｲﾙ(*.dwg)|*.dwg|All Files(*.*)|*.*|");
  EXPECT_TRUE(calls_[0].flags & OFN_ALLOWMULTISELECT);
  EXPECT_TRUE(calls_[0].flags & OFN_HIDEREADONLY);
  EXPECT_EQ(calls_[0].bufferBytes, 129500u);
  EXPECT_TRUE(calls_[0].emptyBuffer);
}

TEST_F(SourceListTest, DwgModeUsesItsOwnTitleFilterAndRejection) {
  ::SendMessageA(Item(IDC_DWG_TO_DXF), BM_CLICK, 0, 0);
  AnswerOpen("C:\\data", {"a.dwg", "b.dxf.bak", "noext", "e.DWG"});
  Click(IDC_CHOOSE_SOURCES);
  EXPECT_EQ(Entries(), (std::vector<std::string>{"C:\\data\\a.dwg", "C:\\data\\e.DWG"}));
  EXPECT_EQ(Text(IDC_STATUS), "DWGﾌｧｲﾙではありません\nnoext");
  EXPECT_EQ(fake_->beeps.size(), 2u);
  ASSERT_EQ(calls_.size(), 1u);
  EXPECT_EQ(calls_[0].title, "変換元 DWGﾌｧｲﾙの選択");
  EXPECT_EQ(calls_[0].filter, "DWGﾌｧｲﾙ(*.dwg)|*.dwg|DXFﾌｧｲﾙ(*.dxf)|*.dxf|All Files(*.*)|*.*|");
}

TEST_F(SourceListTest, ShiftOrCtrlAppendsAndTheSameFileMayComeTwice) {
  AnswerOpen("C:\\data", {"a.dxf"});
  Click(IDC_CHOOSE_SOURCES);
  HoldKey(VK_CONTROL);
  Click(IDC_CHOOSE_SOURCES);
  fake_->keyStates.clear();
  HoldKey(VK_SHIFT);
  AnswerOpen("C:\\other", {"b.dxf", "c.dxf"});
  Click(IDC_CHOOSE_SOURCES);
  EXPECT_EQ(Entries(), (std::vector<std::string>{"C:\\data\\a.dxf", "C:\\data\\a.dxf",
                                                 "C:\\other\\b.dxf", "C:\\other\\c.dxf"}));
  EXPECT_EQ(Text(IDC_COUNT_LABEL), "FILE=4");
}

TEST_F(SourceListTest, ConfirmingOnlyRejectedFilesEmptiesTheList) {
  dialog_->SourceList().AddString("C:\\old.dxf");
  AnswerOpen("C:\\data", {"a.dwg"});
  Click(IDC_CHOOSE_SOURCES);
  EXPECT_TRUE(Entries().empty());
  EXPECT_EQ(Text(IDC_COUNT_LABEL), "FILE=0");
  EXPECT_EQ(dialog_->sourceFolder, "C:\\data\\");
  // The next dialog starts in the source folder.
  const std::string start = folder_.path();
  AnswerOpen(start, {"x.dxf"});
  dialog_->sourceFolder = start + "\\";
  Click(IDC_CHOOSE_SOURCES);
  ASSERT_EQ(calls_.size(), 2u);
  EXPECT_EQ(calls_[1].initialDir, start + "\\");
  EXPECT_EQ(calls_[1].currentDirectory, start);
}

TEST_F(SourceListTest, CancelledDialogChangesNothing) {
  dialog_->SourceList().AddString("C:\\old.dxf");
  dialog_->sourceFolder = "C:\\kept\\";
  SetText(IDC_STATUS, "old");
  Click(IDC_CHOOSE_SOURCES);  // no answer: cancelled
  EXPECT_EQ(Entries(), std::vector<std::string>{"C:\\old.dxf"});
  EXPECT_EQ(Text(IDC_COUNT_LABEL), "FILE=0");  // not refreshed by a cancelled dialog
  EXPECT_EQ(dialog_->sourceFolder, "C:\\kept\\");
  EXPECT_EQ(Text(IDC_STATUS), "");
}

TEST_F(SourceListTest, DoubleByteNamesAreSplitAtTheirRealSeparators) {
  AnswerOpen("C:\\図面表", {"能.dxf", "ソ", "予.dwg"});
  Click(IDC_CHOOSE_SOURCES);
  EXPECT_EQ(Entries(), std::vector<std::string>{"C:\\図面表\\能.dxf"});
  EXPECT_EQ(Text(IDC_STATUS), "DXFﾌｧｲﾙではありません\n予.dwg");
  EXPECT_EQ(dialog_->sourceFolder, "C:\\図面表\\");
}

TEST_F(SourceListTest, DeleteWithoutSelectionOnlyAsks) {
  dialog_->SourceList().AddString("C:\\a.dxf");
  Click(IDC_DELETE_SOURCES);
  ASSERT_EQ(fake_->messages.size(), 1u);
  EXPECT_EQ(fake_->messages[0].text, "削除する行（変換元ﾌｧｲﾙ）を選択してください");
  EXPECT_EQ(fake_->messages[0].type, static_cast<UINT>(MB_OK));
  EXPECT_TRUE(fake_->beeps.empty());
  EXPECT_EQ(Text(IDC_COUNT_LABEL), "FILE=1");
}

TEST_F(SourceListTest, DeleteRemovesTheSelectedEntriesAfterConfirmation) {
  for (const char* e : {"C:\\0.dxf", "C:\\1.dxf", "C:\\2.dxf", "C:\\3.dxf", "C:\\4.dxf"})
    dialog_->SourceList().AddString(e);
  dialog_->SourceList().SetSel(1);
  dialog_->SourceList().SetSel(3);
  fake_->onMessage = [](const ShownMessage&) { return IDCANCEL; };
  Click(IDC_DELETE_SOURCES);
  EXPECT_EQ(Entries().size(), 5u);
  ASSERT_EQ(fake_->messages.size(), 1u);
  EXPECT_EQ(fake_->messages[0].text, "選択した行（変換元ﾌｧｲﾙ）を削除しますか");
  EXPECT_EQ(fake_->messages[0].type, static_cast<UINT>(MB_OKCANCEL | MB_ICONEXCLAMATION));

  fake_->onMessage = nullptr;  // OK
  Click(IDC_DELETE_SOURCES);
  EXPECT_EQ(Entries(), (std::vector<std::string>{"C:\\0.dxf", "C:\\2.dxf", "C:\\4.dxf"}));
  EXPECT_EQ(Text(IDC_COUNT_LABEL), "FILE=3");
  EXPECT_EQ(::GetFocus(), Item(IDC_SOURCE_LIST));
  EXPECT_TRUE(fake_->beeps.empty());
}

TEST_F(SourceListTest, DropTakesFilesOfTheModeAndPassesOverFoldersSilently) {
  const std::string a = Touch("a.dxf");
  const std::string b = Touch("b.DXF");
  const std::string c = Touch("c.dwg");
  const std::string sub = folder_ / "sub.dxf";
  ::CreateDirectoryA(sub.c_str(), nullptr);
  dialog_->SourceList().AddString("C:\\old.dxf");
  dialog_->sourceFolder = "C:\\kept\\";
  Drop({a, sub, c, folder_ / "ghost.dxf", b});
  EXPECT_EQ(Entries(), (std::vector<std::string>{a, b}));
  EXPECT_EQ(Text(IDC_STATUS), "DXFﾌｧｲﾙではありません\nc.dwg");
  EXPECT_EQ(fake_->beeps, std::vector<UINT>{0});
  EXPECT_EQ(Text(IDC_COUNT_LABEL), "FILE=2");
  EXPECT_EQ(dialog_->sourceFolder, "C:\\kept\\");  // a drop leaves it
}

TEST_F(SourceListTest, DroppingAFolderStillEmptiesTheListUnlessAKeyIsHeld) {
  const std::string sub = folder_ / "sub";
  ::CreateDirectoryA(sub.c_str(), nullptr);
  const std::string a = Touch("a.dxf");
  dialog_->SourceList().AddString("C:\\old.dxf");
  HoldKey(VK_SHIFT);
  Drop({a});
  EXPECT_EQ(Entries(), (std::vector<std::string>{"C:\\old.dxf", a}));
  fake_->keyStates.clear();
  Drop({sub});
  EXPECT_TRUE(Entries().empty());
  EXPECT_TRUE(fake_->beeps.empty());
  EXPECT_EQ(Text(IDC_COUNT_LABEL), "FILE=0");
}

TEST_F(SourceListTest, ADroppedPathLongerThan254BytesIsTakenWhole) {
  // Folders of 60 bytes each bring the path to 257 bytes, under the system's 260.
  std::string path = folder_.path();
  while (path.size() < 190) {
    path += "\\" + std::string(60, 'f');
    ::CreateDirectoryA(path.c_str(), nullptr);
  }
  path += "\\" + std::string(257 - path.size() - 5, 'n') + ".dxf";
  ASSERT_EQ(path.size(), 257u);
  WriteFileBytes(path, "");
  ASSERT_TRUE(FileExists(path));
  Drop({path});
  EXPECT_EQ(Entries(), std::vector<std::string>{path});
}

// "Straße" would reach the file functions as "Strase", another file.
TEST_F(SourceListTest, NamesTheCodePageCannotHoldAreRejectedAndTheRestComeIn) {
  const std::wstring folder = WidePath(folder_.path());
  fake_->onOpenFileWide = [&](OPENFILENAMEW& ofn) {
    return AnswerFileDialog(ofn, folder, {L"a.dxf", L"Stra\u00DFe.dxf", L"\u56F3.dxf"});
  };
  Click(IDC_CHOOSE_SOURCES);
  EXPECT_EQ(Entries(), (std::vector<std::string>{folder_ / "a.dxf", folder_ / "図.dxf"}));
  EXPECT_EQ(Text(IDC_STATUS), "ﾌｧｲﾙ名に使えない文字があります\nStra?e.dxf");
  EXPECT_EQ(fake_->beeps, std::vector<UINT>{0});
  EXPECT_EQ(Text(IDC_COUNT_LABEL), "FILE=2");
  EXPECT_EQ(dialog_->sourceFolder, folder_.path() + "\\");

  // Real files dropped: the look-alike's own file is no stand-in, a refused
  // folder is passed over silently, and the wrong type is still reported.
  const std::string a = Touch("a.dxf");
  const std::string b = Touch("Strase.dxf");
  ASSERT_TRUE(WriteFileBytes(folder + L"\\Stra\u00DFe.dxf", ""));
  ASSERT_TRUE(WriteFileBytes(folder + L"\\\uD55C.dwg", ""));
  ASSERT_TRUE(::CreateDirectoryW((folder + L"\\caf\u00E9.dxf").c_str(), nullptr));
  fake_->beeps.clear();
  SimulateDrop(Item(IDC_SOURCE_LIST),
               std::vector<std::wstring>{WidePath(a), folder + L"\\Stra\u00DFe.dxf",
                                         folder + L"\\caf\u00E9.dxf", WidePath(b),
                                         folder + L"\\\uD55C.dwg"});
  EXPECT_EQ(Entries(), (std::vector<std::string>{a, b}));
  EXPECT_EQ(Text(IDC_STATUS), "ﾌｧｲﾙ名に使えない文字があります\n?.dwg");
  EXPECT_EQ(fake_->beeps, (std::vector<UINT>{0, 0}));

  // A selection in a folder of such a name brings nothing and keeps the source folder.
  fake_->onOpenFileWide = [](OPENFILENAMEW& ofn) {
    return AnswerFileDialog(ofn, L"C:\\caf\u00E9", {L"x.dxf", L"y.dxf"});
  };
  Click(IDC_CHOOSE_SOURCES);
  EXPECT_TRUE(Entries().empty());
  EXPECT_EQ(Text(IDC_STATUS), "ﾌｧｲﾙ名に使えない文字があります\ny.dxf");
  EXPECT_EQ(dialog_->sourceFolder, folder_.path() + "\\");
}

TEST_F(SourceListTest, ModeSwitchKeepsTheEntries) {
  AnswerOpen("C:\\data", {"a.dxf", "b.dxf"});
  Click(IDC_CHOOSE_SOURCES);
  ::SendMessageA(Item(IDC_DWG_TO_DXF), BM_CLICK, 0, 0);
  EXPECT_EQ(Entries().size(), 2u);
}

}  // namespace
