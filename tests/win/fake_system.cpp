#include "win/fake_system.h"

#include <algorithm>
#include <cstring>
#include <cwchar>

#include "common/mbcs.h"
#include "framework/ansi_name.h"
#include "framework/wnd.h"

int FakeSystem::MessageBox(HWND owner, const std::string& text, const std::string& caption,
                           UINT type) {
  messages.push_back({owner, text, caption, type});
  return onMessage ? onMessage(messages.back()) : IDOK;
}

namespace {

std::string Ansi(const wchar_t* text) { return text ? ToAnsiName(text).text : std::string(); }

// A list of texts, each ended by a null, the list by one more; the last null is the string's own.
std::string AnsiList(const wchar_t* list) {
  std::string ansi;
  for (const wchar_t* t = list; t != nullptr && *t != L'\0'; t += std::wcslen(t) + 1)
    ansi += Ansi(t) + '\0';
  return ansi;
}

// Shows the wide dialog to an answer that speaks ANSI: the settings in ANSI,
// a buffer of the same size, and the answer's buffer back in wide form.
BOOL AnswerInAnsi(OPENFILENAMEW& wide, const std::function<BOOL(OPENFILENAMEA&)>& answer) {
  const std::string filter = AnsiList(wide.lpstrFilter);
  const std::string title = Ansi(wide.lpstrTitle);
  const std::string initialDir = Ansi(wide.lpstrInitialDir);
  const std::string defaultExtension = Ansi(wide.lpstrDefExt);
  std::string buffer(wide.nMaxFile, '\0');
  const std::string initialName = Ansi(wide.lpstrFile);
  std::memcpy(buffer.data(), initialName.data(), std::min(initialName.size(), buffer.size() - 1));

  OPENFILENAMEA ofn{};
  ofn.lStructSize = sizeof(ofn);
  ofn.hwndOwner = wide.hwndOwner;
  ofn.hInstance = wide.hInstance;
  ofn.lpstrFilter = wide.lpstrFilter ? filter.c_str() : nullptr;
  ofn.nFilterIndex = wide.nFilterIndex;
  ofn.lpstrFile = buffer.data();
  ofn.nMaxFile = wide.nMaxFile;
  ofn.lpstrInitialDir = wide.lpstrInitialDir ? initialDir.c_str() : nullptr;
  ofn.lpstrTitle = wide.lpstrTitle ? title.c_str() : nullptr;
  ofn.Flags = wide.Flags;
  ofn.lpstrDefExt = wide.lpstrDefExt ? defaultExtension.c_str() : nullptr;
  if (!answer(ofn)) return FALSE;
  const std::wstring back = ToWide(buffer);
  std::wmemcpy(wide.lpstrFile, back.data(), std::min<std::size_t>(back.size(), wide.nMaxFile));
  return TRUE;
}

const char kByteEdit[] = "tewo.byteEdit";

// Windows' ANSI edit over this system's, which counts characters: selections in bytes.
LRESULT CALLBACK ByteEditProc(HWND edit, UINT message, WPARAM wp, LPARAM lp) {
  const auto original = reinterpret_cast<WNDPROC>(::GetPropA(edit, kByteEdit));
  if (message != EM_GETSEL && message != EM_SETSEL)
    return ::CallWindowProcA(original, edit, message, wp, lp);
  const std::string text = GetWindowTextString(edit);
  auto chars = [&](WPARAM at) {
    return static_cast<int>(at) < 0 ? at : tewo::CharCountBefore(text, at);
  };
  if (message == EM_SETSEL) return ::CallWindowProcA(original, edit, message, chars(wp), chars(lp));
  ::CallWindowProcA(original, edit, message, wp, lp);
  for (auto* at : {reinterpret_cast<DWORD*>(wp), reinterpret_cast<DWORD*>(lp)})
    if (at != nullptr) *at = static_cast<DWORD>(tewo::ByteOffsetOfChar(text, *at));
  return 0;
}

}  // namespace

BOOL FakeSystem::GetOpenFileName(OPENFILENAMEW& ofn) {
  if (onOpenFileWide) return onOpenFileWide(ofn);
  return onOpenFile ? AnswerInAnsi(ofn, onOpenFile) : FALSE;
}

BOOL FakeSystem::GetSaveFileName(OPENFILENAMEW& ofn) {
  ++saveDialogs;
  if (onSaveFileWide) return onSaveFileWide(ofn);
  return onSaveFile ? AnswerInAnsi(ofn, onSaveFile) : FALSE;
}

PIDLIST_ABSOLUTE FakeSystem::BrowseForFolder(BROWSEINFOA& info) {
  return onBrowse ? onBrowse(info) : nullptr;
}

SHORT FakeSystem::GetKeyState(int virtualKey) {
  auto it = keyStates.find(virtualKey);
  return it == keyStates.end() ? 0 : it->second;
}

std::vector<std::string> FakeSystem::MessageTexts() const {
  std::vector<std::string> texts;
  for (const ShownMessage& m : messages) texts.push_back(m.text);
  return texts;
}

BOOL AnswerFileDialog(OPENFILENAMEA& ofn, const std::string& answer) {
  if (answer.size() + 1 > ofn.nMaxFile) return FALSE;
  std::memcpy(ofn.lpstrFile, answer.c_str(), answer.size() + 1);
  return TRUE;
}

BOOL AnswerFileDialog(OPENFILENAMEW& ofn, const std::wstring& folder,
                      const std::vector<std::wstring>& names) {
  std::wstring buffer = folder + L'\0';
  if (names.size() == 1) buffer = folder + L"\\" + names[0] + L'\0';
  if (names.size() > 1) {
    for (const std::wstring& name : names) buffer += name + L'\0';
    buffer += L'\0';
  }
  if (buffer.size() > ofn.nMaxFile) return FALSE;
  std::wmemcpy(ofn.lpstrFile, buffer.data(), buffer.size());
  return TRUE;
}

bool FakeSystem::EditCountsCharacters(HWND edit) {
  if (!editsCountBytes) return ::IsWindowUnicode(edit) || AnsiEditsCountCharacters();
  if (::GetPropA(edit, kByteEdit) == nullptr) {
    ::SetPropA(edit, kByteEdit, reinterpret_cast<HANDLE>(::GetWindowLongPtrA(edit, GWLP_WNDPROC)));
    ::SetWindowLongPtrA(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ByteEditProc));
  }
  return false;
}
