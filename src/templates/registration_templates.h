#pragma once
// What the two command registration dialogs hold, without their windows:
// the reading of a command template file into edit texts, other-mode stores
// and the precision, and the formatting of the file that Save writes.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "script/command_template.h"

namespace tewo {

// Dialog 1 edits the DXF to DWG templates, dialog 2 the DWG to DXF ones.
enum class RegistrationDialog { DxfToDwg, DwgToDxf };

// Everything in which the two dialogs differ.
struct RegistrationLayout {
  // The fields shown in edits 1004, 1020, 1021 and 1022, in that order.
  std::array<int, 4> editFields;
  // Whether field 09 is the dialog's own (its precision combo box) or is
  // kept as an other-mode field.
  bool ownsPrecision;
};

const RegistrationLayout& LayoutOf(RegistrationDialog dialog);

// How a dialog treats a field number from 1 to 9.
enum class FieldRole { Edit, Precision, OtherMode };
FieldRole RoleOf(const RegistrationLayout& layout, int field);

// What Load leaves in a dialog. Nothing is bounded: every byte read is kept.
struct LoadedTemplates {
  // Texts of edits 1004, 1020, 1021, 1022: each line's text followed by CR LF.
  std::array<std::string, 4> editTexts;
  // Other-mode stores by field number (index 0 unused): every complete line
  // of the field, number included, followed by one LF, in file order.
  std::array<std::string, 10> otherModeStores;
  // Dialog 2: the text of the last field-09 line, for the combo box. Absent
  // when the file has none, and the combo box then keeps its text.
  std::optional<std::string> precisionText;
  // Every line with an invalid field number, whole, in file order.
  std::vector<std::string> invalidLines;
};

// Sorts the lines of a command template file into what a dialog holds.
LoadedTemplates DistributeTemplateLines(const RegistrationLayout& layout,
                                        const std::vector<TemplateLine>& lines);

// Reads a command template file (or a file dropped onto a dialog) for a
// dialog. Absent when the file cannot be opened or a read fails.
std::optional<LoadedTemplates> LoadRegistrationTemplates(const RegistrationLayout& layout,
                                                         const std::string& path);

// The message for a line with an invalid field number: "登録ｺﾏﾝﾄﾞｴﾗｰ", LF,
// the whole line and CR LF.
std::string RegistrationErrorMessage(std::string_view line);

// The lines of an edit text as a multi-line edit counts them: separated by
// CR LF, so a text that ends with CR LF has an empty last line and an empty
// text is one empty line.
std::vector<std::string> EditLines(std::string_view editText);

// Bytes of an edit line that Save writes; a longer line is cut, never inside
// a double-byte character.
inline constexpr std::size_t kSavedEditLineBytes = 256;

// The whole command template file that Save writes, every line ended by LF,
// fields grouped in the order 1 to 9: an edit as "0N" + line + LF for each of
// its lines (cut to kSavedEditLineBytes), ending right after a line that is
// exactly "//E" or "//e", an edit without lines as "0N" + LF; the precision
// as "09" + precisionText + LF; an other-mode store unchanged.
std::string FormatTemplateFile(const RegistrationLayout& layout,
                               const std::array<std::vector<std::string>, 4>& editLines,
                               const std::array<std::string, 10>& otherModeStores,
                               std::string_view precisionText);

}  // namespace tewo
