// Replacing a file on Windows: the new file takes the old one's place in one
// step, so that the old file stays whole when anything before fails. Where
// the system's replacement stops half way, what it left decides what follows,
// so that the target ends up with the old content or the new one, whole, or
// the user learns where each was kept. Virus scanners, the search indexer and
// sync clients open a file for a moment just after it was written: the calls
// wait for them a little.
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

// A call that another program's hold refuses (for sharing, or for access
// while that program deletes or scans the file) is made again after growing
// pauses, within about a second for the whole write.
class Patience {
 public:
  explicit Patience(const FileCalls& calls) : calls_(calls) {}

  // call until it succeeds, fails otherwise, or the time is up; again tells
  // whether a refused call may be made again.
  template <class Call, class Again>
  bool Try(Call call, Again again) {
    for (DWORD pause = kFirstPause;; pause *= 2) {
      if (call()) return true;
      const DWORD error = ::GetLastError();
      if ((error != ERROR_SHARING_VIOLATION && error != ERROR_ACCESS_DENIED) || left_ == 0 ||
          !again()) {
        return false;
      }
      pause = pause < left_ ? pause : left_;
      calls_.Pause(pause);
      left_ -= pause;
    }
  }
  template <class Call>
  bool Try(Call call) {
    return Try(call, [] { return true; });
  }

  bool Move(const std::string& from, const std::string& to) {
    return Try([&] { return calls_.Move(from.c_str(), to.c_str()); });
  }
  // Deletes path, a file of the write; names it in result when it stays.
  void Delete(const std::string& path, WriteResult& result) {
    if (!Try([&] { return calls_.Delete(path.c_str()); }) && Exists(calls_, path)) {
      result.leftBehind.push_back(path);
    }
  }

 private:
  static constexpr DWORD kFirstPause = 16;  // then 32, 64, ... up to the second
  const FileCalls& calls_;
  DWORD left_ = 1000;
};

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
WriteResult Recover(const FileCalls& calls, Patience& patience, const std::string& newFile,
                    const std::string& target, const std::string& backup, DWORD old) {
  WriteResult result;
  if (Exists(calls, target)) {
    // Nothing was moved, or the system put the old file back.
    patience.Delete(newFile, result);
    patience.Delete(backup, result);
    return result;
  }
  // The target's name is empty: the old content is under the backup name if
  // the system got that far, the new content still under its own.
  if (patience.Move(newFile, target)) {
    SetAttributesAfter(calls, target, old);
    patience.Delete(backup, result);
    result.ok = true;
    return result;
  }
  if (patience.Move(backup, target)) {
    patience.Delete(newFile, result);
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
  Patience patience(calls);
  WriteResult result;
  const DWORD old = calls.Attributes(target.c_str());
  if (old == INVALID_FILE_ATTRIBUTES) {
    result.ok = patience.Move(newFile, target);
    if (!result.ok) patience.Delete(newFile, result);
    return result;
  }
  // A read-only file stays as it is, as Windows itself keeps it (Wine would
  // replace it); a folder is never replaced.
  const std::string backup = (old & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)) == 0
                                 ? CreateReplacementFile(target)
                                 : std::string();
  if (backup.empty()) {
    patience.Delete(newFile, result);
    return result;
  }
  // The backup's name was reserved by a file that goes just before the call,
  // so that whatever is under that name afterwards is the old content.
  patience.Try([&] { return calls.Delete(backup.c_str()); });
  // The system's replacement keeps the old file's security, attributes and
  // creation time, where a rename would give the new file's. With a backup
  // name, a replacement that cannot move the new file leaves both in place.
  // Only a replacement that left the target where it was is made again.
  if (!patience.Try([&] { return calls.Replace(target.c_str(), newFile.c_str(), backup.c_str()); },
                    [&] { return Exists(calls, target); })) {
    return Recover(calls, patience, newFile, target, backup, old);
  }
  SetAttributesAfter(calls, target, old);
  patience.Delete(backup, result);
  result.ok = true;
  return result;
}

bool DeleteNewFile(const std::string& path, const FileCalls* given) {
  FileCalls system;
  WriteResult result;
  Patience(given != nullptr ? *given : system).Delete(path, result);
  return result.leftBehind.empty();
}

}  // namespace tewo
