#pragma once
// One run of tewo.exe from an install folder of its own.

#include <windows.h>

#include <string>

#include "shared/win_files.h"

// Where the build left tewo.exe and the install files (set by the test's main).
struct InstallSource {
  std::string exe;
  std::string filesFolder;  // tewoc.ini and help.txt
};
InstallSource& TheInstallSource();

// A temporary install folder: tewo.exe, tewoc.ini and help.txt.
class InstallFolder {
 public:
  InstallFolder();
  InstallFolder(const InstallFolder&) = delete;
  InstallFolder& operator=(const InstallFolder&) = delete;

  const std::string& path() const { return folder_.path(); }
  std::string operator/(const std::string& name) const { return folder_ / name; }

 private:
  TempFolder folder_{"_install"};
};

class AppProcess {
 public:
  explicit AppProcess(const InstallFolder& folder);
  ~AppProcess();  // ends the process if it still runs
  AppProcess(const AppProcess&) = delete;
  AppProcess& operator=(const AppProcess&) = delete;

  bool started() const { return process_.hProcess != nullptr; }
  DWORD pid() const { return process_.dwProcessId; }

  // The exit status, or -1 when the process is still running after timeoutMs.
  long WaitExit(int timeoutMs = 20000);
  bool Running() const;

 private:
  PROCESS_INFORMATION process_{};
};
