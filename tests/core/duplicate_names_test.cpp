#include "script/duplicate_names.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tewo {
namespace {

TEST(FindDuplicateNames, EveryEntrySharingANameIsSelected) {
  struct Case {
    std::string name;
    std::vector<std::string> entries;
    std::vector<std::size_t> selected;
  };
  const std::vector<Case> cases = {
      {"empty list", {}, {}},
      {"one entry", {"C:\\a\\x.dxf"}, {}},
      {"same name, other folders", {"C:\\a\\x.dxf", "D:\\b\\x.dxf"}, {0, 1}},
      {"letter case differs", {"C:\\a\\x.dxf", "C:\\a\\X.dxf"}, {}},
      {"extension differs", {"C:\\a\\x.dxf", "C:\\a\\x.dwg"}, {}},
      {"folder names do not count", {"C:\\x.dxf\\a.dxf", "C:\\a\\x.dxf"}, {}},
      {"three of a kind among others",
       {"C:\\1\\x.dxf", "C:\\y.dxf", "D:\\2\\x.dxf", "C:\\z.dxf", "E:\\x.dxf"},
       {0, 2, 4}},
      {"two pairs", {"C:\\p.dxf", "C:\\q.dxf", "D:\\q.dxf", "D:\\p.dxf"}, {0, 1, 2, 3}},
      {"same entry twice", {"C:\\a\\x.dxf", "C:\\a\\x.dxf"}, {0, 1}},
      {"names ending in a 0x5C trail byte",
       {"C:\\表", "D:\\能", "E:\\表", "C:\\d\\表\\能"},
       {0, 1, 2, 3}},
      {"trail byte is not a separator", {"C:\\a表", "D:\\表"}, {}},
      {"blanks around entries", {" C:\\a\\x.dxf ", "D:\\b\\x.dxf"}, {0, 1}},
      {"drive-relative and plain names", {"C:x.dxf", "x.dxf"}, {0, 1}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FindDuplicateNames(c.entries), c.selected) << c.name;
  }
}

TEST(FindDuplicateNames, LargeListWithOnePairAtTheEnds) {
  std::vector<std::string> entries;
  for (int i = 0; i < 100000; ++i) entries.push_back("C:\\d\\part_" + std::to_string(i) + ".dxf");
  EXPECT_TRUE(FindDuplicateNames(entries).empty());
  entries.push_back("E:\\other\\part_0.dxf");
  EXPECT_EQ(FindDuplicateNames(entries), (std::vector<std::size_t>{0, 100000}));
}

}  // namespace
}  // namespace tewo
