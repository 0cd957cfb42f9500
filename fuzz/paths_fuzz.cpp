// Double-byte aware path splitting, trimming, quoting and the trailing
// backslash test: the parts put together give the path, and no separator or
// dot is ever the second byte of a double-byte character. The order of names
// is one a sort can rely on.
#include <algorithm>
#include <string>

#include "common/mbcs.h"
#include "common/name_order.h"
#include "common/path_split.h"
#include "common/text_util.h"
#include "fuzz_common.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
  const std::string path(reinterpret_cast<const char*>(data), size);
  const tewo::PathParts parts = tewo::SplitPath(path);
  FUZZ_CHECK(parts.drive + parts.dir + parts.fname + parts.ext == path);
  FUZZ_CHECK(parts.ext.empty() || parts.ext[0] == '.');
  FUZZ_CHECK(parts.ext.empty() || StartsCharacter(path, 0, path.size() - parts.ext.size()));
  if (!parts.dir.empty()) {
    const std::size_t last = parts.drive.size() + parts.dir.size() - 1;
    FUZZ_CHECK(path[last] == '\\' || path[last] == '/');
    FUZZ_CHECK(StartsCharacter(path, 0, last));
  }
  const tewo::PathPartViews views = tewo::SplitPathViews(path);
  FUZZ_CHECK(views.dir == parts.dir && views.fname == parts.fname && views.ext == parts.ext);
  FUZZ_CHECK(tewo::FolderOf(path) == parts.drive + parts.dir);
  FUZZ_CHECK(tewo::FileNameOf(path) == parts.fname + parts.ext);

  const std::string trimmed = tewo::TrimBlanks(path);
  FUZZ_CHECK(trimmed.empty() || (trimmed.front() != ' ' && trimmed.back() != ' '));
  FUZZ_CHECK(path.find(trimmed) != std::string::npos);
  const std::string quoted = tewo::QuoteIfBlank(path);
  FUZZ_CHECK(quoted == path || quoted == "\"" + path + "\"");

  const std::string withSlash = tewo::WithTrailingBackslash(path);
  FUZZ_CHECK(withSlash == path || withSlash == path + "\\");
  // The appended "\" is a separator, unless the text ends with a lead byte
  // that has no second byte (no Shift-JIS text does): the two make a character.
  const bool danglingLead = !path.empty() &&
                            tewo::IsLeadByte(static_cast<unsigned char>(path.back())) &&
                            StartsCharacter(path, 0, path.size() - 1);
  if (!danglingLead) FUZZ_CHECK(tewo::EndsWithBackslash(withSlash));
  if (tewo::EndsWithBackslash(path)) FUZZ_CHECK(StartsCharacter(path, 0, path.size() - 1));

  // Three names, split at the first two "|": antisymmetric and transitive.
  std::string names[3];
  for (std::size_t i = 0, at = 0; i < 3 && at <= path.size(); ++i) {
    const std::size_t end = std::min(path.find('|', at), path.size());
    names[i] = path.substr(at, end - at);
    at = end + 1;
  }
  const auto& [a, b, c] = names;
  auto sign = [](int order) { return (order > 0) - (order < 0); };
  const int ab = tewo::CompareInNameOrder(a, b), bc = tewo::CompareInNameOrder(b, c),
            ac = tewo::CompareInNameOrder(a, c);
  FUZZ_CHECK(tewo::CompareInNameOrder(a, a) == 0);
  FUZZ_CHECK(sign(ab) == -sign(tewo::CompareInNameOrder(b, a)));
  if (ab <= 0 && bc <= 0) FUZZ_CHECK(ab == 0 && bc == 0 ? ac == 0 : ac <= 0);
  return 0;
}
