#include "e2e/app_process.h"

#include <atomic>
#include <vector>

#include "e2e/robot.h"

InstallSource& TheInstallSource() {
  static InstallSource source;
  return source;
}

std::vector<std::string>& CreatedTempFolders() {
  static std::vector<std::string> folders;
  return folders;
}

std::string NewTempFolder(const std::string& label) {
  static std::atomic<int> counter{0};
  char temp[MAX_PATH + 1] = {};
  ::GetTempPathA(sizeof temp, temp);
  std::string path = std::string(temp) + "tewo_e2e_" + std::to_string(::GetCurrentProcessId()) +
                     "_" + std::to_string(counter++) + label;
  ::CreateDirectoryA(path.c_str(), nullptr);
  CreatedTempFolders().push_back(path);
  return path;
}

void RemoveTempFolders() {
  for (const std::string& folder : CreatedTempFolders()) RemoveTree(folder);
  CreatedTempFolders().clear();
}

InstallFolder::InstallFolder() : path_(NewTempFolder("_install")) {
  const InstallSource& source = TheInstallSource();
  ::CopyFileA(source.exe.c_str(), (*this / "tewo.exe").c_str(), FALSE);
  ::CopyFileA((source.filesFolder + "\\tewoc.ini").c_str(), (*this / "tewoc.ini").c_str(), FALSE);
  ::CopyFileA((source.filesFolder + "\\help.txt").c_str(), (*this / "help.txt").c_str(), FALSE);
}

InstallFolder::~InstallFolder() { RemoveTree(path_); }

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

std::string ReadFileBytes(const std::string& path) {
  std::string bytes;
  HANDLE file = ::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, 0, nullptr);
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
  if (file == INVALID_HANDLE_VALUE) return;
  DWORD written = 0;
  ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  ::CloseHandle(file);
}

bool FileExists(const std::string& path) {
  return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

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
