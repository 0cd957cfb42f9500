#include "shared/win_files.h"

#include <windows.h>

#include <algorithm>
#include <atomic>

TempFolder::TempFolder(const std::string& label) {
  static std::atomic<int> counter{0};
  char temp[MAX_PATH + 1] = {};
  ::GetTempPathA(sizeof temp, temp);
  path_ = std::string(temp) + "tewo_test_" + std::to_string(::GetCurrentProcessId()) + "_" +
          std::to_string(counter++) + label;
  ::CreateDirectoryA(path_.c_str(), nullptr);
}

TempFolder::~TempFolder() { RemoveTree(path_); }

namespace {

std::string ReadAll(HANDLE file) {
  std::string bytes;
  if (file == INVALID_HANDLE_VALUE) return bytes;
  char buffer[4096];
  DWORD got = 0;
  while (::ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0)
    bytes.append(buffer, got);
  ::CloseHandle(file);
  return bytes;
}

bool WriteAll(HANDLE file, const std::string& bytes) {
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const BOOL ok =
      ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  ::CloseHandle(file);
  return ok && written == bytes.size();
}

}  // namespace

std::string ReadFileBytes(const std::string& path) {
  return ReadAll(::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                               nullptr, OPEN_EXISTING, 0, nullptr));
}

std::string ReadFileBytes(const std::wstring& path) {
  return ReadAll(::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                               nullptr, OPEN_EXISTING, 0, nullptr));
}

bool WriteFileBytes(const std::string& path, const std::string& bytes) {
  return WriteAll(::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr),
                  bytes);
}

bool WriteFileBytes(const std::wstring& path, const std::string& bytes) {
  return WriteAll(::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr),
                  bytes);
}

std::wstring WidePath(const std::string& ansiPath) {
  const int chars = ::MultiByteToWideChar(CP_ACP, 0, ansiPath.data(),
                                          static_cast<int>(ansiPath.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(chars), L'\0');
  ::MultiByteToWideChar(CP_ACP, 0, ansiPath.data(), static_cast<int>(ansiPath.size()), wide.data(),
                        chars);
  return wide;
}

bool FileExists(const std::string& path) {
  return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

namespace {

// Wide, so that names the code page cannot hold go too.
void RemoveTreeWide(const std::wstring& path) {
  WIN32_FIND_DATAW data;
  HANDLE find = ::FindFirstFileW((path + L"\\*").c_str(), &data);
  if (find != INVALID_HANDLE_VALUE) {
    do {
      const std::wstring name = data.cFileName;
      if (name == L"." || name == L"..") continue;
      const std::wstring child = path + L"\\" + name;
      ::SetFileAttributesW(child.c_str(), FILE_ATTRIBUTE_NORMAL);
      if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        RemoveTreeWide(child);
      } else {
        ::DeleteFileW(child.c_str());
      }
    } while (::FindNextFileW(find, &data));
    ::FindClose(find);
  }
  ::RemoveDirectoryW(path.c_str());
}

}  // namespace

void RemoveTree(const std::string& path) { RemoveTreeWide(WidePath(path)); }

std::vector<std::string> WriteTree(const std::string& folder, const std::string& bytes,
                                   const std::string& names) {
  std::vector<std::string> files;
  for (std::size_t at = 0, end = 0; at <= names.size(); at = end + 1) {
    end = std::min(names.find('|', at), names.size());
    const std::string path = folder + names.substr(at, end - at);
    for (std::size_t i = 0; i < path.size(); i += ::IsDBCSLeadByte(path[i]) ? 2 : 1)
      if (path[i] == '\\') ::CreateDirectoryA(path.substr(0, i).c_str(), nullptr);
    if (path.back() != '\\' && WriteFileBytes(path, bytes)) files.push_back(path);
  }
  return files;
}

bool NewFileLeftIn(const std::string& folder) {
  WIN32_FIND_DATAA data;
  HANDLE find = ::FindFirstFileA((folder + "\\~*").c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return false;
  ::FindClose(find);
  return true;
}

HeldOpen::HeldOpen(const std::string& path)
    : handle_(::CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr)) {}

HeldOpen::~HeldOpen() {
  if (held()) ::CloseHandle(handle_);
}

bool HeldOpen::held() const { return handle_ != INVALID_HANDLE_VALUE; }
