#pragma once
// The shell's folder browser, as the main dialog's rows use it: owned by the
// main dialog, opening with a folder selected, and giving the chosen folder's
// path in its exact ANSI form.

#include <windows.h>
#include <shlobj.h>

#include <string>

#include "framework/ansi_name.h"

// Shows the browser titled title, with initial selected (none when empty).
// The chosen folder's path; an empty text when the user cancels, and when
// the chosen folder's path cannot be read or lies beyond the classic path
// limit, which the user has then been told.
AnsiName BrowseForFolderPath(HWND owner, const char* title, const std::string& initial);

// The folder's path, read in its wide form; empty when the item is no folder.
AnsiName PathOfItemList(PCIDLIST_ABSOLUTE items);
