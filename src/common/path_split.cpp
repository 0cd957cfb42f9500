#include "common/path_split.h"

#include "common/byte_scan.h"
#include "common/mbcs.h"

namespace tewo {

namespace {

bool IsAsciiLetter(unsigned char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

// Walks text character by character and calls change(byte) for every
// single-byte character; bytes of double-byte characters are copied as they are.
template <typename Change>
std::string MapSingleBytes(std::string_view text, Change change) {
  std::string result(text);
  for (std::size_t i = 0; i < result.size();) {
    std::size_t len = CharLength(result, i);
    if (len == 1) result[i] = change(result[i]);
    i += len;
  }
  return result;
}

}  // namespace

PathPartViews SplitPathViews(std::string_view path) {
  PathPartViews parts;
  std::size_t start = 0;
  if (path.size() >= 2 && path[1] == ':' && IsAsciiLetter(static_cast<unsigned char>(path[0]))) {
    parts.drive = path.substr(0, 2);
    start = 2;
  }
  std::string_view rest = path.substr(start);

  // Positions just after the last separator and of the last dot, both in rest.
  std::size_t nameStart = 0;
  std::size_t lastDot = std::string_view::npos;
  if (!ContainsHighByte(rest)) {
    // Only single-byte characters: no trail byte can pose as "\" or ".", so
    // scans back from the end find both.
    const std::size_t sep = FindLastOf2(rest, '\\', '/');
    nameStart = sep == std::string_view::npos ? 0 : sep + 1;
    const std::size_t dot = FindLastOf2(rest.substr(nameStart), '.', '.');
    if (dot != std::string_view::npos) lastDot = nameStart + dot;
  } else {
    for (std::size_t i = 0; i < rest.size();) {
      std::size_t len = CharLength(rest, i);
      if (len == 1) {
        if (IsSeparator(rest[i])) {
          nameStart = i + 1;
        } else if (rest[i] == '.') {
          lastDot = i;
        }
      }
      i += len;
    }
  }
  parts.dir = rest.substr(0, nameStart);
  if (lastDot != std::string_view::npos && lastDot >= nameStart) {
    parts.fname = rest.substr(nameStart, lastDot - nameStart);
    parts.ext = rest.substr(lastDot);
  } else {
    parts.fname = rest.substr(nameStart);
  }
  return parts;
}

PathParts SplitPath(std::string_view path) {
  PathPartViews v = SplitPathViews(path);
  return PathParts{std::string(v.drive), std::string(v.dir), std::string(v.fname),
                   std::string(v.ext)};
}

std::string FolderOf(std::string_view path) {
  PathPartViews v = SplitPathViews(path);
  return std::string(path.substr(0, v.drive.size() + v.dir.size()));
}

std::string_view FileNameView(std::string_view path) {
  PathPartViews v = SplitPathViews(path);
  return path.substr(v.drive.size() + v.dir.size());
}

std::string FileNameOf(std::string_view path) { return std::string(FileNameView(path)); }

bool EndsWithBackslash(std::string_view text) {
  if (text.empty() || text.back() != '\\') return false;
  // The final 0x5C may be the trail byte of a double-byte character: only a
  // walk from the start tells.
  std::size_t i = 0;
  while (i + CharLength(text, i) < text.size()) i += CharLength(text, i);
  return i == text.size() - 1;
}

std::string WithTrailingBackslash(std::string_view text) {
  std::string result(text);
  if (!EndsWithBackslash(text)) result += '\\';
  return result;
}

bool IsFullPath(std::string_view text) {
  if (text.size() >= 3 && IsAsciiLetter(static_cast<unsigned char>(text[0])) && text[1] == ':' &&
      text[2] == '\\') {
    return true;
  }
  if (text.size() < 2 || text[0] != '\\' || text[1] != '\\') return false;
  // A server name and a share name, neither empty: "\\server\" alone, or
  // "\\\share", names no folder.
  int names = 0;
  std::size_t nameLength = 0;
  for (std::size_t i = 2; i < text.size();) {
    const std::size_t len = CharLength(text, i);
    if (len == 1 && text[i] == '\\') {
      if (nameLength == 0) return false;
      if (++names == 2) return true;
      nameLength = 0;
    } else {
      nameLength += len;
    }
    i += len;
  }
  return names == 1 && nameLength != 0;
}

std::string ToLowerAscii(std::string_view text) {
  return MapSingleBytes(text,
                        [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; });
}

std::string ToUpperAscii(std::string_view text) {
  return MapSingleBytes(text,
                        [](char c) { return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c; });
}

}  // namespace tewo
