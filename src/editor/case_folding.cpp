#include "editor/case_folding.h"

#include <cstdint>
#include <cstring>

#include "common/mbcs.h"

namespace tewo {

namespace {

// The double-byte characters of code page 932 that have an upper-case form,
// as runs of codes that move by the same distance.
struct FoldRun {
  unsigned first;
  unsigned last;
  int shift;
};
constexpr FoldRun kFoldRuns[] = {
    {0x8281, 0x829A, -0x21},    // ａ-ｚ to Ａ-Ｚ
    {0x83BF, 0x83D6, -0x20},    // α-ω to Α-Ω
    {0x8470, 0x847E, -0x30},    // а-н to А-Н (0x847F is no character)
    {0x8480, 0x8491, -0x31},    // о-я to О-Я
    {0xEEEF, 0xEEF8, -0x679B},  // small roman numerals (NEC-selected) to Ⅰ-Ⅹ at 0x8754
    {0xFA40, 0xFA49, -0x72EC},  // small roman numerals (IBM) to Ⅰ-Ⅹ at 0x8754
};

constexpr std::uint64_t kOnes = 0x0101010101010101ULL;
constexpr std::uint64_t kHighs = 0x8080808080808080ULL;

// Folds eight bytes below 0x80 at once: each byte from 'a' to 'z' loses its
// 0x20 bit. No sum carries into the next byte, since every byte is below 0x80.
constexpr std::uint64_t FoldAsciiWord(std::uint64_t word) {
  const std::uint64_t atLeastA = word + kOnes * (0x80 - 'a');
  const std::uint64_t aboveZ = word + kOnes * (0x80 - 'z' - 1);
  const std::uint64_t lower = atLeastA & ~aboveZ & kHighs;
  return word ^ (lower >> 2);
}

}  // namespace

unsigned FoldDoubleByte(unsigned char lead, unsigned char trail) {
  const unsigned code = (unsigned{lead} << 8) | trail;
  // Only these lead bytes carry foldable characters.
  if (lead != 0x82 && lead != 0x83 && lead != 0x84 && lead != 0xEE && lead != 0xFA) return code;
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
