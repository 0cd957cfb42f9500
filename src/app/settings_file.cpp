#include "app/settings_file.h"

#include <utility>

#include "common/file_write.h"
#include "common/path_split.h"
#include "common/text_file.h"
#include "common/text_util.h"

namespace tewo {

namespace {

// One line of at most maxBytes bytes (line break included) with its line
// break removed; absent at the end of the file or on a read failure.
std::optional<std::string> ReadLine(TextFileReader& reader, std::size_t maxBytes) {
  std::string piece;
  if (reader.ReadPiece(piece, maxBytes) != TextFileReader::Result::Piece) return std::nullopt;
  if (piece.back() == '\n') piece.pop_back();
  return piece;
}

}  // namespace

std::string SettingsPathFor(std::string_view exePath) {
  PathPartViews parts = SplitPathViews(exePath);
  std::string path;
  path.reserve(exePath.size() + 4);
  path.append(parts.drive).append(parts.dir).append(parts.fname).append(".ini");
  return ToLowerAscii(path);
}

namespace {

StoredSettings ReadSettings(TextFileReader& reader) {
  StoredSettings stored;
  stored.restoreSwitch = ReadLine(reader, kSettingsShortLineBytes);
  if (!stored.restoreSwitch) return stored;
  std::optional<std::string> modeLine = ReadLine(reader, kSettingsShortLineBytes);
  if (!modeLine) return stored;
  stored.mode = *modeLine == "0" ? ConversionMode::DxfToDwg : ConversionMode::DwgToDxf;

  // The folders are read past, to reach lines 6 and 7, when they are not restored.
  std::optional<std::string> folders[3];
  for (std::optional<std::string>& folder : folders) {
    folder = ReadLine(reader, kSettingsFolderLineBytes);
    if (!folder) break;
  }
  if (RestoresFolders(*stored.restoreSwitch)) {
    stored.destination = std::move(folders[0]);
    stored.sourceFolder = std::move(folders[1]);
    stored.scriptFolder = std::move(folders[2]);
  }
  if (!folders[2]) return stored;
  const auto keepTree = ReadLine(reader, kSettingsShortLineBytes);
  if (!keepTree) return stored;
  stored.keepTree = *keepTree == "1";
  stored.lastProgram = ReadLine(reader, kSettingsFolderLineBytes);
  return stored;
}

}  // namespace

StoredSettings ReadSettingsFile(const std::string& path) {
  TextFileReader reader;
  if (!reader.Open(path)) return {};
  return ReadSettings(reader);
}

StoredSettings ParseSettingsFile(std::string_view bytes) {
  TextFileReader reader;
  reader.OpenBytes(std::string(bytes));
  return ReadSettings(reader);
}

WriteResult WriteSettingsFile(const std::string& path, const SettingsToWrite& settings,
                              const FileCalls* calls) {
  ReplacingTextFileWriter writer(calls);
  if (!writer.Create(path)) return {};
  writer.WriteLine(settings.restoreSwitch);
  writer.WriteLine(settings.mode == ConversionMode::DxfToDwg ? "0" : "1");
  writer.WriteLine(TrimBlanksView(settings.destination));
  writer.WriteLine(TrimBlanksView(settings.sourceFolder));
  writer.WriteLine(TrimBlanksView(settings.scriptFolder));
  writer.WriteLine(settings.keepTree ? "1" : "0");
  if (!settings.lastProgram.empty()) writer.WriteLine(settings.lastProgram);
  return writer.Commit();
}

}  // namespace tewo
