#include "app/source_files.h"

#include "common/path_split.h"

namespace tewo {

bool IsSourceOfMode(std::string_view path, ConversionMode mode) {
  const char* wanted = mode == ConversionMode::DxfToDwg ? ".dxf" : ".dwg";
  return ToLowerAscii(SplitPathViews(path).ext) == wanted;
}

std::string RejectionText(std::string_view path, ConversionMode mode) {
  // "DXFﾌｧｲﾙではありません" and "DWGﾌｧｲﾙではありません", as Shift-JIS bytes
  // (the core's texts build the same with any compiler).
  constexpr const char* kNotDxf =
      "DXF\xCC\xA7\xB2\xD9\x82\xC5\x82\xCD\x82\xA0\x82\xE8\x82\xDC\x82\xB9\x82\xF1\n";
  constexpr const char* kNotDwg =
      "DWG\xCC\xA7\xB2\xD9\x82\xC5\x82\xCD\x82\xA0\x82\xE8\x82\xDC\x82\xB9\x82\xF1\n";
  return (mode == ConversionMode::DxfToDwg ? kNotDxf : kNotDwg) + FileNameOf(path);
}

std::string CountLabelText(int entries) { return "FILE=" + std::to_string(entries); }

}  // namespace tewo
