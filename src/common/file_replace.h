#pragma once
// The two platform steps of replacing a file: creating a new file under a
// name nobody holds, and putting it in the old file's place.

#include <string>
#include <vector>

#include "common/text_file.h"

namespace tewo {

// The system calls a replacement makes (framework/file_calls.h); only the
// Windows build has them. Null stands for the system's own.
class FileCalls;

// How a write ended. When ok, the target holds the new content. Otherwise
// the target holds its old content, whole, unless the system's replacement
// stopped half way and neither content could be put at the target: the
// names then say where each content was kept (empty: nowhere). Either way,
// leftBehind names the files of the write that stay beside the target,
// needed no more, because another program held them until the end.
struct WriteResult {
  bool ok = false;
  std::string oldContentAt;
  std::string newContentAt;
  std::vector<std::string> leftBehind;

  explicit operator bool() const { return ok; }
};

// Creates path as a new, empty file and opens it for binary writing. Null
// when that fails; taken then tells whether a file or folder of that name
// is in the way.
FilePtr CreateNewFile(const std::string& path, bool& taken);

// Puts newFile (closed) in target's place, replacing target when it exists.
// What the user set on target (attributes and permissions) stays; a
// read-only target or a folder is never replaced. Afterwards newFile is gone
// unless the result names it.
WriteResult ReplaceFileWith(const std::string& newFile, const std::string& target,
                            const FileCalls* calls = nullptr);

// Deletes path, a new file that is not to replace anything. False when it stays.
bool DeleteNewFile(const std::string& path, const FileCalls* calls = nullptr);

}  // namespace tewo
