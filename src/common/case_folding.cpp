#include "common/case_folding.h"

#include <cstdint>
#include <cstring>

#include "common/byte_scan.h"
#include "common/mbcs.h"

namespace tewo {

namespace {

// The system's upper-case mapping of code page 932 turns a double-byte
// character into Unicode, upper-cases it and turns it back. Besides the
// letters, that also moves a character that the code page holds twice to the
// code the system prefers (the NEC-selected IBM extensions to the IBM
// extensions, a few NEC row 13 signs to row 2). These are the characters it
// changes, as runs of codes that move by the same distance.
struct FoldRun {
  unsigned first;
  unsigned last;
  int shift;
};
constexpr FoldRun kFoldRuns[] = {
    {0x8281, 0x829A, -0x21},   // ａ-ｚ to Ａ-Ｚ
    {0x83BF, 0x83D6, -0x20},   // α-ω to Α-Ω
    {0x8470, 0x847E, -0x30},   // а-н to А-Н (0x847F is no character)
    {0x8480, 0x8491, -0x31},   // о-я to О-Я
    {0x8790, 0x8790, -0x5B0},  // NEC row 13 signs to their row 2 codes
    {0x8791, 0x8791, -0x5B2},
    {0x8792, 0x8792, -0x5AB},
    {0x8795, 0x8795, -0x5B2},
    {0x8796, 0x8796, -0x5BB},
    {0x8797, 0x8797, -0x5BD},
    {0x879A, 0x879A, -0x5B4},
    {0x879B, 0x879B, -0x5DC},
    {0x879C, 0x879C, -0x5DE},
    {0xED40, 0xED62, 0xD1C},  // NEC-selected IBM extensions to the IBM ones
    {0xED63, 0xED7E, 0xD1D},
    {0xED80, 0xEDE0, 0xD1C},
    {0xEDE1, 0xEDFC, 0xD5F},
    {0xEE40, 0xEE62, 0xD1C},
    {0xEE63, 0xEE7E, 0xD1D},
    {0xEE80, 0xEEE0, 0xD1C},
    {0xEEE1, 0xEEEC, 0xD5F},
    {0xEEEF, 0xEEF8, -0x679B},  // small roman numerals to Ⅰ-Ⅹ in row 13
    {0xEEF9, 0xEEF9, -0x6D2F},  // ￢ to row 2
    {0xEEFA, 0xEEFC, 0xB5B},
    {0xFA40, 0xFA49, -0x72EC},  // IBM small roman numerals to Ⅰ-Ⅹ in row 13
    {0xFA4A, 0xFA53, -0x72F6},  // IBM roman numerals to row 13
    {0xFA54, 0xFA54, -0x788A},  // IBM signs to their row 2 and row 13 codes
    {0xFA58, 0xFA58, -0x72CE},
    {0xFA59, 0xFA59, -0x72D7},
    {0xFA5A, 0xFA5A, -0x72D6},
    {0xFA5B, 0xFA5B, -0x7875},
};

using byte_scan_detail::kHighs;

// Only these lead bytes carry characters that change.
constexpr bool MayFold(unsigned char lead) {
  return lead == 0x82 || lead == 0x83 || lead == 0x84 || lead == 0x87 || lead == 0xED ||
         lead == 0xEE || lead == 0xFA;
}

}  // namespace

unsigned FoldDoubleByte(unsigned char lead, unsigned char trail) {
  const unsigned code = (unsigned{lead} << 8) | trail;
  if (!MayFold(lead)) return code;
  for (const FoldRun& run : kFoldRuns) {
    if (code >= run.first && code <= run.last) return static_cast<unsigned>(int(code) + run.shift);
  }
  return code;
}

void FoldCaseInPlace(std::string& text) {
  char* p = text.data();
  const std::size_t n = text.size();
  std::size_t i = 0;
  while (i < n) {
    if (i + 8 <= n) {
      std::uint64_t word;
      std::memcpy(&word, p + i, 8);
      if ((word & kHighs) == 0) {
        word = FoldAsciiWord(word);
        std::memcpy(p + i, &word, 8);
        i += 8;
        continue;
      }
    }
    const auto c = static_cast<unsigned char>(p[i]);
    if (IsLeadByte(c) && i + 1 < n) {
      if (!MayFold(c)) {  // most double-byte characters: kanji, kana
        i += 2;
        continue;
      }
      const unsigned folded = FoldDoubleByte(c, static_cast<unsigned char>(p[i + 1]));
      p[i] = static_cast<char>(folded >> 8);
      p[i + 1] = static_cast<char>(folded & 0xFF);
      i += 2;
    } else {
      if (c >= 'a' && c <= 'z') p[i] = static_cast<char>(c - ('a' - 'A'));
      ++i;
    }
  }
}

std::string FoldCase(std::string_view text) {
  std::string folded(text);
  FoldCaseInPlace(folded);
  return folded;
}

}  // namespace tewo
