// The drawings a folder adds to the source list, over a made-up tree.
#include <gtest/gtest.h>

#include <map>
#include <sstream>

#include "app/folder_drawings.h"
#include "common/case_folding.h"

namespace tewo {
namespace {

// Each folder's names, split at "|": "/" ends a folder's, "?" stands for
// what the code page cannot hold, "@" starts a link's. 表 and ソ end in the
// byte 0x5C.
const std::map<std::string, std::string> kTree = {
    {"C:\\P",
     "b.DXF|x.txt|表.dxf|A.dxf|c.dwg|d.DwG|x.dxf.bak|?.dxf|sub2/|ソ/|Sub1/|locked/|?/|./|@loop/|"
     "y.dxf.|z.dxf |dot./"},
    {"C:\\P\\Sub1", "deep/|z.dxf"},
    {"C:\\P\\Sub1\\deep", "ab.dxf|a.dxf"},
    {"C:\\P\\sub2", "a.dxf|w.dwg|A.DXF"},  // alike when folded
    {"C:\\P\\ソ", "能.dxf"},
    {"C:\\P\\loop", "q.dxf"},  // never listed: a link is not followed
    {"C:\\P\\dot.", "q.dxf"},  // never listed: its path names "C:\P\dot"
    {"C:\\", "r.dxf"},
    // Explorer's order: numbers by value, full-width digits too.
    {"C:\\N", "10F.dxf|2F.dxf|b1.dxf|B01.dxf|_.dxf|a10.dxf|A9.dxf|１１.dxf|３.dxf|ｱ.dxf|表.dxf"}};

FolderListing List(const std::string& path) {
  std::stringstream names(kTree.count(path) != 0 ? kTree.at(path) : "");
  FolderListing listing{kTree.count(path) != 0, {}, {}};
  for (std::string n; std::getline(names, n, '|');) {
    const std::size_t at = n[0] == '@';
    listing.entries.push_back(
        {n.substr(at, n.find('/') - at), n.back() == '/', n[0] != '?', at == 1, false, {}});
  }
  return listing;
}

// Paths of at most 20 bytes ("C:\P\Sub1\deep\a.dxf"). Expected: the paths
// without "C:\", then the counts: listed, names, too long, unreadable.
TEST(FolderDrawings, OrderFilterAndSkips) {
  const struct {
    const char *folder, *listed;
    bool tree, dxf;
    const char* expected;
  } kCases[] = {{"C:\\P", "", true, true,
                 "P\\A.dxf|P\\b.DXF|P\\表.dxf|P\\Sub1\\z.dxf|P\\Sub1\\deep\\a.dxf|P\\sub2\\A.DXF|"
                 "P\\ソ\\能.dxf|0511"},
                {"C:\\P", "", false, true, "P\\A.dxf|P\\b.DXF|P\\表.dxf|0300"},
                {"C:\\P", "", true, false, "P\\c.dwg|P\\d.DwG|P\\sub2\\w.dwg|0201"},
                {"C:\\P", "c:\\p\\a.DXF", false, true, "P\\b.DXF|P\\表.dxf|1300"},
                {"C:\\", "", true, true, "r.dxf|0000"},
                {"C:\\N", "", false, true,
                 "N\\_.dxf|N\\2F.dxf|N\\３.dxf|N\\10F.dxf|N\\１１.dxf|N\\A9.dxf|N\\a10.dxf|"
                 "N\\B01.dxf|N\\b1.dxf|N\\ｱ.dxf|N\\表.dxf|0000"},
                {"C:\\gone", "", true, true, "0001"}};
  for (const auto& c : kCases) {
    const std::set<std::string> listed{FoldCase(c.listed)};
    const auto mode = c.dxf ? ConversionMode::DxfToDwg : ConversionMode::DwgToDxf;
    const FolderDrawings f = FindFolderDrawings({c.folder, c.tree, mode, 20, &listed}, List);
    std::string summary;
    for (const std::string& p : f.paths) summary += p.substr(3) + "|";
    for (std::size_t n : {f.alreadyListed, f.badNames, f.tooLong, f.unreadable}) {
      summary += std::to_string(n);
    }
    EXPECT_EQ(summary, c.expected) << c.folder << " " << c.tree;
  }
  EXPECT_TRUE(HasNameEndingInDotOrBlank("C:\\a \\b") && HasNameEndingInDotOrBlank("C:\\P\\dot."));
  EXPECT_FALSE(HasNameEndingInDotOrBlank("C:\\ソ\\能") || HasNameEndingInDotOrBlank("C:\\"));
}

}  // namespace
}  // namespace tewo
