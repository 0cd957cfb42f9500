#pragma once
// The messages of a write that failed, or that left files behind.

#include <windows.h>

#include <string>

#include "common/file_replace.h"

// A line for each file that the write left behind, each line begun by a
// line break; empty when there is none.
std::string LeftBehindLines(const tewo::WriteResult& result);

// Reports text as ReportMessage does, followed by a line for each file in
// which the system's replacement, stopping half way, left a content, and for
// each file left behind.
void ReportWriteFailure(HWND owner, std::string text, const tewo::WriteResult& result);

// After a write that succeeded: reports the files it left behind, if any.
void ReportLeftBehind(HWND owner, const tewo::WriteResult& result);
