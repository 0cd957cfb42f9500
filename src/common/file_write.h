#pragma once
// Writing a file whole, so that a failure never leaves it empty or half
// written: the bytes go to a new file beside it, which then takes its place.

#include <string>
#include <string_view>

namespace tewo {

// The file that new content is written to before it replaces path: in the
// same folder, so that the replacement is one rename.
std::string ReplacementPath(const std::string& path);

// Writes bytes as they are to ReplacementPath(path) and then puts that file in
// path's place. False when the new file cannot be created, a write or the
// close fails, or the replacement fails; path then keeps its old content and
// the new file is removed. A new file left by an interrupted run is
// overwritten.
bool WriteFileReplacing(const std::string& path, std::string_view bytes);

// text with every LF written as CR LF, as text mode writes it.
std::string LfToCrLf(std::string_view text);

}  // namespace tewo
