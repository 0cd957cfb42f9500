#pragma once
// A real folder's listing, read with the wide API so that every name comes as
// it is on disk, then converted exactly.

#include <cstdint>
#include <string>

#include "common/folder_listing.h"
#include "framework/file_calls.h"

// The entries of the folder at path (ANSI), through calls. Not readable when
// the folder cannot be listed to its end; an empty drive's root is readable
// and empty. Past the classic path limit the long form of the path is used.
// The folder's identity is read only when asked for: it costs an open of the
// folder of its own.
tewo::FolderListing ListFolder(const std::string& path, const tewo::FileCalls& calls,
                               bool withIdentity = true);

// A file time as one number, which compares as the times do.
inline std::uint64_t FileTimeNumber(const FILETIME& time) {
  return (std::uint64_t{time.dwHighDateTime} << 32) | time.dwLowDateTime;
}
