#pragma once
// A folder's listing as the tool reads it: every name converted to the ANSI
// code page, and whether it converts exactly.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace tewo {

// One name of a folder's listing.
struct FolderEntry {
  // The name in the ANSI code page when exact; else a form for showing.
  std::string name;
  bool isFolder = false;
  bool exact = true;    // the name converts to the code page exactly
  bool isLink = false;  // a folder that is a link, junction or mount point
  // A folder both hidden and system: the system's own ($RECYCLE.BIN), which
  // Explorer does not show either.
  bool isSystemFolder = false;
  // The name as it is on disk (UTF-16), only when it does not convert exactly.
  std::wstring wide;
  std::uint64_t lastWrite = 0;  // the last write, in the system's file time units
};

// The volume and the file number of a folder: two paths that give the same
// identity lead to one folder.
using FolderIdentity = std::pair<std::uint64_t, std::uint64_t>;

// What a folder holds, without "." and "..". readable is false when the
// folder could not be listed (then entries holds what was read before the
// failure, if anything).
struct FolderListing {
  bool readable = true;
  std::vector<FolderEntry> entries;
  std::optional<FolderIdentity> identity;  // nothing when the system does not tell it
};

// Lists the folder at path (ANSI, without a final backslash unless it is a
// drive's root).
using FolderLister = std::function<FolderListing(const std::string& path)>;

}  // namespace tewo
