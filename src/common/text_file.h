#pragma once
// Text files as the C runtime's text mode reads and writes them, the same on
// every platform: on reading CR LF arrives as LF and a byte 0x1A ends the
// file; on writing every LF becomes CR LF. Paths are byte strings handed to
// the platform's narrow file functions unchanged.

#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

#include "common/byte_scan.h"

namespace tewo {

// The byte at which text mode ends a file: nothing after it is read.
inline constexpr char kEndOfFileMark = 0x1A;

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

// Cuts bytes at its first 0x1A at or after from, where text mode ends a
// file. True when the mark was there.
bool CutAtEndOfFileMark(std::string& bytes, std::size_t from = 0);

class TextFileReader {
 public:
  // False when the file cannot be opened for reading.
  bool Open(const std::string& path);
  // Reads bytes as if they were a file's (for readers that are handed bytes).
  void OpenBytes(std::string bytes);

  enum class Result { Piece, End, Error };

  // Reads like fgets with a buffer of maxBytes + 1: at most maxBytes bytes
  // (maxBytes at least 1), stopping after a LF, which stays in the piece.
  // End when nothing is left, Error on a read failure (also when part of a
  // piece had been read before it).
  Result ReadPiece(std::string& piece, std::size_t maxBytes);

 private:
  int NextByte();  // a byte, or EOF at the end of the text, or -2 on error
  int RawByte();   // the next byte of the file as it is, or EOF, or -2
  bool Refill();

  FilePtr file_;
  bool inMemory_ = false;  // buffer_ holds the whole "file"
  std::string buffer_;     // raw bytes of the file
  std::size_t pos_ = 0;
  std::size_t filled_ = 0;
  bool ended_ = false;  // 0x1A or the physical end was met
  bool failed_ = false;
};

class TextFileWriter {
 public:
  // Creates the file or empties it. False when that fails.
  bool Create(const std::string& path);
  // Writes to a file already open for binary writing, which the writer now
  // owns. False when file is null.
  bool Adopt(FilePtr file);

  // Writes text, every LF as CR LF. The bytes are collected in the writer's
  // own buffer and go to the file in large pieces, so a failure shows at the
  // call that hands a full buffer to the file: false when that write failed
  // (or no file is open).
  bool Write(std::string_view text);

  // Writes bytes as they are, without turning LF into CR LF.
  bool WriteBytes(std::string_view bytes);

  // Writes text and a line break: the same as Write(text) then Write("\n"),
  // in one call. Inline for the common case of a line that fits the buffer
  // and holds no LF of its own.
  bool WriteLine(std::string_view text) {
    if (file_ && used_ + text.size() + 2 <= buffer_.size() && !ContainsByte(text, '\n')) {
      char* out = buffer_.data() + used_;
      if (!text.empty()) std::memcpy(out, text.data(), text.size());
      out[text.size()] = '\r';
      out[text.size() + 1] = '\n';
      used_ += text.size() + 2;
      return true;
    }
    return WriteLineSlow(text);
  }

  // Flushes and closes. False when that failed or when any write since
  // Create failed.
  bool Close();

 private:
  bool Flush();
  bool Append(std::string_view text);  // LF as CR LF, into the buffer
  bool WriteLineSlow(std::string_view text);

  FilePtr file_;
  std::string buffer_;  // a fixed block; used_ bytes of it hold output
  std::size_t used_ = 0;
  bool failed_ = false;
};

}  // namespace tewo
