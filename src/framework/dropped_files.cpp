#include "framework/dropped_files.h"

std::string DroppedPath(HDROP drop, UINT index) {
  const UINT length = ::DragQueryFileA(drop, index, nullptr, 0);
  std::string path(length + 1, '\0');
  path.resize(::DragQueryFileA(drop, index, path.data(), length + 1));
  return path;
}

bool IsDroppableFile(const std::string& path) {
  const DWORD attributes = ::GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}
