#pragma once
// Files dropped from the shell.

#include <windows.h>
#include <shellapi.h>

#include "framework/ansi_name.h"

struct DroppedItem {
  // The whole path, however long: a cut path would name another file.
  AnsiName path;
  // Something that is not a folder, judged by the wide name. Items whose
  // attributes cannot be read count as folders.
  bool isFile = false;
};

UINT DroppedItemCount(HDROP drop);

// Dropped item index, read in its wide form.
DroppedItem DroppedItemAt(HDROP drop, UINT index);
