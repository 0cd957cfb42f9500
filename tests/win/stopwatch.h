#pragma once

#include <windows.h>

#include <functional>

// Milliseconds that work takes, by the system's counter (<chrono> has
// literals that code page 932 cannot hold).
inline double MillisecondsOf(const std::function<void()>& work) {
  LARGE_INTEGER frequency, start, end;
  ::QueryPerformanceFrequency(&frequency);
  ::QueryPerformanceCounter(&start);
  work();
  ::QueryPerformanceCounter(&end);
  return 1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) /
         static_cast<double>(frequency.QuadPart);
}
