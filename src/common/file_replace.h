#pragma once
// The two platform steps of replacing a file: creating a new file under a
// name nobody holds, and putting it in the old file's place.

#include <string>

namespace tewo {

// Creates path as a new, empty file. False when a file or folder of that
// name exists or the file cannot be created.
bool CreateNewFile(const std::string& path);

// Moves newFile over target in one step, replacing target when it exists.
// What the user set on target (attributes and permissions) stays. False when
// that fails; target is then left as it was.
bool ReplaceFileWith(const std::string& newFile, const std::string& target);

}  // namespace tewo
