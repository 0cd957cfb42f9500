#pragma once
// The destination folder's name must be one the code page can hold: the
// script names its output files in that folder.

#include <windows.h>

#include "framework/ansi_name.h"

// True when folder cannot be carried; the user has then been told (beep and
// message) and the focus is in the main dialog's destination field.
bool RefuseDestinationName(HWND mainDialog, const AnsiName& folder);

// The destination field's text, read in its wide form.
AnsiName DestinationFieldName(HWND mainDialog);
