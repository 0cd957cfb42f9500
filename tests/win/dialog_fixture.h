#pragma once

#include <windows.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "framework/wnd.h"

// A test that drives a dialog of type D of this process through its controls.
template <class D>
class DialogFixture : public ::testing::Test {
 protected:
  HWND Dialog() const { return dialog_->m_hWnd; }
  HWND Item(int id) const { return ::GetDlgItem(Dialog(), id); }
  std::string Text(int id) const { return dialog_->GetDlgItemText(id); }
  void SetText(int id, const std::string& text) const { dialog_->SetDlgItemText(id, text); }
  void Click(int id) const {
    ::SendMessageA(Dialog(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                   reinterpret_cast<LPARAM>(Item(id)));
  }

  std::unique_ptr<D> dialog_;
};
