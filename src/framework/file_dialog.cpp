#include "framework/file_dialog.h"

#include <algorithm>
#include <cstring>
#include <string_view>

#include "framework/win_app.h"
#include "framework/wnd.h"

namespace {
// Room for a long path typed by the user; a multiple selection brings its own buffer.
constexpr std::size_t kFileBufferBytes = 32768;

std::wstring WideOf(const char* text) { return text == nullptr ? std::wstring() : ToWide(text); }

// A list of texts, each ended by a null and the list by one more.
std::wstring WideListOf(const char* list) {
  if (list == nullptr) return {};
  const char* end = list;
  while (*end != '\0') end += std::strlen(end) + 1;
  return ToWide(std::string_view(list, static_cast<std::size_t>(end - list) + 1));
}

const wchar_t* PointerOrNull(const std::wstring& text) {
  return text.empty() ? nullptr : text.c_str();
}

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
  // Wide copies of the settings, alive while the dialog runs.
  const std::wstring filter = WideListOf(m_ofn.lpstrFilter);
  const std::wstring title = WideOf(m_ofn.lpstrTitle);
  const std::wstring initialDir = WideOf(m_ofn.lpstrInitialDir);
  const std::wstring defaultExtension = WideOf(m_ofn.lpstrDefExt);
  std::wstring buffer(std::max<DWORD>(m_ofn.nMaxFile, 2), L'\0');
  const std::wstring initialName = WideOf(m_ofn.lpstrFile);
  std::copy_n(initialName.begin(), std::min(initialName.size(), buffer.size() - 1), buffer.begin());

  OPENFILENAMEW ofn{};
  ofn.lStructSize = sizeof(ofn);
  ofn.hwndOwner = m_ofn.hwndOwner;
  ofn.hInstance = m_ofn.hInstance;
  ofn.lpstrFilter = PointerOrNull(filter);
  ofn.nFilterIndex = m_ofn.nFilterIndex;
  ofn.lpstrFile = buffer.data();
  ofn.nMaxFile = static_cast<DWORD>(buffer.size());
  ofn.lpstrInitialDir = PointerOrNull(initialDir);
  ofn.lpstrTitle = PointerOrNull(title);
  ofn.Flags = m_ofn.Flags;
  ofn.lpstrDefExt = PointerOrNull(defaultExtension);
  ofn.lCustData = reinterpret_cast<LPARAM>(this);
  ofn.lpfnHook = HookProc;

  ISystem& system = AfxGetApp()->System();
  const BOOL ok = open_ ? system.GetOpenFileName(ofn) : system.GetSaveFileName(ofn);
  m_hWnd = nullptr;
  m_ofn.nFilterIndex = ofn.nFilterIndex;
  answer_ = ok ? buffer : std::wstring();
  return ok ? IDOK : IDCANCEL;
}

AnsiName CFileDialog::GetPathName() const {
  std::vector<AnsiName> paths = GetPathNames();
  return paths.empty() ? AnsiName() : paths.front();
}

std::vector<AnsiName> CFileDialog::GetPathNames() const {
  // The buffer's texts, each ended by a null; the list ends with an empty one.
  const std::wstring_view answer(answer_);
  std::vector<std::wstring_view> texts;
  std::size_t start = 0;
  while (start < answer.size() && answer[start] != L'\0') {
    const std::size_t end = std::min(answer.find(L'\0', start), answer.size());
    texts.push_back(answer.substr(start, end - start));
    start = end + 1;
  }
  if (texts.empty()) return {};
  if ((m_ofn.Flags & OFN_ALLOWMULTISELECT) == 0 || texts.size() == 1) {
    return {ToAnsiName(texts.front())};
  }
  // A multiple selection: the folder, then the names. The whole list is
  // converted at once when all of it converts exactly, as it does but for
  // rare names; the code page converts character by character, so every
  // text of the list then converts exactly on its own.
  const std::wstring_view folder = texts.front();
  const char* separator = folder.back() == L'\\' ? "" : "\\";
  std::vector<AnsiName> paths;
  paths.reserve(texts.size() - 1);
  const AnsiName list = ToAnsiName(answer.substr(0, start - 1));
  if (list.exact) {
    std::size_t at = list.text.find('\0');
    const std::string folderBytes = list.text.substr(0, at) + separator;
    while (at < list.text.size()) {
      const std::size_t next = std::min(list.text.find('\0', at + 1), list.text.size());
      std::string path = folderBytes;
      path.append(list.text, at + 1, next - at - 1);
      paths.push_back({std::move(path), true});
      at = next;
    }
    return paths;
  }
  // Name by name: each one tells whether it converts.
  std::wstring path(folder);
  path += ToWide(separator);
  const std::size_t folderLength = path.size();
  for (std::size_t i = 1; i < texts.size(); ++i) {
    path.resize(folderLength);
    path += texts[i];
    paths.push_back(ToAnsiName(path));
  }
  return paths;
}

void CFileDialog::SetControlText(int id, const std::string& text) const {
  // The hook's dialog is a child of the common dialog, which owns the controls;
  // a wide dialog takes the text in its wide form.
  const std::wstring wide = ToWide(text);
  ::SendMessageW(::GetParent(m_hWnd), CDM_SETCONTROLTEXT, static_cast<WPARAM>(id),
                 reinterpret_cast<LPARAM>(wide.c_str()));
}

UINT_PTR CALLBACK CFileDialog::HookProc(HWND hwnd, UINT message, WPARAM, LPARAM lp) {
  if (message != WM_INITDIALOG) return 0;
  auto* ofn = reinterpret_cast<OPENFILENAMEW*>(lp);
  auto* self = reinterpret_cast<CFileDialog*>(ofn->lCustData);
  self->m_hWnd = hwnd;
  try {
    self->OnInitDialog();
  } catch (...) {
  }
  return 0;
}
