#include "editor/script_text.h"

#include <algorithm>
#include <cstring>

#include "common/file_write.h"
#include "common/text_file.h"

namespace tewo {

namespace {

constexpr char kEndOfFileMark = 0x1A;

// Whether text has a line feed without a CR before it: a plain loop over
// bytes, which the compiler turns into one that takes many bytes a step.
bool HasBareLineFeed(std::string_view text) {
  if (text.empty()) return false;
  const auto* p = reinterpret_cast<const unsigned char*>(text.data());
  unsigned char found = p[0] == '\n';
  for (std::size_t i = 1; i < text.size(); ++i) {
    found |= static_cast<unsigned char>((p[i] == '\n') & (p[i - 1] != '\r'));
  }
  return found != 0;
}

// The number of line feeds in text that have no CR before them.
std::size_t CountBareLineFeeds(std::string_view text) {
  if (text.empty()) return 0;
  std::size_t count = text[0] == '\n' ? 1 : 0;
  for (std::size_t i = 1; i < text.size(); ++i) count += text[i] == '\n' && text[i - 1] != '\r';
  return count;
}

// text with a CR put before every line feed that has none, given how many
// there are.
std::string WithCrLf(std::string_view text, std::size_t bareLineFeeds) {
  std::string out;
  out.reserve(text.size() + bareLineFeeds);
  std::size_t pos = 0;
  while (bareLineFeeds > 0 && pos < text.size()) {
    const void* lf = std::memchr(text.data() + pos, '\n', text.size() - pos);
    if (lf == nullptr) break;
    const auto at = static_cast<std::size_t>(static_cast<const char*>(lf) - text.data());
    if (at == 0 || text[at - 1] != '\r') {
      out.append(text, pos, at - pos);
      out.append("\r\n");
      pos = at + 1;
      --bareLineFeeds;
    } else {
      // A CR LF: copied with the run before the next line feed.
      out.append(text, pos, at + 1 - pos);
      pos = at + 1;
    }
  }
  out.append(text, pos);
  return out;
}

// The loaded text of bytes, which are taken over when they need no change.
LoadedScript Load(std::string bytes) {
  const void* mark = std::memchr(bytes.data(), kEndOfFileMark, bytes.size());
  if (mark != nullptr)
    bytes.resize(static_cast<std::size_t>(static_cast<const char*>(mark) - bytes.data()));
  // A CR LF of the file comes back as CR LF and a lone LF gains a CR, so the
  // loaded text is at least as long as the bytes it comes from.
  LoadedScript loaded;
  if (bytes.size() > kEditorTextBound) {
    loaded.refused = true;
    return loaded;
  }
  loaded.text =
      HasBareLineFeed(bytes) ? WithCrLf(bytes, CountBareLineFeeds(bytes)) : std::move(bytes);
  const bool endsInLineFeed = loaded.text.empty() || loaded.text.back() == '\n';
  if (loaded.text.size() > kEditorTextBound ||
      (!endsInLineFeed && loaded.text.size() + 1 > kEditorTextBound)) {
    loaded.text = std::string();
    loaded.refused = true;
  }
  return loaded;
}

}  // namespace

LoadedScript LoadScriptBytes(std::string_view bytes) { return Load(std::string(bytes)); }

std::optional<LoadedScript> LoadScriptFile(const std::string& path) {
  FilePtr file(std::fopen(path.c_str(), "rb"));
  if (!file) return {};
  // Read once at the file's size when it can be told; a file that is too
  // big is read only as far as shows it: its bytes before a 0x1A are never
  // more than the text they load as.
  std::size_t expected = 0;
  if (std::fseek(file.get(), 0, SEEK_END) == 0) {
    const long size = std::ftell(file.get());
    if (size > 0) expected = static_cast<std::size_t>(size);
    std::rewind(file.get());
  }
  const std::size_t limit = kEditorTextBound + 1;
  std::string bytes;
  std::size_t chunk = std::min(expected, limit) + 1;  // one more shows the end
  for (;;) {
    const std::size_t had = bytes.size();
    bytes.resize(had + chunk);
    const std::size_t n = std::fread(bytes.data() + had, 1, chunk, file.get());
    bytes.resize(had + n);
    if (n < chunk) {
      if (std::ferror(file.get())) return {};
      break;
    }
    if (std::memchr(bytes.data() + had, kEndOfFileMark, n) != nullptr) break;
    if (bytes.size() >= limit) break;
    chunk = 256 * 1024;
  }
  return Load(std::move(bytes));
}

std::string ScriptFileBytes(std::string_view text) {
  return WithCrLf(text, CountBareLineFeeds(text));
}

bool SaveScriptFile(const std::string& path, std::string_view text) {
  return WriteFileReplacing(path, ScriptFileBytes(text));
}

}  // namespace tewo
