#pragma once
// The application object: exists once, as a static object of the program.
// It is the only global: the framework reaches it through AfxGetApp().

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "framework/system.h"

class CWnd;

class CWinApp {
 public:
  CWinApp();
  virtual ~CWinApp();
  CWinApp(const CWinApp&) = delete;
  CWinApp& operator=(const CWinApp&) = delete;

  // Runs the program. Returning FALSE ends the process without a message loop.
  virtual BOOL InitInstance() { return FALSE; }

  // Full path of the running executable, as the system holds it.
  virtual std::wstring ModuleFileNameWide() const;
  // That path in the ANSI code page, through which the tool names the files
  // beside it (exact only when InstallFolderIsUsable said so at start-up).
  virtual std::string ModuleFileName() const;

  ISystem& System() { return *system_; }
  void SetSystem(std::unique_ptr<ISystem> system) { system_ = std::move(system); }

  // Modeless windows that take part in the modal loops' dialog navigation.
  void AddModeless(CWnd* window);
  void RemoveModeless(CWnd* window);
  // Gives a modeless window the message when it is meant for it.
  bool PreTranslateModeless(MSG& msg);
  // Hands on a message that a loop took in wide form (GetMessageW, so that a
  // typed character arrives whole, also one that the code page lacks): to the
  // keyboard navigation of a modeless window or of modal, else translated and
  // dispatched in wide form.
  void DispatchLoopMessage(MSG& msg, CWnd* modal = nullptr);

  // The message that the find and replace dialogs notify their owner with,
  // registered once at start-up.
  UINT FindReplaceMessage() const { return findReplaceMessage_; }

  HINSTANCE m_hInstance = nullptr;
  CWnd* m_pMainWnd = nullptr;

 private:
  std::unique_ptr<ISystem> system_;
  std::vector<CWnd*> modeless_;
  UINT findReplaceMessage_;
};

CWinApp* AfxGetApp();
HINSTANCE AfxGetInstanceHandle();

// The 3-D look of dialog controls is the system's own on every Windows the
// tool runs on; kept as the start-up step that asks for it.
inline void Enable3dControlsStatic() {}
