#pragma once
// The script editor's text and its files: a file is read as the C runtime's
// text mode reads it and shown with CR LF line ends; the text is written back
// with CR LF line ends, every line whole.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "common/file_replace.h"

namespace tewo {

// The most bytes a load may count before it is refused. A load counts every
// line feed as the CR LF it becomes and the last piece of a file that does not
// end in a line feed with one byte to spare, so such a text loads only up to
// one byte less. Replacements are held to the same bound.
inline constexpr std::size_t kEditorTextBound = 2'559'000;

// The most bytes a user may type: every text of this size loads again,
// whether or not it ends in a line break.
inline constexpr std::size_t kEditorTypingBound = kEditorTextBound - 1;

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
// that path keeps its old content on any failure. Not ok when anything failed.
WriteResult SaveScriptFile(const std::string& path, std::string_view text,
                           const FileCalls* calls = nullptr);

}  // namespace tewo
