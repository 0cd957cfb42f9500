#include "script/output_paths.h"

#include <algorithm>

#include "common/case_folding.h"
#include "common/mbcs.h"
#include "common/path_split.h"
#include "common/text_util.h"

namespace tewo {

namespace {

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

bool IsAsciiLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

// Where the entry's file name starts: the end of its drive and folders.
std::size_t NameStart(std::string_view path) {
  const PathPartViews parts = SplitPathViews(path);
  return parts.drive.size() + parts.dir.size();
}

// The position just after the first separator at or after from (a character
// boundary), or limit when there is none before it.
std::size_t AfterSeparator(std::string_view path, std::size_t from, std::size_t limit) {
  for (std::size_t i = from; i < limit; i += CharLength(path, i)) {
    if (IsSeparator(path[i])) return i + 1;
  }
  return limit;
}

// The end of the drive ("C:\") or share ("\\server\share\") that a path
// starts with, its separator included; the folders below it can be a base.
std::size_t RootEnd(std::string_view path, std::size_t folderEnd) {
  if (path.size() >= 2 && path[1] == ':' && IsAsciiLetter(path[0])) {
    return folderEnd > 2 && IsSeparator(path[2]) ? 3 : 2;
  }
  if (folderEnd >= 2 && IsSeparator(path[0]) && IsSeparator(path[1])) {
    return AfterSeparator(path, AfterSeparator(path, 2, folderEnd), folderEnd);
  }
  return folderEnd >= 1 && IsSeparator(path[0]) ? 1 : 0;
}

std::size_t KeptStart(std::size_t nameStart, std::size_t keptFrom) {
  return keptFrom == kFlatOutputs ? nameStart : std::min(keptFrom, nameStart);
}

}  // namespace

OutputPlan PlanOutputs(const std::vector<std::string>& entries, bool keepTree,
                       std::string_view sourceFolder) {
  OutputPlan plan;
  if (!keepTree || entries.empty()) return plan;
  const std::string_view first = TrimBlanksView(entries[0]);
  const std::size_t rootEnd = RootEnd(first, NameStart(first));
  const std::string firstFolder = FoldCase(first.substr(0, NameStart(first)));
  // Where a base may end: the root, and just after each separator below it.
  std::vector<std::size_t> ends{rootEnd};
  for (std::size_t i = rootEnd; i < firstFolder.size(); i += CharLength(first, i)) {
    if (IsSeparator(first[i])) ends.push_back(i + 1);
  }
  std::string source(TrimBlanksView(sourceFolder));
  if (!source.empty()) source = FoldCase(WithTrailingBackslash(source));
  bool underSource = !source.empty();

  std::size_t common = firstFolder.size();  // the deepest folder of all entries so far
  std::string folder;                       // reused: one allocation for the whole list
  // The entries of one folder mostly come together, and an entry in the same
  // folder as the one before it changes nothing but, perhaps, otherRoots.
  std::string_view previous;
  bool previousOther = false;
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const std::string_view entry = TrimBlanksView(entries[i]);
    const std::size_t folderEnd = NameStart(entry);
    if (i != 0 && entry.substr(0, folderEnd) == previous) {
      if (previousOther) plan.otherRoots.push_back(i);
      continue;
    }
    previous = entry.substr(0, folderEnd);
    folder.assign(previous);
    FoldCaseInPlace(folder);
    previousOther = RootEnd(entry, folderEnd) != rootEnd ||
                    folder.compare(0, rootEnd, firstFolder, 0, rootEnd) != 0;
    if (previousOther) {
      plan.otherRoots.push_back(i);
      continue;
    }
    if (underSource && folder.compare(0, source.size(), source) != 0) underSource = false;
    const std::size_t shorter = std::min(common, folder.size());
    const auto differ =
        std::mismatch(folder.begin(), folder.begin() + shorter, firstFolder.begin());
    const auto same = static_cast<std::size_t>(differ.first - folder.begin());
    if (same < common) common = *(std::upper_bound(ends.begin(), ends.end(), same) - 1);
  }
  if (plan.otherRoots.empty()) plan.keptFrom = underSource ? source.size() : common;
  return plan;
}

std::string_view KeptPart(std::string_view trimmedEntry, std::size_t keptFrom) {
  const PathPartViews parts = SplitPathViews(trimmedEntry);
  const std::size_t nameStart = parts.drive.size() + parts.dir.size();
  const std::size_t start = KeptStart(nameStart, keptFrom);
  return trimmedEntry.substr(start, nameStart + parts.fname.size() - start);
}

std::string_view KeptFolders(std::string_view trimmedEntry, std::size_t keptFrom) {
  const std::size_t nameStart = NameStart(trimmedEntry);
  const std::size_t start = KeptStart(nameStart, keptFrom);
  return trimmedEntry.substr(start, nameStart - start);
}

void AppendOutputPath(std::string& out, std::string_view trimmedEntry, std::size_t keptFrom,
                      std::string_view destination, std::string_view extension) {
  const std::string_view kept = KeptPart(trimmedEntry, keptFrom);
  out.reserve(out.size() + destination.size() + kept.size() + extension.size() + 2);
  out.append(destination);
  out.append(kept);
  out.append(extension);
}

std::string OutputPath(const OutputPlan& plan, std::string_view entry, std::string_view destination,
                       ConversionMode mode) {
  std::string path;
  AppendOutputPath(path, TrimBlanksView(entry), plan.keptFrom, destination, NewExtension(mode));
  return path;
}

}  // namespace tewo
