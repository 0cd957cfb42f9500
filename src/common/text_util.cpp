#include "common/text_util.h"

#include "common/byte_scan.h"

namespace tewo {

std::string TrimBlanks(std::string_view text) { return std::string(TrimBlanksView(text)); }

std::string_view TrimBlanksView(std::string_view text) {
  std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  std::size_t last = text.find_last_not_of(' ');
  return text.substr(first, last - first + 1);
}

bool HasBlank(std::string_view text) { return ContainsByte(text, ' '); }

std::string QuoteIfBlank(std::string_view path) {
  if (!HasBlank(path)) return std::string(path);
  std::string quoted;
  quoted.reserve(path.size() + 2);
  quoted += '"';
  quoted += path;
  quoted += '"';
  return quoted;
}

}  // namespace tewo
