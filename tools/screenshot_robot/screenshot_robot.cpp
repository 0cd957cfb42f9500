// Drives the real tewo.exe through the windows that the screenshots show,
// for scripts/screenshots.sh. For each window it writes one line
//   shot <name> <left> <top> <width> <height>
// (screen pixels) and waits for a line on its input before it goes on: the
// script takes the picture in between. Usage:
//   tewo_screenshot_robot <install folder>
// Ends with status 0 when every window came, 1 otherwise.

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "e2e/robot.h"
#include "resources/resource.h"

namespace {

// The sample the pictures show: a few drawings of one folder and a folder
// for the converted ones, on the prefix's drive C.
const char kDrawings[] = "C:\\図面";
const char kDestination[] = "C:\\図面\\DWG";
const char* const kSources[] = {"1階平面図.dxf", "2階平面図.dxf", "立面図.dxf", "配置図.dxf"};
const char kScriptName[] = "dxftodwg.scr";

// Answers a file dialog titled title: goes to folder, then takes names.
bool AnswerFileDialog(DWORD pid, const char* title, const std::string& folder,
                      const std::string& names) {
  HWND dialog = robot::WaitForWindow(pid, title);
  if (dialog == nullptr) return false;
  HWND field = robot::FileNameField(dialog);
  robot::SetText(field, folder);
  robot::PressButton(dialog, IDOK);
  // The "look in" box names the folder the dialog shows.
  HWND lookIn = ::GetDlgItem(dialog, 0x471);
  const std::string folderName = folder.substr(folder.rfind('\\') + 1);
  if (!robot::WaitUntil([&] { return robot::Text(lookIn) == folderName; }, 5000)) return false;
  robot::SetText(field, names);
  robot::PressButton(dialog, IDOK);
  return robot::WaitUntil([&] { return !::IsWindow(dialog); });
}

// Shows where window stands and waits until the picture is taken.
void Shoot(const char* name, HWND window) {
  ::SetForegroundWindow(window);
  ::RedrawWindow(window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  ::Sleep(500);  // the tool's own thread paints
  RECT r{};
  ::GetWindowRect(window, &r);
  std::printf("shot %s %ld %ld %ld %ld\n", name, r.left, r.top, r.right - r.left, r.bottom - r.top);
  std::fflush(stdout);
  char line[64];
  if (std::fgets(line, sizeof line, stdin) == nullptr) std::exit(1);
}

bool Fail(const std::string& what, DWORD pid) {
  std::fprintf(stderr, "screenshot robot: %s\n%s", what.c_str(),
               robot::DescribeWindows(pid).c_str());
  return false;
}

bool Run(DWORD pid) {
  HWND main = robot::WaitForWindow(pid, "TEWO");
  if (main == nullptr) return Fail("the main dialog did not appear", pid);
  ::SetWindowPos(main, nullptr, 40, 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER);

  // The road of one script: destination, drawings, save.
  robot::SetText(::GetDlgItem(main, IDC_DESTINATION), kDestination);
  std::string names;
  for (const char* source : kSources)
    names += std::string(names.empty() ? "" : " ") + '"' + source + '"';
  robot::PressButton(main, IDC_CHOOSE_SOURCES);
  if (!AnswerFileDialog(pid, "変換元 DXFﾌｧｲﾙの選択", kDrawings, names)) {
    return Fail("the drawings could not be chosen", pid);
  }
  robot::PressButton(main, IDC_SAVE_SCRIPT);
  if (!AnswerFileDialog(pid, "ｽｸﾘﾌﾟﾄﾌｧｲﾙの保存", kDrawings, kScriptName)) {
    return Fail("the script could not be saved", pid);
  }
  Shoot("main", main);

  // Each window opened from the main dialog: shot, then closed.
  const struct {
    bool menu;  // a menu command of the main dialog, else its button
    int command;
    const char* title;
    const char* name;
  } kWindows[] = {
      {true, ID_REGISTER_DWG_TO_DXF, "ｺﾏﾝﾄﾞ登録2 DWG to DXF", "registration"},
      {false, IDC_EDIT_SCRIPT, "簡易ｽｸﾘﾌﾟﾄｴﾃﾞｨﾀｰ", "editor"},
      {true, ID_HELP_CONTENTS, "説明(TEWO)", "help"},
      {true, ID_APP_ABOUT, "TEWOのﾊﾞｰｼﾞｮﾝ情報", "about"},
  };
  for (const auto& w : kWindows) {
    if (w.menu) {
      robot::ChooseMenuCommand(main, w.command);
    } else {
      robot::PressButton(main, w.command);
    }
    HWND window = robot::WaitForWindow(pid, w.title);
    if (window == nullptr) return Fail(std::string(w.title) + " did not appear", pid);
    Shoot(w.name, window);
    ::PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    robot::WaitUntil([&] { return !::IsWindow(window); });
  }

  robot::ChooseMenuCommand(main, ID_APP_EXIT);
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: tewo_screenshot_robot <install folder>\n");
    return 2;
  }
  // Rectangles in real pixels at any DPI, not in the scaled ones of an unaware program.
  ::SetProcessDPIAware();
  ::CreateDirectoryA(kDrawings, nullptr);
  ::CreateDirectoryA(kDestination, nullptr);
  for (const char* source : kSources) {
    const std::string path = std::string(kDrawings) + "\\" + source;
    HANDLE file = ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) ::CloseHandle(file);
  }

  const std::string folder = argv[1];
  std::string exe = folder + "\\tewo.exe";
  std::string commandLine = "\"" + exe + "\"";
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!::CreateProcessA(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.c_str(), &startup, &process)) {
    std::fprintf(stderr, "screenshot robot: cannot start %s\n", exe.c_str());
    return 1;
  }
  const bool done = Run(process.dwProcessId);
  if (::WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0) {
    ::TerminateProcess(process.hProcess, 99);
  }
  ::CloseHandle(process.hThread);
  ::CloseHandle(process.hProcess);
  return done ? 0 : 1;
}
