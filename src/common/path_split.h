#pragma once
// Splitting of paths into drive, folder, base name and extension, as the C
// runtime's splitpath does with double-byte awareness, but without any
// length limit on the parts.

#include <string>
#include <string_view>

namespace tewo {

struct PathParts {
  std::string drive;  // "C:" when the path starts with a letter and a colon, else empty
  std::string dir;    // up to and including the last "\" or "/"
  std::string fname;  // the last component without its extension
  std::string ext;    // from the last "." of the last component, dot included
};

PathParts SplitPath(std::string_view path);

// The same split as views into path (valid as long as the text of path is);
// allocates nothing, for loops over many paths.
struct PathPartViews {
  std::string_view drive;
  std::string_view dir;
  std::string_view fname;
  std::string_view ext;
};
PathPartViews SplitPathViews(std::string_view path);

// Drive and folder of a path, ending with its separator ("C:\s\" for "C:\s\a.scr").
std::string FolderOf(std::string_view path);

// Base name and extension of a path ("a.scr" for "C:\s\a.scr").
std::string FileNameOf(std::string_view path);
std::string_view FileNameView(std::string_view path);  // the same, as a view into path

// True when the last character of text is a single-byte "\". A trail byte
// 0x5C of a double-byte character (表, 能, ソ, 予) does not count.
bool EndsWithBackslash(std::string_view text);

// text with a "\" appended unless EndsWithBackslash(text) ("D:\out" gives
// "D:\out\", "D:\表" gives "D:\表\").
std::string WithTrailingBackslash(std::string_view text);

// True when text names a place from the root of a drive ("D:\out") or of a
// network share ("\\server\share", "\\server\share\out"), with
// backslashes. A relative name ("out\", "D:out", "\out") is looked up from a
// current folder, which the tool and AutoCAD do not share. A trail byte 0x5C
// inside a server or share name does not end it.
bool IsFullPath(std::string_view text);

// Copies of text with the single-byte letters A-Z / a-z changed; bytes of
// double-byte characters are left alone.
std::string ToLowerAscii(std::string_view text);
std::string ToUpperAscii(std::string_view text);

}  // namespace tewo
