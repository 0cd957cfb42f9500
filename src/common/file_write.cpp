#include "common/file_write.h"

#include <cstdio>

#include "common/file_replace.h"
#include "common/text_file.h"

namespace tewo {

std::string ReplacementPath(const std::string& path) { return path + ".new"; }

bool WriteFileReplacing(const std::string& path, std::string_view bytes) {
  const std::string newPath = ReplacementPath(path);
  FilePtr file(std::fopen(newPath.c_str(), "wb"));
  if (!file) return false;
  bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file.get()) == bytes.size();
  if (std::fclose(file.release()) != 0) ok = false;
  if (ok && ReplaceFileWith(newPath, path)) return true;
  std::remove(newPath.c_str());
  return false;
}

std::string LfToCrLf(std::string_view text) {
  std::string out;
  out.reserve(text.size() + text.size() / 16);
  for (char c : text) {
    if (c == '\n') out.push_back('\r');
    out.push_back(c);
  }
  return out;
}

}  // namespace tewo
