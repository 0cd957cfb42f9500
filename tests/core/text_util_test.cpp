#include "common/text_util.h"

#include <gtest/gtest.h>

#include <string>

#include "test_files.h"

namespace tewo {
namespace {

TEST(TrimBlanks, OnlyBlanksAtBothEnds) {
  struct Case {
    std::string text, expected;
  };
  const Case cases[] = {
      {"", ""},           {"   ", ""},        {"  C:\\a b\\x.dxf  ", "C:\\a b\\x.dxf"},
      {"\tx\t", "\tx\t"}, {"　x　", "　x　"},  // full-width spaces stay
      {" 表 ", "表"},     {"x", "x"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(TrimBlanks(c.text), c.expected) << test::Visible(c.text);
  }
}

TEST(QuoteIfBlank, BlankAnywhere) {
  struct Case {
    std::string path, expected;
  };
  const Case cases[] = {
      {"C:\\data\\a.dwg", "C:\\data\\a.dwg"},
      {"C:\\my data\\a.dwg", "\"C:\\my data\\a.dwg\""},
      {" ", "\" \""},
      {"", ""},
      {"C:\\a\tb", "C:\\a\tb"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(QuoteIfBlank(c.path), c.expected) << c.path;
  }
}

}  // namespace
}  // namespace tewo
