#include <windows.h>
#include <gtest/gtest.h>

#include <string>

#include "e2e/app_process.h"
#include "e2e/robot.h"

// Usage: tewo_e2e_tests --tewo-exe=PATH --install-files=FOLDER [gtest flags]
int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  // The robots measure the tool's windows in real pixels at any DPI.
  ::SetProcessDPIAware();
  InstallSource& source = TheInstallSource();
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    if (arg.rfind("--tewo-exe=", 0) == 0) source.exe = robot::WindowsPath(arg.substr(11));
    if (arg.rfind("--install-files=", 0) == 0)
      source.filesFolder = robot::WindowsPath(arg.substr(16));
  }
  if (source.exe.empty() || source.filesFolder.empty()) {
    fprintf(stderr, "usage: tewo_e2e_tests --tewo-exe=PATH --install-files=FOLDER\n");
    return 2;
  }
  return RUN_ALL_TESTS();
}
