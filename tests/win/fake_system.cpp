#include "win/fake_system.h"

#include <cstring>

int FakeSystem::MessageBox(HWND owner, const std::string& text, const std::string& caption,
                           UINT type) {
  messages.push_back({owner, text, caption, type});
  return onMessage ? onMessage(messages.back()) : IDOK;
}

BOOL FakeSystem::GetOpenFileName(OPENFILENAMEA& ofn) {
  return onOpenFile ? onOpenFile(ofn) : FALSE;
}

BOOL FakeSystem::GetSaveFileName(OPENFILENAMEA& ofn) {
  ++saveDialogs;
  return onSaveFile ? onSaveFile(ofn) : FALSE;
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
