#include "script/duplicate_names.h"

#include <bit>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "common/byte_scan.h"
#include "common/case_folding.h"
#include "common/path_split.h"
#include "common/text_util.h"
#include "script/output_paths.h"

namespace tewo {

namespace {

std::uint64_t Mix(std::uint64_t h) {
  h ^= h >> 33;
  h *= 0xff51afd7ed558ccdULL;
  h ^= h >> 33;
  h *= 0xc4ceb9fe1a85ec53ULL;
  h ^= h >> 33;
  return h;
}

// A fast hash of a short byte string, eight bytes at a time. Every word
// read goes through fold first, and is ORed into seen.
template <typename Fold>
std::uint64_t HashName(std::string_view name, Fold fold, std::uint64_t& seen) {
  std::uint64_t h = 0x9E3779B97F4A7C15ULL ^ name.size();
  const char* p = name.data();
  std::size_t n = name.size();
  for (; n >= 8; p += 8, n -= 8) {
    std::uint64_t word;
    std::memcpy(&word, p, 8);
    seen |= word;
    h = (h ^ fold(word)) * 0x9FB21C651E98DF25ULL;
    h ^= h >> 29;
  }
  // The last 0-7 bytes, read as at most two overlapping loads (a byte-wise
  // copy would stall the load that follows it).
  std::uint64_t tail = 0;
  if (n >= 4) {
    std::uint32_t lo, hi;
    std::memcpy(&lo, p, 4);
    std::memcpy(&hi, p + n - 4, 4);
    tail = (std::uint64_t{hi} << 32) | lo;
  } else if (n > 0) {
    tail = (std::uint64_t{static_cast<unsigned char>(p[0])} << 16) |
           (std::uint64_t{static_cast<unsigned char>(p[n / 2])} << 8) |
           static_cast<unsigned char>(p[n - 1]);
  }
  seen |= tail;
  return Mix(h ^ fold(tail));
}

std::string_view FileNameOfEntry(const std::string& entry) {
  return FileNameView(TrimBlanksView(entry));
}

// name as FoldCase folds it, in buffer.
std::string_view Folded(std::string_view name, std::string& buffer) {
  buffer.assign(name);
  FoldCaseInPlace(buffer);
  return buffer;
}

// The hash of name as FoldCase folds it. A name of single-byte characters
// (nearly every name) is folded word by word as it is hashed; any other is
// folded whole first, double-byte characters and all.
std::uint64_t HashFoldedName(std::string_view name, std::string& buffer) {
  std::uint64_t seen = 0;
  const std::uint64_t hash = HashName(
      name, [](std::uint64_t word) { return FoldAsciiWord(word); }, seen);
  if ((seen & byte_scan_detail::kHighs) == 0) return hash;
  return HashName(
      Folded(name, buffer), [](std::uint64_t word) { return word; }, seen);
}

// Index is the integer type that the table keeps entry numbers in: 32 bits
// keep the table small enough for the cache; longer lists take 64 bits.
// nameOf gives the part of an entry that is compared.
template <typename Index, typename NameOf>
std::vector<std::size_t> FindDuplicates(const std::vector<std::string>& entries, NameOf nameOf) {
  const std::size_t n = entries.size();
  std::vector<std::uint64_t> hashes(n);
  std::string folded;  // buffers reused: no allocation per entry
  std::string otherFolded;
  for (std::size_t i = 0; i < n; ++i) hashes[i] = HashFoldedName(nameOf(entries[i]), folded);

  // One pass over an open-addressing table of the first entry of every name:
  // a later entry of the same name marks itself and that first one. A slot
  // keeps part of the hash, so that most probes touch nothing but the slot.
  struct Slot {
    std::uint32_t tag;
    Index entry;  // index + 1, 0 when the slot is free
  };
  const std::size_t mask = std::bit_ceil(2 * n) - 1;
  std::vector<Slot> slots(mask + 1, Slot{0, 0});
  std::vector<char> shared(n, 0);
  bool any = false;
  for (std::size_t i = 0; i < n; ++i) {
    const std::uint64_t hash = hashes[i];
    const auto tag = static_cast<std::uint32_t>(hash >> 32);
    for (std::size_t pos = hash & mask;; pos = (pos + 1) & mask) {
      Slot& slot = slots[pos];
      if (slot.entry == 0) {
        slot = Slot{tag, static_cast<Index>(i + 1)};
        break;
      }
      const std::size_t first = slot.entry - 1;
      if (slot.tag == tag && hashes[first] == hash &&
          Folded(nameOf(entries[first]), folded) == Folded(nameOf(entries[i]), otherFolded)) {
        shared[first] = 1;
        shared[i] = 1;
        any = true;
        break;
      }
    }
  }

  std::vector<std::size_t> duplicates;
  if (!any) return duplicates;
  for (std::size_t i = 0; i < n; ++i) {
    if (shared[i]) duplicates.push_back(i);
  }
  return duplicates;
}

template <typename NameOf>
std::vector<std::size_t> FindDuplicatesOf(const std::vector<std::string>& entries, NameOf nameOf) {
  if (entries.size() < 2) return {};
  if (entries.size() < UINT32_MAX) return FindDuplicates<std::uint32_t>(entries, nameOf);
  return FindDuplicates<std::size_t>(entries, nameOf);
}

}  // namespace

std::vector<std::size_t> FindDuplicateNames(const std::vector<std::string>& entries) {
  return FindDuplicatesOf(entries, FileNameOfEntry);
}

std::vector<std::size_t> FindDuplicateOutputs(const std::vector<std::string>& entries,
                                              std::size_t keptFrom) {
  // Every output takes the same new extension: equal kept parts are equal outputs.
  return FindDuplicatesOf(entries, [keptFrom](const std::string& entry) {
    return KeptPart(TrimBlanksView(entry), keptFrom);
  });
}

}  // namespace tewo
