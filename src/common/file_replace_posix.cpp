#include <fcntl.h>
#include <unistd.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstdio>

#include "common/file_replace.h"

namespace tewo {

FilePtr CreateNewFile(const std::string& path, bool& taken) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0666);
  taken = fd < 0 && errno == EEXIST;
  if (fd < 0) return nullptr;
  FilePtr file(::fdopen(fd, "wb"));
  if (!file) {
    ::close(fd);
    std::remove(path.c_str());
  }
  return file;
}

// rename() replaces an existing target atomically within one file system;
// the new file first takes the target's permission bits.
WriteResult ReplaceFileWith(const std::string& newFile, const std::string& target,
                            const FileCalls*) {
  struct stat old {};
  if (::stat(target.c_str(), &old) == 0) ::chmod(newFile.c_str(), old.st_mode & 07777);
  WriteResult result;
  result.ok = std::rename(newFile.c_str(), target.c_str()) == 0;
  if (!result.ok) std::remove(newFile.c_str());
  return result;
}

bool DeleteNewFile(const std::string& path, const FileCalls*) {
  return std::remove(path.c_str()) == 0;
}

}  // namespace tewo
