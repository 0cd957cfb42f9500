#include "common/file_write.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <random>

#include "common/file_replace.h"
#include "common/path_split.h"
#include "common/text_file.h"

namespace tewo {

namespace {

// A name of "~" and up to eleven hex digits is short enough for any folder
// that holds the target, and leaves room for many names.
constexpr std::size_t kLongestName = 12;
constexpr int kTries = 64;

std::uint64_t RandomSeed() {
  try {
    std::random_device device;
    return (std::uint64_t{device()} << 32) ^ device();
  } catch (...) {
    // A system without a random source still gets distinct names from the tries.
    return 0x9E3779B97F4A7C15u;
  }
}

}  // namespace

std::string CreateReplacementFile(const std::string& path) {
  const std::string folder = FolderOf(path);
  const std::size_t longest = std::max(path.size(), kMaxPathBytes);
  if (folder.size() >= longest) return {};
  const std::size_t nameLength = std::min(kLongestName, longest - folder.size());
  std::mt19937_64 random(RandomSeed());
  static const char kHex[] = "0123456789abcdef";
  for (int attempt = 0; attempt < kTries; ++attempt) {
    std::string candidate = folder + "~";
    std::uint64_t bits = random();
    for (std::size_t i = 1; i < nameLength; ++i, bits >>= 4) candidate += kHex[bits & 15];
    if (CreateNewFile(candidate)) return candidate;
  }
  return {};
}

bool WriteFileReplacing(const std::string& path, std::string_view bytes) {
  ReplacingTextFileWriter writer;
  if (!writer.Create(path)) return false;
  writer.WriteBytes(bytes);
  return writer.Commit();
}

ReplacingTextFileWriter::~ReplacingTextFileWriter() { Discard(); }

bool ReplacingTextFileWriter::Create(const std::string& path) {
  Discard();
  target_ = path;
  failed_ = false;
  newPath_ = CreateReplacementFile(path);
  if (newPath_.empty()) return false;
  open_ = writer_.Create(newPath_);
  if (!open_) std::remove(newPath_.c_str());
  return open_;
}

bool ReplacingTextFileWriter::Commit() {
  if (!open_) return false;
  const bool closed = writer_.Close();
  if (closed && !failed_ && ReplaceFileWith(newPath_, target_)) {
    open_ = false;
    return true;
  }
  Discard();
  return false;
}

void ReplacingTextFileWriter::Discard() {
  if (!open_) return;
  writer_.Close();  // a second close after Commit's does nothing
  std::remove(newPath_.c_str());
  open_ = false;
}

}  // namespace tewo
