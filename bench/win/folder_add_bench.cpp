// Adding 10,000 drawings in 100 folders through "ﾌｫﾙﾀﾞから追加(&D)...", against
// listing the tree with FindFirstFileW / FindNextFileW and filling a plain
// list box with the same paths. Prints both times and their ratio; not a test.
#include <windows.h>
#include <gtest/gtest.h>

#include <shlobj.h>

#include <algorithm>
#include <cstdio>

#include "app/main_dialog.h"
#include "resource.h"
#include "win/fake_system.h"
#include "win/stopwatch.h"
#include "win/test_app.h"

namespace {

void ListPlain(const std::wstring& folder, HWND list) {
  WIN32_FIND_DATAW data;
  HANDLE find = ::FindFirstFileW((folder + L"\\*").c_str(), &data);
  do {
    const std::wstring path = folder + L"\\" + data.cFileName;
    if (data.cFileName[0] == L'.') continue;
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
      ListPlain(path, list);
    else
      ::SendMessageA(list, LB_ADDSTRING, 0,
                     reinterpret_cast<LPARAM>(ToAnsiName(path).text.c_str()));
  } while (::FindNextFileW(find, &data));
  ::FindClose(find);
}

}  // namespace

TEST(FolderAddBench, TenThousandDrawings) {
  const TempFolder tree("_bench");
  for (int f = 0; f < 100; ++f) {
    const std::string folder = tree / ("folder" + std::to_string(f));
    ::CreateDirectoryA(folder.c_str(), nullptr);
    for (int d = 0; d < 100; ++d) WriteFileBytes(folder + "\\d" + std::to_string(d) + ".dxf", "");
  }
  FakeSystem& fake = TestApp().ResetSystem();
  fake.onBrowse = [&](BROWSEINFOA&) { return ::ILCreateFromPathA(tree.path().c_str()); };
  fake.onMessage = [](const ShownMessage&) { return IDYES; };
  CMainDialog dialog;
  ASSERT_TRUE(dialog.Create(IDD_MAIN, nullptr));
  HWND plain = ::CreateWindowExA(0, "LISTBOX", "", WS_POPUP | WS_VISIBLE | LBS_EXTENDEDSEL, 0, 0,
                                 450, 300, nullptr, nullptr, nullptr, nullptr);
  double tool = 1e9, base = 1e9;  // the best of five runs each, taken in turns
  for (int run = 0; run < 5; ++run) {
    dialog.SourceList().ResetContent();
    ::SendMessageA(plain, LB_RESETCONTENT, 0, 0);
    tool = std::min(
        tool, MillisecondsOf([&] { ::SendMessageA(dialog.m_hWnd, WM_COMMAND, ID_ADD_FOLDER, 0); }));
    base = std::min(base, MillisecondsOf([&] { ListPlain(WidePath(tree.path()), plain); }));
  }
  std::printf("menu item %.1f ms, plain listing and list box %.1f ms, ratio %.2f (goal 1.5)\n",
              tool, base, tool / base);
  EXPECT_EQ(dialog.SourceList().GetCount(), 10000);
  EXPECT_EQ(::SendMessageA(plain, LB_GETCOUNT, 0, 0), 10000);
  ::DestroyWindow(plain);
  dialog.DestroyWindow();
}
