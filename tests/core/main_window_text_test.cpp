// What the main window decides from texts alone: which files the source list
// takes, what it says of the others, where the folder browser starts, and
// how dark its yellow texts must be.
#include <gtest/gtest.h>

#include "app/destination_text.h"
#include "app/source_files.h"
#include "common/path_split.h"
#include "common/readable_colour.h"

namespace tewo {
namespace {

TEST(ReadableColour, DarkensTheSameHueAsFarAsTheContrastAsks) {
  EXPECT_NEAR(ContrastRatio({0, 0, 0}, {255, 255, 255}), 21.0, 1e-9);
  const Rgb grey{240, 240, 240};  // the dialogs' background on Windows 10 and 11
  EXPECT_EQ(ReadableOn({255, 255, 0}, grey), (Rgb{113, 113, 0}));  // 4.53; 114 gives 4.47
  EXPECT_EQ(ReadableOn({65, 105, 225}, grey), (Rgb{63, 101, 218}));
  EXPECT_EQ(ReadableOn({255, 255, 0}, {0, 0, 0}), (Rgb{255, 255, 0}));  // readable as it is
  EXPECT_EQ(ReadableOn({255, 255, 0}, {115, 115, 115}), Rgb{});         // nothing reaches 4.5
}

TEST(SourceFiles, TakesOnlyTheModesExtensionInAnyCase) {
  const struct {
    const char* path;
    bool dxf;
    bool dwg;
  } kCases[] = {
      {"C:\\a.dxf", true, false},
      {"C:\\a.DXF", true, false},
      {"C:\\a.Dxf", true, false},
      {"C:\\a.dwg", false, true},
      {"C:\\a.DwG", false, true},
      {"C:\\a.dxf.bak", false, false},
      {"C:\\noext", false, false},
      {"C:\\dir.dxf\\file", false, false},  // a dot only in a folder name
      {"C:\\dir.dxf\\", false, false},
      {"C:\\表\\能.dxf", true, false},     // trail bytes 0x5C before the name
      {"C:\\x\\ソ", false, false},         // ソ ends in 0x5C: no separator, no dot
      {"C:\\x\\.dxf", true, false},        // a name that is only an extension
      {"C:\\x\\a\x81.dxf", false, false},  // a lead byte takes the dot with it
      {"a.dxf", true, false},
      {"C:\\x\\a.dx", false, false},
      {"C:\\x\\a.dxff", false, false},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(IsSourceOfMode(c.path, ConversionMode::DxfToDwg), c.dxf) << c.path;
    EXPECT_EQ(IsSourceOfMode(c.path, ConversionMode::DwgToDxf), c.dwg) << c.path;
  }
}

TEST(SourceFiles, RejectionNamesTheFileOnTheSecondLine) {
  EXPECT_EQ(RejectionText("C:\\data\\c.dwg", ConversionMode::DxfToDwg),
            "DXFﾌｧｲﾙではありません\nc.dwg");
  EXPECT_EQ(RejectionText("C:\\data\\b.dxf.bak", ConversionMode::DwgToDxf),
            "DWGﾌｧｲﾙではありません\nb.dxf.bak");
  EXPECT_EQ(RejectionText("C:\\図面表\\予.dwg", ConversionMode::DxfToDwg),
            "DXFﾌｧｲﾙではありません\n予.dwg");
  EXPECT_EQ(RejectionText("C:\\x\\ソ", ConversionMode::DxfToDwg), "DXFﾌｧｲﾙではありません\nソ");
}

TEST(SourceFiles, CountLabel) {
  EXPECT_EQ(CountLabelText(0), "FILE=0");
  EXPECT_EQ(CountLabelText(3), "FILE=3");
  EXPECT_EQ(CountLabelText(100000), "FILE=100000");
}

TEST(DestinationText, BrowserStartsInTheFieldsFolder) {
  const struct {
    const char* field;
    const char* initial;
  } kCases[] = {
      {"", ""},
      {"C:\\a\\b\\", "C:\\a\\b"},
      {"C:\\a\\b", "C:\\a"},
      {"C:\\", "C:\\"},
      {"C:", "C:"},
      {"out", ""},
      {"\\\\server\\share\\", "\\\\server\\share"},
      {"C:\\出力表\\", "C:\\出力表"},
      {"C:\\出力表\\ソ", "C:\\出力表"},
  };
  for (const auto& c : kCases) EXPECT_EQ(InitialBrowseFolder(c.field), c.initial) << c.field;
}

TEST(DestinationText, OneBackslashAtTheEnd) {
  EXPECT_EQ(WithTrailingBackslash("C:\\out"), "C:\\out\\");
  EXPECT_EQ(WithTrailingBackslash("C:\\"), "C:\\");
  EXPECT_EQ(WithTrailingBackslash("C:\\出力表"), "C:\\出力表\\");
  EXPECT_EQ(WithTrailingBackslash("C:\\出力表\\"), "C:\\出力表\\");
}

}  // namespace
}  // namespace tewo
