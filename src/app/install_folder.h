#pragma once
// The tool reads tewoc.ini, help.txt and its settings beside itself through
// the ANSI functions: the path of its executable must be one that the code
// page can hold, or every one of those files would be missed (a name with
// "?" or a look-alike names no file, or another one).

class CWinApp;

// True when the executable's path converts exactly. Otherwise the user has
// been told (beep and message) where to put the tool, and the process has
// been ended with status 1 (through the application's ISystem).
bool InstallFolderIsUsable(CWinApp& app);
