#pragma once

#include <string>
#include <string_view>

#include "common/text_file.h"

namespace tewo {

// Writes a script: every line followed by CR LF. A failed write is
// remembered and writing goes on, so that as much as possible lands on disk.
class ScriptFileWriter {
 public:
  bool Create(const std::string& path);  // false when the file cannot be created
  void WriteLine(std::string_view line) {
    if (!writer_.WriteLine(line)) failed_ = true;
  }
  bool Finish();  // closes; false when any write or the close failed

 private:
  TextFileWriter writer_;
  bool failed_ = false;
};

}  // namespace tewo
