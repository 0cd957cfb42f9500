// The command template file and the script it expands to: every line of the
// file lands in exactly one place, and the script for a few entries (taken
// from the input too) comes out in both modes without a line break inside a
// line.
#include <fuzzer/FuzzedDataProvider.h>

#include <string>
#include <vector>

#include "common/path_split.h"
#include "fuzz_common.h"
#include "script/command_template.h"
#include "script/duplicate_names.h"
#include "script/script_expansion.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  // Entries and the destination come from a list box and a one-line edit:
  // they hold no line feed.
  auto oneLine = [&input] {
    std::string text = input.ConsumeRandomLengthString(300);
    for (char& c : text) {
      if (c == '\n') c = '_';
    }
    return text;
  };
  const std::string destination = oneLine();
  std::vector<std::string> entries;
  for (int n = input.ConsumeIntegralInRange(0, 4); n > 0; --n) entries.push_back(oneLine());
  const std::string file = input.ConsumeRemainingBytesAsString();

  const std::vector<tewo::TemplateLine> lines = tewo::ParseTemplateFile(file);
  std::size_t invalid = 0, blockLines = 0;
  for (const tewo::TemplateLine& line : lines) {
    FUZZ_CHECK(line.line.size() <= tewo::kTemplatePieceBytes);
    FUZZ_CHECK(line.line.find('\n') == std::string::npos);
    if (!tewo::IsValidField(line.field)) {
      ++invalid;
    } else if (line.field != tewo::kPrecisionField) {
      ++blockLines;
    }
  }
  const tewo::CommandTemplateSet set = tewo::BuildTemplateSet(lines);
  std::size_t kept = 0;
  for (const auto& block : set.blocks) kept += block.size();
  FUZZ_CHECK(kept == blockLines);
  FUZZ_CHECK(set.invalidLines.size() == invalid);

  for (tewo::ConversionMode mode :
       {tewo::ConversionMode::DxfToDwg, tewo::ConversionMode::DwgToDxf}) {
    tewo::ExpandScript(
        mode, entries, tewo::WithTrailingBackslash(destination), set,
        [](std::string_view line) { FUZZ_CHECK(line.find('\n') == std::string::npos); });
  }
  const std::vector<std::size_t> duplicates = tewo::FindDuplicateNames(entries);
  FUZZ_CHECK(duplicates.size() != 1);  // a shared name is shared by two at least
  for (std::size_t i : duplicates) FUZZ_CHECK(i < entries.size());
  return 0;
}
