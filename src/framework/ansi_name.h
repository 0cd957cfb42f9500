#pragma once
// Names that come from the wide API (file dialogs, drops, the folder browser,
// an edit's wide text) and their form in the ANSI code page (932), which the
// rest of the program speaks. A character the code page has no code for would
// reach the ANSI API as "?" or as a look-alike ("ß" as "s") and so name no
// file, or another one: such a name is refused, never passed on.

#include <windows.h>

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

struct AnsiName {
  // The exact ANSI form when exact; else a form for showing the name to the
  // user, with "?" for what cannot be shown (an emoji, a surrogate pair, as "??").
  std::string text;
  bool exact = true;
};

// The ANSI form of wide, and whether it converts exactly: every character
// has its own code, without best-fit look-alikes, and converts back to itself.
AnsiName ToAnsiName(std::wstring_view wide);

// What a refused name was to be used for, which the user is told.
enum class NameUse { Open, Save };

// True when name converts exactly. Otherwise the user is told (beep and a
// message owned by owner) that the file cannot be opened or saved for its
// name, and false.
bool NameIsCarried(HWND owner, const AnsiName& name, NameUse use);

// The wide form of an ANSI text.
std::wstring ToWide(std::string_view ansi);

// The wide text of a window (an edit's own text, before any ANSI conversion).
std::wstring WindowTextWide(HWND window);

// The first line of wide (lines end in LF or CR LF) that does not convert
// exactly: its number, from 1, and its form for showing, cut after a few
// dozen characters. Nothing when every line converts exactly.
struct UncarriedLine {
  std::size_t number = 0;
  std::string shown;
};
std::optional<UncarriedLine> FirstUncarriedLine(std::wstring_view wide);

// Where a text that is to be saved stands, for telling the user.
struct TextPlace {
  std::string name;      // the field's name ("１件目のﾌｧｲﾙ用 Input"), or empty
  bool numbered = true;  // the text has lines, and the line's number is told
};

// The exact ANSI form of the wide text of window (an edit, a combo box), to be
// saved. When a character of it has none, nothing: the user has been told
// (beep and message owned by owner) which line holds it, and the text stays
// as it is in the window.
std::optional<std::string> TextToSave(HWND owner, HWND window, const TextPlace& place);
