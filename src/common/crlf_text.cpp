#include "common/crlf_text.h"

#include <algorithm>
#include <cstring>

#include "common/text_file.h"

namespace tewo {

namespace {

// The line feeds of text without a CR before them: a plain loop over bytes
// without branches, which the compiler turns into one that takes many bytes
// a step.
std::size_t CountBareLineFeeds(std::string_view text) {
  if (text.empty()) return 0;
  const auto* p = reinterpret_cast<const unsigned char*>(text.data());
  std::size_t count = p[0] == '\n';
  for (std::size_t i = 1; i < text.size(); ++i) {
    count += static_cast<std::size_t>((p[i] == '\n') & (p[i - 1] != '\r'));
  }
  return count;
}

}  // namespace

std::string WithCrLf(std::string text) {
  // One pass counts; a text that needs no change is handed back as it is.
  const std::size_t bare = CountBareLineFeeds(text);
  if (bare == 0) return text;
  std::string out;
  out.reserve(text.size() + bare);
  std::size_t pos = 0;
  while (pos < text.size()) {
    const void* lf = std::memchr(text.data() + pos, '\n', text.size() - pos);
    if (lf == nullptr) break;
    const auto at = static_cast<std::size_t>(static_cast<const char*>(lf) - text.data());
    out.append(text, pos, at - pos);
    if (at == 0 || text[at - 1] != '\r') out.push_back('\r');
    out.push_back('\n');
    pos = at + 1;
  }
  out.append(text, pos);
  return out;
}

std::optional<std::string> ReadTextFileBytes(const std::string& path, std::size_t limit) {
  FilePtr file(std::fopen(path.c_str(), "rb"));
  if (!file) return {};
  // Read once at the file's size when it can be told.
  std::size_t expected = 0;
  if (std::fseek(file.get(), 0, SEEK_END) == 0) {
    const long size = std::ftell(file.get());
    if (size > 0) expected = static_cast<std::size_t>(size);
    std::rewind(file.get());
  }
  std::string bytes;
  std::size_t chunk = std::min(expected, limit) + 1;  // one more shows the end
  for (;;) {
    const std::size_t had = bytes.size();
    bytes.resize(had + chunk);
    const std::size_t n = std::fread(bytes.data() + had, 1, chunk, file.get());
    bytes.resize(had + n);
    if (n < chunk && std::ferror(file.get())) return {};
    // A 0x1A ends the text, and so the reading.
    if (CutAtEndOfFileMark(bytes, had) || n < chunk || bytes.size() > limit) return bytes;
    chunk = 256 * 1024;
  }
}

}  // namespace tewo
