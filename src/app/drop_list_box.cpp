#include "app/drop_list_box.h"

#include "app/main_dialog.h"

const MessageMapEntry<CDropListBox> CDropListBox::kMessageMap[] = {
    MapMessage(WM_DROPFILES, &CDropListBox::OnDropFiles),
};

bool CDropListBox::OnControlMessage(UINT message, WPARAM wp, LPARAM lp, LRESULT& result) {
  INT_PTR handled = 0;
  if (!Dispatch<CDropListBox>(*this, kMessageMap, message, wp, lp, handled)) return false;
  result = handled;
  return true;
}

INT_PTR CDropListBox::OnDropFiles(WPARAM wp, LPARAM lp) {
  HDROP drop = reinterpret_cast<HDROP>(wp);
  owner_.DropSourceFiles(drop);
  LRESULT result = CallOriginal(WM_DROPFILES, wp, lp);
  // The dropped names were handed over to this window: release them.
  ::DragFinish(drop);
  return result;
}
