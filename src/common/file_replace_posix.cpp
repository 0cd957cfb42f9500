#include <fcntl.h>
#include <unistd.h>
#include <sys/stat.h>

#include <cstdio>

#include "common/file_replace.h"

namespace tewo {

bool CreateNewFile(const std::string& path) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0666);
  if (fd < 0) return false;
  ::close(fd);
  return true;
}

// rename() replaces an existing target atomically within one file system;
// the new file first takes the target's permission bits.
bool ReplaceFileWith(const std::string& newFile, const std::string& target) {
  struct stat old {};
  if (::stat(target.c_str(), &old) == 0) ::chmod(newFile.c_str(), old.st_mode & 07777);
  return std::rename(newFile.c_str(), target.c_str()) == 0;
}

}  // namespace tewo
