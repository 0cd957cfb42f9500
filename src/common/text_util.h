#pragma once

#include <string>
#include <string_view>

namespace tewo {

// Removes leading and trailing blanks (0x20 only; tabs and full-width spaces
// stay). A text of blanks only gives the empty text.
std::string TrimBlanks(std::string_view text);
std::string_view TrimBlanksView(std::string_view text);  // the same, as a view into text

// True when text contains a blank (0x20) anywhere.
bool HasBlank(std::string_view text);

// Encloses a path that contains a blank anywhere in double quotes; any other
// path is returned unchanged.
std::string QuoteIfBlank(std::string_view path);

}  // namespace tewo
