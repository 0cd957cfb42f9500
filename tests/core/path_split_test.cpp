#include "common/path_split.h"

#include <gtest/gtest.h>

#include "common/byte_scan.h"
#include "common/text_util.h"
#include "test_files.h"

namespace tewo {
namespace {

using test::Visible;

// "表" is 95 5C and "能" 94 5C: their trail byte is the code of "\".
TEST(SplitPath, Parts) {
  struct Case {
    std::string path, drive, dir, fname, ext;
  };
  const std::string n300(300, 'n');
  const Case cases[] = {
      {"C:\\data\\a.dxf", "C:", "\\data\\", "a", ".dxf"},
      {"C:a.b.c", "C:", "", "a.b", ".c"},
      {"1:\\a", "", "1:\\", "a", ""},
      {"C:/x.d/y", "C:", "/x.d/", "y", ""},
      {"C:\\dir\\.hidden", "C:", "\\dir\\", "", ".hidden"},
      {"C:\\表", "C:", "\\", "表", ""},
      {"C:\\表\\能.dxf", "C:", "\\表\\", "能", ".dxf"},
      {"表.a\\ソ予", "", "表.a\\", "ソ予", ""},
      {"C:\\a\x95", "C:", "\\", "a\x95", ""},
      {"C:\\x\\" + n300 + ".dxf", "C:", "\\x\\", n300, ".dxf"},
  };
  for (const Case& c : cases) {
    const PathParts p = SplitPath(c.path);
    EXPECT_EQ(p.drive + "|" + p.dir + "|" + p.fname + "|" + p.ext,
              c.drive + "|" + c.dir + "|" + c.fname + "|" + c.ext)
        << Visible(c.path);
  }
  EXPECT_EQ(FolderOf("C:\\表\\能.scr"), "C:\\表\\");
  EXPECT_EQ(FileNameOf("C:\\表\\能.scr"), "能.scr");
}

TEST(EndsWithBackslash, TrailBytesDoNotCount) {
  const std::pair<std::string, bool> cases[] = {
      {"D:\\out\\", true}, {"D:\\out", false},  {"", false},       {"D:\\表", false},
      {"D:\\表\\", true},  {"表能", false},     {"ｱ\\", true},     {"a\x95\\", false},
      {"表\\\\", true},    {"D:\\out/", false}, {"D:\\能\\", true}};
  for (const auto& [text, ends] : cases) {
    EXPECT_EQ(EndsWithBackslash(text), ends) << Visible(text);
    EXPECT_EQ(WithTrailingBackslash(text), ends ? text : text + "\\") << Visible(text);
  }
  // A full path starts at a drive's or a share's root; 能 and 表 end in 0x5C.
  const std::pair<std::string, bool> full[] = {
      {"D:\\", true},     {"d:\\out", true},    {"D:out", false},    {"D:", false},
      {"out\\", false},   {"\\out", false},     {"1:\\out", false},  {"D:/out", false},
      {"\\\\s\\x", true}, {"\\\\s\\x\\", true}, {"\\\\s\\", false},  {"\\\\s", false},
      {"\\\\\\x", false}, {"\\\\能\\表", true}, {"\\\\能x", false}, {" D:\\", false}};
  for (const auto& [text, isFull] : full) EXPECT_EQ(IsFullPath(text), isFull) << Visible(text);
}

TEST(TextUtil, BlanksAndCase) {
  EXPECT_EQ(TrimBlanks("  C:\\a b\\x.dxf  "), "C:\\a b\\x.dxf");
  EXPECT_EQ(TrimBlanks("   "), "");
  EXPECT_EQ(TrimBlanks("\t　x　\t"), "\t　x　\t");  // only 0x20 is a blank
  EXPECT_EQ(QuoteIfBlank("C:\\my data\\a.dwg"), "\"C:\\my data\\a.dwg\"");
  EXPECT_EQ(QuoteIfBlank("C:\\a\tb"), "C:\\a\tb");
  // ア is 83 41, ヂ 83 61: trail bytes that look like letters stay.
  EXPECT_EQ(ToLowerAscii("C:\\ア\\TEWO.EXE"), "c:\\ア\\tewo.exe");
  EXPECT_EQ(ToUpperAscii("ヂｱx"), "ヂｱX");
}

// The word-at-a-time scans must see a byte at every offset of texts of every
// length around the word size.
TEST(ByteScan, EveryOffsetOfEveryLength) {
  for (std::size_t length = 0; length <= 25; ++length) {
    const std::string plain(length, 'a');
    EXPECT_FALSE(ContainsByte(plain, '\n') || ContainsHighByte(plain));
    EXPECT_EQ(FindLastOf2(plain, '\\', '/'), std::string_view::npos);
    for (std::size_t at = 0; at < length; ++at) {
      std::string text = plain;
      text[at] = '\n';
      EXPECT_TRUE(ContainsByte(text, '\n')) << length << " " << at;
      text[at] = '\x95';
      EXPECT_TRUE(ContainsHighByte(text)) << length << " " << at;
      text[at] = '/';
      if (at > 0) text[at - 1] = '\\';  // an earlier hit must not win
      EXPECT_EQ(FindLastOf2(text, '\\', '/'), at) << length << " " << at;
    }
  }
  // 0x8A and 0xDC differ from LF and "\" only in the high bit.
  EXPECT_FALSE(ContainsByte(std::string(9, '\x8A'), '\n'));
  EXPECT_EQ(FindLastOf2(std::string(9, '\xDC'), '\\', '/'), std::string_view::npos);
}

}  // namespace
}  // namespace tewo
