#include <windows.h>
#include <gtest/gtest.h>

#include <atomic>

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

namespace {
void RemoveTree(const std::string& path) {
  WIN32_FIND_DATAA data;
  HANDLE find = ::FindFirstFileA((path + "\\*").c_str(), &data);
  if (find != INVALID_HANDLE_VALUE) {
    do {
      std::string name = data.cFileName;
      if (name == "." || name == "..") continue;
      std::string child = path + "\\" + name;
      ::SetFileAttributesA(child.c_str(), FILE_ATTRIBUTE_NORMAL);
      if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        RemoveTree(child);
      } else {
        ::DeleteFileA(child.c_str());
      }
    } while (::FindNextFileA(find, &data));
    ::FindClose(find);
  }
  ::RemoveDirectoryA(path.c_str());
}
}  // namespace

TempFolder::TempFolder(const std::string& name) {
  static std::atomic<int> counter{0};
  char temp[MAX_PATH + 1] = {};
  ::GetTempPathA(sizeof temp, temp);
  path_ = std::string(temp) + "tewo_test_" + std::to_string(::GetCurrentProcessId()) + "_" +
          std::to_string(counter++) + name;
  ::CreateDirectoryA(path_.c_str(), nullptr);
}

TempFolder::~TempFolder() { RemoveTree(path_); }

std::string ReadFileBytes(const std::string& path) {
  std::string bytes;
  HANDLE file = ::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return bytes;
  char buffer[4096];
  DWORD got = 0;
  while (::ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0)
    bytes.append(buffer, got);
  ::CloseHandle(file);
  return bytes;
}

void WriteFileBytes(const std::string& path, const std::string& bytes) {
  HANDLE file = ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE) << path;
  DWORD written = 0;
  ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  ::CloseHandle(file);
}

bool FileExists(const std::string& path) {
  return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
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
