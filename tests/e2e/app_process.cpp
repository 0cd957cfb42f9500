#include "e2e/app_process.h"

#include "e2e/robot.h"

InstallSource& TheInstallSource() {
  static InstallSource source;
  return source;
}

InstallFolder::InstallFolder() {
  const InstallSource& source = TheInstallSource();
  ::CopyFileA(source.exe.c_str(), (*this / "tewo.exe").c_str(), FALSE);
  ::CopyFileA((source.filesFolder + "\\tewoc.ini").c_str(), (*this / "tewoc.ini").c_str(), FALSE);
  ::CopyFileA((source.filesFolder + "\\help.txt").c_str(), (*this / "help.txt").c_str(), FALSE);
}

AppProcess::AppProcess(const InstallFolder& folder) {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  std::string exe = folder / "tewo.exe";
  std::string commandLine = "\"" + exe + "\"";
  if (!::CreateProcessA(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.path().c_str(), &startup, &process_)) {
    process_ = {};
  }
}

AppProcess::~AppProcess() {
  if (process_.hProcess == nullptr) return;
  if (Running()) {
    ::TerminateProcess(process_.hProcess, 99);
    ::WaitForSingleObject(process_.hProcess, 5000);
  }
  ::CloseHandle(process_.hThread);
  ::CloseHandle(process_.hProcess);
}

long AppProcess::WaitExit(int timeoutMs) {
  if (::WaitForSingleObject(process_.hProcess, static_cast<DWORD>(timeoutMs)) != WAIT_OBJECT_0)
    return -1;
  DWORD code = 0;
  ::GetExitCodeProcess(process_.hProcess, &code);
  return static_cast<long>(code);
}

bool AppProcess::Running() const {
  return ::WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT;
}
