#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "e2e/app_process.h"
#include "e2e/robot.h"
#include "resources/resource.h"

inline constexpr char kSaveDialogTitle[] = "ｽｸﾘﾌﾟﾄﾌｧｲﾙの保存";

// A running tool with its main dialog found.
class RunningTool : public ::testing::Test {
 protected:
  void SetUp() override {
    app_ = std::make_unique<AppProcess>(install_);
    ASSERT_TRUE(app_->started());
    main_ = robot::WaitForWindow(app_->pid(), "TEWO");
    ASSERT_NE(main_, nullptr) << "the main dialog did not appear";
  }

  HWND Item(int id) const { return ::GetDlgItem(main_, id); }

  // Fills the destination and the source list as the user would.
  void Prepare(const std::string& destination, const std::vector<std::string>& entries) {
    robot::SetText(Item(IDC_DESTINATION), destination);
    for (const std::string& e : entries) {
      ::SendMessageA(Item(IDC_SOURCE_LIST), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(e.c_str()));
    }
  }

  // Presses "ｽｸﾘﾌﾟﾄ 保存" and answers the real save dialog with path.
  void SaveAs(const std::string& path, std::string* proposed = nullptr) {
    robot::PressButton(main_, IDC_SAVE_SCRIPT);
    HWND save = robot::WaitForWindow(app_->pid(), kSaveDialogTitle);
    ASSERT_NE(save, nullptr) << "the save dialog did not appear";
    HWND field = robot::FileNameField(save);
    ASSERT_NE(field, nullptr);
    if (proposed != nullptr) *proposed = robot::Text(field);
    robot::SetText(field, path);
    robot::PressButton(save, IDOK);
    ASSERT_TRUE(robot::WaitUntil([&] { return !::IsWindow(save); }));
  }

  InstallFolder install_;
  std::unique_ptr<AppProcess> app_;
  HWND main_ = nullptr;
};
