#pragma once
// The settings file: lines beside the executable that keep the restore
// switch, the conversion mode, three folders and the kept folder tree from
// one run to the next. The first five lines are those that older copies of
// the tool read; later lines follow them.

#include <optional>
#include <string>
#include <string_view>

#include "common/file_replace.h"
#include "script/script_expansion.h"

namespace tewo {

// The executable's path with ".ini" for its extension, the whole path in
// lower case (single-byte letters only; double-byte characters stay).
std::string SettingsPathFor(std::string_view exePath);

// Bytes that one read of line 1, 2 or 6 takes, and of lines 3 to 5, line
// break included; a longer line is cut there and its rest read as the next line.
inline constexpr std::size_t kSettingsShortLineBytes = 9;
inline constexpr std::size_t kSettingsFolderLineBytes = 259;

// What a settings file holds. A line that the file does not have (or that
// is not read) is absent, and the caller keeps its default for it.
struct StoredSettings {
  std::optional<std::string> restoreSwitch;  // line 1 as read, line break removed
  std::optional<ConversionMode> mode;        // line 2: "0" is DXF to DWG, anything else DWG to DXF
  // Lines 3 to 5, read only when line 1 restores them (see RestoresFolders).
  std::optional<std::string> destination;
  std::optional<std::string> sourceFolder;
  std::optional<std::string> scriptFolder;
  // Line 6, read whatever line 1 says: "1" keeps the folder tree.
  std::optional<bool> keepTree;
  // Line 7: the program that ran a script last. Read whatever line 1 says.
  std::optional<std::string> lastProgram;
};

// Only the restore switch "1" brings the folders back.
inline bool RestoresFolders(std::string_view restoreSwitch) { return restoreSwitch == "1"; }

// Reads the settings file. A missing or unreadable file gives nothing; a
// read failure ends the reading there.
StoredSettings ReadSettingsFile(const std::string& path);

// The same for a file's bytes.
StoredSettings ParseSettingsFile(std::string_view bytes);

struct SettingsToWrite {
  std::string restoreSwitch;  // written as held
  ConversionMode mode = ConversionMode::DxfToDwg;
  std::string destination;  // the three folders are written after blank trimming
  std::string sourceFolder;
  std::string scriptFolder;
  bool keepTree = false;    // line 6: "1" or "0"
  std::string lastProgram;  // line 7, written only when not empty
};

// Writes the settings file's lines into a new file that then takes the
// old one's place. Not ok when the file cannot be created, a write fails or
// the replacement fails; the old file then stays as it was unless the result
// says where it was kept.
WriteResult WriteSettingsFile(const std::string& path, const SettingsToWrite& settings,
                              const FileCalls* calls = nullptr);

}  // namespace tewo
