#pragma once
// Text files as the C runtime's text mode reads and writes them, the same on
// every platform: on reading CR LF arrives as LF and a byte 0x1A ends the
// file; on writing every LF becomes CR LF. Paths are byte strings handed to
// the platform's narrow file functions unchanged.

#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

namespace tewo {

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

class TextFileReader {
 public:
  // False when the file cannot be opened for reading.
  bool Open(const std::string& path);

  enum class Result { Piece, End, Error };

  // Reads like fgets with a buffer of maxBytes + 1: at most maxBytes bytes,
  // stopping after a LF, which stays in the piece. End when nothing is left,
  // Error on a read failure.
  Result ReadPiece(std::string& piece, std::size_t maxBytes);

 private:
  int NextByte();  // a byte, or EOF at the end of the text, or -2 on error

  FilePtr file_;
  std::string buffer_;
  std::size_t pos_ = 0;
  bool ended_ = false;  // 0x1A or the physical end was met
  bool failed_ = false;
};

class TextFileWriter {
 public:
  // Creates the file or empties it. False when that fails.
  bool Create(const std::string& path);

  // Writes text, every LF as CR LF. False when the write failed.
  bool Write(std::string_view text);

  // Flushes and closes. False when that failed.
  bool Close();

 private:
  bool Flush();

  FilePtr file_;
  std::string buffer_;
};

}  // namespace tewo
