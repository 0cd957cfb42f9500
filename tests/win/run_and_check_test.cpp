#include <algorithm>
#include <functional>
#include <map>
#include <tuple>
#include <utility>

#include "app/autocad_installations.h"
#include "win/keyboard.h"
#include "win/main_dialog_fixture.h"

namespace {

// A registry under HKEY_LOCAL_MACHINE, and the programs started ("program|command line|folder").
struct FakePrograms : tewo::ProgramCalls {
  std::vector<std::wstring> SubkeyNames(const std::wstring& key) const override {
    std::vector<std::wstring> names;
    for (const auto& [path, values] : keys) {
      if (path.rfind(key + L"\\", 0) != 0) continue;
      std::wstring name = path.substr(key.size() + 1);
      name.resize(std::min(name.size(), name.find(L'\\')));
      if (std::find(names.begin(), names.end(), name) == names.end()) names.push_back(name);
    }
    return names;
  }
  std::optional<std::wstring> StringValue(const std::wstring& key,
                                          const std::wstring& name) const override {
    const auto k = keys.find(key);
    return k != keys.end() && k->second.count(name) ? std::optional(k->second.at(name))
                                                    : std::nullopt;
  }
  DWORD Start(const std::wstring& program, const std::wstring& commandLine,
              const std::wstring& folder) const override {
    started.push_back(program + L"|" + commandLine + L"|" + folder);
    return startError;
  }
  std::map<std::wstring, std::map<std::wstring, std::wstring>> keys;  // with their values
  DWORD startError = 0;
  mutable std::vector<std::wstring> started;
};

const std::wstring kAcad = L"SOFTWARE\\Autodesk\\AutoCAD\\";

TEST(AutoCadInstallations, NewestFirstWhereTheProgramIsThere) {
  TempFolder folder;
  WriteTree(folder / "", "stand-in",
            "a2018\\acad.exe|a2024\\acad.exe|a2023\\acad.exe|lt2023\\acadlt.exe|r9\\acad.exe|"
            "ltasfull\\acad.exe|empty\\");
  const std::wstring lt = L"SOFTWARE\\Autodesk\\AutoCAD LT\\", root = WidePath(folder / "");
  // key, value name of the folder, folder, product name
  const std::tuple<std::wstring, std::wstring, std::wstring, std::wstring> rows[] = {
      {kAcad + L"R22.0\\ACAD-1001:409", L"Location", L"a2018", L"AutoCAD 2018"},
      {kAcad + L"R24.3\\ACAD-7101:409", L"AcadLocation", L"a2024\\", L""},
      {kAcad + L"R24.3\\ACAD-7101:411", L"Location", L"A2024", L"the same program"},
      {kAcad + L"R24.1\\ACAD-6101:411", L"Location", L"a2023", L"AutoCAD 2023"},
      {lt + L"R24.1\\ACADLT-6102:411", L"AcadLocation", L"lt2023", L"AutoCAD LT 2023"},
      {lt + L"R24.2\\ACADLT-6103:411", L"Location", L"ltasfull", L"acad.exe is no LT"},
      {kAcad + L"R23.1\\ACAD-5001:411", L"Location", L"empty", L"no program"},
      {kAcad + L"R9.1\\ACAD-1:411", L"Location", L"r9", L"AutoCAD R9"},
  };
  FakePrograms registry;
  for (const auto& [key, value, place, name] : rows) {
    registry.keys[key][value] = root + place;
    if (!name.empty()) registry.keys[key][L"ProductName"] = name;
  }
  std::vector<std::wstring> found;
  for (const auto& i : tewo::FindAutoCadInstallations(registry, tewo::FileCalls()))
    found.push_back(i.name + L"|" + i.program.substr(root.size()));
  EXPECT_EQ(found, (std::vector<std::wstring>{
                       L"AutoCAD R24.3 ACAD-7101:409|a2024\\acad.exe",
                       L"AutoCAD 2023|a2023\\acad.exe", L"AutoCAD LT 2023|lt2023\\acadlt.exe",
                       L"AutoCAD 2018|a2018\\acad.exe", L"AutoCAD R9|r9\\acad.exe"}));
}

// The steps left for the run dialog, taken one a timer tick in whatever loop
// runs (the dialog's modal loop), each given the dialog once it is open.
std::vector<std::function<void(HWND)>> pending;
std::vector<int> focus;  // the control that had it, at each step

void CALLBACK NextStep(HWND, UINT, UINT_PTR, DWORD) {
  HWND dialog = ::FindWindowW(nullptr, L"AutoCADで実行");
  if (pending.empty() || dialog == nullptr) return;
  ::SetForegroundWindow(dialog);
  focus.push_back(::GetDlgCtrlID(::GetFocus()));
  const std::function<void(HWND)> step = pending.front();
  pending.erase(pending.begin());
  step(dialog);
}

// A key typed into control id (0: the one focused) of the dialog, focused as the dialog does.
std::function<void(HWND)> Key(int id, WORD key, bool alt = false) {
  return [=](HWND dialog) {
    const auto control = reinterpret_cast<WPARAM>(::GetDlgItem(dialog, id));
    if (id != 0) ::SendMessageW(dialog, WM_NEXTDLGCTL, control, TRUE);
    TypeKey(key, alt);
  };
}

// Save, run (a stand-in in a fake registry), check, keep the failures, save again.
TEST_F(MainDialogTest, SaveRunCheckAndSaveTheFailuresAgain) {
  FakePrograms registry;
  fake_->programs = &registry;
  // Opens the run dialog, works through steps in it; how many were taken.
  const auto run = [this](std::vector<std::function<void(HWND)>> steps) {
    pending = steps;
    const UINT_PTR timer = ::SetTimer(nullptr, 0, 150, NextStep);
    Command(ID_RUN_AUTOCAD);
    ::KillTimer(nullptr, timer);
    return steps.size() - std::exchange(pending, {}).size();
  };
  Command(ID_RUN_AUTOCAD);
  EXPECT_EQ(fake_->MessageTexts(), std::vector<std::string>{"先にｽｸﾘﾌﾟﾄを保存してください。"});

  WriteTree(folder_ / "", FactoryTemplateFile(),
            "out\\|scripts\\|acad\\acad.exe|acad\\picked.exe|acad25\\acad.exe|src\\a.dxf|"
            "src\\b.dxf|src\\c.dxf|tewoc.ini");
  const std::string acad = folder_ / "acad\\acad.exe", other = folder_ / "acad\\picked.exe";
  const std::string src = folder_ / "src\\", out = folder_ / "out\\";
  AddEntries({src + "a.dxf", src + "b.dxf", src + "c.dxf"});
  SetText(IDC_DESTINATION, out);
  const std::string script = folder_ / "scripts\\s.scr";
  fake_->onSaveFile = [&](OPENFILENAMEA& ofn) { return AnswerFileDialog(ofn, script); };
  Click(IDC_SAVE_SCRIPT);

  // Nothing registered: the list says so, and Enter runs nothing.
  char listed[200] = {};
  EXPECT_EQ(run({[&](HWND d) {
                   EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(d, IDOK)));
                   ::SendDlgItemMessageA(d, IDC_RUN_PROGRAMS, LB_GETTEXT, 0,
                                         reinterpret_cast<LPARAM>(listed));
                 },
                 Key(IDC_RUN_PROGRAMS, VK_RETURN), Key(IDC_RUN_PROGRAMS, VK_ESCAPE)}),
            3u);
  EXPECT_EQ(std::string(listed), "AutoCADが見つかりません。「参照...」で選んでください。");

  // Esc in the list, Esc on a button and Alt+F4 cancel; Tab goes round the
  // controls; Enter in the list runs the one selected.
  registry.keys[kAcad + L"R24.1\\ACAD-6101:411"][L"AcadLocation"] = WidePath(folder_ / "acad");
  for (auto cancel :
       {Key(IDC_RUN_PROGRAMS, VK_ESCAPE), Key(IDC_RUN_BROWSE, VK_ESCAPE), Key(IDOK, VK_F4, true)})
    EXPECT_EQ(run({cancel}), 1u);
  focus.clear();
  run({Key(0, VK_TAB), Key(0, VK_TAB), Key(0, VK_TAB), Key(0, VK_TAB), Key(0, VK_RETURN)});
  EXPECT_EQ(focus,
            (std::vector<int>{IDC_RUN_PROGRAMS, IDC_RUN_BROWSE, IDOK, IDCANCEL, IDC_RUN_PROGRAMS}));
  EXPECT_EQ(registry.started, std::vector<std::wstring>{WidePath(acad) + L"|\"" + WidePath(acad) +
                                                        L"\" /nologo /b \"" + WidePath(script) +
                                                        L"\"|" + WidePath(folder_ / "scripts\\")});
  EXPECT_EQ(Text(IDC_STATUS), "AutoCADを起動しました。\n終了後に変換結果を確認できます。");

  // A program picked by hand (Enter on the browse button); its start fails.
  fake_->onOpenFile = [&](OPENFILENAMEA& ofn) { return AnswerFileDialog(ofn, other); };
  registry.startError = ERROR_ACCESS_DENIED;
  run({Key(IDC_RUN_BROWSE, VK_RETURN), Key(IDC_RUN_PROGRAMS, VK_RETURN)});
  ASSERT_EQ(registry.started.size(), 2u);
  EXPECT_EQ(registry.started[1].rfind(WidePath(other) + L"|", 0), 0u);
  EXPECT_EQ(fake_->MessageTexts().back().rfind("AutoCADを起動できませんでした。\n", 0), 0u);
  EXPECT_NE(fake_->MessageTexts().back().find("(5)"), std::string::npos);

  // The program used last (the one that started) comes before a newer one.
  registry.startError = 0;
  registry.keys[kAcad + L"R25.0\\ACAD-8101:411"][L"Location"] = WidePath(folder_ / "acad25");
  run({Key(IDC_RUN_PROGRAMS, VK_RETURN)});
  EXPECT_EQ(registry.started.back().rfind(WidePath(acad) + L"|", 0), 0u);

  // The stand-in converts a and c; b stops it.
  WriteTree(out, "", "a.dwg|c.dwg");
  fake_->messages.clear();
  fake_->onMessage = [](const ShownMessage&) { return IDYES; };
  Command(ID_CHECK_RESULTS);
  EXPECT_EQ(fake_->MessageTexts(), std::vector<std::string>{"未変換の図面だけをﾘｽﾄに残しますか？"});
  EXPECT_EQ(fake_->messages[0].type, UINT{MB_YESNO | MB_ICONQUESTION});
  EXPECT_EQ(Text(IDC_STATUS), "変換済み 2個 / 未変換 1個");
  EXPECT_EQ(dialog_->SourceList().GetAllTexts(), std::vector<std::string>{src + "b.dxf"});
  EXPECT_EQ(Text(IDC_COUNT_LABEL), "FILE=1");
  Click(IDC_SAVE_SCRIPT);
  EXPECT_EQ(ReadFileBytes(script),
            "NEW  DXFIN\r\n" + src + "b.dxf\r\nSAVE\r\n" + out + "b.dwg\r\n");
  // With all converted nothing is asked.
  WriteFileBytes(out + "b.dwg", "");
  Command(ID_CHECK_RESULTS);
  EXPECT_EQ(fake_->messages.size(), 1u);
  EXPECT_EQ(Text(IDC_STATUS), "変換済み 1個 / 未変換 0個");

  // The program used last is the seventh line of the settings file.
  ::SendMessageA(Dialog(), WM_CLOSE, 0, 0);
  EXPECT_EQ(ReadFileBytes(folder_ / "tewo.ini"),
            "0\r\n0\r\n\r\n\r\n" + folder_ / "scripts\\\r\n0\r\n" + acad + "\r\n");
}

}  // namespace
