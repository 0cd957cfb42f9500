#pragma once

#include <windows.h>
#include <shellapi.h>

#include <string>

#include "framework/dialog.h"
#include "framework/message_map.h"
#include "templates/registration_templates.h"

// A command registration dialog: shows one conversion mode's templates from
// the command template file, resets them to the factory templates, loads
// them from a dropped file and writes the whole file on Save. Both dialogs
// are this class; what differs between them is data (RegistrationLayout).
class CRegistrationDialog : public CDialog {
 public:
  explicit CRegistrationDialog(tewo::RegistrationDialog which);

  static UINT TemplateOf(tewo::RegistrationDialog which);

 protected:
  BOOL OnInitDialog() override;
  // Enter and Esc close nothing.
  void OnOK() override {}
  void OnCancel() override {}
  bool OnMessage(UINT message, WPARAM wp, LPARAM lp, INT_PTR& result) override;

 private:
  INT_PTR OnClose(WPARAM wp, LPARAM lp);
  INT_PTR OnDropFiles(WPARAM wp, LPARAM lp);
  void OnCloseButton();
  void OnSave();
  void Save();
  void OnDefault();

  // Empties the edits and the stores, then reads path into them. Ends the
  // program when the file cannot be read.
  void Load(const std::string& path);
  void ClearEdits() const;

  static const MessageMapEntry<CRegistrationDialog> kMessageMap[];

  tewo::RegistrationDialog which_;
  const tewo::RegistrationLayout& layout_;
  tewo::LoadedTemplates loaded_;
  // Whether the last load ran to its end. After a load that failed half way
  // the stores do not hold the other mode's templates, and a Save would
  // erase them from the file: it is refused instead.
  bool loadComplete_ = false;
};
