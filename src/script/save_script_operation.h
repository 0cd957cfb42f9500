#pragma once

#include <string>
#include <string_view>

#include "script/script_expansion.h"

class CDialog;
class CListBox;

namespace tewo {

// The window that runs the save-script operation: what the operation reads
// from it and sets on it. The dialog holds the destination field, the status
// label and the source list under their control ids.
struct ScriptSaveWindow {
  CDialog& dialog;
  CListBox& sourceList;
  ConversionMode mode;
  std::string& lastScriptPath;         // set to the script chosen in the save dialog
  std::string& scriptFolder;           // set to that script's drive and folder
  bool keepTree = false;               // outputs keep the entries' folders below a base folder
  std::string_view sourceFolder = {};  // the base folder when every entry lies under it
};

// Entries on different drives or shares have no common folder to keep the
// tree below: neither the save nor the check of results can name an output.
inline constexpr char kNoCommonFolder[] =
    "変換元ﾌｧｲﾙのﾄﾞﾗｲﾌﾞ又は共有ﾌｫﾙﾀﾞが異なるため、ﾌｫﾙﾀﾞ構成を保持できません！";

// The destination field's text as the script names it: not blank, with its
// final backslash (written back into the field), naming a folder that is
// there. Otherwise empty: the user has been told and the field has the focus.
std::string TakeCheckedDestination(const CDialog& dialog);

// "ｽｸﾘﾌﾟﾄ 保存": checks the destination and the source list, asks where to
// save, reads the command template file and writes the expanded script.
// Everything it reports goes to message boxes or the status label.
void SaveScript(const ScriptSaveWindow& window);

}  // namespace tewo
