#include "script/script_expansion.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "script/script_file.h"
#include "test_files.h"

namespace tewo {
namespace {

using test::ReadBytes;
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

CommandTemplateSet FactoryTemplates() {
  TempDir dir;
  const std::string path = dir.File("tewoc.ini");
  test::WriteBytes(path, test::FactoryTemplateFile());
  auto lines = ReadTemplateLines(path);
  EXPECT_TRUE(lines.has_value());
  return lines ? BuildTemplateSet(*lines) : CommandTemplateSet{};
}

// Expands into a script file and returns the file's bytes.
std::string ScriptBytes(ConversionMode mode, const std::vector<std::string>& entries,
                        const std::string& folder, const CommandTemplateSet& templates) {
  TempDir dir;
  const std::string path = dir.File("out.scr");
  ScriptFileWriter writer;
  EXPECT_TRUE(writer.Create(path));
  ExpandScript(mode, entries, folder, templates,
               [&writer](std::string_view line) { writer.WriteLine(line); });
  EXPECT_TRUE(writer.Finish());
  return ReadBytes(path);
}

TEST(ExpandScript, WorkedExamplesByteForByte) {
  struct Case {
    ConversionMode mode;
    std::vector<std::string> entries;
    std::string folder;
    std::string bytes;
  };
  const Case cases[] = {
      {kDxf,
       {"C:\\data\\a.dxf", "C:\\data\\b.dxf"},
       "D:\\out\\",
       "NEW  DXFIN\r\nC:\\data\\a.dxf\r\nSAVE\r\nD:\\out\\a.dwg\r\n"
       "NEW  DXFIN\r\nC:\\data\\b.dxf\r\nSAVE\r\nD:\\out\\b.dwg\r\n"},
      {kDwg,
       {"C:\\my data\\a.dwg", "C:\\data\\b.dwg"},
       "D:\\out\\",
       "OPEN\r\n\"C:\\my data\\a.dwg\"\r\nDXFOUT\r\nD:\\out\\a.dxf\r\n12\r\n"
       "OPEN\r\nC:\\data\\b.dwg\r\nDXFOUT\r\nD:\\out\\b.dxf\r\n12\r\n"},
  };
  const CommandTemplateSet factory = FactoryTemplates();
  for (const Case& c : cases) {
    EXPECT_EQ(Visible(ScriptBytes(c.mode, c.entries, c.folder, factory)), Visible(c.bytes));
  }
}

TEST(ExpandScript, MarkersPerBlock) {
  struct Case {
    std::string name;
    ConversionMode mode;
    std::vector<std::string> fileLines;
    std::vector<std::string> entries;
    std::string folder;
    std::vector<std::string> script;
  };
  const std::vector<std::string> two = {"C:\\d\\a.dxf", "C:\\d\\b.dxf"};
  const std::vector<Case> cases = {
      {"precision in 02 stays text", kDxf, {"02//精度", "0912"}, two, "D:\\", {"//精度"}},
      {"precision in 04", kDxf, {"04//精度", "0912"}, two, "D:\\", {"12"}},
      {"precision in 06 and 08", kDwg, {"06//精度", "08//精度", "0912"}, two, "D:\\", {"12", "12"}},
      {"precision in Input blocks stays text",
       kDwg,
       {"05//精度", "07//精度", "01//精度", "03//精度", "0912"},
       two,
       "D:\\",
       {"//精度", "//精度"}},
      {"empty precision gives an empty line", kDwg, {"06//精度"}, two, "D:\\", {""}},
      {"//e is an ordinary line", kDxf, {"01a", "01//e", "01b"}, two, "D:\\", {"a", "//e", "b"}},
      {"//E ends the block", kDxf, {"01a", "01//E", "01b", "03c"}, two, "D:\\", {"a", "c"}},
      {"//E with a blank is no marker", kDxf, {"01//E "}, two, "D:\\", {"//E "}},
      {"file-name marker with a blank is no marker",
       kDxf,
       {"01//ファイル名 "},
       two,
       "D:\\",
       {"//ファイル名 "}},
      {"empty block yields nothing", kDxf, {"05x"}, two, "D:\\", {}},
      {"empty template line", kDwg, {"05"}, two, "D:\\", {""}},
      {"three entries in list order",
       kDxf,
       {"01first", "02o1", "03later", "04o2", "03//ファイル名"},
       {"C:\\1.dxf", "C:\\2.dxf", "C:\\3.dxf"},
       "D:\\",
       {"first", "o1", "later", "C:\\2.dxf", "o2", "later", "C:\\3.dxf", "o2"}},
      {"one entry uses first-file blocks only",
       kDwg,
       {"05i", "06o", "07x", "08y"},
       {"C:\\1.dwg"},
       "D:\\",
       {"i", "o"}},
      {"blanks around an entry",
       kDxf,
       {"01//ファイル名", "02//ファイル名"},
       {"  C:\\d\\x.dxf  "},
       "D:\\o\\",
       {"C:\\d\\x.dxf", "D:\\o\\x.dwg"}},
      {"blank in the folder quotes destinations only",
       kDxf,
       {"01//ファイル名", "02//ファイル名"},
       {"C:\\d\\x.dxf"},
       "D:\\my out\\",
       {"C:\\d\\x.dxf", "\"D:\\my out\\x.dwg\""}},
      {"double-byte folder and file names",
       kDwg,
       {"05//ファイル名", "06//ファイル名"},
       {"C:\\表\\能.dwg"},
       "D:\\能\\",
       {"C:\\表\\能.dwg", "D:\\能\\能.dxf"}},
      {"file name ending in a 0x5C trail byte",
       kDxf,
       {"02//ファイル名"},
       {"C:\\x.y\\表"},
       "D:\\",
       {"D:\\表.dwg"}},
  };
  for (const Case& c : cases) {
    std::vector<std::string> script =
        ExpandScriptLines(c.mode, c.entries, c.folder, TemplatesOf(c.fileLines));
    EXPECT_EQ(script, c.script) << c.name;
  }
}

TEST(ExpandScript, NothingIsCut) {
  // More than 100 lines in a block, a precision longer than 8 bytes, and
  // paths far beyond 259 bytes all reach the script whole.
  std::vector<std::string> fileLines;
  std::string expected;
  for (int i = 0; i < 150; ++i) {
    fileLines.push_back("05cmd" + std::to_string(i));
    expected += "cmd" + std::to_string(i) + "\r\n";
  }
  const std::string precision(40, '9');
  const std::string folder = "D:\\" + std::string(300, 'f') + "\\";
  const std::string base(200, 'n');
  const std::string source = "C:\\my " + std::string(250, 's') + "\\" + base + ".dwg";
  fileLines.insert(fileLines.end(),
                   {"05//ファイル名", "06//ファイル名", "06//精度", "09" + precision});
  expected += "\"" + source + "\"\r\n" + folder + base + ".dxf\r\n" + precision + "\r\n";

  EXPECT_EQ(ScriptBytes(kDwg, {source}, folder, TemplatesOf(fileLines)), expected);
}

TEST(ProposedScriptName, LastNameOrModeDefault) {
  struct Case {
    std::string lastScriptPath;
    ConversionMode mode;
    std::string proposed;
  };
  const Case cases[] = {
      {"", kDxf, "dxftodwg.scr"},
      {"", kDwg, "dwgtodxf.scr"},
      {"C:\\s\\dxftodwg.scr", kDwg, "dwgtodxf.scr"},
      {"C:\\s\\dwgtodxf.scr", kDxf, "dxftodwg.scr"},
      {"C:\\s\\dxftodwg.scr", kDxf, "dxftodwg.scr"},
      {"C:\\s\\mine.scr", kDxf, "mine.scr"},
      {"C:\\s\\mine.scr", kDwg, "mine.scr"},
      {"C:\\表\\能.scr", kDwg, "能.scr"},
      {"C:\\s\\", kDwg, "dwgtodxf.scr"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ProposedScriptName(c.lastScriptPath, c.mode), c.proposed)
        << Visible(c.lastScriptPath);
  }
}

TEST(DestinationPath, BaseNameOfTheTrimmedSource) {
  struct Case {
    std::string source, folder, extension, path;
  };
  const Case cases[] = {
      {"C:\\data\\a.dxf", "D:\\out\\", ".dwg", "D:\\out\\a.dwg"},
      {"  C:\\data\\a.dxf  ", "D:\\out\\", ".dwg", "D:\\out\\a.dwg"},
      {"C:\\data\\a.b.dxf", "D:\\", ".dwg", "D:\\a.b.dwg"},
      {"C:noext", "D:\\", ".dxf", "D:\\noext.dxf"},
      {"C:/a/b.dxf", "D:\\", ".dwg", "D:\\b.dwg"},
      {"C:\\表\\能", "D:\\能\\", ".dwg", "D:\\能\\能.dwg"},
      {"C:\\x.y\\z", "D:\\", ".dwg", "D:\\z.dwg"},
      {"C:\\a b\\c d.dxf", "D:\\", ".dwg", "D:\\c d.dwg"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DestinationPath(c.source, c.folder, c.extension), c.path) << Visible(c.source);
  }
}

TEST(ScriptFileWriter, FailuresAreReported) {
  TempDir dir;
  ScriptFileWriter missing;
  EXPECT_FALSE(missing.Create(dir.File("no/such/out.scr")));

  if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
  ScriptFileWriter full;
  ASSERT_TRUE(full.Create("/dev/full"));
  for (int i = 0; i < 50000; ++i) full.WriteLine("SAVE");
  EXPECT_FALSE(full.Finish());
}

}  // namespace
}  // namespace tewo
