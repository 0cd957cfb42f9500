#include "templates/registration_templates.h"

#include "common/mbcs.h"

namespace tewo {

namespace {

constexpr RegistrationLayout kDxfToDwgLayout{{1, 2, 3, 4}, false};
constexpr RegistrationLayout kDwgToDxfLayout{{5, 6, 7, 8}, true};

// Position of field in layout.editFields, or -1.
int EditIndexOf(const RegistrationLayout& layout, int field) {
  for (std::size_t i = 0; i < layout.editFields.size(); ++i) {
    if (layout.editFields[i] == field) return static_cast<int>(i);
  }
  return -1;
}

// The longest start of text of at most maxBytes bytes that does not end
// inside a double-byte character.
std::string_view CutAtCharacter(std::string_view text, std::size_t maxBytes) {
  if (text.size() <= maxBytes) return text;
  std::size_t end = 0;
  while (end < maxBytes) {
    std::size_t next = end + CharLength(text, end);
    if (next > maxBytes) break;
    end = next;
  }
  return text.substr(0, end);
}

bool EndsBlock(std::string_view line) { return line == "//E" || line == "//e"; }

void AppendFieldNumber(std::string& file, int field) {
  file += '0';
  file += static_cast<char>('0' + field);
}

}  // namespace

const RegistrationLayout& LayoutOf(RegistrationDialog dialog) {
  return dialog == RegistrationDialog::DxfToDwg ? kDxfToDwgLayout : kDwgToDxfLayout;
}

FieldRole RoleOf(const RegistrationLayout& layout, int field) {
  if (EditIndexOf(layout, field) >= 0) return FieldRole::Edit;
  if (field == kPrecisionField && layout.ownsPrecision) return FieldRole::Precision;
  return FieldRole::OtherMode;
}

LoadedTemplates DistributeTemplateLines(const RegistrationLayout& layout,
                                        const std::vector<TemplateLine>& lines) {
  LoadedTemplates loaded;
  for (const TemplateLine& line : lines) {
    if (!IsValidField(line.field)) {
      loaded.invalidLines.push_back(line.line);
      continue;
    }
    switch (RoleOf(layout, line.field)) {
      case FieldRole::Edit:
        loaded.editTexts[EditIndexOf(layout, line.field)].append(line.text).append("\r\n");
        break;
      case FieldRole::Precision:
        loaded.precisionText = line.text;
        break;
      case FieldRole::OtherMode:
        loaded.otherModeStores[line.field].append(line.line).append("\n");
        break;
    }
  }
  return loaded;
}

std::optional<LoadedTemplates> LoadRegistrationTemplates(const RegistrationLayout& layout,
                                                         const std::string& path) {
  std::optional<std::vector<TemplateLine>> lines = ReadTemplateLines(path);
  if (!lines) return std::nullopt;
  return DistributeTemplateLines(layout, *lines);
}

std::string RegistrationErrorMessage(std::string_view line) {
  std::string message = kInvalidFieldTitle;
  message.append("\n").append(line).append("\r\n");
  return message;
}

std::vector<std::string> EditLines(std::string_view editText) {
  std::vector<std::string> lines;
  for (;;) {
    std::size_t end = editText.find("\r\n");
    lines.emplace_back(editText.substr(0, end));
    if (end == std::string_view::npos) return lines;
    editText.remove_prefix(end + 2);
  }
}

std::string FormatTemplateFile(const RegistrationLayout& layout,
                               const std::array<std::vector<std::string>, 4>& editLines,
                               const std::array<std::string, 10>& otherModeStores,
                               std::string_view precisionText) {
  std::string file;
  for (int field = kFirstField; field <= kPrecisionField; ++field) {
    switch (RoleOf(layout, field)) {
      case FieldRole::Edit: {
        const std::vector<std::string>& lines = editLines[EditIndexOf(layout, field)];
        if (lines.empty()) {
          AppendFieldNumber(file, field);
          file += '\n';
        }
        for (const std::string& whole : lines) {
          std::string_view line = CutAtCharacter(whole, kSavedEditLineBytes);
          AppendFieldNumber(file, field);
          file.append(line).append("\n");
          if (EndsBlock(line)) break;
        }
        break;
      }
      case FieldRole::Precision:
        AppendFieldNumber(file, field);
        file.append(precisionText).append("\n");
        break;
      case FieldRole::OtherMode:
        file += otherModeStores[field];
        break;
    }
  }
  return file;
}

}  // namespace tewo
