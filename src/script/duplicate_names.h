#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace tewo {

// Indexes, ascending, of every entry whose file name (last component, name
// and extension) is shared with another entry. Names compare as the file
// system compares them: a letter in either case alike (a-z, full-width Latin,
// Greek and Cyrillic), and a character that the code page holds twice alike
// in both its codes (FoldCase), so that two entries never give one output
// file. Names are taken from the entries after blank trimming, the text that
// the script expansion builds destination paths from. Empty when no two
// entries share a name. Linear in the number of entries.
std::vector<std::size_t> FindDuplicateNames(const std::vector<std::string>& entries);

// The same for outputs that keep the entries' folders below a base folder
// (keptFrom of an OutputPlan, output_paths.h): two entries are duplicates
// when their outputs relative to the destination are equal as the file
// system compares them.
std::vector<std::size_t> FindDuplicateOutputs(const std::vector<std::string>& entries,
                                              std::size_t keptFrom);

}  // namespace tewo
