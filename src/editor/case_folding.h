#pragma once
// Case folding for find and replace when the match-case option is off: the
// letters a-z become A-Z, and a double-byte character is folded as a whole
// by the system's upper-case mapping for the code page (full-width ａ-ｚ
// become Ａ-Ｚ, Greek and Cyrillic small letters become capitals, and a
// character that the code page holds twice takes the code the system prefers:
// NEC-selected IBM extensions their IBM codes, NEC row 13 signs their row 2
// codes). The byte after a lead byte is never folded on its own, and the
// result always has the length of the input.

#include <string>
#include <string_view>

namespace tewo {

// Folds text as characters counted from its first byte.
std::string FoldCase(std::string_view text);
void FoldCaseInPlace(std::string& text);

// The folded form of the double-byte character lead, trail (unchanged when
// it has no upper-case form).
unsigned FoldDoubleByte(unsigned char lead, unsigned char trail);

}  // namespace tewo
