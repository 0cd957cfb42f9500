#pragma once

#include <string>
#include <string_view>

namespace tewo {

// The folder the folder browser opens with, built from the destination
// field: drive and folder of the text, without the folder's final backslash
// unless it is a drive's root. Empty for an empty field.
std::string InitialBrowseFolder(std::string_view field);

}  // namespace tewo
