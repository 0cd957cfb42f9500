#pragma once
// Shared by the fuzz targets: a check that stops the run with a message when
// an invariant of the core does not hold (libFuzzer keeps the input).

#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "common/mbcs.h"

#define FUZZ_CHECK(condition)                                                                \
  do {                                                                                       \
    if (!(condition)) {                                                                      \
      std::fprintf(stderr, "%s:%d: invariant failed: %s\n", __FILE__, __LINE__, #condition); \
      std::abort();                                                                          \
    }                                                                                        \
  } while (false)

// Whether pos is where a character starts, walking text from start.
inline bool StartsCharacter(std::string_view text, std::size_t start, std::size_t pos) {
  std::size_t at = start;
  while (at < pos) at += tewo::CharLength(text, at);
  return at == pos;
}
