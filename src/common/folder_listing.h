#pragma once
// A folder's listing as the tool reads it: every name converted to the ANSI
// code page, and whether it converts exactly.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace tewo {

// One name of a folder's listing.
struct FolderEntry {
  // The name in the ANSI code page when exact; else a form for showing.
  std::string name;
  bool isFolder = false;
  bool exact = true;            // the name converts to the code page exactly
  bool isLink = false;          // a folder that is a link or junction (a reparse point)
  std::uint64_t lastWrite = 0;  // the last write, in the system's file time units
};

// What a folder holds, without "." and "..". readable is false when the
// folder could not be listed (then entries holds what was read before the
// failure, if anything).
struct FolderListing {
  bool readable = true;
  std::vector<FolderEntry> entries;
};

// Lists the folder at path (ANSI, without a final backslash unless it is a
// drive's root).
using FolderLister = std::function<FolderListing(const std::string& path)>;

}  // namespace tewo
