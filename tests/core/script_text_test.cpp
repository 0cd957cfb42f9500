#include "editor/script_text.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "common/file_write.h"
#include "common/text_file.h"
#include "test_files.h"

namespace tewo {
namespace {

using test::TempDir;
using test::Visible;

// The editor's load routine step by step: pieces of at most 254 bytes, each
// counted with one byte to spare, a piece with a line feed placed with CR LF.
LoadedScript LoadPieceByPiece(const std::string& path) {
  TextFileReader reader;
  EXPECT_TRUE(reader.Open(path));
  LoadedScript loaded;
  std::size_t count = 0;
  std::string piece;
  while (reader.ReadPiece(piece, 254) == TextFileReader::Result::Piece) {
    count += piece.size() + 1;
    if (count > kEditorTextBound) return {{}, true};
    if (piece.back() == '\n') {
      piece.pop_back();
      loaded.text += piece + "\r\n";
    } else {
      loaded.text += piece;
      --count;
    }
  }
  return loaded;
}

TEST(LoadScript, LineEndsAndTextMode) {
  struct Case {
    std::string file;
    std::string text;
  };
  const Case cases[] = {
      {"", ""},
      {"a\r\nb\r\n", "a\r\nb\r\n"},
      {"a\nb\n", "a\r\nb\r\n"},
      {"a\nb", "a\r\nb"},        // no line break after the last line
      {"a\rb\r", "a\rb\r"},      // a lone CR stays
      {"a\r\r\nb", "a\r\r\nb"},  // CR, then CR LF
      {"\n\n", "\r\n\r\n"},
      {"ab\x1A"
       "cd\n",
       "ab"},  // 0x1A ends the file
      {"\x1A"
       "a",
       ""},
      {"\x95\x5C\n\x83\x41", "\x95\x5C\r\n\x83\x41"},  // trail bytes are only bytes
      {std::string(300, 'x') + "\n", std::string(300, 'x') + "\r\n"},
      {std::string(5000, 'y'), std::string(5000, 'y')},
      {std::string("\0\x01\xFF\n", 4), std::string("\0\x01\xFF\r\n", 5)},  // binary bytes
  };
  TempDir dir;
  for (const Case& c : cases) {
    const LoadedScript loaded = LoadScriptBytes(c.file);
    EXPECT_FALSE(loaded.refused) << Visible(c.file);
    EXPECT_EQ(Visible(loaded.text), Visible(c.text));
    // Through a file, and as the piece-by-piece routine places it.
    test::WriteBytes(dir.File("s.scr"), c.file);
    const auto fromFile = LoadScriptFile(dir.File("s.scr"));
    ASSERT_TRUE(fromFile.has_value());
    EXPECT_EQ(Visible(fromFile->text), Visible(c.text));
    EXPECT_EQ(Visible(LoadPieceByPiece(dir.File("s.scr")).text), Visible(c.text));
  }
}

// Files whose text with CR LF line ends is about the bound: lines of 98 bytes
// and CR LF, then a last line that fills up to the size asked for.
std::string FileOfTextSize(std::size_t textSize, bool finalLineFeed, bool bareLineFeeds) {
  std::string file;
  const std::string line = std::string(98, 'L') + (bareLineFeeds ? "\n" : "\r\n");
  std::size_t text = 0;
  const std::size_t tail = finalLineFeed ? 2 : 0;
  while (text + 100 + 100 <= textSize) {
    file += line;
    text += 100;
  }
  file += std::string(textSize - text - tail, 'T');
  if (finalLineFeed) file += bareLineFeeds ? "\n" : "\r\n";
  return file;
}

TEST(LoadScript, SizeBound) {
  struct Case {
    std::size_t textSize;
    bool finalLineFeed;
    bool refused;
  };
  const Case cases[] = {
      {kEditorTextBound, true, false},  // exactly the bound, ending in a line feed
      {kEditorTextBound, false, true},  // exactly the bound without one: refused
      {kEditorTextBound - 1, false, false}, {kEditorTextBound + 1, true, true},
      {kEditorTextBound + 2, true, true},   {kEditorTextBound + 5000, false, true},
  };
  TempDir dir;
  for (bool bare : {false, true}) {
    for (const Case& c : cases) {
      const std::string file = FileOfTextSize(c.textSize, c.finalLineFeed, bare);
      test::WriteBytes(dir.File("big.scr"), file);
      const auto loaded = LoadScriptFile(dir.File("big.scr"));
      ASSERT_TRUE(loaded.has_value());
      EXPECT_EQ(loaded->refused, c.refused) << c.textSize << " " << c.finalLineFeed << bare;
      EXPECT_EQ(loaded->text.size(), c.refused ? 0 : c.textSize);
      const LoadedScript reference = LoadPieceByPiece(dir.File("big.scr"));
      EXPECT_EQ(reference.refused, c.refused);
      EXPECT_TRUE(reference.text == loaded->text);
    }
  }
  // A file far over the bound is refused without being read whole.
  test::WriteBytes(dir.File("huge.scr"), std::string(8 << 20, 'h'));
  EXPECT_TRUE(LoadScriptFile(dir.File("huge.scr"))->refused);
  // Bytes after a 0x1A do not count.
  test::WriteBytes(dir.File("mark.scr"), "ab\x1A" + std::string(8 << 20, 'h'));
  EXPECT_EQ(LoadScriptFile(dir.File("mark.scr"))->text, "ab");
}

TEST(LoadScript, FilesThatCannotBeRead) {
  TempDir dir;
  EXPECT_FALSE(LoadScriptFile(dir.File("missing.scr")).has_value());
  EXPECT_FALSE(LoadScriptFile("").has_value());
  // A folder opens on some systems but cannot be read.
  EXPECT_FALSE(LoadScriptFile(dir.path()).has_value());
}

TEST(SaveScript, WritesTheTextWholeWithCrLf) {
  struct Case {
    std::string text;
    std::string file;
  };
  const Case cases[] = {
      {"", ""},
      {"a\r\nb", "a\r\nb"},
      {"a\r\nb\r\n", "a\r\nb\r\n"},
      {"a\nb\n", "a\r\nb\r\n"},  // a lone line feed is written as a line break
      {"a\r\r\nb\r", "a\r\r\nb\r"},
      {std::string(5000, 'z') + "\r\n", std::string(5000, 'z') + "\r\n"},  // no 256-byte cut
  };
  TempDir dir;
  const std::string path = dir.File("out.scr");
  for (const Case& c : cases) {
    ASSERT_TRUE(SaveScriptFile(path, c.text));
    EXPECT_EQ(Visible(test::ReadBytes(path)), Visible(c.file));
    EXPECT_EQ(test::FileNames(dir.path()), std::vector<std::string>{"out.scr"});
  }
  // A loaded text is written back byte for byte.
  for (const std::string& file :
       {std::string("x\r\ny\r\n"), std::string("x\ny"), std::string("\r\r\n\r")}) {
    const std::string text = LoadScriptBytes(file).text;
    ASSERT_TRUE(SaveScriptFile(path, text));
    EXPECT_EQ(test::ReadBytes(path), text);
    EXPECT_EQ(LoadScriptFile(path)->text, text);
  }
}

TEST(SaveScript, FailureKeepsTheOldFile) {
  TempDir dir;
  const std::string path = dir.File("old.scr");
  test::WriteBytes(path, "old\r\n");
  // The new file cannot be created: the folder is gone.
  EXPECT_FALSE(SaveScriptFile(dir.File("gone/old.scr"), "new"));
  // A target that is a folder is not replaced.
  std::filesystem::create_directory(dir.File("folder.scr"));
  EXPECT_FALSE(SaveScriptFile(dir.File("folder.scr"), "new"));
  EXPECT_TRUE(std::filesystem::is_directory(dir.File("folder.scr")));
  // A user's own file of a name like the new file's is never touched.
  test::WriteBytes(path + ".new", "mine");
  EXPECT_TRUE(SaveScriptFile(path, "new"));
  EXPECT_EQ(test::ReadBytes(path), "new");
  EXPECT_EQ(test::ReadBytes(path + ".new"), "mine");
  EXPECT_EQ(test::FileNames(dir.path()),
            (std::vector<std::string>{"folder.scr", "old.scr", "old.scr.new"}));
}

}  // namespace
}  // namespace tewo
