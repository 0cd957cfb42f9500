#include "script/script_expansion.h"

#include <gtest/gtest.h>

#include "script/script_file.h"
#include "test_files.h"

namespace tewo {
namespace {

using test::TempDir;
using test::Visible;

constexpr ConversionMode kDxf = ConversionMode::DxfToDwg;
constexpr ConversionMode kDwg = ConversionMode::DwgToDxf;

// A template set from file lines without their line breaks ("01NEW  DXFIN").
CommandTemplateSet TemplatesOf(const std::vector<std::string>& fileLines) {
  std::vector<TemplateLine> lines;
  for (const std::string& l : fileLines) lines.push_back(ParseTemplateLine(l));
  return BuildTemplateSet(lines);
}

// The bytes of the script file written from the expansion.
std::string ScriptBytes(ConversionMode mode, const std::vector<std::string>& entries,
                        const std::string& folder, const CommandTemplateSet& templates) {
  TempDir dir;
  ScriptFileWriter writer;
  EXPECT_TRUE(writer.Create(dir.File("out.scr")));
  ExpandScript(mode, entries, folder, templates, [&](std::string_view l) { writer.WriteLine(l); });
  EXPECT_TRUE(writer.Finish());
  return test::ReadBytes(dir.File("out.scr"));
}

TEST(ExpandScript, WorkedExamplesByteForByte) {
  TempDir dir;
  test::WriteBytes(dir.File("tewoc.ini"), test::FactoryTemplateFile());
  const CommandTemplateSet factory = BuildTemplateSet(*ReadTemplateLines(dir.File("tewoc.ini")));
  EXPECT_EQ(ScriptBytes(kDxf, {"C:\\data\\a.dxf", "C:\\data\\b.dxf"}, "D:\\out\\", factory),
            "NEW  DXFIN\r\nC:\\data\\a.dxf\r\nSAVE\r\nD:\\out\\a.dwg\r\n"
            "NEW  DXFIN\r\nC:\\data\\b.dxf\r\nSAVE\r\nD:\\out\\b.dwg\r\n");
  EXPECT_EQ(ScriptBytes(kDwg, {"C:\\my data\\a.dwg", "C:\\data\\b.dwg"}, "D:\\out\\", factory),
            "OPEN\r\n\"C:\\my data\\a.dwg\"\r\nDXFOUT\r\nD:\\out\\a.dxf\r\n12\r\n"
            "OPEN\r\nC:\\data\\b.dwg\r\nDXFOUT\r\nD:\\out\\b.dxf\r\n12\r\n");
}

TEST(ExpandScript, MarkersPerBlock) {
  struct Case {
    ConversionMode mode;
    std::vector<std::string> fileLines;
    std::vector<std::string> entries;
    std::string folder;
    std::vector<std::string> script;
  };
  const std::vector<std::string> two = {"C:\\d\\a.dxf", "C:\\d\\b.dxf"};
  const std::string file = "//ファイル名", precision = "//精度";
  const std::vector<Case> cases = {
      {kDxf, {"02//精度", "04//精度", "0912"}, two, "D:\\", {"//精度", "12"}},
      {kDwg,
       {"05//精度", "06//精度", "07//精度", "08//精度", "0912"},
       two,
       "D:\\",
       {precision, "12", precision, "12"}},
      {kDwg, {"06//精度"}, two, "D:\\", {""}},  // empty precision, empty line
      {kDxf,
       {"01a", "01//e", "01", "01//E", "01b", "03//E ", "03c"},
       two,
       "D:\\",
       {"a", "//e", "", "//E ", "c"}},
      {kDxf, {"01//ファイル名 ", "05x"}, two, "D:\\", {"//ファイル名 "}},
      {kDxf,
       {"01first", "02o1", "03later", "04o2", "03//ファイル名"},
       {"C:\\1.dxf", "C:\\2.dxf", "C:\\3.dxf"},
       "D:\\",
       {"first", "o1", "later", "C:\\2.dxf", "o2", "later", "C:\\3.dxf", "o2"}},
      {kDxf,
       {"01//ファイル名", "02//ファイル名"},
       {"  C:\\d\\x.dxf  "},
       "D:\\my out\\",
       {"C:\\d\\x.dxf", "\"D:\\my out\\x.dwg\""}},
      {kDwg,
       {"05//ファイル名", "06//ファイル名", "08//ファイル名"},
       {"C:\\表\\能.dwg", "C:\\x.y\\表"},
       "D:\\能\\",
       {"C:\\表\\能.dwg", "D:\\能\\能.dxf", "D:\\能\\表.dxf"}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ExpandScriptLines(c.mode, c.entries, c.folder, TemplatesOf(c.fileLines)), c.script)
        << c.fileLines[0];
  }
}

// More than 100 lines in a block, a precision longer than 8 bytes and paths
// far beyond 259 bytes all reach the script whole.
TEST(ExpandScript, NothingIsCut) {
  std::vector<std::string> fileLines;
  std::string expected;
  for (int i = 0; i < 150; ++i) {
    fileLines.push_back("05cmd" + std::to_string(i));
    expected += "cmd" + std::to_string(i) + "\r\n";
  }
  const std::string precision(40, '9'), base(200, 'n');
  const std::string folder = "D:\\" + std::string(300, 'f') + "\\";
  const std::string source = "C:\\my " + std::string(250, 's') + "\\" + base + ".dwg";
  fileLines.insert(fileLines.end(),
                   {"05//ファイル名", "06//ファイル名", "06//精度", "09" + precision});
  expected += "\"" + source + "\"\r\n" + folder + base + ".dxf\r\n" + precision + "\r\n";
  EXPECT_EQ(ScriptBytes(kDwg, {source}, folder, TemplatesOf(fileLines)), expected);
}

TEST(ScriptNames, ProposedNameAndDestination) {
  EXPECT_EQ(ProposedScriptName("", kDxf), "dxftodwg.scr");
  EXPECT_EQ(ProposedScriptName("C:\\s\\dxftodwg.scr", kDwg), "dwgtodxf.scr");
  EXPECT_EQ(ProposedScriptName("C:\\s\\dwgtodxf.scr", kDxf), "dxftodwg.scr");
  EXPECT_EQ(ProposedScriptName("C:\\表\\mine.scr", kDwg), "mine.scr");
  EXPECT_EQ(ProposedScriptName("C:\\s\\", kDwg), "dwgtodxf.scr");
  EXPECT_EQ(DestinationPath("  C:\\data\\a.b.dxf  ", "D:\\out\\", ".dwg"), "D:\\out\\a.b.dwg");
  EXPECT_EQ(DestinationPath("C:noext", "D:\\", ".dxf"), "D:\\noext.dxf");
  EXPECT_EQ(DestinationPath("C:\\表\\能", "D:\\表\\", ".dwg"), "D:\\表\\能.dwg");
}

// Outputs already in the destination: names compare as the file system
// compares them, and each entry whose output is there counts.
TEST(ScriptNames, ExistingOutputs) {
  const std::vector<std::string> folder = {"A.DWG", "ｂ.dwg", "c.dxf", "表.dwg", "d.dwg.bak"};
  const struct {
    ConversionMode mode;
    std::vector<std::string> entries;
    std::size_t existing;
  } kCases[] = {
      {kDxf, {" C:\\x\\a.dxf ", "C:\\y\\Ｂ.dxf", "C:\\z\\表.dxf"}, 3},
      {kDxf, {"C:\\x\\a.dxf", "D:\\w\\a.dxf"}, 2},  // both would stop AutoCAD
      {kDxf, {"C:\\x\\c.dxf", "C:\\x\\d.dxf", "C:\\x\\e.dxf"}, 0},
      {kDwg, {"C:\\x\\c.dwg", "C:\\x\\a.dwg"}, 1},
      {kDwg, {}, 0},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(CountExistingOutputs(c.mode, c.entries, folder), c.existing)
        << ::testing::PrintToString(c.entries);
  }
  EXPECT_EQ(CountExistingOutputs(kDxf, {"C:\\a.dxf"}, {}), 0u);
}

}  // namespace
}  // namespace tewo
