// Replacing a file on Windows: the new file takes the old one's place in one
// step, so that the old file stays whole when anything before fails. Where
// the system's replacement stops half way, what it left decides what follows,
// so that the target ends up with the old content or the new one, whole, or
// the user learns where each was kept.
#include <windows.h>
#include <fcntl.h>
#include <io.h>

#include <cstdint>

#include "common/file_replace.h"
#include "common/file_write.h"
#include "framework/file_calls.h"

namespace tewo {

FilePtr CreateNewFile(const std::string& path, bool& taken) {
  HANDLE handle = ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
  taken = handle == INVALID_HANDLE_VALUE &&
          ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
  if (handle == INVALID_HANDLE_VALUE) return nullptr;
  // The C runtime takes the handle over; the stream then owns both.
  const int fd = ::_open_osfhandle(reinterpret_cast<std::intptr_t>(handle), 0);
  FilePtr file;
  if (fd == -1) {
    ::CloseHandle(handle);
  } else {
    ::_setmode(fd, _O_BINARY);
    file.reset(::_fdopen(fd, "wb"));
    if (!file) ::_close(fd);
  }
  if (!file) ::DeleteFileA(path.c_str());
  return file;
}

namespace {

// The attributes a user sets on a file; a replacement keeps them. The
// archive bit is not among them: new content is to be backed up again.
constexpr DWORD kUserAttributes =
    FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

bool Exists(const FileCalls& calls, const std::string& path) {
  return calls.Attributes(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// Gives target, which now holds the new content, the user's attributes of
// the old file and the archive bit. Not every system carries them over.
void SetAttributesAfter(const FileCalls& calls, const std::string& target, DWORD old) {
  const DWORD now = calls.Attributes(target.c_str());
  if (now == INVALID_FILE_ATTRIBUTES) return;
  const DWORD wanted = ((now & ~kUserAttributes & ~FILE_ATTRIBUTE_NORMAL) |
                        (old & kUserAttributes) | FILE_ATTRIBUTE_ARCHIVE);
  if (wanted != now) calls.SetAttributes(target.c_str(), wanted);
}

// After a replacement that failed: the target whole, with whichever content
// can be had, and the names of what could not be put there.
WriteResult Recover(const FileCalls& calls, const std::string& newFile, const std::string& target,
                    const std::string& backup, DWORD old) {
  WriteResult result;
  if (Exists(calls, target)) {
    // Nothing was moved, or the system put the old file back.
    calls.Delete(newFile.c_str());
    calls.Delete(backup.c_str());
    return result;
  }
  // The target's name is empty: the old content is under the backup name if
  // the system got that far, the new content still under its own.
  if (calls.Move(newFile.c_str(), target.c_str())) {
    SetAttributesAfter(calls, target, old);
    calls.Delete(backup.c_str());
    result.ok = true;
    return result;
  }
  if (calls.Move(backup.c_str(), target.c_str())) {
    calls.Delete(newFile.c_str());
    return result;
  }
  if (Exists(calls, backup)) result.oldContentAt = backup;
  result.newContentAt = newFile;
  return result;
}

}  // namespace

WriteResult ReplaceFileWith(const std::string& newFile, const std::string& target,
                            const FileCalls* given) {
  FileCalls system;
  const FileCalls& calls = given != nullptr ? *given : system;
  WriteResult result;
  const DWORD old = calls.Attributes(target.c_str());
  if (old == INVALID_FILE_ATTRIBUTES) {
    result.ok = calls.Move(newFile.c_str(), target.c_str()) != FALSE;
    if (!result.ok) calls.Delete(newFile.c_str());
    return result;
  }
  // A read-only file stays as it is, as Windows itself keeps it (Wine would
  // replace it); a folder is never replaced.
  const std::string backup = (old & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)) == 0
                                 ? CreateReplacementFile(target)
                                 : std::string();
  if (backup.empty()) {
    calls.Delete(newFile.c_str());
    return result;
  }
  // The backup's name was reserved by a file that goes just before the call,
  // so that whatever is under that name afterwards is the old content.
  calls.Delete(backup.c_str());
  // The system's replacement keeps the old file's security, attributes and
  // creation time, where a rename would give the new file's. With a backup
  // name, a replacement that cannot move the new file leaves both in place.
  if (!calls.Replace(target.c_str(), newFile.c_str(), backup.c_str())) {
    return Recover(calls, newFile, target, backup, old);
  }
  SetAttributesAfter(calls, target, old);
  calls.Delete(backup.c_str());  // a backup that cannot be deleted is left
  result.ok = true;
  return result;
}

}  // namespace tewo
