#include "script/output_paths.h"

#include <gtest/gtest.h>

#include "script/duplicate_names.h"

namespace tewo {
namespace {

// Outputs of DWG to DXF under D:\out\, and the entries flagged: those off
// the first entry's drive or share when there is no base, else duplicates.
TEST(PlanOutputs, BaseFolderRelativeOutputsAndDuplicates) {
  using Texts = std::vector<std::string>;
  const struct {
    bool keepTree;
    const char* sourceFolder;
    Texts entries;
    Texts outputs;
    std::vector<std::size_t> flagged;
  } kRows[] = {
      {true,
       "C:\\proj\\",  // the worked example
       {"C:\\proj\\1F\\平面図.dwg", "C:\\proj\\2F\\平面図.dwg", "C:\\proj\\表紙.dwg"},
       {"D:\\out\\1F\\平面図.dxf", "D:\\out\\2F\\平面図.dxf", "D:\\out\\表紙.dxf"},
       {}},
      {false,
       "C:\\proj\\",  // flat: the same entries clash
       {"C:\\proj\\1F\\平面図.dwg", "C:\\proj\\2F\\平面図.dwg", "C:\\proj\\表紙.dwg"},
       {"D:\\out\\平面図.dxf", "D:\\out\\平面図.dxf", "D:\\out\\表紙.dxf"},
       {0, 1}},
      {true,
       "C:\\proj",  // the source folder wins over a deeper common folder
       {" C:\\proj\\1F\\a.dwg ", "c:\\PROJ\\1f\\b.dwg"},
       {"D:\\out\\1F\\a.dxf", "D:\\out\\1f\\b.dxf"},
       {}},
      {true,
       "C:\\other\\",  // not under the source folder: the deepest common one
       {"C:\\p\\a\\1F\\x.dwg", "c:\\P\\A\\2F\\x.dwg", "C:\\p\\a\\x.dwg"},
       {"D:\\out\\1F\\x.dxf", "D:\\out\\2F\\x.dxf", "D:\\out\\x.dxf"},
       {}},
      {true,
       "",
       {"C:\\pro\\a.dwg", "C:\\proj\\b.dwg"},
       {"D:\\out\\pro\\a.dxf", "D:\\out\\proj\\b.dxf"},
       {}},
      {true,
       "",  // a trail byte 0x5C ends no folder
       {"C:\\x表\\a.dwg", "C:\\x表y\\b.dwg"},
       {"D:\\out\\x表\\a.dxf", "D:\\out\\x表y\\b.dxf"},
       {}},
      {true, "", {"C:\\p\\1F\\a.dwg"}, {"D:\\out\\a.dxf"}, {}},
      {true,
       "",
       {"\\\\srv\\share\\1F\\a.dwg", "\\\\SRV\\Share\\2F\\a.dwg"},
       {"D:\\out\\1F\\a.dxf", "D:\\out\\2F\\a.dxf"},
       {}},
      {true,
       "",  // one output for two entries, as the file system compares names
       {"C:\\p\\1F\\a.dwg", "C:\\p\\1f\\A.dwg", "C:\\p\\2F\\a.dwg", "C:\\p\\2F\\a.dxf"},
       {"D:\\out\\1F\\a.dxf", "D:\\out\\1f\\A.dxf", "D:\\out\\2F\\a.dxf", "D:\\out\\2F\\a.dxf"},
       {0, 1, 2, 3}},
      {true,
       "C:\\",
       {"C:\\p\\a.dwg", "D:\\p\\b.dwg", "c:\\q\\c.dwg", "\\\\srv\\s\\d.dwg"},
       {},
       {1, 3}},
      {true, "", {"\\\\srv\\s\\a.dwg", "\\\\srv\\t\\a.dwg", "\\\\SRV\\S\\b.dwg"}, {}, {1}},
  };
  for (const auto& row : kRows) {
    const OutputPlan plan = PlanOutputs(row.entries, row.keepTree, row.sourceFolder);
    Texts outputs;
    if (plan.otherRoots.empty()) {
      for (const std::string& entry : row.entries) {
        outputs.push_back(OutputPath(plan, entry, "D:\\out\\", ConversionMode::DwgToDxf));
      }
    }
    EXPECT_EQ(outputs, row.outputs) << row.entries[0];
    const auto flagged = !plan.otherRoots.empty() ? plan.otherRoots
                         : row.keepTree           ? FindDuplicateOutputs(row.entries, plan.keptFrom)
                                                  : FindDuplicateNames(row.entries);
    EXPECT_EQ(flagged, row.flagged) << row.entries[0];
  }
}

}  // namespace
}  // namespace tewo
