#pragma once
// Writing a file whole, so that a failure never leaves it empty or half
// written: the bytes go to a new file beside it, which then takes its place.

#include <string>
#include <string_view>

#include "common/file_replace.h"
#include "common/text_file.h"

namespace tewo {

// The longest path that the system's narrow file functions take, in
// characters: the system counts UTF-16 characters, so a double-byte
// character counts once.
inline constexpr std::size_t kMaxPathChars = 259;

// A new file beside a target, open for writing.
struct NewFile {
  std::string path;  // empty when no file could be created
  FilePtr file;
};

// Creates and opens an empty file beside path, under a name that no file or
// folder holds (digits and letters, after a "~" where there is room for
// one). Its path is no longer, in characters, than path itself or
// kMaxPathChars, whichever is longer, so a path that the system takes gives
// a new file that it takes too. The handle that created the file is the one
// returned: nobody can put another file under the name in between.
NewFile OpenReplacementFile(const std::string& path);

// The same, closed: the name of the new file, or empty.
std::string CreateReplacementFile(const std::string& path);

// Writes bytes as they are to a new file beside path and then puts that file
// in path's place. Not ok when the new file cannot be created, a write or
// the close fails, or the replacement fails; see WriteResult for where the
// content then is.
WriteResult WriteFileReplacing(const std::string& path, std::string_view bytes,
                               const FileCalls* calls = nullptr);

// A text file written line by line beside its target, which it replaces only
// once everything was written (Commit); until then, and on any failure, the
// target keeps its old content. The new file is removed when the writer goes
// without a Commit.
class ReplacingTextFileWriter {
 public:
  // calls: the system calls the replacement makes (null: the system's own).
  explicit ReplacingTextFileWriter(const FileCalls* calls = nullptr) : calls_(calls) {}
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
  // Closes the new file and puts it in the target's place. Not ok when any
  // write, the close or the replacement failed.
  WriteResult Commit();

 private:
  // False when the new file stays.
  bool Discard();

  const FileCalls* calls_;
  TextFileWriter writer_;
  std::string target_;
  std::string newPath_;
  bool failed_ = false;
  bool open_ = false;
};

}  // namespace tewo
