#pragma once
// The AutoCAD installations that the registry lists, for running a script.

#include <string>
#include <vector>

#include "framework/file_calls.h"
#include "framework/program_calls.h"

namespace tewo {

struct AutoCadInstallation {
  std::wstring name;     // the product's name, else its key names
  std::wstring program;  // the full path of acad.exe or acadlt.exe
};

// AutoCAD and AutoCAD LT as their releases record themselves under
// SOFTWARE\Autodesk, newest release first. An installation is listed only
// when its program is in its folder (the folder is in "Location" in some
// releases, "AcadLocation" in others); a program listed twice (one
// installation in several languages) is listed once.
std::vector<AutoCadInstallation> FindAutoCadInstallations(const ProgramCalls& registry,
                                                          const FileCalls& files);

}  // namespace tewo
