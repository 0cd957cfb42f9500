#pragma once
// Real key presses for the Win32 tests: the keyboard's own input, handled by
// a message loop like the tool's.

#include <windows.h>

#include <functional>
#include <vector>

// Presses key (with Alt held when asked) and lets the loop handle it. The
// window that should take it must be in front and hold the focus.
void PressKey(WORD key, bool alt = false);

// Presses key without running a loop: whichever loop runs next takes it. A
// unicode key is a character, as an input method hands its result on.
void TypeKey(WORD key, bool alt = false, bool unicode = false);

// Runs a loop of the system's own while the user types Esc into each of edits
// in turn, as a user may while a message box or a file dialog is open: run
// starts that loop (a real message box or file dialog, opened by the tool)
// and returns what it returned. The loop's window is then cancelled.
int TypeEscapeDuringForeignLoop(const std::vector<HWND>& edits, const std::function<int()>& run);

// Runs the message loop for a while, giving modeless windows their keyboard
// navigation as the main dialog's loop does.
void PumpMessages(DWORD milliseconds = 30);
