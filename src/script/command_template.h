#pragma once
// The command template file: lines of a two-digit field number and the text
// of one template line. Fields 01-08 are the blocks of the two conversion
// modes, field 09 the DXF precision.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tewo {

inline constexpr const char* kTemplateFileName = "tewoc.ini";

// Bytes that one read of a line takes: number, text and, if it fits, the LF.
inline constexpr std::size_t kTemplatePieceBytes = 254;

inline constexpr int kFirstField = 1;
inline constexpr int kPrecisionField = 9;
constexpr bool IsValidField(int field) { return field >= kFirstField && field <= kPrecisionField; }

// The field number of a line: its first two bytes read as a decimal integer
// the way atoi does (leading white space, one sign, digits up to the first
// non-digit; no digits give 0).
int ParseFieldNumber(std::string_view line);

struct TemplateLine {
  int field = 0;     // as parsed; may be invalid
  std::string text;  // from the third byte on
  std::string line;  // the whole piece without its LF
};

// Splits one line (without its LF) into number and text; a line shorter than
// three bytes has empty text.
TemplateLine ParseTemplateLine(std::string_view line);

// Reads every piece of the file (at most 254 bytes, a longer line comes as
// several pieces), one trailing LF removed from each. Empty (nullopt) when
// the file cannot be opened or a read fails.
std::optional<std::vector<TemplateLine>> ReadTemplateLines(const std::string& path);

// The same for a file's bytes.
std::vector<TemplateLine> ParseTemplateFile(std::string_view bytes);

// "登録ｺﾏﾝﾄﾞｴﾗｰ", the title of the message about a line with an invalid
// field number. The core's texts are written as their Shift-JIS bytes, so
// that any compiler, whatever its execution character set, builds the same.
inline constexpr const char* kInvalidFieldTitle =
    "\x93\x6F\x98\x5E\xBA\xCF\xDD\xC4\xDE\xB4\xD7\xB0";

// The message that script generation shows for a line with an invalid field
// number: "登録ｺﾏﾝﾄﾞｴﾗｰ", LF and the whole line as read, however long.
std::string InvalidFieldMessage(std::string_view line);

// What script generation takes from the file. Blocks and the precision keep
// every line and byte the file holds.
struct CommandTemplateSet {
  std::array<std::vector<std::string>, 8> blocks;  // blocks[0] is field 01
  std::string precision;                           // every field-09 text, appended
  std::vector<std::string> invalidLines;           // whole lines with an invalid number
};

CommandTemplateSet BuildTemplateSet(const std::vector<TemplateLine>& lines);

}  // namespace tewo
