#include <gtest/gtest.h>

#include "common/readable_colour.h"

namespace tewo {
namespace {

TEST(ReadableColour, ReachesTheContrastKeepingTheHue) {
  const Rgb grey{240, 240, 240};  // the dialog background of Windows 10 and 11
  EXPECT_NEAR(ContrastRatio({0, 0, 0}, {255, 255, 255}), 21.0, 1e-9);
  EXPECT_NEAR(ContrastRatio({255, 255, 0}, grey), 1.06, 0.01);
  struct Row {
    Rgb wanted, background, expected;
  };
  const Row rows[] = {
      {{255, 255, 0}, grey, {113, 113, 0}},         // yellow becomes olive
      {{65, 105, 225}, grey, {63, 101, 218}},       // the blue, a little darker
      {{255, 255, 0}, {0, 0, 0}, {255, 255, 0}},    // readable as it is
      {{255, 255, 0}, {115, 115, 115}, {0, 0, 0}},  // nothing reaches it: black
  };
  for (const Row& row : rows) {
    const Rgb readable = ReadableOn(row.wanted, row.background);
    EXPECT_EQ(readable, row.expected) << int{readable.r} << " " << int{readable.g};
    if (readable == row.expected && !(readable == Rgb{})) {
      EXPECT_GE(ContrastRatio(readable, row.background), kReadableContrast);
    }
  }
}

}  // namespace
}  // namespace tewo
