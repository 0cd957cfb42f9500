#pragma once
// Real key presses for the Win32 tests: the keyboard's own input, handled by
// a message loop like the tool's.

#include <windows.h>

// Presses key (with Alt held when asked) and lets the loop handle it. The
// window that should take it must be in front and hold the focus.
void PressKey(WORD key, bool alt = false);

// Runs the message loop for a while, giving modeless windows their keyboard
// navigation as the main dialog's loop does.
void PumpMessages(DWORD milliseconds = 30);
