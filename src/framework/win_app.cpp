#include "framework/win_app.h"

#include <algorithm>

namespace {
CWinApp* theApplication = nullptr;
}

CWinApp::CWinApp() : system_(std::make_unique<CWin32System>()) {
  theApplication = this;
  m_hInstance = ::GetModuleHandleA(nullptr);
}

CWinApp::~CWinApp() {
  if (theApplication == this) theApplication = nullptr;
}

std::string CWinApp::ModuleFileName() const {
  std::string path(MAX_PATH, '\0');
  for (;;) {
    DWORD n = ::GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (n < path.size()) {
      path.resize(n);
      return path;
    }
    path.resize(path.size() * 2);
  }
}

void CWinApp::AddModeless(HWND hwnd) { modeless_.push_back(hwnd); }

void CWinApp::RemoveModeless(HWND hwnd) {
  modeless_.erase(std::remove(modeless_.begin(), modeless_.end(), hwnd), modeless_.end());
}

bool CWinApp::PreTranslateModeless(MSG& msg) {
  if (msg.hwnd == nullptr) return false;
  HWND root = ::GetAncestor(msg.hwnd, GA_ROOT);
  for (HWND hwnd : modeless_) {
    if (hwnd == root) return ::IsDialogMessageA(hwnd, &msg) != FALSE;
  }
  return false;
}

CWinApp* AfxGetApp() { return theApplication; }

HINSTANCE AfxGetInstanceHandle() {
  return theApplication ? theApplication->m_hInstance : ::GetModuleHandleA(nullptr);
}
