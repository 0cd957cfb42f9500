#include "framework/write_failure.h"

#include "framework/wnd.h"

void ReportWriteFailure(HWND owner, std::string text, const tewo::WriteResult& result) {
  if (!result.oldContentAt.empty()) {
    text += "\n元の内容は次のﾌｧｲﾙに残っています：" + result.oldContentAt;
  }
  if (!result.newContentAt.empty()) {
    text += "\n新しい内容は次のﾌｧｲﾙに残っています：" + result.newContentAt;
  }
  ReportMessage(owner, text);
}
