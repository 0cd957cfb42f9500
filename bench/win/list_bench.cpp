// How the source list of 10,000 entries compares with a plain list box of the
// same process, under Wine: filling it from the file dialog's answer, reading
// it back, and saving a script for all of it. Each figure is the best of a
// few runs, taken side by side. Prints the figures, the ratios and whether
// the goals hold; exits 1 when a run failed or a goal was missed.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/main_dialog.h"
#include "resource.h"
#include "win/stopwatch.h"
#include "win/test_app.h"

namespace {

constexpr int kEntries = 10000;
constexpr int kRuns = 15;
constexpr double kListGoal = 1.5;  // at most this many times the plain list box
constexpr double kSaveGoalMs = 200;

// The best of runs: the least disturbed by the rest of the machine.
struct Best {
  double ms = 1e300;
  void Take(double sample) { ms = std::min(ms, sample); }
};

// The file dialog's answer: one folder, then every name.
std::string Selection() {
  std::string selection = "C:\\drawings" + std::string(1, '\0');
  for (int i = 0; i < kEntries; ++i) {
    char name[32];
    std::snprintf(name, sizeof name, "p%05d.dxf", i);
    selection += name + std::string(1, '\0');
  }
  return selection + '\0';
}

std::vector<std::string> Paths() {
  std::vector<std::string> paths;
  for (int i = 0; i < kEntries; ++i) {
    char path[48];
    std::snprintf(path, sizeof path, "C:\\drawings\\p%05d.dxf", i);
    paths.push_back(path);
  }
  return paths;
}

// A plain list box of the same style, size and font as the source list,
// alone in a window of its own, filled as the tool fills its list.
class PlainList {
 public:
  explicit PlainList(HWND model) {
    RECT rect{};
    ::GetWindowRect(model, &rect);
    frame_ = ::CreateWindowExA(0, "#32770", "plain", WS_POPUP | WS_CAPTION | WS_VISIBLE, 0, 0,
                               rect.right - rect.left + 40, rect.bottom - rect.top + 60, nullptr,
                               nullptr, nullptr, nullptr);
    list_.m_hWnd = ::CreateWindowExA(
        static_cast<DWORD>(::GetWindowLongA(model, GWL_EXSTYLE)), "LISTBOX", "",
        static_cast<DWORD>(::GetWindowLongA(model, GWL_STYLE)), 10, 10, rect.right - rect.left,
        rect.bottom - rect.top, frame_, nullptr, nullptr, nullptr);
    ::SendMessageA(list_.m_hWnd, WM_SETFONT, ::SendMessageA(model, WM_GETFONT, 0, 0), FALSE);
  }
  ~PlainList() { ::DestroyWindow(frame_); }
  PlainList(const PlainList&) = delete;
  PlainList& operator=(const PlainList&) = delete;

  bool Ready() const { return list_.m_hWnd != nullptr; }
  const CListBox& List() const { return list_; }

  void Fill(const std::vector<std::string>& paths) const {
    HWND list = list_.m_hWnd;
    ::SendMessageA(list, LB_RESETCONTENT, 0, 0);
    ::SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    std::size_t bytes = 0;
    for (const std::string& path : paths) bytes += path.size() + 1;
    ::SendMessageA(list, LB_INITSTORAGE, paths.size(), static_cast<LPARAM>(bytes));
    for (const std::string& path : paths) {
      ::SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(path.c_str()));
    }
    ::SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    ::InvalidateRect(list, nullptr, TRUE);
  }

 private:
  HWND frame_ = nullptr;
  CListBox list_;  // not subclassed: only its reading functions are used
};

class Bench {
 public:
  Bench() : fake_(TestApp().ResetSystem()), selection_(Selection()), paths_(Paths()) {
    TestApp().moduleFileName = folder_ / "tewo.exe";
    dialog_ = std::make_unique<CMainDialog>();
    if (!dialog_->Create(IDD_MAIN, nullptr)) return;
    TestApp().m_pMainWnd = dialog_.get();
    plain_ = std::make_unique<PlainList>(dialog_->GetDlgItem(IDC_SOURCE_LIST));
    fake_.onOpenFile = [this](OPENFILENAMEA& ofn) {
      std::copy(selection_.begin(), selection_.end(), ofn.lpstrFile);
      return TRUE;
    };
    WriteFileBytes(folder_ / "tewoc.ini", FactoryTemplateFile());
    dialog_->SetDlgItemText(IDC_DESTINATION, folder_.path());
    const std::string script = folder_ / "big.scr";
    fake_.onSaveFile = [script](OPENFILENAMEA& ofn) { return AnswerFileDialog(ofn, script); };
  }
  ~Bench() {
    TestApp().m_pMainWnd = nullptr;
    if (dialog_ && dialog_->m_hWnd != nullptr) dialog_->DestroyWindow();
  }
  Bench(const Bench&) = delete;
  Bench& operator=(const Bench&) = delete;

  bool Ready() const { return dialog_->m_hWnd != nullptr && plain_ && plain_->Ready(); }

  // One round of every measurement; false when the tool did not do its work.
  bool Round() {
    fill_.Take(MillisecondsOf([this] { Click(IDC_CHOOSE_SOURCES); }));
    if (dialog_->GetDlgItemText(IDC_COUNT_LABEL) != "FILE=10000") return Fail("fill");
    plainFill_.Take(MillisecondsOf([this] { plain_->Fill(paths_); }));
    if (plain_->List().GetCount() != kEntries) return Fail("plain fill");

    std::vector<std::string> read;
    readBack_.Take(MillisecondsOf([&] { read = dialog_->SourceList().GetAllTexts(); }));
    if (read != paths_) return Fail("read-back");
    plainReadBack_.Take(MillisecondsOf([&] { read = plain_->List().GetAllTexts(); }));
    if (read != paths_) return Fail("plain read-back");

    dialog_->SetStatus("");
    save_.Take(MillisecondsOf([this] { Click(IDC_SAVE_SCRIPT); }));
    if (dialog_->GetDlgItemText(IDC_STATUS) != "ｽｸﾘﾌﾟﾄﾌｧｲﾙを保存しました！") return Fail("save");
    return true;
  }

  // Prints the figures; false when a goal is missed.
  bool Report() const {
    const double fillRatio = fill_.ms / plainFill_.ms;
    const double readRatio = readBack_.ms / plainReadBack_.ms;
    std::printf("%d entries, best of %d runs       tool    plain list box   ratio\n", kEntries,
                kRuns);
    std::printf("fill from the file dialog   %8.1f ms  %8.1f ms  %8.2f\n", fill_.ms, plainFill_.ms,
                fillRatio);
    std::printf("read back                   %8.1f ms  %8.1f ms  %8.2f\n", readBack_.ms,
                plainReadBack_.ms, readRatio);
    std::printf("save script                 %8.1f ms\n", save_.ms);
    const bool fillHeld = fillRatio <= kListGoal;
    const bool readHeld = readRatio <= kListGoal;
    const bool saveHeld = save_.ms <= kSaveGoalMs;
    std::printf("goals: fill <= %.1fx %s, read-back <= %.1fx %s, save <= %.0f ms %s\n", kListGoal,
                Verdict(fillHeld), kListGoal, Verdict(readHeld), kSaveGoalMs, Verdict(saveHeld));
    return fillHeld && readHeld && saveHeld;
  }

 private:
  static const char* Verdict(bool held) { return held ? "held" : "MISSED"; }
  static bool Fail(const char* what) {
    std::printf("the %s did not give the expected result\n", what);
    return false;
  }
  void Click(int id) const {
    ::SendMessageA(dialog_->m_hWnd, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                   reinterpret_cast<LPARAM>(dialog_->GetDlgItem(id)));
  }

  FakeSystem& fake_;
  TempFolder folder_{"bench"};
  std::string selection_;
  std::vector<std::string> paths_;
  std::unique_ptr<CMainDialog> dialog_;
  std::unique_ptr<PlainList> plain_;
  Best fill_, plainFill_, readBack_, plainReadBack_, save_;
};

}  // namespace

int main() {
  Bench bench;
  if (!bench.Ready()) {
    std::printf("the windows could not be made\n");
    return 1;
  }
  for (int run = 0; run < kRuns; ++run) {
    if (!bench.Round()) return 1;
  }
  return bench.Report() ? 0 : 1;
}
