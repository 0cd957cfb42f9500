#pragma once
// One run of tewo.exe from an install folder of its own.

#include <windows.h>

#include <string>

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
  ~InstallFolder();
  InstallFolder(const InstallFolder&) = delete;
  InstallFolder& operator=(const InstallFolder&) = delete;

  const std::string& path() const { return path_; }
  std::string operator/(const std::string& name) const { return path_ + "\\" + name; }

 private:
  std::string path_;
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

std::string ReadFileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, const std::string& bytes);
bool FileExists(const std::string& path);
void RemoveTree(const std::string& path);
// A new folder in the temporary folder; removed by RemoveTempFolders.
std::string NewTempFolder(const std::string& label);
void RemoveTempFolders();
