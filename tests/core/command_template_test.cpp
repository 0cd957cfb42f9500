#include "script/command_template.h"
#include "script/script_expansion.h"

#include <gtest/gtest.h>

#include "test_files.h"

namespace tewo {
namespace {

using test::TempDir;
using test::Visible;

TEST(ParseFieldNumber, FirstTwoBytesAsAtoi) {
  const std::pair<std::string, int> cases[] = {
      {"01", 1}, {" 1", 1},   {"1x", 1}, {"-1", -1}, {"10", 10}, {"00", 0}, {"", 0},   {"\t5", 5},
      {"5", 5},  {"123", 12}, {"+3", 3}, {"x1", 0},  {" -", 0},  {"表", 0}, {"//E", 0}};
  for (const auto& [line, field] : cases) EXPECT_EQ(ParseFieldNumber(line), field) << line;
}

// Each line read as "field:text:whole line|".
std::string Lines(const std::string& path) {
  auto lines = ReadTemplateLines(path);
  if (!lines) return "unreadable";
  std::string all;
  for (const TemplateLine& l : *lines) {
    all += std::to_string(l.field) + ":" + l.text + ":" + l.line + "|";
  }
  return all;
}

TEST(ReadTemplateLines, PiecesOfAFile) {
  const std::string x251(251, 'x'), x252(252, 'x');
  const std::pair<std::string, std::string> cases[] = {
      {"01NEW  DXFIN\r\n01//ファイル名\r\n",
       "1:NEW  DXFIN:01NEW  DXFIN|1://ファイル名:01//ファイル名|"},
      {"05OPEN\n09", "5:OPEN:05OPEN|9::09|"},
      {"\r\n\n0\n1\n", "0::|0::|0::0|1::1|"},
      {"10x\n-1y\n 1z\n1xw\n00\n", "10:x:10x|-1:y:-1y|1:z: 1z|1:w:1xw|0::00|"},
      {"01a\r\n\x1A"
       "02b\r\n",
       "1:a:01a|"},
      {"01" + x251 + "\r\n", "1:" + x251 + ":01" + x251 + "|"},        // 253 bytes
      {"01" + x252 + "\r\n", "1:" + x252 + ":01" + x252 + "|0::|"},    // 254 bytes
      {"01" + x252 + "x\r\n", "1:" + x252 + ":01" + x252 + "|0::x|"},  // 255 bytes
  };
  TempDir dir;
  for (const auto& [bytes, lines] : cases) {
    test::WriteBytes(dir.File("tewoc.ini"), bytes);
    EXPECT_EQ(Visible(Lines(dir.File("tewoc.ini"))), Visible(lines));
  }
  EXPECT_EQ(Lines(dir.File("missing.ini")), "unreadable");
  EXPECT_EQ(Lines(dir.path()), "unreadable");  // a folder fails at its first read
}

CommandTemplateSet SetOf(const std::vector<std::string>& lines) {
  std::vector<TemplateLine> parsed;
  for (const std::string& l : lines) parsed.push_back(ParseTemplateLine(l));
  return BuildTemplateSet(parsed);
}

TEST(BuildTemplateSet, Dispatch) {
  TempDir dir;
  test::WriteBytes(dir.File("tewoc.ini"), test::FactoryTemplateFile());
  const CommandTemplateSet factory = BuildTemplateSet(*ReadTemplateLines(dir.File("tewoc.ini")));
  const std::size_t sizes[8] = {3, 3, 3, 3, 3, 4, 3, 4};
  for (int b = 0; b < 8; ++b) EXPECT_EQ(factory.blocks[b].size(), sizes[b]) << b + 1;
  EXPECT_EQ(factory.blocks[7],
            (std::vector<std::string>{"DXFOUT", "//ファイル名", "//精度", "//E"}));
  EXPECT_EQ(factory.precision, "12");
  EXPECT_TRUE(factory.invalidLines.empty());

  const std::string long254 = "10" + std::string(252, 'z'), p40(40, '7');
  const CommandTemplateSet set =
      SetOf({"05a", "", "0912", "01b", "05", "09", "093", "10x", long254, "-1", "09" + p40, "055"});
  EXPECT_EQ(set.blocks[4], (std::vector<std::string>{"a", "", "5"}));
  EXPECT_EQ(set.blocks[0], (std::vector<std::string>{"b"}));
  EXPECT_EQ(set.precision, "123" + p40);  // every field-09 text appended, nothing cut
  EXPECT_EQ(set.invalidLines, (std::vector<std::string>{"", "10x", long254, "-1"}));
  EXPECT_EQ(InvalidFieldMessage(long254), "登録ｺﾏﾝﾄﾞｴﾗｰ\n" + long254);
}

TEST(BuildTemplateSet, BlockOfManyLinesKeepsThemAll) {
  std::vector<std::string> lines;
  for (int i = 0; i < 250; ++i) lines.push_back("03line" + std::to_string(i));
  const CommandTemplateSet set = SetOf(lines);
  ASSERT_EQ(set.blocks[2].size(), 250u);
  EXPECT_EQ(set.blocks[2][249], "line249");
}

}  // namespace
}  // namespace tewo

namespace tewo {
namespace {

// The core writes its texts as Shift-JIS byte escapes; this file's literals
// are compiled to Shift-JIS by the compiler.
TEST(CoreTexts, EscapedBytesAreTheShiftJisTexts) {
  EXPECT_STREQ(kFileNameMarker, "//ファイル名");
  EXPECT_STREQ(kPrecisionMarker, "//精度");
  EXPECT_STREQ(kInvalidFieldTitle, "登録ｺﾏﾝﾄﾞｴﾗｰ");
}

}  // namespace
}  // namespace tewo
