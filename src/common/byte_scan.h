#pragma once
// Word-at-a-time tests over byte strings, eight bytes per step. The core
// runs them over every line of a script, so they must not cost a call or a
// byte-by-byte loop.

#include <bit>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace tewo {

namespace byte_scan_detail {

inline constexpr std::uint64_t kOnes = 0x0101010101010101ULL;
inline constexpr std::uint64_t kHighs = 0x8080808080808080ULL;

inline std::uint64_t Load8(const char* p) {
  std::uint64_t word;
  std::memcpy(&word, p, 8);
  return word;
}

// Non-zero when some byte of word is zero.
constexpr std::uint64_t ZeroByteIn(std::uint64_t word) { return (word - kOnes) & ~word & kHighs; }

// The high bit of exactly those bytes of word that are zero (no false hits,
// unlike ZeroByteIn, so the position of the last hit can be trusted).
constexpr std::uint64_t ZeroBytesExact(std::uint64_t word) {
  constexpr std::uint64_t kLows = 0x7F7F7F7F7F7F7F7FULL;
  return ~(((word & kLows) + kLows) | word | kLows);
}

}  // namespace byte_scan_detail

// True when text holds the byte b anywhere.
inline bool ContainsByte(std::string_view text, char b) {
  using namespace byte_scan_detail;
  const char* p = text.data();
  std::size_t n = text.size();
  if (n < 8) {
    for (std::size_t i = 0; i < n; ++i) {
      if (p[i] == b) return true;
    }
    return false;
  }
  const std::uint64_t pattern = kOnes * static_cast<unsigned char>(b);
  for (; n > 8; p += 8, n -= 8) {
    if (ZeroByteIn(Load8(p) ^ pattern)) return true;
  }
  // The last eight bytes, overlapping what was already tested.
  return ZeroByteIn(Load8(text.data() + text.size() - 8) ^ pattern) != 0;
}

// Position of the last byte of text that equals a or b, or npos. Assumes a
// little-endian machine, as every target of the tool is.
inline std::size_t FindLastOf2(std::string_view text, char a, char b) {
  using namespace byte_scan_detail;
  const char* p = text.data();
  std::size_t end = text.size();
  const std::uint64_t pa = kOnes * static_cast<unsigned char>(a);
  const std::uint64_t pb = kOnes * static_cast<unsigned char>(b);
  for (; end >= 8; end -= 8) {
    const std::uint64_t word = Load8(p + end - 8);
    const std::uint64_t hits = ZeroBytesExact(word ^ pa) | ZeroBytesExact(word ^ pb);
    if (hits) return end - 8 + (63 - static_cast<std::size_t>(std::countl_zero(hits))) / 8;
  }
  while (end > 0) {
    --end;
    if (p[end] == a || p[end] == b) return end;
  }
  return std::string_view::npos;
}

// True when text holds a byte of 0x80 or above (a byte of a double-byte
// character or a half-width katakana).
inline bool ContainsHighByte(std::string_view text) {
  using namespace byte_scan_detail;
  const char* p = text.data();
  std::size_t n = text.size();
  std::uint64_t any = 0;
  if (n < 8) {
    for (std::size_t i = 0; i < n; ++i) any |= static_cast<unsigned char>(p[i]);
    return (any & 0x80) != 0;
  }
  for (; n > 8; p += 8, n -= 8) any |= Load8(p);
  any |= Load8(text.data() + text.size() - 8);  // overlaps what was already tested
  return (any & kHighs) != 0;
}

}  // namespace tewo
