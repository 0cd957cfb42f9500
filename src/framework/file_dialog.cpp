#include "framework/file_dialog.h"

#include <cstring>

#include "common/path_split.h"
#include "framework/win_app.h"
#include "framework/wnd.h"

namespace {
// Room for a long path typed by the user; a multiple selection brings its own buffer.
constexpr std::size_t kFileBufferBytes = 32768;
}  // namespace

CFileDialog::CFileDialog(BOOL openFileDialog, const char* defaultExtension, const char* fileName,
                         DWORD flags, const char* filter, CWnd* parent)
    : open_(openFileDialog), fileBuffer_(kFileBufferBytes, '\0') {
  if (filter != nullptr) {
    filter_ = filter;
    for (char& c : filter_) {
      if (c == '|') c = '\0';
    }
  }
  if (defaultExtension != nullptr) defaultExtension_ = defaultExtension;
  if (fileName != nullptr) {
    std::size_t n = std::min(std::strlen(fileName), fileBuffer_.size() - 1);
    std::memcpy(fileBuffer_.data(), fileName, n);
  }
  m_ofn.lStructSize = sizeof(m_ofn);
  m_ofn.hwndOwner = parent ? parent->m_hWnd : nullptr;
  m_ofn.hInstance = AfxGetInstanceHandle();
  m_ofn.lpstrFilter = filter_.empty() ? nullptr : filter_.c_str();
  m_ofn.nFilterIndex = 1;
  m_ofn.lpstrFile = fileBuffer_.data();
  m_ofn.nMaxFile = static_cast<DWORD>(fileBuffer_.size());
  m_ofn.lpstrDefExt = defaultExtension_.empty() ? nullptr : defaultExtension_.c_str();
  m_ofn.Flags = flags | OFN_ENABLEHOOK | OFN_EXPLORER | OFN_ENABLESIZING;
  m_ofn.lpfnHook = HookProc;
  m_ofn.lCustData = reinterpret_cast<LPARAM>(this);
}

INT_PTR CFileDialog::DoModal() {
  if (m_ofn.hwndOwner == nullptr) {
    CWinApp* app = AfxGetApp();
    if (app->m_pMainWnd != nullptr) m_ofn.hwndOwner = app->m_pMainWnd->m_hWnd;
  }
  ISystem& system = AfxGetApp()->System();
  BOOL ok = open_ ? system.GetOpenFileName(m_ofn) : system.GetSaveFileName(m_ofn);
  m_hWnd = nullptr;
  return ok ? IDOK : IDCANCEL;
}

std::string CFileDialog::GetPathName() const {
  std::vector<std::string> paths = GetPathNames();
  return paths.empty() ? std::string() : paths.front();
}

std::vector<std::string> CFileDialog::GetPathNames() const {
  const char* buffer = m_ofn.lpstrFile;
  if (buffer == nullptr || buffer[0] == '\0') return {};
  std::string first = buffer;
  const char* next = buffer + first.size() + 1;
  if ((m_ofn.Flags & OFN_ALLOWMULTISELECT) == 0 || *next == '\0') return {first};
  // A multiple selection: the folder, then the names, then an empty string.
  const std::string folder = tewo::WithTrailingBackslash(first);
  std::vector<std::string> paths;
  while (*next != '\0') {
    std::string name = next;
    paths.push_back(folder + name);
    next += name.size() + 1;
  }
  return paths;
}

UINT_PTR CALLBACK CFileDialog::HookProc(HWND hwnd, UINT message, WPARAM, LPARAM lp) {
  if (message != WM_INITDIALOG) return 0;
  auto* ofn = reinterpret_cast<OPENFILENAMEA*>(lp);
  auto* self = reinterpret_cast<CFileDialog*>(ofn->lCustData);
  self->m_hWnd = hwnd;
  try {
    self->OnInitDialog();
  } catch (...) {
  }
  return 0;
}
