#pragma once
// Files dropped from the shell.

#include <windows.h>
#include <shellapi.h>

#include <string>

// The whole path of dropped item index, however long: a cut path would name
// another file.
std::string DroppedPath(HDROP drop, UINT index);

// True when path names something that is not a folder. Items whose
// attributes cannot be read count as folders.
bool IsDroppableFile(const std::string& path);
