#include "common/text_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "test_files.h"

namespace tewo {
namespace {

using test::ReadBytes;
using test::TempDir;
using test::Visible;
using test::WriteBytes;

std::vector<std::string> ReadAllPieces(const std::string& path, std::size_t maxBytes) {
  TextFileReader reader;
  EXPECT_TRUE(reader.Open(path));
  std::vector<std::string> pieces;
  std::string piece;
  TextFileReader::Result result;
  while ((result = reader.ReadPiece(piece, maxBytes)) == TextFileReader::Result::Piece) {
    pieces.push_back(piece);
  }
  EXPECT_EQ(result, TextFileReader::Result::End);
  EXPECT_EQ(reader.ReadPiece(piece, maxBytes), TextFileReader::Result::End) << "End stays";
  return pieces;
}

std::string Join(const std::vector<std::string>& pieces) {
  std::string all;
  for (const std::string& p : pieces) all += Visible(p) + "|";
  return all;
}

TEST(TextFileReader, TextModePieces) {
  struct Case {
    std::string bytes;
    std::size_t maxBytes;
    std::vector<std::string> pieces;
  };
  const Case cases[] = {
      {"a\r\nb\r\n", 254, {"a\n", "b\n"}},
      {"a\nb", 254, {"a\n", "b"}},
      {"a\rb\n", 254, {"a\rb\n"}},
      {"a\r", 254, {"a\r"}},
      {"\r\r\n", 254, {"\r\n"}},
      {"\n\r\n\n", 254, {"\n", "\n", "\n"}},
      {"ab\x1A"
       "cd\n",
       254,
       {"ab"}},
      {"ab\n\x1A"
       "cd\n",
       254,
       {"ab\n"}},
      {"\x1A", 254, {}},
      {"\r\x1A\n", 254, {"\r"}},
      {"", 254, {}},
      {"abcdef\n", 3, {"abc", "def", "\n"}},
      {"abc\r\n", 3, {"abc", "\n"}},
      {"ab\r\n", 3, {"ab\n"}},
      {"a\r\n", 1, {"a", "\n"}},
      {"表\r\n", 254, {"表\n"}},
  };
  TempDir dir;
  for (const Case& c : cases) {
    const std::string path = dir.File("in.txt");
    WriteBytes(path, c.bytes);
    EXPECT_EQ(Join(ReadAllPieces(path, c.maxBytes)), Join(c.pieces)) << Visible(c.bytes);
  }
}

// The reader fetches the file in chunks; a CR LF may straddle a chunk edge.
TEST(TextFileReader, CarriageReturnAtEveryChunkEdge) {
  struct Case {
    std::string tail;      // follows the run of "x"
    std::string expected;  // what the text ends with
  };
  const Case tails[] = {
      {"\r\ny\n", "\ny\n"},
      {"\ry\n", "\ry\n"},
      {"\r", "\r"},
      {"\r\x1A\n", "\r"},
  };
  TempDir dir;
  const std::string path = dir.File("edge.txt");
  for (std::size_t run : {std::size_t{4095}, std::size_t{65535}, std::size_t{65536},
                          std::size_t{131071}, std::size_t{262143}}) {
    for (const Case& c : tails) {
      WriteBytes(path, std::string(run, 'x') + c.tail);
      std::string text;
      for (const std::string& piece : ReadAllPieces(path, 1 << 20)) text += piece;
      EXPECT_EQ(text, std::string(run, 'x') + c.expected) << run << " " << Visible(c.tail);
    }
  }
}

TEST(TextFileReader, MissingFileDoesNotOpen) {
  TempDir dir;
  TextFileReader reader;
  EXPECT_FALSE(reader.Open(dir.File("missing.txt")));
  std::string piece;
  EXPECT_EQ(reader.ReadPiece(piece, 254), TextFileReader::Result::Error);
}

TEST(TextFileReader, ReadFailureIsAnError) {
  // A folder opens like a file on POSIX but every read of it fails.
  TempDir dir;
  TextFileReader reader;
  ASSERT_TRUE(reader.Open(dir.path()));
  std::string piece;
  EXPECT_EQ(reader.ReadPiece(piece, 254), TextFileReader::Result::Error);
  EXPECT_EQ(reader.ReadPiece(piece, 254), TextFileReader::Result::Error);
}

TEST(TextFileWriter, LineFeedsBecomeCrLf) {
  struct Case {
    std::vector<std::string> writes;
    std::string bytes;
  };
  const Case cases[] = {
      {{"a\nb"}, "a\r\nb"},
      {{"\n\n"}, "\r\n\r\n"},
      {{"a\r\n"}, "a\r\r\n"},
      {{"", "x", ""}, "x"},
      {{"表", "\n", "能\n"}, "表\r\n能\r\n"},
      {{}, ""},
  };
  TempDir dir;
  const std::string path = dir.File("out.txt");
  for (const Case& c : cases) {
    WriteBytes(path, "old content that Create must remove");
    TextFileWriter writer;
    ASSERT_TRUE(writer.Create(path));
    for (const std::string& w : c.writes) EXPECT_TRUE(writer.Write(w));
    EXPECT_TRUE(writer.Close());
    EXPECT_EQ(Visible(ReadBytes(path)), Visible(c.bytes));
  }
}

TEST(TextFileWriter, LargeOutputKeepsEveryByte) {
  TempDir dir;
  const std::string path = dir.File("big.txt");
  std::string expected;
  TextFileWriter writer;
  ASSERT_TRUE(writer.Create(path));
  for (int i = 0; i < 200000; ++i) {
    std::string line = "line " + std::to_string(i);
    ASSERT_TRUE(writer.Write(line + "\n"));
    expected += line + "\r\n";
  }
  const std::string huge(3 << 20, 'h');  // one write larger than any buffer
  ASSERT_TRUE(writer.Write(huge));
  expected += huge;
  ASSERT_TRUE(writer.Close());
  EXPECT_TRUE(ReadBytes(path) == expected);
}

TEST(TextFileWriter, FailuresAreReported) {
  TempDir dir;
  TextFileWriter writer;
  EXPECT_FALSE(writer.Create(dir.File("no/such/folder.txt")));
  EXPECT_FALSE(writer.Write("x"));
  EXPECT_FALSE(writer.Close());

  if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
  // A short write fails only when the buffer reaches the device, at Close.
  TextFileWriter small;
  ASSERT_TRUE(small.Create("/dev/full"));
  EXPECT_TRUE(small.Write("x\n"));
  EXPECT_FALSE(small.Close());

  // A long one fails at the write that fills the buffer, and stays failed.
  TextFileWriter large;
  ASSERT_TRUE(large.Create("/dev/full"));
  bool allWritten = true;
  for (int i = 0; i < 100000; ++i) allWritten = large.Write("0123456789\n") && allWritten;
  EXPECT_FALSE(allWritten);
  EXPECT_FALSE(large.Close());
}

}  // namespace
}  // namespace tewo
