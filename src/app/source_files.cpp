#include "app/source_files.h"

#include "common/path_split.h"

namespace tewo {

bool IsSourceOfMode(std::string_view path, ConversionMode mode) {
  const char* wanted = mode == ConversionMode::DxfToDwg ? ".dxf" : ".dwg";
  return ToLowerAscii(SplitPath(path).ext) == wanted;
}

std::string RejectionText(std::string_view path, ConversionMode mode) {
  const char* text =
      mode == ConversionMode::DxfToDwg ? "DXFﾌｧｲﾙではありません\n" : "DWGﾌｧｲﾙではありません\n";
  return text + FileNameOf(path);
}

std::string CountLabelText(int entries) { return "FILE=" + std::to_string(entries); }

}  // namespace tewo
