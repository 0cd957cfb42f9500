// The source list of 10,000 entries against a plain list box of the same
// process, under Wine: filled from the file dialog's answer and read back; a
// script saved for all of it; and a tree of 10,000 drawings in 100 folders
// added through the menu item, against listing the tree with FindFirstFileW /
// FindNextFileW and filling the plain list box. Each figure is the best of
// kRuns rounds taken side by side. Usage: tewo_win_bench <factory tewoc.ini>
// Exits 1 when a round went wrong or a goal was missed.
#include <windows.h>
#include <shlobj.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "app/main_dialog.h"
#include "framework/ansi_name.h"
#include "framework/win_app.h"
#include "resource.h"
#include "shared/win_files.h"
#include "win/fake_system.h"
#include "win/stopwatch.h"

namespace {

constexpr int kEntries = 10000;
constexpr int kRuns = 15;
constexpr double kListGoal = 1.5;  // times the plain list box
constexpr double kSaveGoalMs = 200;

// The tool's windows look for their files beside this executable; the user is a fake.
class CBenchApp : public CWinApp {
 public:
  std::string ModuleFileName() const override { return moduleFileName; }
  std::string moduleFileName;
} theApp;

struct Best {
  double ms = 1e300;
  void Take(double sample) { ms = std::min(ms, sample); }
};

// A plain list box of the source list's style, size and font in a window of
// its own, filled as the tool fills its list.
HWND MakePlainList(HWND model) {
  RECT r{};
  ::GetWindowRect(model, &r);
  HWND frame = ::CreateWindowExA(0, "#32770", "", WS_POPUP | WS_VISIBLE, 0, 0, r.right - r.left,
                                 r.bottom - r.top, nullptr, nullptr, nullptr, nullptr);
  HWND list =
      ::CreateWindowExA(static_cast<DWORD>(::GetWindowLongA(model, GWL_EXSTYLE)), "LISTBOX", "",
                        static_cast<DWORD>(::GetWindowLongA(model, GWL_STYLE)), 0, 0,
                        r.right - r.left, r.bottom - r.top, frame, nullptr, nullptr, nullptr);
  ::SendMessageA(list, WM_SETFONT, ::SendMessageA(model, WM_GETFONT, 0, 0), FALSE);
  return list;
}

void FillPlainList(HWND list, const std::vector<std::string>& paths) {
  ::SendMessageA(list, LB_RESETCONTENT, 0, 0);
  ::SendMessageA(list, WM_SETREDRAW, FALSE, 0);
  std::size_t bytes = 0;
  for (const std::string& path : paths) bytes += path.size() + 1;
  ::SendMessageA(list, LB_INITSTORAGE, paths.size(), static_cast<LPARAM>(bytes));
  for (const std::string& path : paths)
    ::SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(path.c_str()));
  ::SendMessageA(list, WM_SETREDRAW, TRUE, 0);
  ::InvalidateRect(list, nullptr, TRUE);
}

void Click(CWnd& dialog, int id) {
  ::SendMessageA(dialog.m_hWnd, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(dialog.GetDlgItem(id)));
}

// What the least a program does to put a tree's drawings into a list box:
// one listing per folder, each name converted.
void ListPlain(const std::wstring& folder, HWND list) {
  WIN32_FIND_DATAW data;
  HANDLE find = ::FindFirstFileW((folder + L"\\*").c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return;
  do {
    if (data.cFileName[0] == L'.') continue;
    const std::wstring path = folder + L"\\" + data.cFileName;
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      ListPlain(path, list);
    } else {
      ::SendMessageA(list, LB_ADDSTRING, 0,
                     reinterpret_cast<LPARAM>(ToAnsiName(path).text.c_str()));
    }
  } while (::FindNextFileW(find, &data));
  ::FindClose(find);
}

// Adding a tree of 10,000 drawings through the menu item, against the plain
// listing; the ratio of the two, or 0 when a round went wrong.
double FolderAddRatio(CMainDialog& dialog, FakeSystem& user, HWND plain, const TempFolder& folder) {
  const std::string tree = folder / "tree";
  ::CreateDirectoryA(tree.c_str(), nullptr);
  for (int f = 0; f < 100; ++f) {
    const std::string sub = tree + "\\folder" + std::to_string(f);
    ::CreateDirectoryA(sub.c_str(), nullptr);
    for (int d = 0; d < 100; ++d) WriteFileBytes(sub + "\\d" + std::to_string(d) + ".dxf", "");
  }
  user.onBrowse = [&](BROWSEINFOA&) { return ::ILCreateFromPathA(tree.c_str()); };
  user.onMessage = [](const ShownMessage&) { return IDYES; };
  Best tool, base;
  for (int run = 0; run < kRuns; ++run) {
    dialog.SourceList().ResetContent();
    ::SendMessageA(plain, LB_RESETCONTENT, 0, 0);
    tool.Take(MillisecondsOf([&] { ::SendMessageA(dialog.m_hWnd, WM_COMMAND, ID_ADD_FOLDER, 0); }));
    base.Take(MillisecondsOf([&] { ListPlain(WidePath(tree), plain); }));
    if (dialog.SourceList().GetCount() != 10000 ||
        ::SendMessageA(plain, LB_GETCOUNT, 0, 0) != 10000)
      return 0;
  }
  std::printf("add a folder tree         %8.1f ms  %8.1f ms  %6.2f\n", tool.ms, base.ms,
              tool.ms / base.ms);
  return tool.ms / base.ms;
}

const char* Verdict(bool held) { return held ? "held" : "MISSED"; }

int Run(const std::string& factoryTemplates) {
  auto fake = std::make_unique<FakeSystem>();
  FakeSystem& user = *fake;
  theApp.SetSystem(std::move(fake));
  TempFolder folder("bench");
  theApp.moduleFileName = folder / "tewo.exe";
  if (!::CopyFileA(factoryTemplates.c_str(), (folder / "tewoc.ini").c_str(), FALSE)) {
    std::printf("no command template file at %s\n", factoryTemplates.c_str());
    return 1;
  }
  // The file dialog's answer: one folder, then every name.
  std::string selection = "C:\\drawings" + std::string(1, '\0');
  std::vector<std::string> paths;
  for (int i = 0; i < kEntries; ++i) {
    char name[16];
    std::snprintf(name, sizeof name, "p%05d.dxf", i);
    selection += name + std::string(1, '\0');
    paths.push_back(std::string("C:\\drawings\\") + name);
  }
  selection += '\0';
  user.onOpenFile = [&](OPENFILENAMEA& ofn) {
    std::copy(selection.begin(), selection.end(), ofn.lpstrFile);
    return TRUE;
  };
  const std::string script = folder / "big.scr";
  user.onSaveFile = [&](OPENFILENAMEA& ofn) { return AnswerFileDialog(ofn, script); };

  CMainDialog dialog;
  if (!dialog.Create(IDD_MAIN, nullptr)) return 1;
  theApp.m_pMainWnd = &dialog;
  dialog.SetDlgItemText(IDC_DESTINATION, folder.path());
  CListBox plain;  // read through the same code as the source list, not subclassed
  plain.m_hWnd = MakePlainList(dialog.GetDlgItem(IDC_SOURCE_LIST));

  Best fill, plainFill, read, plainRead, save;
  bool right = true;
  for (int run = 0; run < kRuns && right; ++run) {
    fill.Take(MillisecondsOf([&] { Click(dialog, IDC_CHOOSE_SOURCES); }));
    plainFill.Take(MillisecondsOf([&] { FillPlainList(plain.m_hWnd, paths); }));
    std::vector<std::string> texts, plainTexts;
    read.Take(MillisecondsOf([&] { texts = dialog.SourceList().GetAllTexts(); }));
    plainRead.Take(MillisecondsOf([&] { plainTexts = plain.GetAllTexts(); }));
    dialog.SetStatus("");
    save.Take(MillisecondsOf([&] { Click(dialog, IDC_SAVE_SCRIPT); }));
    right = texts == paths && plainTexts == paths &&
            dialog.GetDlgItemText(IDC_STATUS) == "ｽｸﾘﾌﾟﾄﾌｧｲﾙを保存しました！";
  }
  if (!right) {
    std::printf("a round did not fill, read back or save the list as expected\n");
    return 1;
  }
  const double fillRatio = fill.ms / plainFill.ms;
  const double readRatio = read.ms / plainRead.ms;
  std::printf("%d entries, best of %d runs      tool  plain list box  ratio\n", kEntries, kRuns);
  std::printf("fill from the file dialog %8.1f ms  %8.1f ms  %6.2f\n", fill.ms, plainFill.ms,
              fillRatio);
  std::printf("read back                 %8.1f ms  %8.1f ms  %6.2f\n", read.ms, plainRead.ms,
              readRatio);
  std::printf("save script               %8.1f ms\n", save.ms);
  const double folderRatio = FolderAddRatio(dialog, user, plain.m_hWnd, folder);
  theApp.m_pMainWnd = nullptr;
  dialog.DestroyWindow();
  ::DestroyWindow(::GetParent(plain.m_hWnd));
  if (folderRatio == 0) {
    std::printf("a round did not add the folder tree as expected\n");
    return 1;
  }
  const bool held[] = {fillRatio <= kListGoal, readRatio <= kListGoal, save.ms <= kSaveGoalMs,
                       folderRatio <= kListGoal};
  std::printf(
      "goals: fill <= %.1fx %s, read-back <= %.1fx %s, save <= %.0f ms %s, "
      "folder tree <= %.1fx %s\n",
      kListGoal, Verdict(held[0]), kListGoal, Verdict(held[1]), kSaveGoalMs, Verdict(held[2]),
      kListGoal, Verdict(held[3]));
  return held[0] && held[1] && held[2] && held[3] ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::printf("usage: tewo_win_bench <factory tewoc.ini>\n");
    return 2;
  }
  return Run(argv[1]);
}
