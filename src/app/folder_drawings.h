#pragma once
// The drawings of a folder, and of its subfolders when asked, that the
// source list takes: the files of the mode's source type, in the order the
// user reads them, without the paths the list already holds. Works on
// listings that a lister supplies, so that it runs without the file system.

#include <cstddef>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "common/folder_listing.h"
#include "script/script_expansion.h"

namespace tewo {

struct FolderSearch {
  std::string folder;           // where the search starts
  bool withSubfolders = false;  // the whole tree, or only the folder itself
  ConversionMode mode = ConversionMode::DxfToDwg;
  std::size_t maxPathChars = 0;                   // longer paths, in characters, are passed over
  const std::set<std::string>* listed = nullptr;  // entries already listed, folded (FoldCase)
};

struct FolderDrawings {
  std::vector<std::string> paths;  // to append, in order
  std::size_t alreadyListed = 0;   // drawings found that the list holds
  // drawings and subfolders whose names the code page cannot hold, or that end
  // in a period or a blank (which the system drops from a path, naming another file)
  std::size_t badNames = 0;
  std::size_t tooLong = 0;     // drawings whose paths exceed maxPathChars
  std::size_t unreadable = 0;  // folders that could not be listed
  std::size_t links = 0;       // links passed over, and folders met a second time

  std::size_t Skipped() const { return badNames + tooLong + unreadable + links; }
};

// The drawings below search.folder, listed by list once per folder visited.
// Folders that are links or junctions are not followed: they may lead
// anywhere, back up the tree too; a folder whose identity was met before (a
// link that a server follows itself) is passed over. The system's own
// folders (hidden and system) are passed over without a word. Within a folder the files come in
// name order, compared folded and case-insensitive, and before the subfolders, which follow in the
// same order, each with everything below it. Two paths that fold alike count once.
FolderDrawings FindFolderDrawings(const FolderSearch& search, const FolderLister& list);

// True when a name of path ends in a period or a blank: the system's path
// functions drop them, so such a path names another file or folder.
bool HasNameEndingInDotOrBlank(std::string_view path);

}  // namespace tewo
