#pragma once
// Outputs of a script that already lie in the destination folder. AutoCAD
// asks before it replaces a drawing and takes the script's next line for the
// answer, so the user decides before such a script is written.

#include <windows.h>

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "framework/file_calls.h"
#include "script/script_expansion.h"

namespace tewo {

// How many entries have an output (the entry's base name and the mode's new
// extension) in destination, which ends in "\\" and converts exactly. The
// folder is listed once, in wide form (a name that the code page cannot hold
// is compared folded in wide form: "ς.dwg" names the output "σ.dwg",
// "Straße.dwg" never "Strase.dwg"); when it cannot be listed, each output is
// looked at on its own. Nothing when even that cannot tell whether an output
// exists: the tool could not look, which is never taken for "none".
std::optional<std::size_t> CountExistingOutputsIn(const FileCalls& calls, ConversionMode mode,
                                                  const std::vector<std::string_view>& entries,
                                                  const std::string& destination);

}  // namespace tewo
