#include "common/mbcs.h"

namespace tewo {

std::size_t CharCountBefore(std::string_view text, std::size_t bytes) {
  std::size_t chars = 0;
  std::size_t pos = 0;
  while (pos < bytes && pos < text.size()) {
    pos += CharLength(text, pos);
    ++chars;
  }
  if (bytes > text.size()) chars += bytes - text.size();
  return chars;
}

std::size_t ByteOffsetOfChar(std::string_view text, std::size_t chars) {
  std::size_t pos = 0;
  while (chars > 0 && pos < text.size()) {
    pos += CharLength(text, pos);
    --chars;
  }
  return pos + chars;
}

}  // namespace tewo
