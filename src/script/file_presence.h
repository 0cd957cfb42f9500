#pragma once
// Whether files are there, and since when: the sources of a script before it
// is saved (AutoCAD stops at the OPEN of a drawing that is gone), and the
// outputs of a batch after AutoCAD has run it.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "framework/file_calls.h"

namespace tewo {

struct FileState {
  bool exists = false;
  std::uint64_t lastWrite = 0;  // in the system's file time units, when it exists
};

// The state of each file at paths (ANSI, full paths). Each distinct folder is
// listed once, in wide form: a name that the code page holds only as a
// look-alike names none of these files. The files of a folder that cannot be
// listed are looked at one by one. Nothing when even that cannot tell whether
// a file is there: the tool could not look, which is never taken for "gone"
// nor for "there".
std::optional<std::vector<FileState>> LookAtFiles(const FileCalls& calls,
                                                  const std::vector<std::string>& paths);

// The indices of the entries (taken after blank trimming) whose drawing is
// not there; nothing when the tool cannot tell.
std::optional<std::vector<std::size_t>> FindMissingSources(const FileCalls& calls,
                                                           const std::vector<std::string>& entries);

}  // namespace tewo
