#include "common/file_write.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <random>

#include "common/file_replace.h"
#include "common/mbcs.h"
#include "common/path_split.h"
#include "common/text_file.h"

namespace tewo {

namespace {

// Names are made of digits and lower-case letters: the file system folds
// case, so upper-case letters would give no further names.
constexpr std::string_view kAlphabet = "0123456789abcdefghijklmnopqrstuvwxyz";
// A name of "~" and up to eleven characters is short enough for any folder
// that holds the target, and leaves room for many names.
constexpr std::size_t kLongestName = 12;
constexpr int kTries = 64;
// A name space this small is walked through whole rather than tried at random.
constexpr std::uint64_t kWalkedNames = 36 * 36 * 36;

std::uint64_t RandomSeed() {
  try {
    std::random_device device;
    return (std::uint64_t{device()} << 32) ^ device();
  } catch (...) {
    // A system without a random source still gets distinct names from the tries.
    return 0x9E3779B97F4A7C15u;
  }
}

// Names that Windows takes for devices in every folder.
bool IsDeviceName(std::string_view name) {
  return name == "con" || name == "prn" || name == "aux" || name == "nul";
}

}  // namespace

NewFile OpenReplacementFile(const std::string& path) {
  const std::string folder = FolderOf(path);
  const std::size_t longest = std::max(CharCount(path), kMaxPathChars);
  const std::size_t folderChars = CharCount(folder);
  if (folderChars >= longest) return {};
  const std::size_t room = std::min(kLongestName, longest - folderChars);
  // The "~" marks the tool's own files where the room leaves enough names besides.
  const std::string prefix = room > 3 ? "~" : "";
  const std::size_t length = room - prefix.size();
  std::uint64_t names = 1;
  for (std::size_t i = 0; i < length && names <= kWalkedNames; ++i) names *= kAlphabet.size();
  const bool walk = names <= kWalkedNames;

  std::mt19937_64 random(RandomSeed());
  const std::uint64_t start = random();
  for (std::uint64_t attempt = 0; attempt < (walk ? names : kTries); ++attempt) {
    std::uint64_t bits = walk ? (start % names + attempt) % names : random();
    std::string name = prefix;
    for (std::size_t i = 0; i < length; ++i, bits /= kAlphabet.size()) {
      name += kAlphabet[bits % kAlphabet.size()];
    }
    if (IsDeviceName(name)) continue;
    NewFile created{folder + name, nullptr};
    bool taken = false;
    created.file = CreateNewFile(created.path, taken);
    if (created.file) return created;
    // A failure that no name is to blame for comes again for every name.
    if (!taken && walk) break;
  }
  return {};
}

std::string CreateReplacementFile(const std::string& path) {
  return OpenReplacementFile(path).path;
}

WriteResult WriteFileReplacing(const std::string& path, std::string_view bytes,
                               const FileCalls* calls) {
  ReplacingTextFileWriter writer(calls);
  if (!writer.Create(path)) return {};
  writer.WriteBytes(bytes);
  return writer.Commit();
}

ReplacingTextFileWriter::~ReplacingTextFileWriter() { Discard(); }

bool ReplacingTextFileWriter::Create(const std::string& path) {
  Discard();
  target_ = path;
  failed_ = false;
  NewFile created = OpenReplacementFile(path);
  if (!created.file) return false;
  newPath_ = std::move(created.path);
  open_ = writer_.Adopt(std::move(created.file));
  return open_;
}

WriteResult ReplacingTextFileWriter::Commit() {
  if (!open_) return {};
  if (!writer_.Close() || failed_) {
    WriteResult result;
    if (!Discard()) result.leftBehind.push_back(newPath_);
    return result;
  }
  // From here the replacement decides what becomes of the new file.
  open_ = false;
  return ReplaceFileWith(newPath_, target_, calls_);
}

bool ReplacingTextFileWriter::Discard() {
  if (!open_) return true;
  writer_.Close();  // a second close after Commit's does nothing
  open_ = false;
  return DeleteNewFile(newPath_, calls_);
}

}  // namespace tewo
