#include "editor/text_search.h"

#include <cstring>

#include "common/mbcs.h"

namespace tewo {

std::optional<std::size_t> FindForward(std::string_view text, std::size_t start,
                                       std::string_view needle) {
  if (needle.empty() || start > text.size() || needle.size() > text.size() - start) return {};
  const char* data = text.data();
  const std::size_t last = text.size() - needle.size();  // the last place a match fits
  // Candidates come from a fast scan for the first byte; whether one starts a
  // character is decided by the lead bytes right before it: every other byte
  // ends a character, so the run of lead bytes since then pairs off. known is
  // a character start that bounds this look back, so the whole search stays
  // linear.
  std::size_t known = start;
  std::size_t pos = start;
  while (pos <= last) {
    const void* hit = std::memchr(data + pos, needle[0], last - pos + 1);
    if (hit == nullptr) return {};
    const std::size_t candidate = static_cast<std::size_t>(static_cast<const char*>(hit) - data);
    std::size_t run = candidate;
    while (run > known && IsLeadByte(static_cast<unsigned char>(data[run - 1]))) --run;
    if ((candidate - run) % 2 == 0) {
      if (std::memcmp(data + candidate + 1, needle.data() + 1, needle.size() - 1) == 0) {
        return candidate;
      }
      known = candidate;
    } else {
      known = candidate + 1;  // the candidate is the second byte of a pair
    }
    pos = candidate + 1;
  }
  return {};
}

}  // namespace tewo
