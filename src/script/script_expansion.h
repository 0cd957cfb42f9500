#pragma once
// Expansion of the command templates into script lines, one Input and one
// Output block per source entry.

#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "script/command_template.h"

namespace tewo {

enum class ConversionMode { DxfToDwg, DwgToDxf };

struct OutputPlan;  // output_paths.h

// "//ファイル名" and "//精度" as Shift-JIS bytes: the core's texts build the
// same with any compiler, whatever its execution character set.
inline constexpr const char* kFileNameMarker = "//\x83\x74\x83\x40\x83\x43\x83\x8B\x96\xBC";
inline constexpr const char* kPrecisionMarker = "//\x90\xB8\x93\x78";
inline constexpr const char* kEndMarker = "//E";

// ".dwg" for DXF to DWG, ".dxf" for DWG to DXF.
const char* NewExtension(ConversionMode mode);

// "dxftodwg.scr" or "dwgtodxf.scr".
const char* DefaultScriptName(ConversionMode mode);

// The name the save dialog proposes: the file name of the last script path,
// unless that is empty or one of the two default names, which give the mode's
// default name.
std::string ProposedScriptName(std::string_view lastScriptPath, ConversionMode mode);

// Folder text + base name of the source + extension. The base name is taken
// from the source after blank trimming, its drive, folder and extension
// dropped. The folder text is used as it is (the caller has made it end with
// "\"). No length limit.
std::string DestinationPath(std::string_view source, std::string_view folder,
                            std::string_view extension);

// How many entries have an output whose name (the entry's base name and the
// mode's new extension) is among folderNames, the names in the destination
// folder. Names compare as the file system compares them, a letter in either
// case alike. One pass over each list.
std::size_t CountExistingOutputs(ConversionMode mode, std::span<const std::string_view> entries,
                                 const std::vector<std::string>& folderNames);
// The same for entries as the list holds them.
inline std::size_t CountExistingOutputs(ConversionMode mode,
                                        const std::vector<std::string>& entries,
                                        const std::vector<std::string>& folderNames) {
  return CountExistingOutputs(mode, std::vector<std::string_view>(entries.begin(), entries.end()),
                              folderNames);
}

using LineSink = std::function<void(std::string_view)>;

// Calls sink for every script line, without line breaks. Entries are used
// after blank trimming; the first entry takes the mode's first-file blocks,
// every further entry the later-file blocks, each Input block then its Output
// block. In a block, "//E" ends it unwritten; "//ファイル名" gives the entry (Input)
// or its destination path (Output), quoted when it holds a blank; "//精度"
// gives the DXF precision in blocks 04, 06 and 08 only. Every other line,
// "//e" among them, is passed on unchanged. The view handed to sink is valid
// only during the call.
void ExpandScript(ConversionMode mode, const std::vector<std::string>& entries,
                  std::string_view destinationFolder, const CommandTemplateSet& templates,
                  const LineSink& sink);

// The same with the outputs where plan puts them (output_paths.h); the
// overload above writes them flat.
void ExpandScript(ConversionMode mode, const std::vector<std::string>& entries,
                  const OutputPlan& plan, std::string_view destinationFolder,
                  const CommandTemplateSet& templates, const LineSink& sink);

std::vector<std::string> ExpandScriptLines(ConversionMode mode,
                                           const std::vector<std::string>& entries,
                                           std::string_view destinationFolder,
                                           const CommandTemplateSet& templates);

}  // namespace tewo
