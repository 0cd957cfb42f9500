#include "app/settings_file.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "test_files.h"

namespace tewo {
namespace {

using test::TempDir;
using test::Visible;

TEST(SettingsPathFor, IniBesideTheProgramInLowerCase) {
  EXPECT_EQ(SettingsPathFor("C:\\Tools.V2\\TEWO.EXE"), "c:\\tools.v2\\tewo.ini");
  EXPECT_EQ(SettingsPathFor("C:\\表\\ア\\Tewo"), "c:\\表\\ア\\tewo.ini");  // 83 41 stays
  EXPECT_EQ(SettingsPathFor("D:\\" + std::string(300, 'F') + "\\T.EXE"),
            "d:\\" + std::string(300, 'f') + "\\t.ini");
}

// The settings read, as "switch|mode|destination|source|script" with "-"
// for an absent line.
std::string Read(const std::string& path) {
  const StoredSettings s = ReadSettingsFile(path);
  auto text = [](const std::optional<std::string>& v) { return v ? *v : std::string("-"); };
  const char* mode = !s.mode ? "-" : *s.mode == ConversionMode::DxfToDwg ? "dxf" : "dwg";
  const char* tree = !s.keepTree ? "" : *s.keepTree ? "|tree" : "|flat";
  return text(s.restoreSwitch) + "|" + mode + "|" + text(s.destination) + "|" +
         text(s.sourceFolder) + "|" + text(s.scriptFolder) + tree +
         (s.lastProgram ? "|" + *s.lastProgram : "");
}

TEST(ReadSettingsFile, LinesAndLimits) {
  const std::string d258(258, 'd'), d259(259, 'd'), d41(41, 'd');
  const std::pair<std::string, std::string> cases[] = {
      {"", "-|-|-|-|-"},
      {"0\r\n0\r\n\r\n\r\n\r\n", "0|dxf|-|-|-"},
      {"0\r\n1\r\nD:\\out\\\r\nC:\\src\\\r\nC:\\s\\\r\n", "0|dwg|-|-|-"},  // not restored
      {"1\r\n0\r\nD:\\表\\\r\nC:\\src\\\r\nC:\\s\\\r\n", "1|dxf|D:\\表\\|C:\\src\\|C:\\s\\"},
      {"1\n\nA\nB\nC", "1|dwg|A|B|C"},  // line 2 empty
      {"1\r\n01\r\nA\r\n", "1|dwg|A|-|-"},
      {"1\r\n", "1|-|-|-|-"},
      {"12345678\r\n0\r\n", "12345678|dxf|-|-|-"},
      {"1234567890\r\n1\r\n", "123456789|dxf|-|-|-"},  // the cut line's rest is line 2
      {"1       \r\n0\r\nA\r\n", "1       |dxf|-|-|-"},
      {"1\r\n0\r\n" + d258 + "\r\nB\r\nC\r\n", "1|dxf|" + d258 + "|B|C"},
      {"1\r\n0\r\n" + d259 + "\r\nB\r\nC\r\n", "1|dxf|" + d259 + "||B|flat"},
      {"1\r\n0\r\n" + d259 + d41 + "\r\nS\r\n", "1|dxf|" + d259 + "|" + d41 + "|S"},
      {"0\r\n1\r\nD\r\nS\r\nC\r\n1\r\nnext\r\n", "0|dwg|-|-|-|tree|next"},  // always read
      {"0\r\n0\r\nA\r\nB\r\nC\r\n0\r\nD:\\acad.exe\r\n", "0|dxf|-|-|-|flat|D:\\acad.exe"},
  };
  TempDir dir;
  for (const auto& [bytes, settings] : cases) {
    test::WriteBytes(dir.File("tewo.ini"), bytes);
    EXPECT_EQ(Read(dir.File("tewo.ini")), settings) << Visible(bytes);
  }
  EXPECT_EQ(Read(dir.File("missing.ini")), "-|-|-|-|-");
  EXPECT_EQ(Read(dir.path()), "-|-|-|-|-");
}

TEST(WriteSettingsFile, SixLines) {
  const std::string longFolder = "D:\\" + std::string(400, 'x') + "\\";
  const std::pair<SettingsToWrite, std::string> cases[] = {
      {{"0", ConversionMode::DxfToDwg, "", "", "", false, ""}, "0\r\n0\r\n\r\n\r\n\r\n0\r\n"},
      {{"1", ConversionMode::DwgToDxf, "  D:\\out\\ ", " C:\\s", "E:\\表\\  ", true,
        "D:\\acad.exe"},
       "1\r\n1\r\nD:\\out\\\r\nC:\\s\r\nE:\\表\\\r\n1\r\nD:\\acad.exe\r\n"},
      {{"123456789", ConversionMode::DxfToDwg, longFolder, "a b", "   ", false, ""},
       "123456789\r\n0\r\n" + longFolder + "\r\na b\r\n\r\n0\r\n"},
  };
  TempDir dir;
  const std::string path = dir.File("tewo.ini");
  for (const auto& [settings, bytes] : cases) {
    test::WriteBytes(path, "old content, longer than some of the files written here");
    EXPECT_TRUE(WriteSettingsFile(path, settings));
    EXPECT_EQ(Visible(test::ReadBytes(path)), Visible(bytes));
    if (settings.restoreSwitch == "1") {
      EXPECT_EQ(Read(path), "1|dwg|D:\\out\\|C:\\s|E:\\表\\|tree|D:\\acad.exe");
    }
  }
  EXPECT_FALSE(WriteSettingsFile(dir.File("no/such/tewo.ini"), {}));
}

}  // namespace
}  // namespace tewo
