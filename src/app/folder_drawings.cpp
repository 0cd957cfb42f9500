#include "app/folder_drawings.h"

#include <algorithm>
#include <unordered_set>
#include <utility>

#include "app/source_files.h"
#include "common/case_folding.h"
#include "common/mbcs.h"
#include "common/name_order.h"
#include "common/path_split.h"

namespace tewo {

namespace {

struct SortedEntry {
  std::string key;  // the folded name; Explorer's order, then its codes, then the name itself
  const FolderEntry* entry;
};

std::vector<SortedEntry> InNameOrder(const std::vector<FolderEntry>& entries) {
  std::vector<SortedEntry> sorted;
  sorted.reserve(entries.size());
  for (const FolderEntry& e : entries) {
    // A lister that passes the folder itself or its parent on would loop.
    if (e.name.empty() || e.name == "." || e.name == "..") continue;
    sorted.push_back({FoldCase(e.name), &e});
  }
  std::sort(sorted.begin(), sorted.end(), [](const SortedEntry& a, const SortedEntry& b) {
    if (const int order = CompareInNameOrder(a.key, b.key); order != 0) return order < 0;
    if (const int order = a.key.compare(b.key); order != 0) return order < 0;
    return a.entry->name < b.entry->name;
  });
  return sorted;
}

bool EndsInDotOrBlank(std::string_view name) {
  // No trail byte is a period or a blank.
  return !name.empty() && (name.back() == '.' || name.back() == ' ');
}

// The name with the periods and blanks that end it dropped, as the system's
// path functions read it.
std::string_view ShortForm(std::string_view name) {
  while (EndsInDotOrBlank(name)) name.remove_suffix(1);
  return name;
}

}  // namespace

bool HasNameEndingInDotOrBlank(std::string_view path) {
  for (std::size_t i = 0; i < path.size(); i += CharLength(path, i)) {
    if ((path[i] == '\\' || path[i] == '/') && EndsInDotOrBlank(path.substr(0, i))) return true;
  }
  return EndsInDotOrBlank(path);
}

FolderDrawings FindFolderDrawings(const FolderSearch& search, const FolderLister& list) {
  FolderDrawings found;
  std::unordered_set<std::string> taken;  // folded paths found in this search
  std::set<FolderIdentity> visited;
  // Folders still to list, the next one last; a stack rather than recursion,
  // so that a deep tree cannot exhaust the call stack.
  std::vector<std::string> pending{search.folder};
  while (!pending.empty()) {
    const std::string folder = std::move(pending.back());
    pending.pop_back();
    const FolderListing listing = list(folder);
    if (listing.identity && !visited.insert(*listing.identity).second) {
      ++found.links;
      continue;
    }
    if (!listing.readable) ++found.unreadable;
    const std::string prefix = WithTrailingBackslash(folder);
    // Folding goes character by character and the prefix ends in a whole
    // one, so a path folds as its folded prefix and its folded name.
    const std::string foldedPrefix = FoldCase(prefix);
    std::vector<std::string> subfolders;
    for (const SortedEntry& sorted : InNameOrder(listing.entries)) {
      const FolderEntry& e = *sorted.entry;
      // Such a name's path would lead to the folder or file of its short form.
      const bool shortened = EndsInDotOrBlank(e.name);
      if (e.isFolder) {
        if (!search.withSubfolders || e.isSystemFolder) continue;
        if (e.isLink) {
          ++found.links;
          continue;
        }
        // Nothing below a folder the code page cannot name can be named either.
        if (!e.exact || shortened) {
          ++found.badNames;
        } else {
          subfolders.push_back(prefix + e.name);
        }
        continue;
      }
      if (!IsSourceOfMode(ShortForm(e.name), search.mode)) continue;
      if (!e.exact || shortened) {
        ++found.badNames;
        continue;
      }
      std::string path = prefix + e.name;
      if (CharCount(path) > search.maxPathChars) {
        ++found.tooLong;
        continue;
      }
      std::string folded = foldedPrefix + sorted.key;
      if (search.listed != nullptr && search.listed->count(folded) != 0) {
        ++found.alreadyListed;
        continue;
      }
      if (!taken.insert(std::move(folded)).second) continue;
      found.paths.push_back(std::move(path));
    }
    for (auto it = subfolders.rbegin(); it != subfolders.rend(); ++it) {
      pending.push_back(std::move(*it));
    }
  }
  return found;
}

}  // namespace tewo
