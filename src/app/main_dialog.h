#pragma once

#include <array>
#include <set>
#include <string>

#include <windows.h>
#include <shellapi.h>

#include "app/drop_list_box.h"
#include "framework/ansi_name.h"
#include "framework/dialog.h"
#include "framework/gdi.h"
#include "framework/message_map.h"
#include "script/script_expansion.h"

// The tool's main window: conversion mode, destination folder, source list,
// and the buttons and menu that open everything else.
class CMainDialog : public CDialog {
 public:
  CMainDialog();

  // What the other parts of the tool read and set.
  tewo::ConversionMode Mode() const;
  // The check box that keeps the source folders' tree under the destination.
  bool KeepsTree() const;
  CListBox& SourceList() { return sourceList_; }
  void SetStatus(const std::string& text) const;

  // Files dropped on the source list (Shift or Ctrl held: appended).
  void DropSourceFiles(HDROP drop);

  std::string lastScriptPath;         // the script chosen in the last save dialog; not kept
  std::string scriptFolder;           // its drive and folder; kept in the settings file
  std::string sourceFolder;           // folder of the last file the source dialog returned
  std::string rememberedDestination;  // the destination a button last set
  std::string restoreSwitch = "0";    // "1" restores the folders at start-up
  std::string lastProgram;            // the program that ran a script last; kept

 protected:
  BOOL OnInitDialog() override;
  // Enter and Esc never close the main dialog.
  void OnOK() override {}
  void OnCancel() override {}
  bool OnMessage(UINT message, WPARAM wp, LPARAM lp, INT_PTR& result) override;

 private:
  INT_PTR OnSysCommand(WPARAM wp, LPARAM lp);
  INT_PTR OnPaint(WPARAM wp, LPARAM lp);
  INT_PTR OnQueryDragIcon(WPARAM wp, LPARAM lp);
  INT_PTR OnClose(WPARAM wp, LPARAM lp);
  INT_PTR OnSetCursor(WPARAM wp, LPARAM lp);
  INT_PTR OnCtlColorStatic(WPARAM wp, LPARAM lp);
  INT_PTR OnDpiChanged(WPARAM wp, LPARAM lp);
  void OnDxfToDwg();
  void OnDwgToDxf();
  void OnAppExit();
  void OnAppAbout();
  void OnRegisterDxfToDwg();
  void OnRegisterDwgToDxf();
  void OnHelpContents();
  void OnEditScript();
  void OnSaveScript();
  void OnChooseSources();
  void OnDeleteSources();
  void OnBrowseDestination();
  void OnDesktop();
  void OnAddFolder();
  INT_PTR OnMenuSelect(WPARAM wp, LPARAM lp);
  void OnRunAutoCad();
  void OnCheckResults();

  void UpdateCountLabel() const;
  // Appends path when it has the mode's extension, else beeps and shows why not.
  void AddSource(const AnsiName& path, tewo::ConversionMode mode) const;
  bool AppendKeyHeld() const;
  // The entries of the source list, folded as the file system compares names.
  std::set<std::string> FoldedSources() const;
  void SetDestination(const std::string& folder);

  std::string SettingsPath() const;
  void ReadSettings();
  void WriteSettings() const noexcept;

  void TrimSystemMenu();
  // Shows the glyphs on the four small buttons at the size for dpi.
  void SetButtonIcons(UINT dpi);
  void SetHint(int labelId, const std::string& text) const;
  void ShowModeCaption(tewo::ConversionMode mode) const;

  static const MessageMapEntry<CMainDialog> kMessageMap[];

  static constexpr std::size_t kIconButtons = 4;

  HICON icon_;
  std::array<ScopedIcon, kIconButtons> buttonIcons_;
  CDropListBox sourceList_;
};
