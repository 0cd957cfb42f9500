#pragma once

#include <string>
#include <string_view>

#include "common/file_write.h"

namespace tewo {

// Writes a script: every line followed by CR LF, into a new file that takes
// the old script's place only when everything was written, so that a failed
// save leaves an existing script as it was.
class ScriptFileWriter {
 public:
  explicit ScriptFileWriter(const FileCalls* calls = nullptr) : writer_(calls) {}
  bool Create(const std::string& path) { return writer_.Create(path); }  // false: cannot be created
  void WriteLine(std::string_view line) { writer_.WriteLine(line); }
  // Not ok when any write, the close or the replacement failed.
  WriteResult Finish() { return writer_.Commit(); }

 private:
  ReplacingTextFileWriter writer_;
};

}  // namespace tewo
