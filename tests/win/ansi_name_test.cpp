#include <windows.h>
#include <gtest/gtest.h>

#include <string>

#include "framework/ansi_name.h"

namespace {

// Which wide names reach the ANSI API as themselves under code page 932.
TEST(AnsiName, OnlyNamesThatConvertExactlyAreCarried) {
  const struct {
    const wchar_t* wide;
    const char* text;  // exact form, or the display form
    bool exact;
  } kCases[] = {
      {L"", "", true},
      {L"C:\\a\\b.dxf", "C:\\a\\b.dxf", true},
      {L"C:\\\u56F3\u9762\u8868\\\u80FD.dxf", "C:\\図面表\\能.dxf", true},  // trail bytes 0x5C
      {L"\uFF71\uFF72.scr", "ｱｲ.scr", true},                                // half-width kana
      {L"\uFF5E.scr", "～.scr", true},            // the tilde code page 932 has
      {L"\u301C.scr", "?.scr", false},            // the wave dash it best-fits to that tilde
      {L"Stra\u00DFe.scr", "Stra?e.scr", false},  // a look-alike "s" without the check
      {L"caf\u00E9.dxf", "caf?.dxf", false},
      {L"\uD55C.dxf", "?.dxf", false},  // Korean
  };
  for (const auto& c : kCases) {
    const AnsiName name = ToAnsiName(c.wide);
    EXPECT_EQ(name.text, c.text) << c.text;
    EXPECT_EQ(name.exact, c.exact) << c.text;
  }
  // An emoji is a surrogate pair: refused, shown with question marks.
  const AnsiName emoji = ToAnsiName(L"a\U0001F600.dxf");
  EXPECT_FALSE(emoji.exact);
  EXPECT_EQ(emoji.text.substr(0, 2), "a?");
  EXPECT_EQ(ToWide("図面表\\能"), L"\u56F3\u9762\u8868\\\u80FD");
}

}  // namespace
