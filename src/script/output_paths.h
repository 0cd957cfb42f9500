#pragma once
// Where the output of each source entry goes under the destination: flat,
// every output straight in the destination folder, or with the entries'
// folder tree kept below one base folder. The script expansion, the
// duplicate check, the count of existing outputs and the making of output
// folders all take their outputs from here, so that they always agree.
//
// Contract for any part that needs the outputs a script will write: call
// PlanOutputs once over the list's entries (as the list holds them), then
// OutputPath (or AppendOutputPath with the plan's keptFrom) for each entry.
// The destination is the folder text as the save leaves it in the field,
// ending in "\".

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "script/script_expansion.h"

namespace tewo {

// keptFrom of a flat plan: an output keeps only its entry's base name.
inline constexpr std::size_t kFlatOutputs = std::string_view::npos;

struct OutputPlan {
  // The byte offset, in every entry after blank trimming, where the part that
  // its output keeps begins: just after the base folder when the tree is
  // kept, kFlatOutputs when it is not. The base folder has the same length
  // in every entry, since its bytes compare equal once folded and folding
  // keeps a text's length.
  std::size_t keptFrom = kFlatOutputs;
  // Tree kept only: every entry not on the first entry's drive or share.
  // When any is, there is no base folder and no output can be named.
  std::vector<std::size_t> otherRoots;
};

// The plan of the outputs of entries. Flat unless keepTree. With keepTree the
// base folder is sourceFolder (with a "\" added when it lacks one) when
// every entry lies in it or below it, else the deepest folder that holds
// every entry. Folder names compare as the file system compares them
// (FoldCase); a drive ("C:\") or a share ("\\server\share\") is the
// shallowest base. Linear in the entries' length.
OutputPlan PlanOutputs(const std::vector<std::string>& entries, bool keepTree,
                       std::string_view sourceFolder);

// The part of an entry (after blank trimming) that its output keeps, without
// the extension: "1F\平面図" for "C:\proj\1F\平面図.dwg" kept from "C:\proj\",
// "平面図" for any entry when keptFrom is kFlatOutputs.
std::string_view KeptPart(std::string_view trimmedEntry, std::size_t keptFrom);

// The folders of KeptPart, each ending in its separator ("1F\"); empty when
// flat or when the entry lies in the base folder itself.
std::string_view KeptFolders(std::string_view trimmedEntry, std::size_t keptFrom);

// Appends destination + KeptPart + extension to out. An empty destination
// gives the output relative to the destination.
void AppendOutputPath(std::string& out, std::string_view trimmedEntry, std::size_t keptFrom,
                      std::string_view destination, std::string_view extension);

// The output of entry (trimmed here) under plan: destination + kept folders
// + base name + the mode's new extension. No length limit.
std::string OutputPath(const OutputPlan& plan, std::string_view entry, std::string_view destination,
                       ConversionMode mode);

}  // namespace tewo
