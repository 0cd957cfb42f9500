#pragma once
// Writing a file whole, so that a failure never leaves it empty or half
// written: the bytes go to a new file beside it, which then takes its place.

#include <string>
#include <string_view>

#include "common/text_file.h"

namespace tewo {

// The longest path, in bytes, that the system's narrow file functions take.
inline constexpr std::size_t kMaxPathBytes = 259;

// Creates an empty file beside path, under a name that no file or folder
// holds ("~" and hex digits), for content that is to replace path. Its path
// is no longer than path itself or kMaxPathBytes, whichever is longer, so a
// path that the system takes gives a new file that it takes too. Empty when
// no such file can be created.
std::string CreateReplacementFile(const std::string& path);

// Writes bytes as they are to a new file beside path and then puts that file
// in path's place. False when the new file cannot be created, a write or the
// close fails, or the replacement fails; path then keeps its old content and
// the new file is removed.
bool WriteFileReplacing(const std::string& path, std::string_view bytes);

// A text file written line by line beside its target, which it replaces only
// once everything was written (Commit); until then, and on any failure, the
// target keeps its old content. The new file is removed when the writer goes
// without a successful Commit.
class ReplacingTextFileWriter {
 public:
  ReplacingTextFileWriter() = default;
  ~ReplacingTextFileWriter();
  ReplacingTextFileWriter(const ReplacingTextFileWriter&) = delete;
  ReplacingTextFileWriter& operator=(const ReplacingTextFileWriter&) = delete;

  // False when the new file cannot be created.
  bool Create(const std::string& path);
  // As TextFileWriter's: every LF written as CR LF. A failure is remembered.
  void Write(std::string_view text) {
    if (!writer_.Write(text)) failed_ = true;
  }
  void WriteLine(std::string_view line) {
    if (!writer_.WriteLine(line)) failed_ = true;
  }
  // Bytes as they are.
  void WriteBytes(std::string_view bytes) {
    if (!writer_.WriteBytes(bytes)) failed_ = true;
  }
  // Closes the new file and puts it in the target's place. False when any
  // write, the close or the replacement failed.
  bool Commit();

 private:
  void Discard();

  TextFileWriter writer_;
  std::string target_;
  std::string newPath_;
  bool failed_ = false;
  bool open_ = false;
};

}  // namespace tewo
