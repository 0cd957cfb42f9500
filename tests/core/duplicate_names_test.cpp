#include "script/duplicate_names.h"

#include <gtest/gtest.h>

#include "script/output_paths.h"

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

// Outputs of DWG to DXF relative to the destination, with the tree kept
// below source folder, and the entries flagged: those off the first entry's
// drive or share when there is no base folder, else the duplicates.
TEST(PlanOutputs, BaseFolderRelativeOutputsAndDuplicates) {
  const struct {
    const char* source;
    std::vector<std::string> entries, outputs;
    std::vector<std::size_t> flagged;
  } kRows[] = {
      {"C:\\p\\",
       {"C:\\p\\1F\\図.dwg", "C:\\p\\2F\\図.dwg", "C:\\p\\表.dwg"},
       {"1F\\図.dxf", "2F\\図.dxf", "表.dxf"},
       {}},
      {"C:\\p", {" C:\\p\\1\\a.dwg ", "c:\\P\\1\\b.dwg"}, {"1\\a.dxf", "1\\b.dxf"}, {}},
      {"C:\\q\\", {"C:\\p\\a\\1\\x.dwg", "c:\\P\\A\\x.dwg"}, {"1\\x.dxf", "x.dxf"}, {}},
      {"", {"C:\\pro\\a.dwg", "C:\\proj\\b.dwg"}, {"pro\\a.dxf", "proj\\b.dxf"}, {}},
      {"", {"C:\\x表\\a.dwg", "C:\\x表y\\b.dwg"}, {"x表\\a.dxf", "x表y\\b.dxf"}, {}},  // 0x5C
      {"", {"\\\\s\\h\\1\\a.dwg", "\\\\S\\H\\2\\a.dwg"}, {"1\\a.dxf", "2\\a.dxf"}, {}},
      {"",
       {"C:\\1\\a.dwg", "C:\\1\\A.dwg", "C:\\2\\a.dwg", "C:\\2\\a.dxf"},
       {"1\\a.dxf", "1\\A.dxf", "2\\a.dxf", "2\\a.dxf"},
       {0, 1, 2, 3}},
      {"C:\\", {"C:\\p\\a.dwg", "D:\\p\\b.dwg", "c:\\q\\c.dwg", "\\\\s\\h\\d.dwg"}, {}, {1, 3}},
      {"", {"\\\\s\\h\\a.dwg", "\\\\s\\t\\a.dwg", "\\\\S\\H\\b.dwg"}, {}, {1}},
  };
  for (const auto& row : kRows) {
    const OutputPlan plan = PlanOutputs(row.entries, true, row.source);
    std::vector<std::string> outputs;
    for (std::size_t i = 0; plan.otherRoots.empty() && i < row.entries.size(); ++i)
      outputs.push_back(OutputPath(plan, row.entries[i], "", ConversionMode::DwgToDxf));
    EXPECT_EQ(outputs, row.outputs) << row.entries[0];
    EXPECT_EQ(plan.otherRoots.empty() ? FindDuplicateOutputs(row.entries, plan.keptFrom)
                                      : plan.otherRoots,
              row.flagged)
        << row.entries[0];
  }
}

}  // namespace
}  // namespace tewo
