#pragma once
// The script editor's text and its files: a file is read as the C runtime's
// text mode reads it and shown with CR LF line ends; the text is written back
// with CR LF line ends, every line whole.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tewo {

// The most bytes the editor's text may hold (its 2,560,000-byte store less
// room for a terminator and a spare byte).
inline constexpr std::size_t kEditorTextBound = 2'559'000;

struct LoadedScript {
  std::string text;      // CR LF line ends; empty when refused
  bool refused = false;  // the text would not fit the bound
};

// The text that a file of these bytes loads as: the bytes up to a 0x1A (text
// mode ends the file there), each line feed made CR LF (a CR LF stays as it
// is). Refused when it is longer than the bound, and also when it is exactly
// as long but its last line has no line feed: a piece without one is
// tested with one byte to spare.
LoadedScript LoadScriptBytes(std::string_view bytes);

// Reads the file at path and loads it; nothing when it cannot be opened or a
// read fails. Reading stops once the file is known to be too big.
std::optional<LoadedScript> LoadScriptFile(const std::string& path);

// The bytes a text is saved as: every line whole, each line feed that has no
// CR before it written as CR LF, so that a loaded text is written back byte
// for byte.
std::string ScriptFileBytes(std::string_view text);

// Writes text to a new file beside path and then puts it in path's place, so
// that path keeps its old content on any failure. False when anything failed.
bool SaveScriptFile(const std::string& path, std::string_view text);

}  // namespace tewo
