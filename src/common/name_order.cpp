#include "common/name_order.h"

#include <cstddef>

#include "common/mbcs.h"

namespace tewo {

namespace {

enum Rank { kSign, kDigit, kLetter, kOther };

struct Char {
  unsigned code;  // a letter's upper-case code; a double-byte character's two bytes
  Rank rank;
  unsigned digit;  // the value of a digit
  std::size_t length;
};

// Full-width "０" to "９".
constexpr unsigned kWideZero = 0x824F;
constexpr unsigned kWideNine = 0x8258;

Char CharAt(std::string_view text, std::size_t i) {
  const auto c = static_cast<unsigned char>(text[i]);
  if (CharLength(text, i) == 2) {
    const unsigned code = c << 8 | static_cast<unsigned char>(text[i + 1]);
    if (code >= kWideZero && code <= kWideNine) return {code, kDigit, code - kWideZero, 2};
    return {code, kOther, 0, 2};
  }
  if (c >= '0' && c <= '9') return {c, kDigit, static_cast<unsigned>(c - '0'), 1};
  if (c >= 'a' && c <= 'z') return {static_cast<unsigned>(c - 'a' + 'A'), kLetter, 0, 1};
  if (c >= 'A' && c <= 'Z') return {c, kLetter, 0, 1};
  return {c, c < 0x80 ? kSign : kOther, 0, 1};
}

// A run of digits: where its first digit other than a leading zero is, how
// many digits follow from there, and where the run ends.
struct DigitRun {
  std::size_t first = 0;
  std::size_t digits = 0;
  std::size_t end = 0;
};

DigitRun ReadRun(std::string_view text, std::size_t i) {
  DigitRun run;
  Char c{};
  while (i < text.size() && (c = CharAt(text, i)).rank == kDigit && c.digit == 0) i += c.length;
  run.first = i;
  for (; i < text.size() && (c = CharAt(text, i)).rank == kDigit; i += c.length) ++run.digits;
  run.end = i;
  return run;
}

}  // namespace

int CompareInNameOrder(std::string_view a, std::string_view b) {
  std::size_t i = 0;
  std::size_t j = 0;
  while (i < a.size() && j < b.size()) {
    const Char x = CharAt(a, i);
    const Char y = CharAt(b, j);
    if (x.rank == kDigit && y.rank == kDigit) {
      // More significant digits is the larger number; as many, the first
      // digit that differs decides.
      const DigitRun r = ReadRun(a, i);
      const DigitRun s = ReadRun(b, j);
      if (r.digits != s.digits) return r.digits < s.digits ? -1 : 1;
      for (std::size_t p = r.first, q = s.first; p < r.end;) {
        const Char dx = CharAt(a, p);
        const Char dy = CharAt(b, q);
        if (dx.digit != dy.digit) return dx.digit < dy.digit ? -1 : 1;
        p += dx.length;
        q += dy.length;
      }
      i = r.end;
      j = s.end;
      continue;
    }
    if (x.rank != y.rank) return x.rank < y.rank ? -1 : 1;
    if (x.code != y.code) return x.code < y.code ? -1 : 1;
    i += x.length;
    j += y.length;
  }
  if (i < a.size()) return 1;
  if (j < b.size()) return -1;
  return 0;
}

}  // namespace tewo
