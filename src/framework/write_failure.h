#pragma once
// The message of a write that failed.

#include <windows.h>

#include <string>

#include "common/file_replace.h"

// Reports text as ReportMessage does, followed by a line for each file in
// which the system's replacement, stopping half way, left a content.
void ReportWriteFailure(HWND owner, std::string text, const tewo::WriteResult& result);
