#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace tewo {

// Indexes, ascending, of every entry whose file name (last component, name
// and extension, compared byte for byte) is shared with another entry.
// Empty when no two entries share a name.
std::vector<std::size_t> FindDuplicateNames(const std::vector<std::string>& entries);

}  // namespace tewo
