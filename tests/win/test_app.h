#pragma once
// The application object of the Win32 tests: a fake user, and an executable
// folder that each test points at a temporary folder of its own.

#include <string>
#include <vector>

#include "framework/win_app.h"
#include "win/fake_system.h"

class CTestApp : public CWinApp {
 public:
  std::string ModuleFileName() const override { return moduleFileName; }

  // A fresh fake user for the next test.
  FakeSystem& ResetSystem();

  std::string moduleFileName;
};

CTestApp& TestApp();

// A temporary folder, removed with everything in it at the end of the test.
class TempFolder {
 public:
  explicit TempFolder(const std::string& name = "");
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::string& path() const { return path_; }
  // path + "\" + name
  std::string operator/(const std::string& name) const { return path_ + "\\" + name; }

 private:
  std::string path_;
};

std::string ReadFileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, const std::string& bytes);
bool FileExists(const std::string& path);

// The factory command template file, as installed.
std::string FactoryTemplateFile();
