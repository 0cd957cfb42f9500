#include "app/run_autocad_dialog.h"

#include <algorithm>
#include <utility>

#include "framework/ansi_name.h"
#include "framework/file_dialog.h"
#include "framework/gdi.h"
#include "framework/win_app.h"
#include "resources/resource.h"

namespace {

const char kProgramFilter[] =
    "AutoCAD(acad.exe;acadlt.exe)|acad.exe;acadlt.exe|"
    "ﾌﾟﾛｸﾞﾗﾑ(*.exe)|*.exe||";
const char kBrowseTitle[] = "AutoCADの選択";
const wchar_t kNothingFound[] = L"AutoCADが見つかりません。「参照...」で選んでください。";

bool SameProgram(const std::wstring& a, const std::wstring& b) {
  return ::CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(),
                                static_cast<int>(b.size()), TRUE) == CSTR_EQUAL;
}

// The width in pixels of the widest of texts in the list's font, so that
// the list scrolls to the end of a long path.
int WidestText(HWND list, const std::vector<std::wstring>& texts) {
  const WindowDC dc(list);
  if (dc.get() == nullptr) return 0;
  const ScopedSelect font(dc.get(),
                          reinterpret_cast<HGDIOBJ>(::SendMessageW(list, WM_GETFONT, 0, 0)));
  int widest = 0;
  for (const std::wstring& text : texts) {
    SIZE size{};
    ::GetTextExtentPoint32W(dc.get(), text.c_str(), static_cast<int>(text.size()), &size);
    widest = std::max(widest, static_cast<int>(size.cx));
  }
  return widest + ::GetSystemMetrics(SM_CXEDGE) * 2;
}

}  // namespace

const MessageMapEntry<CRunAutoCadDialog> CRunAutoCadDialog::kMessageMap[] = {
    MapCommand(IDC_RUN_BROWSE, &CRunAutoCadDialog::OnBrowse),
    MapNotify(IDC_RUN_PROGRAMS, LBN_SELCHANGE, &CRunAutoCadDialog::OnSelectionChange),
    MapNotify(IDC_RUN_PROGRAMS, LBN_DBLCLK, &CRunAutoCadDialog::OnDoubleClick),
};

CRunAutoCadDialog::CRunAutoCadDialog(std::string scriptPath,
                                     std::vector<tewo::AutoCadInstallation> installations,
                                     const std::wstring& preferred, CWnd* parent)
    : CDialog(IDD_RUN_AUTOCAD, parent),
      scriptPath_(std::move(scriptPath)),
      installations_(std::move(installations)),
      preferred_(preferred) {}

bool CRunAutoCadDialog::OnMessage(UINT message, WPARAM wp, LPARAM lp, INT_PTR& result) {
  return Dispatch<CRunAutoCadDialog>(*this, kMessageMap, message, wp, lp, result);
}

BOOL CRunAutoCadDialog::OnInitDialog() {
  CDialog::OnInitDialog();
  ::SetWindowTextW(GetDlgItem(IDC_RUN_SCRIPT), ToWide(scriptPath_).c_str());
  int selected = 0;
  for (std::size_t i = 0; i < installations_.size(); ++i) {
    if (SameProgram(installations_[i].program, preferred_)) selected = static_cast<int>(i);
  }
  FillList(selected);
  ::SetFocus(GetDlgItem(IDC_RUN_PROGRAMS));
  return FALSE;  // the focus is set
}

void CRunAutoCadDialog::FillList(int selected) {
  const HWND list = GetDlgItem(IDC_RUN_PROGRAMS);
  ::SendMessageW(list, LB_RESETCONTENT, 0, 0);
  std::vector<std::wstring> texts;
  for (const tewo::AutoCadInstallation& installation : installations_) {
    texts.push_back(installation.name);
    if (installation.name != installation.program)
      texts.back() += L"  (" + installation.program + L")";
  }
  const bool any = !installations_.empty();
  if (!any) texts.emplace_back(kNothingFound);
  for (const std::wstring& text : texts) {
    ::SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
  }
  ::SendMessageW(list, LB_SETHORIZONTALEXTENT, WidestText(list, texts), 0);
  ::SendMessageW(list, LB_SETCURSEL, any ? selected : -1, 0);
  ::EnableWindow(GetDlgItem(IDOK), any ? TRUE : FALSE);
}

int CRunAutoCadDialog::Selected() const {
  const LRESULT index = ::SendMessageW(GetDlgItem(IDC_RUN_PROGRAMS), LB_GETCURSEL, 0, 0);
  if (index == LB_ERR || static_cast<std::size_t>(index) >= installations_.size()) return -1;
  return static_cast<int>(index);
}

void CRunAutoCadDialog::OnSelectionChange() {
  ::EnableWindow(GetDlgItem(IDOK), Selected() >= 0 ? TRUE : FALSE);
}

void CRunAutoCadDialog::OnDoubleClick() {
  if (Selected() >= 0) OnOK();
}

void CRunAutoCadDialog::OnOK() {
  const int selected = Selected();
  if (selected < 0) {
    AfxGetApp()->System().MessageBeep(0);
    return;
  }
  program_ = installations_[static_cast<std::size_t>(selected)].program;
  EndDialog(IDOK);
}

// A program that the registry does not list joins the list, selected.
void CRunAutoCadDialog::OnBrowse() {
  CFileDialog open(TRUE, "exe", nullptr, OFN_FILEMUSTEXIST | OFN_HIDEREADONLY, kProgramFilter,
                   this);
  open.m_ofn.lpstrTitle = kBrowseTitle;
  if (open.DoModal() != IDOK) return;
  const AnsiName path = open.GetPathName();
  if (!NameIsCarried(m_hWnd, path, NameUse::Open)) return;
  const std::wstring program = ToWide(path.text);
  int selected = -1;
  for (std::size_t i = 0; i < installations_.size(); ++i) {
    if (SameProgram(installations_[i].program, program)) selected = static_cast<int>(i);
  }
  if (selected < 0) {
    installations_.insert(installations_.begin(), tewo::AutoCadInstallation{program, program});
    selected = 0;
  }
  FillList(selected);
  ::SetFocus(GetDlgItem(IDC_RUN_PROGRAMS));
}
