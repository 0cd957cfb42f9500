#pragma once

#include "framework/list_box.h"
#include "framework/message_map.h"

class CMainDialog;

// The source list: a list box that takes files dropped from the shell and
// hands them to the main dialog.
class CDropListBox : public CListBox {
 public:
  explicit CDropListBox(CMainDialog& owner) : owner_(owner) {}

 protected:
  bool OnControlMessage(UINT message, WPARAM wp, LPARAM lp, LRESULT& result) override;

 private:
  INT_PTR OnDropFiles(WPARAM wp, LPARAM lp);

  static const MessageMapEntry<CDropListBox> kMessageMap[];

  CMainDialog& owner_;
};
