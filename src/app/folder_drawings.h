#pragma once
// The drawings of a folder, and of its subfolders when asked, that the
// source list takes: the files of the mode's source type, in the order the
// user reads them, without the paths the list already holds. Works on
// listings that a lister supplies, so that it runs without the file system.

#include <cstddef>
#include <set>
#include <string>
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
  std::size_t badNames = 0;        // drawings and subfolders whose names the code page cannot hold
  std::size_t tooLong = 0;         // drawings whose paths exceed maxPathChars
  std::size_t unreadable = 0;      // folders that could not be listed

  std::size_t Skipped() const { return badNames + tooLong + unreadable; }
};

// The drawings below search.folder, listed by list once per folder visited.
// Folders that are links or junctions are not followed: they may lead
// anywhere, back up the tree too. Within a folder the files come in name
// order, compared folded and case-insensitive, and before the subfolders,
// which follow in the same order, each with everything below it. Two paths
// that fold alike count once.
FolderDrawings FindFolderDrawings(const FolderSearch& search, const FolderLister& list);

}  // namespace tewo
