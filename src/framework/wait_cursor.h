#pragma once
// The hourglass while a long operation runs: shown when the object is made,
// the previous cursor back when it goes.

#include <windows.h>

class CWaitCursor {
 public:
  CWaitCursor() : previous_(::SetCursor(::LoadCursorA(nullptr, IDC_WAIT))) {}
  ~CWaitCursor() { ::SetCursor(previous_); }
  CWaitCursor(const CWaitCursor&) = delete;
  CWaitCursor& operator=(const CWaitCursor&) = delete;

 private:
  HCURSOR previous_;
};
