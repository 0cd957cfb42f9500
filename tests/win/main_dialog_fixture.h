#pragma once

#include <windows.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/main_dialog.h"
#include "resource.h"
#include "win/dialog_fixture.h"
#include "win/test_app.h"

// A real main dialog, created modeless so that the test can drive its
// controls, beside a temporary folder that plays the executable's folder.
class MainDialogTest : public DialogFixture<CMainDialog> {
 protected:
  void SetUp() override {
    fake_ = &TestApp().ResetSystem();
    TestApp().moduleFileName = folder_ / "tewo.exe";
    PrepareFolder();
    dialog_ = std::make_unique<CMainDialog>();
    ASSERT_TRUE(dialog_->Create(IDD_MAIN, nullptr));
    TestApp().m_pMainWnd = dialog_.get();
  }

  void TearDown() override {
    TestApp().m_pMainWnd = nullptr;
    dialog_->DestroyWindow();
    dialog_.reset();
  }

  // Runs before the dialog opens: a test puts its settings file here.
  virtual void PrepareFolder() {}

  void Command(int id) const { ::SendMessageA(Dialog(), WM_COMMAND, MAKEWPARAM(id, 0), 0); }
  bool Checked(int id) const { return ::SendMessageA(Item(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }
  void AddEntries(const std::vector<std::string>& entries) const {
    for (const std::string& e : entries) dialog_->SourceList().AddString(e);
  }
  std::vector<int> Selected() const { return dialog_->SourceList().GetSelItems(); }

  // True when a WM_CLOSE for the dialog waits in the queue (it is taken out).
  bool CloseRequested() const {
    MSG msg;
    return ::PeekMessageA(&msg, Dialog(), WM_CLOSE, WM_CLOSE, PM_REMOVE) != FALSE;
  }

  TempFolder folder_;
  FakeSystem* fake_ = nullptr;
};
