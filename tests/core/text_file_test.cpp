#include "common/text_file.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "test_files.h"

namespace tewo {
namespace {

using test::TempDir;
using test::Visible;

// Every piece of the file, each followed by "|".
std::string Pieces(const std::string& path, std::size_t maxBytes) {
  TextFileReader reader;
  EXPECT_TRUE(reader.Open(path));
  std::string all, piece;
  TextFileReader::Result result;
  while ((result = reader.ReadPiece(piece, maxBytes)) == TextFileReader::Result::Piece) {
    all += piece + "|";
  }
  EXPECT_EQ(result, TextFileReader::Result::End);
  return all;
}

TEST(TextFileReader, TextModePieces) {
  struct Case {
    std::string bytes;
    std::size_t maxBytes;
    std::string pieces;
  };
  const Case cases[] = {
      {"a\r\nb\r\n", 254, "a\n|b\n|"},
      {"a\nb", 254, "a\n|b|"},
      {"a\rb\r", 254, "a\rb\r|"},
      {"\r\r\n\n", 254, "\r\n|\n|"},
      {"ab\x1A"
       "c\n",
       254, "ab|"},
      {"\r\x1A\n", 254, "\r|"},
      {"", 254, ""},
      {"abcd\r\n", 2, "ab|cd|\n|"},
      {"ab\r\n", 3, "ab\n|"},
      {"表\r\n", 254, "表\n|"},
  };
  TempDir dir;
  for (const Case& c : cases) {
    test::WriteBytes(dir.File("in"), c.bytes);
    EXPECT_EQ(Visible(Pieces(dir.File("in"), c.maxBytes)), Visible(c.pieces)) << Visible(c.bytes);
  }
}

// The file is read in chunks; a CR LF may straddle the edge of one.
TEST(TextFileReader, CarriageReturnAtChunkEdges) {
  const std::pair<std::string, std::string> tails[] = {
      {"\r\ny", "\n|y|"}, {"\ry", "\ry|"}, {"\r", "\r|"}, {"\r\x1A\n", "\r|"}};
  TempDir dir;
  for (std::size_t run : {4095, 65535, 65536, 131071}) {
    for (const auto& [tail, expected] : tails) {
      test::WriteBytes(dir.File("in"), std::string(run, 'x') + tail);
      EXPECT_EQ(Pieces(dir.File("in"), 1 << 20), std::string(run, 'x') + expected) << run;
    }
  }
}

TEST(TextFileReader, MissingAndUnreadable) {
  TempDir dir;
  TextFileReader reader;
  std::string piece;
  EXPECT_FALSE(reader.Open(dir.File("missing")));
  EXPECT_EQ(reader.ReadPiece(piece, 254), TextFileReader::Result::Error);
  ASSERT_TRUE(reader.Open(dir.path()));  // a folder opens, but every read of it fails
  EXPECT_EQ(reader.ReadPiece(piece, 254), TextFileReader::Result::Error);
}

TEST(TextFileWriter, LineFeedsBecomeCrLf) {
  TempDir dir;
  const std::string path = dir.File("out");
  test::WriteBytes(path, "old content that Create removes");
  TextFileWriter writer;
  ASSERT_TRUE(writer.Create(path));
  std::string expected;
  for (std::string text : {"a\nb", "", "a\r\n", "表\n\n"}) {
    EXPECT_TRUE(writer.Write(text));
    EXPECT_TRUE(writer.WriteLine(text));
    expected += test::CrLf(text) + test::CrLf(text) + "\r\n";
  }
  for (int i = 0; i < 30000; ++i) {  // past the writer's buffer, several times
    EXPECT_TRUE(writer.WriteLine("line " + std::to_string(i)));
    expected += "line " + std::to_string(i) + "\r\n";
  }
  const std::string huge(1 << 20, 'h');
  EXPECT_TRUE(writer.Write(huge));
  EXPECT_TRUE(writer.Close());
  EXPECT_TRUE(test::ReadBytes(path) == expected + huge);
}

TEST(TextFileWriter, FailuresAreReported) {
  TempDir dir;
  TextFileWriter writer;
  EXPECT_FALSE(writer.Create(dir.File("no/such/file")));
  EXPECT_FALSE(writer.Write("x") || writer.Close());
  if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
  ASSERT_TRUE(writer.Create("/dev/full"));
  EXPECT_TRUE(writer.Write("short\n"));  // still in the buffer
  EXPECT_FALSE(writer.Close());
  ASSERT_TRUE(writer.Create("/dev/full"));
  bool all = true;
  for (int i = 0; i < 100000; ++i) all = writer.WriteLine("0123456789") && all;
  EXPECT_FALSE(all);
  EXPECT_FALSE(writer.Close());
}

}  // namespace
}  // namespace tewo
