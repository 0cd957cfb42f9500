#include "framework/win_app.h"

#include <commdlg.h>

#include <algorithm>

#include "framework/ansi_name.h"
#include "framework/wnd.h"

namespace {
CWinApp* theApplication = nullptr;
}

CWinApp::CWinApp()
    : system_(std::make_unique<CWin32System>()),
      findReplaceMessage_(::RegisterWindowMessageA(FINDMSGSTRINGA)) {
  theApplication = this;
  m_hInstance = ::GetModuleHandleA(nullptr);
}

CWinApp::~CWinApp() {
  if (theApplication == this) theApplication = nullptr;
}

std::wstring CWinApp::ModuleFileNameWide() const {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    DWORD n = ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (n < path.size()) {
      path.resize(n);
      return path;
    }
    path.resize(path.size() * 2);
  }
}

std::string CWinApp::ModuleFileName() const { return ToAnsiName(ModuleFileNameWide()).text; }

void CWinApp::AddModeless(CWnd* window) { modeless_.push_back(window); }

void CWinApp::RemoveModeless(CWnd* window) {
  modeless_.erase(std::remove(modeless_.begin(), modeless_.end(), window), modeless_.end());
}

bool CWinApp::PreTranslateModeless(MSG& msg) {
  if (msg.hwnd == nullptr) return false;
  HWND root = ::GetAncestor(msg.hwnd, GA_ROOT);
  for (CWnd* window : modeless_) {
    // The window may create or destroy modeless windows: the list is not
    // looked at again after the call.
    if (window->m_hWnd == root) return window->PreTranslateMessage(msg);
  }
  return false;
}

void CWinApp::DispatchLoopMessage(MSG& msg, CWnd* modal) {
  if (PreTranslateModeless(msg)) return;
  if (modal != nullptr && modal->m_hWnd != nullptr && modal->PreTranslateMessage(msg)) return;
  ::TranslateMessage(&msg);
  ::DispatchMessageW(&msg);
}

CWinApp* AfxGetApp() { return theApplication; }

HINSTANCE AfxGetInstanceHandle() {
  return theApplication ? theApplication->m_hInstance : ::GetModuleHandleA(nullptr);
}
