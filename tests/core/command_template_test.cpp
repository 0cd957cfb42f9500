#include "script/command_template.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "test_files.h"

namespace tewo {
namespace {

using test::TempDir;
using test::Visible;
using test::WriteBytes;

std::string CrLf(std::string_view text) {
  std::string out;
  for (char c : text) {
    if (c == '\n') out += '\r';
    out += c;
  }
  return out;
}

TEST(ParseFieldNumber, FirstTwoBytesAsAtoi) {
  struct Case {
    std::string line;
    int field;
  };
  const Case cases[] = {
      {"01", 1}, {" 1", 1},  {"1x", 1},    {"-1", -1},  {"10", 10}, {"00", 0},
      {"", 0},   {"\t5", 5}, {"09abc", 9}, {"123", 12}, {"+3", 3},  {"x1", 0},
      {" -", 0}, {"5", 5},   {"表", 0},    {"//E", 0},  {"0", 0},   {"\n1", 1},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ParseFieldNumber(c.line), c.field) << Visible(c.line);
  }
}

struct Expected {
  int field;
  std::string text;
  std::string line;
};

TEST(ReadTemplateLines, PiecesOfAFile) {
  const std::string x251(251, 'x'), x252(252, 'x'), x253(253, 'x');
  struct Case {
    std::string name;
    std::string bytes;
    std::vector<Expected> lines;
  };
  const std::vector<Case> cases = {
      {"crlf",
       CrLf("01NEW  DXFIN\n01//ファイル名\n"),
       {{1, "NEW  DXFIN", "01NEW  DXFIN"}, {1, "//ファイル名", "01//ファイル名"}}},
      {"bare lf, no final break", "05OPEN\n09", {{5, "OPEN", "05OPEN"}, {9, "", "09"}}},
      {"empty lines", "\r\n\n", {{0, "", ""}, {0, "", ""}}},
      {"short lines", "0\n1\n", {{0, "", "0"}, {1, "", "1"}}},
      {"odd numbers",
       CrLf("10x\n-1y\n 1z\n1xw\n00\n"),
       {{10, "x", "10x"}, {-1, "y", "-1y"}, {1, "z", " 1z"}, {1, "w", "1xw"}, {0, "", "00"}}},
      {"0x1A ends the text",
       "01a\r\n\x1A"
       "02b\r\n",
       {{1, "a", "01a"}}},
      {"253 bytes", CrLf("01" + x251 + "\n"), {{1, x251, "01" + x251}}},
      {"254 bytes", CrLf("01" + x252 + "\n"), {{1, x252, "01" + x252}, {0, "", ""}}},
      {"255 bytes", CrLf("01" + x253 + "\n"), {{1, x252, "01" + x252}, {0, "", "x"}}},
      {"empty file", "", {}},
  };
  TempDir dir;
  const std::string path = dir.File("tewoc.ini");
  for (const Case& c : cases) {
    WriteBytes(path, c.bytes);
    auto lines = ReadTemplateLines(path);
    ASSERT_TRUE(lines.has_value()) << c.name;
    ASSERT_EQ(lines->size(), c.lines.size()) << c.name;
    for (std::size_t i = 0; i < c.lines.size(); ++i) {
      EXPECT_EQ((*lines)[i].field, c.lines[i].field) << c.name << " line " << i;
      EXPECT_EQ((*lines)[i].text, c.lines[i].text) << c.name << " line " << i;
      EXPECT_EQ((*lines)[i].line, c.lines[i].line) << c.name << " line " << i;
    }
  }
}

TEST(ReadTemplateLines, UnreadableFiles) {
  TempDir dir;
  EXPECT_FALSE(ReadTemplateLines(dir.File("missing.ini")).has_value());
  EXPECT_FALSE(ReadTemplateLines(dir.path()).has_value()) << "a folder fails at the first read";
}

TEST(BuildTemplateSet, FactoryFile) {
  TempDir dir;
  const std::string path = dir.File("tewoc.ini");
  WriteBytes(path, test::FactoryTemplateFile());
  auto lines = ReadTemplateLines(path);
  ASSERT_TRUE(lines.has_value());
  CommandTemplateSet set = BuildTemplateSet(*lines);
  const std::size_t sizes[8] = {3, 3, 3, 3, 3, 4, 3, 4};
  for (int b = 0; b < 8; ++b) EXPECT_EQ(set.blocks[b].size(), sizes[b]) << "block " << b + 1;
  EXPECT_EQ(set.blocks[5], (std::vector<std::string>{"DXFOUT", "//ファイル名", "//精度", "//E"}));
  EXPECT_EQ(set.precision, "12");
  EXPECT_TRUE(set.invalidLines.empty());
}

TEST(BuildTemplateSet, Dispatch) {
  const std::string longPrecision(40, '7');
  const std::string invalid254 = "10" + std::string(252, 'z');
  struct Case {
    std::string name;
    std::vector<std::string> lines;  // whole lines as read
    int block;                       // 1-8, the block compared
    std::vector<std::string> blockLines;
    std::string precision;
    std::vector<std::string> invalid;
  };
  const std::vector<Case> cases = {
      {"precision appended", {"0912", "09"}, 1, {}, "12", {}},
      {"precision pieces", {"0912", "093"}, 1, {}, "123", {}},
      {"long precision whole", {"09" + longPrecision}, 1, {}, longPrecision, {}},
      {"interleaved", {"05a", "01b", "05c", "055"}, 5, {"a", "c", "5"}, "", {}},
      {"empty line in block", {"05", "05x"}, 5, {"", "x"}, "", {}},
      {"invalid lines whole",
       {"", "00", "10x", "-1", invalid254, "02ok"},
       2,
       {"ok"},
       "",
       {"", "00", "10x", "-1", invalid254}},
  };
  for (const Case& c : cases) {
    std::vector<TemplateLine> lines;
    for (const std::string& l : c.lines) lines.push_back(ParseTemplateLine(l));
    CommandTemplateSet set = BuildTemplateSet(lines);
    EXPECT_EQ(set.blocks[c.block - 1], c.blockLines) << c.name;
    EXPECT_EQ(set.precision, c.precision) << c.name;
    EXPECT_EQ(set.invalidLines, c.invalid) << c.name;
  }
}

TEST(InvalidFieldMessage, ShowsTheWholeLine) {
  const std::string longLine = "10" + std::string(252, 'z');
  EXPECT_EQ(InvalidFieldMessage(""), "登録ｺﾏﾝﾄﾞｴﾗｰ\n");
  EXPECT_EQ(InvalidFieldMessage("-1x"), "登録ｺﾏﾝﾄﾞｴﾗｰ\n-1x");
  EXPECT_EQ(InvalidFieldMessage(longLine), "登録ｺﾏﾝﾄﾞｴﾗｰ\n" + longLine);
}

TEST(BuildTemplateSet, BlockOfManyLinesKeepsThemAll) {
  std::vector<TemplateLine> lines;
  for (int i = 0; i < 250; ++i) lines.push_back(ParseTemplateLine("03line" + std::to_string(i)));
  CommandTemplateSet set = BuildTemplateSet(lines);
  ASSERT_EQ(set.blocks[2].size(), 250u);
  EXPECT_EQ(set.blocks[2][100], "line100");
  EXPECT_EQ(set.blocks[2][249], "line249");
}

}  // namespace
}  // namespace tewo
