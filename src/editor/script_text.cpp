#include "editor/script_text.h"

#include "common/crlf_text.h"
#include "common/file_write.h"

namespace tewo {

namespace {

// The loaded text of bytes (already cut at a 0x1A), which are taken over when
// they need no change.
LoadedScript Load(std::string bytes) {
  // A CR LF of the file comes back as CR LF and a lone LF gains a CR, so the
  // loaded text is at least as long as the bytes it comes from.
  LoadedScript loaded;
  if (bytes.size() > kEditorTextBound) {
    loaded.refused = true;
    return loaded;
  }
  loaded.text = WithCrLf(std::move(bytes));
  const bool endsInLineFeed = loaded.text.empty() || loaded.text.back() == '\n';
  if (loaded.text.size() > kEditorTextBound ||
      (!endsInLineFeed && loaded.text.size() + 1 > kEditorTextBound)) {
    loaded.text = std::string();
    loaded.refused = true;
  }
  return loaded;
}

}  // namespace

LoadedScript LoadScriptBytes(std::string_view bytes) {
  std::string text(bytes);
  CutAtEndOfFileMark(text);
  return Load(std::move(text));
}

std::optional<LoadedScript> LoadScriptFile(const std::string& path) {
  // A file that is too big is read only as far as shows it.
  auto bytes = ReadTextFileBytes(path, kEditorTextBound);
  if (!bytes) return {};
  return Load(std::move(*bytes));
}

std::string ScriptFileBytes(std::string_view text) { return WithCrLf(std::string(text)); }

WriteResult SaveScriptFile(const std::string& path, std::string_view text, const FileCalls* calls) {
  return WriteFileReplacing(path, ScriptFileBytes(text), calls);
}

}  // namespace tewo
