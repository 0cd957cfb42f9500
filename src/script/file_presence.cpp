#include "script/file_presence.h"

#include <string_view>
#include <unordered_map>
#include <utility>

#include "common/case_folding.h"
#include "common/path_split.h"
#include "common/text_util.h"
#include "framework/ansi_name.h"
#include "framework/folder_lister.h"

namespace tewo {

namespace {

// The paths of one folder, by their index in the caller's list.
struct FolderGroup {
  std::string folder;
  std::vector<std::size_t> members;
};

// The paths grouped by folder, folders that the file system takes for one
// (letter case aside) in one group, in the order of their first path.
std::vector<FolderGroup> GroupByFolder(const std::vector<std::string>& paths) {
  std::vector<FolderGroup> groups;
  std::unordered_map<std::string, std::size_t> byFolder;
  for (std::size_t i = 0; i < paths.size(); ++i) {
    const PathPartViews parts = SplitPathViews(paths[i]);
    std::string folder;
    folder.append(parts.drive).append(parts.dir);
    const auto [at, added] = byFolder.emplace(FoldCase(folder), groups.size());
    if (added) groups.push_back({std::move(folder), {}});
    groups[at->second].members.push_back(i);
  }
  return groups;
}

// A file that is not there, on a folder or drive that is not there either
// (a network drive that is not connected, a drive without its medium).
bool NotThere(DWORD error) {
  switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_NOT_READY:
    case ERROR_BAD_NETPATH:
    case ERROR_BAD_NET_NAME:
    case ERROR_INVALID_NAME:
      return true;
    default:
      return false;
  }
}

// The files of group from one listing of their folder. False when the
// folder cannot be listed to its end.
bool LookInListing(const FileCalls& calls, const FolderGroup& group,
                   const std::vector<std::string>& paths, std::vector<FileState>& states) {
  if (group.folder.empty()) return false;
  FolderListing listing = ListFolder(group.folder, calls, false);
  if (!listing.readable) return false;
  std::unordered_map<std::string, std::uint64_t> files;
  files.reserve(listing.entries.size());
  for (FolderEntry& entry : listing.entries) {
    if (entry.exact && !entry.isFolder) files.emplace(FoldCase(entry.name), entry.lastWrite);
  }
  for (std::size_t i : group.members) {
    const auto found = files.find(FoldCase(FileNameView(paths[i])));
    if (found != files.end()) states[i] = {true, found->second};
  }
  return true;
}

// The files of group looked at one by one. False when one of them cannot be
// told to be there or not.
bool LookOneByOne(const FileCalls& calls, const FolderGroup& group,
                  const std::vector<std::string>& paths, std::vector<FileState>& states) {
  for (std::size_t i : group.members) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (calls.AttributeDataWide(ToWide(paths[i]).c_str(), &data)) {
      if ((data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
        states[i] = {true, FileTimeNumber(data.ftLastWriteTime)};
      }
      continue;
    }
    if (!NotThere(::GetLastError())) return false;
  }
  return true;
}

}  // namespace

std::optional<std::vector<FileState>> LookAtFiles(const FileCalls& calls,
                                                  const std::vector<std::string>& paths) {
  std::vector<FileState> states(paths.size());
  for (const FolderGroup& group : GroupByFolder(paths)) {
    if (!LookInListing(calls, group, paths, states) && !LookOneByOne(calls, group, paths, states)) {
      return std::nullopt;
    }
  }
  return states;
}

std::optional<std::vector<std::size_t>> FindMissingSources(
    const FileCalls& calls, const std::vector<std::string>& entries) {
  std::vector<std::string> paths;
  paths.reserve(entries.size());
  for (const std::string& entry : entries) paths.emplace_back(TrimBlanksView(entry));
  const auto states = LookAtFiles(calls, paths);
  if (!states) return std::nullopt;
  std::vector<std::size_t> missing;
  for (std::size_t i = 0; i < states->size(); ++i) {
    if (!(*states)[i].exists) missing.push_back(i);
  }
  return missing;
}

}  // namespace tewo
