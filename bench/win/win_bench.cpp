// The Windows program's speed under Wine, side by side in one run with the
// least a program can do: the source list of 10,000 entries filled from the
// file dialog's answer and read back, against a plain list box; a script
// saved for all of them; and a tree of 10,000 drawings in 100 folders added
// through the menu item, against listing it with FindFirstFileW /
// FindNextFileW into the plain list box. Each figure is the best of kRuns.
// Usage: tewo_win_bench <factory tewoc.ini>. Exits 1 when a round went wrong
// or a goal was missed.
#include <windows.h>
#include <shlobj.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
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

// The tool's windows look for their files beside this executable; the user is a fake.
class CBenchApp : public CWinApp {
 public:
  std::string ModuleFileName() const override { return moduleFileName; }
  std::string moduleFileName;
} theApp;

// The tool's best time beside the plain one's, and the goal: a ratio, or
// milliseconds where there is nothing plain to compare with.
struct Figure {
  const char* what;
  double goal;
  double tool = 1e300;
  double plain = 1e300;
  bool Held() const { return plain < 1e300 ? tool / plain <= goal : tool <= goal; }
};

LRESULT Send(HWND window, UINT message, WPARAM wp = 0, LPARAM lp = 0) {
  return ::SendMessageA(window, message, wp, lp);
}

void FillPlain(HWND list, const std::vector<std::string>& paths) {
  Send(list, WM_SETREDRAW, FALSE);
  std::size_t bytes = 0;
  for (const std::string& path : paths) bytes += path.size() + 1;
  Send(list, LB_INITSTORAGE, paths.size(), static_cast<LPARAM>(bytes));
  for (const std::string& path : paths) {
    Send(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(path.c_str()));
  }
  Send(list, WM_SETREDRAW, TRUE);
}

void ListPlain(const std::wstring& folder, HWND list) {
  WIN32_FIND_DATAW data;
  HANDLE find = ::FindFirstFileW((folder + L"\\*").c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return;
  do {
    const std::wstring path = folder + L"\\" + data.cFileName;
    if (data.cFileName[0] == L'.') continue;
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      ListPlain(path, list);
    } else {
      Send(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(ToAnsiName(path).text.c_str()));
    }
  } while (::FindNextFileW(find, &data));
  ::FindClose(find);
}

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
  // The file dialog's answer, ready in its wide form: one folder, then every name.
  std::wstring selection(L"C:\\drawings\0", 12);
  std::vector<std::string> paths;
  for (int i = 0; i < kEntries; ++i) {
    wchar_t name[16];
    std::swprintf(name, 16, L"p%05d.dxf", i);
    selection.append(name).push_back(L'\0');
    paths.push_back("C:\\drawings\\" + ToAnsiName(name).text);
  }
  user.onOpenFileWide = [&](OPENFILENAMEW& ofn) {
    std::wmemcpy(ofn.lpstrFile, selection.c_str(), selection.size() + 1);
    return TRUE;
  };
  user.onSaveFile = [&](OPENFILENAMEA& ofn) { return AnswerFileDialog(ofn, folder / "a.scr"); };
  const std::string tree = folder / "tree";
  ::CreateDirectoryA(tree.c_str(), nullptr);
  for (int f = 0; f < 100; ++f) {
    const std::string sub = tree + "\\f" + std::to_string(f);
    ::CreateDirectoryA(sub.c_str(), nullptr);
    for (int d = 0; d < 100; ++d) WriteFileBytes(sub + "\\d" + std::to_string(d) + ".dxf", "");
  }
  user.onBrowse = [&](BROWSEINFOA&) { return ::ILCreateFromPathA(tree.c_str()); };
  user.onMessage = [](const ShownMessage&) { return IDYES; };

  CMainDialog dialog;
  if (!dialog.Create(IDD_MAIN, nullptr)) return 1;
  theApp.m_pMainWnd = &dialog;
  dialog.SetDlgItemText(IDC_DESTINATION, folder.path());
  // The plain list box: the source list's twin in the same dialog, of the
  // styles its template gives it, read through the same code, not subclassed.
  const HWND model = dialog.GetDlgItem(IDC_SOURCE_LIST);
  CListBox plain;
  plain.m_hWnd = ::CreateWindowExA(
      static_cast<DWORD>(::GetWindowLongA(model, GWL_EXSTYLE)), "LISTBOX", "",
      WS_CHILD | WS_VISIBLE | LBS_NOTIFY | LBS_EXTENDEDSEL | WS_VSCROLL | WS_HSCROLL | WS_BORDER, 0,
      0, 300, 200, dialog.m_hWnd, nullptr, nullptr, nullptr);
  Send(plain.m_hWnd, WM_SETFONT, Send(model, WM_GETFONT));

  Figure fill{"fill from the file dialog", 1.5}, read{"read back", 1.5};
  Figure save{"save script (ms)", 200}, add{"add a folder tree", 1.5};
  auto take = [](double& best, double sample) { best = std::min(best, sample); };
  bool right = true;
  for (int run = 0; run < kRuns && right; ++run) {
    dialog.SourceList().ResetContent();  // both lists start empty
    plain.ResetContent();
    take(fill.tool, MillisecondsOf([&] { Send(dialog.m_hWnd, WM_COMMAND, IDC_CHOOSE_SOURCES); }));
    take(fill.plain, MillisecondsOf([&] { FillPlain(plain.m_hWnd, paths); }));
    std::vector<std::string> texts, plainTexts;
    take(read.tool, MillisecondsOf([&] { texts = dialog.SourceList().GetAllTexts(); }));
    take(read.plain, MillisecondsOf([&] { plainTexts = plain.GetAllTexts(); }));
    dialog.SetStatus("");
    take(save.tool, MillisecondsOf([&] { Send(dialog.m_hWnd, WM_COMMAND, IDC_SAVE_SCRIPT); }));
    right = texts == paths && plainTexts == paths &&
            dialog.GetDlgItemText(IDC_STATUS) == "ｽｸﾘﾌﾟﾄﾌｧｲﾙを保存しました！";

    dialog.SourceList().ResetContent();
    plain.ResetContent();
    take(add.tool, MillisecondsOf([&] { Send(dialog.m_hWnd, WM_COMMAND, ID_ADD_FOLDER); }));
    take(add.plain, MillisecondsOf([&] {
           Send(plain.m_hWnd, WM_SETREDRAW, FALSE);
           ListPlain(WidePath(tree), plain.m_hWnd);
           Send(plain.m_hWnd, WM_SETREDRAW, TRUE);
         }));
    right = right && dialog.SourceList().GetCount() == kEntries && plain.GetCount() == kEntries;
  }
  theApp.m_pMainWnd = nullptr;
  dialog.DestroyWindow();
  if (!right) {
    std::printf("a round did not fill, read back, save or add as expected\n");
    return 1;
  }
  bool held = true;
  std::printf("%d entries, best of %d        tool     plain  ratio  goal\n", kEntries, kRuns);
  for (const Figure* f : {&fill, &read, &save, &add}) {
    const bool ratio = f->plain < 1e300;
    std::printf("%-26s %8.1f  %8.1f  %5.2f  %s %s\n", f->what, f->tool, ratio ? f->plain : 0.0,
                ratio ? f->tool / f->plain : 0.0, ratio ? "1.5x" : "200ms",
                f->Held() ? "held" : "MISSED");
    held = held && f->Held();
  }
  return held ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::printf("usage: tewo_win_bench <factory tewoc.ini>\n");
    return 2;
  }
  return Run(argv[1]);
}
