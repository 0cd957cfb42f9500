#include "editor/script_text.h"

#include <algorithm>
#include <cstring>

#include "common/file_write.h"
#include "common/text_file.h"

namespace tewo {

namespace {

constexpr char kEndOfFileMark = 0x1A;

// Appends text with a CR put before every line feed that has none.
void AppendWithCrLf(std::string& out, std::string_view text) {
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
}

std::string WithCrLf(std::string_view text) {
  std::string out;
  out.reserve(text.size() + static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')));
  AppendWithCrLf(out, text);
  return out;
}

}  // namespace

LoadedScript LoadScriptBytes(std::string_view bytes) {
  const std::size_t mark = bytes.find(kEndOfFileMark);
  if (mark != std::string_view::npos) bytes = bytes.substr(0, mark);
  // A CR LF of the file comes back as CR LF and a lone LF gains a CR, so the
  // loaded text is at least as long as the bytes it comes from.
  LoadedScript loaded;
  if (bytes.size() > kEditorTextBound) {
    loaded.refused = true;
    return loaded;
  }
  loaded.text = WithCrLf(bytes);
  const bool endsInLineFeed = loaded.text.empty() || loaded.text.back() == '\n';
  if (loaded.text.size() > kEditorTextBound ||
      (!endsInLineFeed && loaded.text.size() + 1 > kEditorTextBound)) {
    loaded.text.clear();
    loaded.text.shrink_to_fit();
    loaded.refused = true;
  }
  return loaded;
}

std::optional<LoadedScript> LoadScriptFile(const std::string& path) {
  FilePtr file(std::fopen(path.c_str(), "rb"));
  if (!file) return {};
  // Enough to tell a file that is too big: its bytes before a 0x1A are never
  // more than the text they load as.
  constexpr std::size_t kChunk = 256 * 1024;
  std::string bytes;
  for (;;) {
    const std::size_t had = bytes.size();
    bytes.resize(had + kChunk);
    const std::size_t n = std::fread(bytes.data() + had, 1, kChunk, file.get());
    bytes.resize(had + n);
    if (std::memchr(bytes.data() + had, kEndOfFileMark, n) != nullptr) break;
    if (bytes.size() > kEditorTextBound) break;
    if (n < kChunk) {
      if (std::ferror(file.get())) return {};
      break;
    }
  }
  return LoadScriptBytes(bytes);
}

std::string ScriptFileBytes(std::string_view text) { return WithCrLf(text); }

bool SaveScriptFile(const std::string& path, std::string_view text) {
  return WriteFileReplacing(path, ScriptFileBytes(text));
}

}  // namespace tewo
