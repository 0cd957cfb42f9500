#include "script/command_template.h"

#include "common/text_file.h"

namespace tewo {

namespace {

bool IsAtoiSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

}  // namespace

int ParseFieldNumber(std::string_view line) {
  std::string_view number = line.substr(0, 2);
  std::size_t i = 0;
  while (i < number.size() && IsAtoiSpace(number[i])) ++i;
  bool negative = false;
  if (i < number.size() && (number[i] == '+' || number[i] == '-')) {
    negative = number[i] == '-';
    ++i;
  }
  int value = 0;
  for (; i < number.size() && number[i] >= '0' && number[i] <= '9'; ++i) {
    value = value * 10 + (number[i] - '0');
  }
  return negative ? -value : value;
}

TemplateLine ParseTemplateLine(std::string_view line) {
  TemplateLine parsed;
  parsed.field = ParseFieldNumber(line);
  if (line.size() > 2) parsed.text.assign(line.substr(2));
  parsed.line.assign(line);
  return parsed;
}

namespace {

std::optional<std::vector<TemplateLine>> ReadAllLines(TextFileReader& reader) {
  std::vector<TemplateLine> lines;
  std::string piece;
  for (;;) {
    switch (reader.ReadPiece(piece, kTemplatePieceBytes)) {
      case TextFileReader::Result::Piece: {
        std::string_view line = piece;
        if (line.back() == '\n') line.remove_suffix(1);
        lines.push_back(ParseTemplateLine(line));
        break;
      }
      case TextFileReader::Result::End:
        return lines;
      case TextFileReader::Result::Error:
        return std::nullopt;
    }
  }
}

}  // namespace

std::optional<std::vector<TemplateLine>> ReadTemplateLines(const std::string& path) {
  TextFileReader reader;
  if (!reader.Open(path)) return std::nullopt;
  return ReadAllLines(reader);
}

std::vector<TemplateLine> ParseTemplateFile(std::string_view bytes) {
  TextFileReader reader;
  reader.OpenBytes(std::string(bytes));
  return ReadAllLines(reader).value_or(std::vector<TemplateLine>());
}

std::string InvalidFieldMessage(std::string_view line) {
  std::string message = kInvalidFieldTitle;
  message += '\n';
  message += line;
  return message;
}

CommandTemplateSet BuildTemplateSet(const std::vector<TemplateLine>& lines) {
  CommandTemplateSet set;
  for (const TemplateLine& line : lines) {
    if (!IsValidField(line.field)) {
      set.invalidLines.push_back(line.line);
    } else if (line.field == kPrecisionField) {
      set.precision += line.text;
    } else {
      set.blocks[line.field - kFirstField].push_back(line.text);
    }
  }
  return set;
}

}  // namespace tewo
