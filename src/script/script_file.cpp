#include "script/script_file.h"

namespace tewo {

bool ScriptFileWriter::Create(const std::string& path) {
  failed_ = false;
  return writer_.Create(path);
}

bool ScriptFileWriter::Finish() {
  bool closed = writer_.Close();
  return closed && !failed_;
}

}  // namespace tewo
