#pragma once
// Which files the source list takes: ".dxf" in DXF to DWG, ".dwg" in DWG to
// DXF, in any letter case; and what the status label says of any other.

#include <string>
#include <string_view>

#include "script/script_expansion.h"

namespace tewo {

// True when the path's extension (the last one of its last component) is
// the mode's source extension, whatever its letter case.
bool IsSourceOfMode(std::string_view path, ConversionMode mode);

// "DXFﾌｧｲﾙではありません\n" or "DWGﾌｧｲﾙではありません\n", then the file's base
// name and extension, so that the name stands on the label's second line.
std::string RejectionText(std::string_view path, ConversionMode mode);

// "FILE=" and the number of entries.
std::string CountLabelText(int entries);

}  // namespace tewo
