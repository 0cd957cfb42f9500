#pragma once
// The calls that find and start another program: the registry's 64-bit view
// under HKEY_LOCAL_MACHINE, where AutoCAD records its installations (seen
// there by a 32-bit tool too), and the start of a process. Tests stand in
// for them with a registry of their own and record what would be started.

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace tewo {

class ProgramCalls {
 public:
  virtual ~ProgramCalls() = default;
  // The names of the subkeys of key; none when the key is not there.
  virtual std::vector<std::wstring> SubkeyNames(const std::wstring& key) const;
  // The text of the string value name of key (an expandable one expanded);
  // nothing when there is none.
  virtual std::optional<std::wstring> StringValue(const std::wstring& key,
                                                  const std::wstring& name) const;
  // Starts program with commandLine in folder and does not wait for it.
  // 0 when it was started, else the system's error code.
  virtual DWORD Start(const std::wstring& program, const std::wstring& commandLine,
                      const std::wstring& folder) const;
};

}  // namespace tewo
