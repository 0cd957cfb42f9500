#pragma once
// The output folders below the destination when the entries' folder tree is
// kept: the outputs they already hold, and the making of those still
// missing. AutoCAD makes no folder, so they are made before the script is
// written.

#include <windows.h>

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "framework/file_calls.h"
#include "script/output_paths.h"

namespace tewo {

// The distinct folders of the outputs below the destination, in the order of
// their first entries, each with its entries. Found once per save and shared
// by the count of existing outputs and the making of folders.
struct OutputFolder {
  std::string_view kept;  // the kept folders, ending in "\"; empty for the destination itself
  std::vector<std::string_view> entries;  // views of the list's entries
};

// The output folders of entries under plan; folder names compare as the
// file system compares them.
std::vector<OutputFolder> GroupOutputFolders(const std::vector<std::string>& entries,
                                             const OutputPlan& plan);

// How many entries have an output in its folder (see CountExistingOutputsIn),
// each distinct output folder looked at once, in wide form. A folder that
// does not exist yet holds no output, and neither does a file that stands
// where an output folder is needed. Nothing when a folder could not be
// looked at: the tool could not look, which is never taken for "none".
std::optional<std::size_t> CountExistingKeptOutputs(const FileCalls& calls, ConversionMode mode,
                                                    const std::vector<OutputFolder>& folders,
                                                    const std::string& destination);

struct MadeFolders {
  std::size_t made = 0;
  std::string failed;  // the folder that could not be made (no final "\"); empty when none
};

// Makes every missing folder of the outputs below destination (which ends in
// "\" and exists), each parent before its folders, never one above the
// destination. Stops at the first folder that cannot be made, a file that
// stands in its place included; the folders made before it stay.
MadeFolders MakeOutputFolders(const FileCalls& calls, const std::vector<OutputFolder>& folders,
                              const std::string& destination);

}  // namespace tewo
