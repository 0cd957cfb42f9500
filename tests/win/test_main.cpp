#include <windows.h>
#include <gtest/gtest.h>

#include <shellapi.h>

#include <cstring>

#include "win/test_app.h"

namespace {
CTestApp theTestApp;
}

CTestApp& TestApp() { return theTestApp; }

FakeSystem& CTestApp::ResetSystem() {
  auto fake = std::make_unique<FakeSystem>();
  FakeSystem& ref = *fake;
  SetSystem(std::move(fake));
  return ref;
}

void SimulateDrop(HWND target, const std::vector<std::wstring>& paths) {
  std::wstring names;
  for (const std::wstring& p : paths) names += p + L'\0';
  names += L'\0';
  const std::size_t bytes = names.size() * sizeof(wchar_t);
  HGLOBAL memory = ::GlobalAlloc(GHND, sizeof(DROPFILES) + bytes);
  auto* files = static_cast<DROPFILES*>(::GlobalLock(memory));
  files->pFiles = sizeof(DROPFILES);
  files->fWide = TRUE;
  std::memcpy(reinterpret_cast<char*>(files) + sizeof(DROPFILES), names.data(), bytes);
  ::GlobalUnlock(memory);
  // The receiver releases the memory (DragFinish).
  ::SendMessageA(target, WM_DROPFILES, reinterpret_cast<WPARAM>(memory), 0);
}

void SimulateDrop(HWND target, const std::vector<std::string>& paths) {
  std::vector<std::wstring> wide;
  for (const std::string& p : paths) wide.push_back(WidePath(p));
  SimulateDrop(target, wide);
}

std::string FactoryTemplateFile() {
  return "01NEW  DXFIN\r\n01//ファイル名\r\n01//E\r\n"
         "02SAVE\r\n02//ファイル名\r\n02//E\r\n"
         "03NEW  DXFIN\r\n03//ファイル名\r\n03//E\r\n"
         "04SAVE\r\n04//ファイル名\r\n04//E\r\n"
         "05OPEN\r\n05//ファイル名\r\n05//E\r\n"
         "06DXFOUT\r\n06//ファイル名\r\n06//精度\r\n06//E\r\n"
         "07OPEN\r\n07//ファイル名\r\n07//E\r\n"
         "08DXFOUT\r\n08//ファイル名\r\n08//精度\r\n08//E\r\n"
         "0912\r\n";
}

// The tests need code page 932; anything else means a broken Wine set-up.
TEST(Environment, AnsiCodePageIs932) { ASSERT_EQ(::GetACP(), 932u); }

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
