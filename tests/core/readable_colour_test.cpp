#include <gtest/gtest.h>

#include "common/readable_colour.h"

namespace tewo {

TEST(ReadableColour, DarkensTheSameHueAsFarAsTheContrastAsks) {
  EXPECT_NEAR(ContrastRatio({0, 0, 0}, {255, 255, 255}), 21.0, 1e-9);
  const Rgb grey{240, 240, 240};  // the dialogs' background on Windows 10 and 11
  EXPECT_EQ(ReadableOn({255, 255, 0}, grey), (Rgb{113, 113, 0}));  // 4.53; 114 gives 4.47
  EXPECT_EQ(ReadableOn({65, 105, 225}, grey), (Rgb{63, 101, 218}));
  EXPECT_EQ(ReadableOn({255, 255, 0}, {0, 0, 0}), (Rgb{255, 255, 0}));  // readable as it is
  EXPECT_EQ(ReadableOn({255, 255, 0}, {115, 115, 115}), Rgb{});         // nothing reaches 4.5
}

}  // namespace tewo
