#include "common/path_split.h"

#include <gtest/gtest.h>

#include <string>

#include "test_files.h"

namespace tewo {
namespace {

using test::Visible;

// "表" is 95 5C and "能" 94 5C: their trail byte is the code of "\".
TEST(SplitPath, Parts) {
  struct Case {
    std::string path, drive, dir, fname, ext;
  };
  const std::string longName(300, 'n');
  const Case cases[] = {
      {"C:\\data\\a.dxf", "C:", "\\data\\", "a", ".dxf"},
      {"a.dxf", "", "", "a", ".dxf"},
      {"C:a.dxf", "C:", "", "a", ".dxf"},
      {"C:", "C:", "", "", ""},
      {"", "", "", "", ""},
      {"1:\\a", "", "1:\\", "a", ""},
      {"\\\\server\\share\\a.b.c", "", "\\\\server\\share\\", "a.b", ".c"},
      {"C:/x/y.z", "C:", "/x/", "y", ".z"},
      {"C:\\dir.d\\file", "C:", "\\dir.d\\", "file", ""},
      {"C:\\dir\\", "C:", "\\dir\\", "", ""},
      {"C:\\dir\\.hidden", "C:", "\\dir\\", "", ".hidden"},
      {"C:\\dir\\a.", "C:", "\\dir\\", "a", "."},
      {"C:\\表", "C:", "\\", "表", ""},
      {"C:\\表\\能.dxf", "C:", "\\表\\", "能", ".dxf"},
      {"D:\\能\\表", "D:", "\\能\\", "表", ""},
      {"表.a\\能", "", "表.a\\", "能", ""},
      {"C:\\ソ予.dwg", "C:", "\\", "ソ予", ".dwg"},
      {"C:\\a\x95", "C:", "\\", "a\x95", ""},
      {"C:\\x\\" + longName + ".dxf", "C:", "\\x\\", longName, ".dxf"},
  };
  for (const Case& c : cases) {
    PathParts parts = SplitPath(c.path);
    EXPECT_EQ(parts.drive, c.drive) << Visible(c.path);
    EXPECT_EQ(parts.dir, c.dir) << Visible(c.path);
    EXPECT_EQ(parts.fname, c.fname) << Visible(c.path);
    EXPECT_EQ(parts.ext, c.ext) << Visible(c.path);
  }
}

TEST(SplitPath, FolderAndFileName) {
  struct Case {
    std::string path, folder, fileName;
  };
  const Case cases[] = {
      {"C:\\s\\a.scr", "C:\\s\\", "a.scr"}, {"a.scr", "", "a.scr"},
      {"C:a.scr", "C:", "a.scr"},           {"C:\\表\\能.scr", "C:\\表\\", "能.scr"},
      {"C:\\s\\表", "C:\\s\\", "表"},       {"C:\\s\\", "C:\\s\\", ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FolderOf(c.path), c.folder) << Visible(c.path);
    EXPECT_EQ(FileNameOf(c.path), c.fileName) << Visible(c.path);
  }
}

TEST(EndsWithBackslash, TrailBytesDoNotCount) {
  struct Case {
    std::string text;
    bool expected;
  };
  const Case cases[] = {
      {"D:\\out\\", true},    {"D:\\out", false},  {"", false},        {"\\", true},
      {"D:\\表", false},      {"D:\\表\\", true},  {"能", false},      {"表能", false},
      {"D:\\表\\能\\", true}, {"ｱ\\", true},       {"a\x95\\", false}, {"\x95", false},
      {"表\\\\", true},       {"D:\\out/", false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(EndsWithBackslash(c.text), c.expected) << Visible(c.text);
    EXPECT_EQ(WithTrailingBackslash(c.text), c.expected ? c.text : c.text + "\\")
        << Visible(c.text);
  }
}

TEST(CaseMapping, SingleByteLettersOnly) {
  struct Case {
    std::string text, lower, upper;
  };
  // ア is 83 41 and ヂ is 83 61: trail bytes that look like "A" and "a".
  const Case cases[] = {
      {"C:\\Tools\\TEWO.EXE", "c:\\tools\\tewo.exe", "C:\\TOOLS\\TEWO.EXE"},
      {"ア", "ア", "ア"},
      {"ヂ", "ヂ", "ヂ"},
      {"C:\\表ABC\\ｱx", "c:\\表abc\\ｱx", "C:\\表ABC\\ｱX"},
      {"", "", ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ToLowerAscii(c.text), c.lower) << Visible(c.text);
    EXPECT_EQ(ToUpperAscii(c.text), c.upper) << Visible(c.text);
  }
}

}  // namespace
}  // namespace tewo
