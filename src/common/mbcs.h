#pragma once
// Double-byte awareness for the ANSI code page 932 (Shift-JIS). Every file and
// text of the tool is Shift-JIS bytes, so the core walks strings character by
// character and never takes a trail byte (which may be 0x5C or 0x2E) for a
// separator or a dot.

#include <cstddef>
#include <string_view>

namespace tewo {

// True for a lead byte of code page 932: 0x81-0x9F and 0xE0-0xFC.
constexpr bool IsLeadByte(unsigned char c) {
  return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

// Length in bytes of the character starting at text[pos]: 2 for a lead byte
// followed by another byte, else 1.
constexpr std::size_t CharLength(std::string_view text, std::size_t pos) {
  return IsLeadByte(static_cast<unsigned char>(text[pos])) && pos + 1 < text.size() ? 2 : 1;
}

// Number of characters of text that start before byte offset bytes (an
// offset inside a double-byte character counts that character). An offset
// past the end counts every character and one per byte beyond.
std::size_t CharCountBefore(std::string_view text, std::size_t bytes);

// Number of characters of text: as the system counts a path's length, a
// double-byte character once.
inline std::size_t CharCount(std::string_view text) { return CharCountBefore(text, text.size()); }

// Byte offset at which character number chars of text starts; past the last
// character, the text's length plus one per character beyond.
std::size_t ByteOffsetOfChar(std::string_view text, std::size_t chars);

}  // namespace tewo
