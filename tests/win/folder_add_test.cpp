#include <shlobj.h>

#include "win/main_dialog_fixture.h"

namespace {

// What Wine never shows: a cloud folder (no link), a junction, the recycle bin
// (hidden, system), and a folder that a server's link makes the project itself.
struct WindowsFolderCalls : tewo::FileCalls {
  template <class Found>
  static Found Mark(Found found, WIN32_FIND_DATAW* data) {
    const std::wstring_view name = data->cFileName;
    DWORD& attributes = data->dwFileAttributes;
    if (name == L"cloud" || name == L"junction") attributes |= FILE_ATTRIBUTE_REPARSE_POINT;
    data->dwReserved0 = name == L"cloud" ? IO_REPARSE_TAG_CLOUD_6 : IO_REPARSE_TAG_MOUNT_POINT;
    if (name == L"$RECYCLE.BIN") attributes |= FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
    return found;
  }
  HANDLE FindFirst(const wchar_t* pattern, WIN32_FIND_DATAW* data) const override {
    return Mark(FileCalls::FindFirst(pattern, data), data);
  }
  BOOL FindNext(HANDLE find, WIN32_FIND_DATAW* data) const override {
    return Mark(FileCalls::FindNext(find, data), data);
  }
  UINT DriveType(const wchar_t*) const override { return DRIVE_REMOTE; }  // identities asked
  BOOL FolderInformation(const wchar_t* path, BY_HANDLE_FILE_INFORMATION* info) const override {
    std::wstring folder = path;  // "again" is the project under another path
    if (folder.ends_with(L"\\again")) folder.resize(folder.size() - 6);
    return FileCalls::FolderInformation(folder.c_str(), info);
  }
};

// A project folder on disk through the menu item; the fake user answers the
// folder browser and the question.
TEST_F(MainDialogTest, AddFolderWalksTheRealTree) {
  const std::string project = folder_ / "proj";
  WriteTree(project + "\\", "",
            "b.DXF|a.dxf|c.dwg|sub\\s.dxf|表\\x.dxf|empty\\|cloud\\c.dxf|junction\\j.dxf|"
            "again\\g.dxf|$RECYCLE.BIN\\$Ia.dxf");
  WriteFileBytes(WidePath(project) + L"\\caf\u00E9.dxf", "");  // "é": not in Shift-JIS
  AddEntries({project + "\\A.DXF"});                           // listed, in another case
  dialog_->sourceFolder = project + "\\";
  std::string chosen, browsed;
  fake_->onBrowse = [&](BROWSEINFOA& info) {
    browsed = info.lpszTitle + std::string("|") + reinterpret_cast<const char*>(info.lParam);
    PIDLIST_ABSOLUTE item = nullptr;  // none chosen: the computer, which has no path
    if (chosen.empty()) ::SHGetSpecialFolderLocation(nullptr, CSIDL_DRIVES, &item);
    return info.hwndOwner == Dialog() && !item ? ::ILCreateFromPathA(chosen.c_str()) : item;
  };
  const WindowsFolderCalls calls;
  fake_->files = &calls;
  int reply = IDCANCEL;
  fake_->onMessage = [&](const ShownMessage&) { return reply; };
  const struct {
    int reply;
    const char *folder, *status, *count;
  } kRuns[] = {
      {IDCANCEL, "", "", "FILE=0"},  // nothing changes
      {IDYES, "", "4個の図面を追加しました\n除外: 使えない文字 1件 ﾘﾝｸ 2件", "FILE=5"},
      {IDNO, "", "0個の図面を追加しました\n除外: 使えない文字 1件", "FILE=5"},
      {IDYES, "*", "0個の図面を追加しました\n除外: 使えない文字 1件", "FILE=5"},
      {IDYES, "\\empty", "ﾌｫﾙﾀﾞに図面がありません", "FILE=5"},
  };
  for (const auto& run : kRuns) {
    reply = run.reply;
    chosen = *run.folder == '*' ? "" : project + run.folder;
    Command(ID_ADD_FOLDER);
    EXPECT_EQ(browsed, "変換元ﾌｫﾙﾀﾞを指定してください。|" + project);
    EXPECT_EQ(Text(IDC_STATUS), run.status);
    EXPECT_EQ(Text(IDC_COUNT_LABEL), run.count);
  }
  EXPECT_EQ(dialog_->SourceList().GetAllTexts(),
            (std::vector<std::string>{project + "\\A.DXF", project + "\\b.DXF",
                                      project + "\\cloud\\c.dxf", project + "\\sub\\s.dxf",
                                      project + "\\表\\x.dxf"}));
  EXPECT_EQ(fake_->messages.back().text, "ｻﾌﾞﾌｫﾙﾀﾞ内の図面も追加しますか？");
  EXPECT_EQ(fake_->messages.back().type, static_cast<UINT>(MB_YESNOCANCEL | MB_ICONQUESTION));
  // A folder whose path cannot be read is not taken for a Cancel.
  EXPECT_EQ(fake_->messages[3].text, "ﾌｫﾙﾀﾞのﾊﾟｽを読み取れませんでした！");
  EXPECT_EQ(fake_->beeps, (std::vector<UINT>{0, 0}));
  EXPECT_EQ(dialog_->sourceFolder, project + "\\empty\\");
  fake_->files = nullptr;
}

}  // namespace
