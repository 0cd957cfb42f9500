#include "script/script_expansion.h"

#include <unordered_set>

#include "common/byte_scan.h"
#include "common/case_folding.h"
#include "common/path_split.h"
#include "common/text_util.h"
#include "script/output_paths.h"

namespace tewo {

namespace {

constexpr const char* kDxfToDwgScriptName = "dxftodwg.scr";
constexpr const char* kDwgToDxfScriptName = "dwgtodxf.scr";

// Blocks of one conversion mode as indexes into CommandTemplateSet::blocks.
struct ModeBlocks {
  std::size_t firstInput, firstOutput, laterInput, laterOutput;
};

ModeBlocks BlocksOf(ConversionMode mode) {
  return mode == ConversionMode::DxfToDwg ? ModeBlocks{0, 1, 2, 3} : ModeBlocks{4, 5, 6, 7};
}

// The precision marker counts only in the later-file Output block of DXF to
// DWG (04) and in both Output blocks of DWG to DXF (06, 08).
bool ReplacesPrecision(std::size_t block) { return block == 3 || block == 5 || block == 7; }

// What one template line becomes in the script.
enum class LineKind { Text, FileName, Precision };

struct PlannedLine {
  LineKind kind;
  std::string_view text;
};

// The lines of a block up to its end marker, each classified once, so that
// expanding the block for many entries compares no marker again.
std::vector<PlannedLine> PlanBlock(const std::vector<std::string>& block, std::size_t index) {
  const std::string_view fileNameMarker = kFileNameMarker;
  const std::string_view precisionMarker = kPrecisionMarker;
  const std::string_view endMarker = kEndMarker;
  std::vector<PlannedLine> plan;
  for (const std::string& line : block) {
    if (line == endMarker) break;
    if (line == fileNameMarker) {
      plan.push_back({LineKind::FileName, line});
    } else if (ReplacesPrecision(index) && line == precisionMarker) {
      plan.push_back({LineKind::Precision, line});
    } else {
      plan.push_back({LineKind::Text, line});
    }
  }
  return plan;
}

// Expands one planned block for one (trimmed) entry. scratch is reused
// between calls so that a long run of entries allocates next to nothing.
void ExpandBlock(const std::vector<PlannedLine>& plan, bool output, std::string_view entry,
                 std::size_t keptFrom, std::string_view folder, std::string_view extension,
                 std::string_view dxfPrecision, std::string& scratch, const LineSink& sink) {
  for (const PlannedLine& line : plan) {
    switch (line.kind) {
      case LineKind::Text:
        sink(line.text);
        break;
      case LineKind::Precision:
        sink(dxfPrecision);
        break;
      case LineKind::FileName: {
        std::string_view path = entry;
        if (output) {
          scratch.clear();
          AppendOutputPath(scratch, entry, keptFrom, folder, extension);
          path = scratch;
        }
        // Most paths have no blank: they go out without a copy.
        if (ContainsByte(path, ' ')) {
          sink(QuoteIfBlank(path));
        } else {
          sink(path);
        }
        break;
      }
    }
  }
}

}  // namespace

const char* NewExtension(ConversionMode mode) {
  return mode == ConversionMode::DxfToDwg ? ".dwg" : ".dxf";
}

const char* DefaultScriptName(ConversionMode mode) {
  return mode == ConversionMode::DxfToDwg ? kDxfToDwgScriptName : kDwgToDxfScriptName;
}

std::string ProposedScriptName(std::string_view lastScriptPath, ConversionMode mode) {
  std::string_view name = FileNameView(lastScriptPath);
  if (name.empty() || name == kDxfToDwgScriptName || name == kDwgToDxfScriptName) {
    return DefaultScriptName(mode);
  }
  return std::string(name);
}

std::string DestinationPath(std::string_view source, std::string_view folder,
                            std::string_view extension) {
  std::string path;
  AppendOutputPath(path, TrimBlanksView(source), kFlatOutputs, folder, extension);
  return path;
}

std::size_t CountExistingOutputs(ConversionMode mode, std::span<const std::string_view> entries,
                                 const std::vector<std::string>& folderNames) {
  std::unordered_set<std::string> existing;
  existing.reserve(folderNames.size());
  for (const std::string& name : folderNames) existing.insert(FoldCase(name));
  const std::string_view extension = NewExtension(mode);
  std::size_t count = 0;
  std::string name;
  for (const std::string_view entry : entries) {
    name.clear();
    AppendOutputPath(name, TrimBlanksView(entry), kFlatOutputs, "", extension);
    FoldCaseInPlace(name);
    if (existing.count(name) != 0) ++count;
  }
  return count;
}

void ExpandScript(ConversionMode mode, const std::vector<std::string>& entries,
                  std::string_view destinationFolder, const CommandTemplateSet& templates,
                  const LineSink& sink) {
  ExpandScript(mode, entries, OutputPlan{}, destinationFolder, templates, sink);
}

void ExpandScript(ConversionMode mode, const std::vector<std::string>& entries,
                  const OutputPlan& outputs, std::string_view destinationFolder,
                  const CommandTemplateSet& templates, const LineSink& sink) {
  const ModeBlocks blocks = BlocksOf(mode);
  const std::string_view extension = NewExtension(mode);
  const std::vector<PlannedLine> firstInput =
      PlanBlock(templates.blocks[blocks.firstInput], blocks.firstInput);
  const std::vector<PlannedLine> firstOutput =
      PlanBlock(templates.blocks[blocks.firstOutput], blocks.firstOutput);
  const std::vector<PlannedLine> laterInput =
      PlanBlock(templates.blocks[blocks.laterInput], blocks.laterInput);
  const std::vector<PlannedLine> laterOutput =
      PlanBlock(templates.blocks[blocks.laterOutput], blocks.laterOutput);
  std::string scratch;
  for (std::size_t k = 0; k < entries.size(); ++k) {
    const std::string_view entry = TrimBlanksView(entries[k]);
    ExpandBlock(k == 0 ? firstInput : laterInput, false, entry, outputs.keptFrom, destinationFolder,
                extension, templates.precision, scratch, sink);
    ExpandBlock(k == 0 ? firstOutput : laterOutput, true, entry, outputs.keptFrom,
                destinationFolder, extension, templates.precision, scratch, sink);
  }
}

std::vector<std::string> ExpandScriptLines(ConversionMode mode,
                                           const std::vector<std::string>& entries,
                                           std::string_view destinationFolder,
                                           const CommandTemplateSet& templates) {
  std::vector<std::string> lines;
  ExpandScript(mode, entries, destinationFolder, templates,
               [&lines](std::string_view line) { lines.emplace_back(line); });
  return lines;
}

}  // namespace tewo
