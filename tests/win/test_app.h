#pragma once
// The application object of the Win32 tests: a fake user, and an executable
// folder that each test points at a temporary folder of its own.

#include <stdexcept>
#include <string>
#include <vector>

#include "framework/win_app.h"
#include "shared/win_files.h"
#include "win/fake_system.h"

class CTestApp : public CWinApp {
 public:
  std::string ModuleFileName() const override {
    if (moduleFileNameFails) throw std::runtime_error("the executable's path is not to be had");
    return moduleFileName;
  }
  std::wstring ModuleFileNameWide() const override { return moduleFileNameWide; }

  // A fresh fake user for the next test.
  FakeSystem& ResetSystem();

  std::string moduleFileName;
  std::wstring moduleFileNameWide;   // empty: moduleFileName in wide form
  bool moduleFileNameFails = false;  // stands for any failure that throws
};

CTestApp& TestApp();

// The factory command template file, as installed.
std::string FactoryTemplateFile();

// Drops paths on target as the shell does (in this process: the system
// does not carry a drop across processes). The names go in wide form.
void SimulateDrop(HWND target, const std::vector<std::wstring>& paths);
void SimulateDrop(HWND target, const std::vector<std::string>& paths);
