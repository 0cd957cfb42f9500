#pragma once

#include <string>
#include <string_view>

#include "script/script_expansion.h"

class CDialog;
class CListBox;

namespace tewo {

// The window that runs the check of a batch: as for the save, the dialog
// holds the destination field and the status label.
struct ResultCheckWindow {
  CDialog& dialog;
  CListBox& sourceList;
  ConversionMode mode;
  const std::string& lastScriptPath;   // the script saved last in this run, or empty
  bool keepTree = false;               // outputs keep the entries' folders, as the save has them
  std::string_view sourceFolder = {};  // the base folder when every entry lies under it
};

// "変換結果の確認": which entries' outputs AutoCAD has written since the
// script was saved. Those not converted are selected; the user may keep only
// them in the list, for a script of the failures. True when the list changed.
bool CheckResults(const ResultCheckWindow& window);

}  // namespace tewo
