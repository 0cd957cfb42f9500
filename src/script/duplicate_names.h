#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace tewo {

// Indexes, ascending, of every entry whose file name (last component, name
// and extension, compared byte for byte, letter case included) is shared with
// another entry. Names are taken from the entries after blank trimming, the
// text that the script expansion builds destination paths from. Empty when no
// two entries share a name. Linear in the number of entries.
std::vector<std::size_t> FindDuplicateNames(const std::vector<std::string>& entries);

}  // namespace tewo
