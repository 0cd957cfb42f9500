#pragma once

#include <string>

namespace tewo {

// Moves newFile over target in one step, replacing target when it exists.
// False when that fails; target is then left as it was.
bool ReplaceFileWith(const std::string& newFile, const std::string& target);

}  // namespace tewo
