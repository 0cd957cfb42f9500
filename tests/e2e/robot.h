#pragma once
// A robot that drives the real tewo.exe from another process: it finds
// windows by title, class and control id, types into them and presses their
// buttons, as a user would.

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

namespace robot {

// The Windows form of a path given by the Linux side ("/a/b" is "Z:\a\b").
std::string WindowsPath(const std::string& path);

// Polls until done() holds or timeoutMs pass. False on time-out.
bool WaitUntil(const std::function<bool()>& done, int timeoutMs = 20000);

// Milliseconds until window is gone, at most 5000, found with looks that send
// its process no message (one that did would wake it and hide a delay).
unsigned MillisecondsUntilGone(HWND window);

// A visible top-level window of process pid with that title and class
// ("#32770" for dialogs and message boxes); nullptr when there is none.
HWND FindProcessWindow(DWORD pid, const std::string& title, const char* className = "#32770");

// Waits for FindProcessWindow to find a window; nullptr on time-out.
HWND WaitForWindow(DWORD pid, const std::string& title, const char* className = "#32770");

// A visible dialog of process pid, other than except, that has a control
// with id controlId (the folder browser's tree, for one).
HWND WaitForDialogWithControl(DWORD pid, int controlId, HWND except = nullptr);

// A message box of process pid: a dialog titled title with the static text 0xFFFF.
HWND WaitForMessageBox(DWORD pid, const std::string& title = "TEWO");

// The file-name field of a common file dialog: the edit edt1, or the edit
// inside the combo box cmb13, whichever this system's dialog has.
HWND FileNameField(HWND fileDialog);

std::string Text(HWND hwnd);

// The visible top-level windows of process pid with their titles and texts,
// for failure messages.
std::string DescribeWindows(DWORD pid);

// The text of the selected item of a tree view of another process.
std::string SelectedTreeText(HWND tree);

// The entries of a list box of another process.
std::vector<std::string> ListTexts(HWND listBox);
void SetText(HWND hwnd, const std::string& text);
void SetText(HWND hwnd, const std::wstring& text);

// Presses a button of a dialog, or chooses a menu command, without waiting
// for what it opens.
void PressButton(HWND dialog, int id);
void ChooseMenuCommand(HWND window, int id);

// Chooses a menu item with the real keyboard, as a user does: brings window
// to the front, then Alt with menuKey opens the menu and itemKey picks the
// item. False when the window would not come to the front.
bool PressMenuKeys(HWND window, WORD menuKey, WORD itemKey);

}  // namespace robot
