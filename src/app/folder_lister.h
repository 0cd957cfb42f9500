#pragma once
// A real folder's listing for the search of its drawings, read with the wide
// API so that every name comes as it is on disk, then converted exactly.

#include <string>

#include "app/folder_drawings.h"

// The entries of the folder at path (ANSI), without "." and "..", and
// without the folders that are links or junctions (reparse points): those
// may lead anywhere, back up the tree too. Not readable when the folder
// cannot be listed; an empty drive's root is readable and empty.
tewo::FolderListing ListFolder(const std::string& path);
