#include "framework/dropped_files.h"

#include <string>

UINT DroppedItemCount(HDROP drop) { return ::DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0); }

DroppedItem DroppedItemAt(HDROP drop, UINT index) {
  const UINT length = ::DragQueryFileW(drop, index, nullptr, 0);
  std::wstring path(length + 1, L'\0');
  path.resize(::DragQueryFileW(drop, index, path.data(), length + 1));
  const DWORD attributes = ::GetFileAttributesW(path.c_str());
  DroppedItem item;
  item.path = ToAnsiName(path);
  item.isFile =
      attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
  return item;
}
