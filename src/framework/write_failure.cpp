#include "framework/write_failure.h"

#include "framework/wnd.h"

std::string LeftBehindLines(const tewo::WriteResult& result) {
  std::string lines;
  for (const std::string& path : result.leftBehind) {
    lines += "\n不要なﾌｧｲﾙが残っています：" + path;
  }
  return lines;
}

void ReportWriteFailure(HWND owner, std::string text, const tewo::WriteResult& result) {
  if (!result.oldContentAt.empty()) {
    text += "\n元の内容は次のﾌｧｲﾙに残っています：" + result.oldContentAt;
  }
  if (!result.newContentAt.empty()) {
    text += "\n新しい内容は次のﾌｧｲﾙに残っています：" + result.newContentAt;
  }
  ReportMessage(owner, text + LeftBehindLines(result));
}

void ReportLeftBehind(HWND owner, const tewo::WriteResult& result) {
  if (!result.leftBehind.empty()) ReportMessage(owner, LeftBehindLines(result).substr(1));
}
