#pragma once
// The forward search of find and replace: double-byte aware, so that a match
// starts only where a character starts.

#include <cstddef>
#include <optional>
#include <string_view>

namespace tewo {

// The first position at or after start where needle's bytes stand in text,
// walking text from start as characters (a lead byte takes the next byte
// with it), so that a match never begins at the second byte of a double-byte
// character counted from start. Nothing for an empty needle or when start
// lies beyond the text.
std::optional<std::size_t> FindForward(std::string_view text, std::size_t start,
                                       std::string_view needle);

}  // namespace tewo
