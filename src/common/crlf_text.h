#pragma once
// Texts shown in the tool's windows: a file read as the C runtime's text mode
// reads it (a byte 0x1A ends it), with CR LF line ends as edit controls want.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "common/text_file.h"  // CutAtEndOfFileMark

namespace tewo {

// The bytes of the file at path up to its first 0x1A. Reading stops once
// more than limit bytes are in (the result is then longer than limit).
// Nothing when the file cannot be opened or a read fails.
std::optional<std::string> ReadTextFileBytes(const std::string& path, std::size_t limit);

// text with a CR put before every line feed that has none; a CR LF stays as
// it is. A text that needs no change is taken over as it is.
std::string WithCrLf(std::string text);

}  // namespace tewo
