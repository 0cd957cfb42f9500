#include <cstdio>

#include "common/file_replace.h"

namespace tewo {

// rename() replaces an existing target atomically within one file system.
bool ReplaceFileWith(const std::string& newFile, const std::string& target) {
  return std::rename(newFile.c_str(), target.c_str()) == 0;
}

}  // namespace tewo
