#pragma once
// Case folding as the system folds letter case, for find and replace when
// the match-case option is off and for file names, which the file system
// compares this way (two names equal when folded name one file): the
// letters a-z become A-Z, and a double-byte character is folded as a whole
// by the system's upper-case mapping for the code page (full-width ａ-ｚ
// become Ａ-Ｚ, Greek and Cyrillic small letters become capitals, and a
// character that the code page holds twice takes the code the system prefers:
// NEC-selected IBM extensions their IBM codes, NEC row 13 signs their row 2
// codes). The byte after a lead byte is never folded on its own, and the
// result always has the length of the input.

#include <cstdint>
#include <string>
#include <string_view>

#include "common/byte_scan.h"

namespace tewo {

// Folds eight bytes below 0x80 at once: each byte from 'a' to 'z' loses its
// 0x20 bit. No sum carries into the next byte, since every byte is below 0x80
// (a word with a byte above it gives no meaningful result).
constexpr std::uint64_t FoldAsciiWord(std::uint64_t word) {
  using byte_scan_detail::kHighs;
  using byte_scan_detail::kOnes;
  const std::uint64_t atLeastA = word + kOnes * (0x80 - 'a');
  const std::uint64_t aboveZ = word + kOnes * (0x80 - 'z' - 1);
  const std::uint64_t lower = atLeastA & ~aboveZ & kHighs;
  return word ^ (lower >> 2);
}

// Folds text as characters counted from its first byte.
std::string FoldCase(std::string_view text);
void FoldCaseInPlace(std::string& text);

// The folded form of the double-byte character lead, trail (unchanged when
// it has no upper-case form).
unsigned FoldDoubleByte(unsigned char lead, unsigned char trail);

}  // namespace tewo
