#include "script/output_folders.h"

#include <algorithm>
#include <unordered_map>
#include <unordered_set>

#include "common/case_folding.h"
#include "common/mbcs.h"
#include "common/text_util.h"
#include "framework/ansi_name.h"
#include "framework/folder_lister.h"
#include "script/existing_outputs.h"

namespace tewo {

namespace {

// The end of the first folder of kept ("a\\" of "a\\b\\"), its separator included.
std::size_t FirstFolderEnd(std::string_view kept) {
  std::size_t i = 0;
  while (i < kept.size() && kept[i] != '\\' && kept[i] != '/') i += CharLength(kept, i);
  return std::min(i + 1, kept.size());
}

// The folders right below the destination, folded, from one listing: each is
// there or not without a look of its own, and so are the folders below one
// that is not there. Nothing when the destination cannot be listed.
std::optional<std::unordered_set<std::string>> TopFolders(const FileCalls& calls,
                                                          const std::string& destination) {
  const FolderListing listing = ListFolder(destination, calls, false);
  if (!listing.readable) return std::nullopt;
  std::unordered_set<std::string> folders;
  for (const FolderEntry& entry : listing.entries) {
    if (entry.isFolder && entry.exact) folders.insert(FoldCase(entry.name));
  }
  return folders;
}

bool IsFolder(DWORD attributes) {
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

}  // namespace

std::vector<OutputFolder> GroupOutputFolders(const std::vector<std::string>& entries,
                                             const OutputPlan& plan) {
  std::vector<OutputFolder> folders;
  std::unordered_map<std::string, std::size_t> index;
  std::string folded;  // reused: folding allocates only for a new folder
  std::size_t current = 0;
  for (const std::string& entry : entries) {
    const std::string_view kept = KeptFolders(TrimBlanksView(entry), plan.keptFrom);
    // The entries of one folder mostly come together: the same bytes are the
    // same folder without a fold or a look-up.
    if (folders.empty() || kept != folders[current].kept) {
      folded.assign(kept);
      FoldCaseInPlace(folded);
      const auto [at, added] = index.try_emplace(folded, folders.size());
      if (added) folders.push_back({kept, {}});
      current = at->second;
    }
    folders[current].entries.emplace_back(entry);
  }
  return folders;
}

std::optional<std::size_t> CountExistingKeptOutputs(const FileCalls& calls, ConversionMode mode,
                                                    const std::vector<OutputFolder>& folders,
                                                    const std::string& destination) {
  const auto topFolders = TopFolders(calls, destination);
  std::size_t count = 0;
  for (const OutputFolder& group : folders) {
    const std::string folder = destination + std::string(group.kept);
    const std::size_t firstEnd = group.kept.empty() ? 0 : FirstFolderEnd(group.kept);
    if (topFolders && firstEnd != 0) {
      if (topFolders->count(FoldCase(group.kept.substr(0, firstEnd - 1))) == 0) continue;
    }
    if (firstEnd != 0 && (!topFolders || firstEnd < group.kept.size())) {
      // Without its final "\": a file of that name answers as a file.
      const std::wstring wide = ToWide(std::string_view(folder).substr(0, folder.size() - 1));
      const DWORD attributes = calls.AttributesWide(wide.c_str());
      if (attributes == INVALID_FILE_ATTRIBUTES) {
        const DWORD error = ::GetLastError();
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) continue;
        return std::nullopt;
      }
      if (!IsFolder(attributes)) continue;
    }
    const auto inFolder = CountExistingOutputsIn(calls, mode, group.entries, folder);
    if (!inFolder) return std::nullopt;
    count += *inFolder;
  }
  return count;
}

MadeFolders MakeOutputFolders(const FileCalls& calls, const std::vector<OutputFolder>& folders,
                              const std::string& destination) {
  MadeFolders result;
  // Folded folders already there or made; those right below the destination
  // that are there come from one listing.
  std::unordered_set<std::string> seen =
      TopFolders(calls, destination).value_or(std::unordered_set<std::string>{});
  for (const OutputFolder& group : folders) {
    const std::string_view kept = group.kept;
    std::size_t start = 0;  // of the folder's own name in kept
    for (std::size_t i = 0; i < kept.size(); i += CharLength(kept, i)) {
      if (kept[i] != '\\' && kept[i] != '/') continue;
      const std::string_view name = kept.substr(start, i - start);
      start = i + 1;
      if (name.empty() || !seen.insert(FoldCase(kept.substr(0, i))).second) continue;
      const std::string path = destination + std::string(kept.substr(0, i));
      // "." and ".." would lead out of the destination.
      if (name != "." && name != "..") {
        if (calls.CreateFolder(path.c_str())) {
          ++result.made;
          continue;
        }
        if (::GetLastError() == ERROR_ALREADY_EXISTS && IsFolder(calls.Attributes(path.c_str()))) {
          continue;
        }
      }
      result.failed = path;
      return result;
    }
  }
  return result;
}

}  // namespace tewo
