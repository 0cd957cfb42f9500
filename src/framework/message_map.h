#pragma once
// Message maps as data: a static table per window class tells what the
// window reacts to, and one Dispatch searches it.
//
//   const MessageMapEntry<CMainDialog> CMainDialog::kMessageMap[] = {
//       MapMessage(WM_CLOSE, &CMainDialog::OnClose),
//       MapCommand(ID_APP_EXIT, &CMainDialog::OnAppExit),
//       MapNotify(IDC_TEXT, EN_KILLFOCUS, &CEditor::OnKillFocus),
//   };

#include <windows.h>

#include <span>

enum class MapKind {
  Message,     // a window message; the handler gets its parameters
  Command,     // WM_COMMAND from a menu item or a clicked button
  Notify,      // WM_COMMAND with a control's notification code
  Registered,  // a registered message, known only at run time
};

template <class T>
struct MessageMapEntry {
  MapKind kind;
  UINT code;  // the message, or the notification code
  UINT firstId;
  UINT lastId;
  void (T::*onCommand)();
  INT_PTR (T::*onMessage)(WPARAM, LPARAM);
  UINT (*registered)() = nullptr;  // the registered message's number
};

template <class T>
constexpr MessageMapEntry<T> MapMessage(UINT message, INT_PTR (T::*handler)(WPARAM, LPARAM)) {
  return {MapKind::Message, message, 0, 0, nullptr, handler};
}

// registered returns the message's number, found once when it was registered.
template <class T>
constexpr MessageMapEntry<T> MapRegisteredMessage(UINT (*registered)(),
                                                  INT_PTR (T::*handler)(WPARAM, LPARAM)) {
  return {MapKind::Registered, 0, 0, 0, nullptr, handler, registered};
}

template <class T>
constexpr MessageMapEntry<T> MapCommand(UINT id, void (T::*handler)()) {
  return {MapKind::Command, 0, id, id, handler, nullptr};
}

template <class T>
constexpr MessageMapEntry<T> MapCommandRange(UINT first, UINT last, void (T::*handler)()) {
  return {MapKind::Command, 0, first, last, handler, nullptr};
}

template <class T>
constexpr MessageMapEntry<T> MapNotify(UINT id, UINT code, void (T::*handler)()) {
  return {MapKind::Notify, code, id, id, handler, nullptr};
}

// Runs the first handler of map that takes the message. Message handlers'
// results are returned in result; commands report TRUE.
template <class T>
bool Dispatch(T& self, std::span<const MessageMapEntry<T>> map, UINT message, WPARAM wp, LPARAM lp,
              INT_PTR& result) {
  const UINT id = LOWORD(wp);
  const UINT code = HIWORD(wp);
  for (const MessageMapEntry<T>& entry : map) {
    switch (entry.kind) {
      case MapKind::Message:
        if (entry.code != message) continue;
        result = (self.*entry.onMessage)(wp, lp);
        return true;
      case MapKind::Registered:
        if (message < 0xC000 || entry.registered() != message) continue;
        result = (self.*entry.onMessage)(wp, lp);
        return true;
      case MapKind::Command:
        // Menu items and button clicks both come with code 0 (BN_CLICKED).
        if (message != WM_COMMAND || code != BN_CLICKED || id < entry.firstId || id > entry.lastId)
          continue;
        (self.*entry.onCommand)();
        result = TRUE;
        return true;
      case MapKind::Notify:
        if (message != WM_COMMAND || code != entry.code || id < entry.firstId || id > entry.lastId)
          continue;
        (self.*entry.onCommand)();
        result = TRUE;
        return true;
    }
  }
  return false;
}
