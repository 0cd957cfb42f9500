#pragma once
// Esc in a multi-line edit of a dialog makes the edit ask its dialog to close
// (it posts WM_CLOSE), in whatever message loop the key arrives: the
// framework's, a message box's or a file dialog's. The multi-line edits of the
// tool's dialogs swallow Esc themselves, so that no loop can let it through.

#include <windows.h>

// Makes every multi-line edit among dialog's controls ignore Esc.
void SwallowEscapeInMultiLineEdits(HWND dialog);
