#include "framework/program_calls.h"

#include "framework/gdi.h"

namespace tewo {

namespace {

struct CloseRegistryKey {
  void operator()(HKEY key) const { ::RegCloseKey(key); }
};
using ScopedRegistryKey = ScopedHandle<HKEY, CloseRegistryKey>;

// A key of HKEY_LOCAL_MACHINE in the 64-bit view, read only; null when it
// cannot be opened.
ScopedRegistryKey OpenMachineKey(const std::wstring& key) {
  HKEY opened = nullptr;
  if (::RegOpenKeyExW(HKEY_LOCAL_MACHINE, key.c_str(), 0, KEY_READ | KEY_WOW64_64KEY, &opened) !=
      ERROR_SUCCESS) {
    return ScopedRegistryKey();
  }
  return ScopedRegistryKey(opened);
}

// Closes the handles of a started process: the tool does not wait for it.
class ProcessHandles {
 public:
  ~ProcessHandles() {
    if (info.hThread != nullptr) ::CloseHandle(info.hThread);
    if (info.hProcess != nullptr) ::CloseHandle(info.hProcess);
  }
  PROCESS_INFORMATION info{};
};

}  // namespace

std::vector<std::wstring> ProgramCalls::SubkeyNames(const std::wstring& key) const {
  const ScopedRegistryKey opened = OpenMachineKey(key);
  std::vector<std::wstring> names;
  if (opened.get() == nullptr) return names;
  DWORD longest = 0;
  if (::RegQueryInfoKeyW(opened.get(), nullptr, nullptr, nullptr, nullptr, &longest, nullptr,
                         nullptr, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) {
    return names;
  }
  std::wstring name(longest + 1, L'\0');
  for (DWORD index = 0;; ++index) {
    DWORD length = static_cast<DWORD>(name.size());
    const LSTATUS status = ::RegEnumKeyExW(opened.get(), index, name.data(), &length, nullptr,
                                           nullptr, nullptr, nullptr);
    if (status != ERROR_SUCCESS) break;
    names.emplace_back(name.data(), length);
  }
  return names;
}

std::optional<std::wstring> ProgramCalls::StringValue(const std::wstring& key,
                                                      const std::wstring& name) const {
  const ScopedRegistryKey opened = OpenMachineKey(key);
  if (opened.get() == nullptr) return std::nullopt;
  // The value may change between the two calls: asked again until it fits.
  for (int attempt = 0; attempt < 4; ++attempt) {
    DWORD bytes = 0;
    if (::RegGetValueW(opened.get(), nullptr, name.c_str(), RRF_RT_REG_SZ, nullptr, nullptr,
                       &bytes) != ERROR_SUCCESS) {
      return std::nullopt;
    }
    std::wstring text(bytes / sizeof(wchar_t) + 1, L'\0');
    bytes = static_cast<DWORD>(text.size() * sizeof(wchar_t));
    const LSTATUS status = ::RegGetValueW(opened.get(), nullptr, name.c_str(), RRF_RT_REG_SZ,
                                          nullptr, text.data(), &bytes);
    if (status == ERROR_MORE_DATA) continue;
    if (status != ERROR_SUCCESS) return std::nullopt;
    const std::size_t end = text.find(L'\0');
    if (end != std::wstring::npos) text.resize(end);
    return text;
  }
  return std::nullopt;
}

DWORD ProgramCalls::Start(const std::wstring& program, const std::wstring& commandLine,
                          const std::wstring& folder) const {
  // The system may write into the command line it is given.
  std::wstring line = commandLine;
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  ProcessHandles process;
  if (!::CreateProcessW(program.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.c_str(), &startup, &process.info)) {
    return ::GetLastError();
  }
  return 0;
}

}  // namespace tewo
