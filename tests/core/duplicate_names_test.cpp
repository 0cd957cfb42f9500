#include "script/duplicate_names.h"

#include <gtest/gtest.h>

namespace tewo {
namespace {

TEST(FindDuplicateNames, EveryEntrySharingANameIsSelected) {
  using Entries = std::vector<std::string>;
  using Selected = std::vector<std::size_t>;
  const std::pair<Entries, Selected> cases[] = {
      {{}, {}},
      {{"C:\\a\\x.dxf"}, {}},
      {{"C:\\a\\x.dxf", "D:\\b\\x.dxf"}, {0, 1}},
      {{"C:\\a\\x.dxf", "C:\\b\\X.dxf", "C:\\LONG_NAME.dxf", "D:\\long_Name.DXF"}, {0, 1, 2, 3}},
      {{"C:\\a\\ａαж.dxf", "C:\\b\\ＡΑЖ.dxf", "C:\\c\\ＡΑЖ.dwg"}, {0, 1}},
      {{"C:\\a\\\xED\x40.dxf", "C:\\b\\\xFA\x5C.dxf"}, {0, 1}},  // one character, two codes
      {{"C:\\a\\表a.dxf", "D:\\表\\表A.dxf"}, {0, 1}},           // folded after a trail byte 0x5C
      {{"C:\\a\\ヂ.dxf", "C:\\b\\ア.dxf"}, {}},  // trail bytes 0x61 and 0x41 stay apart
      {{"C:\\a\\x.dxf", "C:\\a\\x.dwg"}, {}},
      {{"C:\\x.dxf\\a.dxf", "C:\\a\\x.dxf"}, {}},
      {{"C:\\1\\x.dxf", "C:\\y.dxf", "D:\\x.dxf", "C:\\z.dxf", "E:\\x.dxf", "y.dxf"},
       {0, 1, 2, 4, 5}},
      {{"C:\\表", "D:\\能", "E:\\d\\表", "C:\\d\\表\\能"}, {0, 1, 2, 3}},  // 0x5C trail bytes
      {{"C:\\a表", "D:\\表"}, {}},
      {{" C:\\a\\x.dxf ", "D:\\b\\x.dxf"}, {0, 1}},  // names of the trimmed entries
  };
  for (const auto& [entries, selected] : cases) {
    EXPECT_EQ(FindDuplicateNames(entries), selected) << entries.size();
  }
  Entries many;
  for (int i = 0; i < 100000; ++i) many.push_back("C:\\d\\part_" + std::to_string(i) + ".dxf");
  EXPECT_TRUE(FindDuplicateNames(many).empty());
  many.push_back("E:\\other\\part_0.dxf");
  EXPECT_EQ(FindDuplicateNames(many), (Selected{0, 100000}));
}

}  // namespace
}  // namespace tewo
