#include "script/output_paths.h"

#include <gtest/gtest.h>

#include "script/duplicate_names.h"

namespace tewo {
namespace {

// Outputs of DWG to DXF relative to the destination, with the tree kept
// below source folder, and the entries flagged: those off the first entry's
// drive or share when there is no base folder, else the duplicates.
TEST(PlanOutputs, BaseFolderRelativeOutputsAndDuplicates) {
  using Texts = std::vector<std::string>;
  const struct {
    const char* source;
    Texts entries, outputs;
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
    Texts outputs;
    for (std::size_t i = 0; plan.otherRoots.empty() && i < row.entries.size(); ++i) {
      outputs.push_back(OutputPath(plan, row.entries[i], "", ConversionMode::DwgToDxf));
    }
    EXPECT_EQ(outputs, row.outputs) << row.entries[0];
    EXPECT_EQ(plan.otherRoots.empty() ? FindDuplicateOutputs(row.entries, plan.keptFrom)
                                      : plan.otherRoots,
              row.flagged)
        << row.entries[0];
  }
}

}  // namespace
}  // namespace tewo
