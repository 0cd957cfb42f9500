#include "framework/ansi_name.h"

#include "framework/wnd.h"

namespace {

int Length(std::size_t size) { return static_cast<int>(size); }

}  // namespace

AnsiName ToAnsiName(std::wstring_view wide) {
  AnsiName name;
  if (wide.empty()) return name;
  // Two bytes a character hold every text in a double-byte code page: one
  // pass then, without asking for the size first (long lists of names).
  name.text.resize(wide.size() * 2);
  BOOL usedDefault = FALSE;
  int bytes = ::WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), Length(wide.size()),
                                    name.text.data(), Length(name.text.size()), "?", &usedDefault);
  if (bytes <= 0) {
    bytes = ::WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), Length(wide.size()),
                                  nullptr, 0, nullptr, nullptr);
    if (bytes <= 0) {
      name.text.clear();
      name.exact = false;
      return name;
    }
    name.text.resize(static_cast<std::size_t>(bytes));
    ::WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), Length(wide.size()),
                          name.text.data(), bytes, "?", &usedDefault);
  }
  name.text.resize(static_cast<std::size_t>(bytes));
  // The way back catches a code shared by two characters, where the ANSI API
  // would name the other one.
  name.exact = !usedDefault && ToWide(name.text) == wide;
  return name;
}

bool NameIsCarried(HWND owner, const AnsiName& name, NameUse use) {
  if (name.exact) return true;
  ReportMessage(owner, use == NameUse::Open ? "ﾌｧｲﾙ名に使えない文字があるため開けません！"
                                            : "ﾌｧｲﾙ名に使えない文字があるため保存できません！");
  return false;
}

std::wstring ToWide(std::string_view ansi) {
  if (ansi.empty()) return {};
  // No more characters than bytes: one pass.
  std::wstring wide(ansi.size(), L'\0');
  const int chars = ::MultiByteToWideChar(CP_ACP, 0, ansi.data(), Length(ansi.size()), wide.data(),
                                          Length(wide.size()));
  wide.resize(chars > 0 ? static_cast<std::size_t>(chars) : 0);
  return wide;
}

std::wstring WindowTextWide(HWND window) {
  const int length = ::GetWindowTextLengthW(window);
  if (length <= 0) return {};
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  text.resize(static_cast<std::size_t>(::GetWindowTextW(window, text.data(), length + 1)));
  return text;
}
