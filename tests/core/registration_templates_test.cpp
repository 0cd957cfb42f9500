#include "templates/registration_templates.h"

#include <signal.h>
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <filesystem>

#include "common/file_write.h"
#include "script/template_file_writer.h"
#include "test_files.h"

namespace tewo {
namespace {

using test::CrLf;
using test::TempDir;
using test::Visible;

const RegistrationLayout& kDialog1 = LayoutOf(RegistrationDialog::DxfToDwg);
const RegistrationLayout& kDialog2 = LayoutOf(RegistrationDialog::DwgToDxf);

// What Load leaves in a dialog: the four edit texts, the non-empty
// other-mode stores, the precision ("-" when absent) and the invalid lines.
std::string Loaded(const RegistrationLayout& layout, const std::string& path) {
  const std::optional<LoadedTemplates> loaded = LoadRegistrationTemplates(layout, path);
  if (!loaded) return "unreadable";
  std::string all;
  for (const std::string& text : loaded->editTexts) all += text + "|";
  for (int field = 1; field <= 9; ++field) {
    if (!loaded->otherModeStores[field].empty()) all += loaded->otherModeStores[field] + "|";
  }
  all += loaded->precisionText.value_or("-");
  for (const std::string& line : loaded->invalidLines) all += "|" + RegistrationErrorMessage(line);
  return all;
}

TEST(RegistrationLoad, WhatEachDialogHolds) {
  struct Case {
    const RegistrationLayout* layout;
    std::string file;  // LF ends, written with CR LF
    std::string loaded;
  };
  const std::string err = "登録ｺﾏﾝﾄﾞｴﾗｰ\n";
  const Case cases[] = {
      {&kDialog1, "05o\n01a\n0912\n02b\n01c\n01\n", "a\r\nc\r\n\r\n|b\r\n|||05o\n|0912\n|-"},
      {&kDialog2, "05o\n01a\n0912\n02b\n01c\n", "o\r\n||||01a\n01c\n|02b\n|12"},
      {&kDialog2, "0912\n0916\n", "||||16"},  // a later precision replaces an earlier one
      {&kDialog2, "0912\n09\n", "||||"},
      {&kDialog1, "0912\n0916\n", "||||0912\n0916\n|-"},
      {&kDialog1, "\n10x\n-1\n0\n 1z\n",
       "z\r\n||||-|" + err + "\r\n|" + err + "10x\r\n|" + err + "-1\r\n|" + err + "0\r\n"},
  };
  TempDir dir;
  for (const Case& c : cases) {
    test::WriteBytes(dir.File("tewoc.ini"), CrLf(c.file));
    EXPECT_EQ(Visible(Loaded(*c.layout, dir.File("tewoc.ini"))), Visible(c.loaded)) << c.file;
  }
  EXPECT_EQ(Loaded(kDialog1, dir.File("missing.ini")), "unreadable");
  EXPECT_EQ(Loaded(kDialog2, dir.path()), "unreadable");
}

TEST(EditLines, AsAnEditCountsThem) {
  using Lines = std::vector<std::string>;
  EXPECT_EQ(EditLines(""), Lines{""});
  EXPECT_EQ(EditLines("a\r\n"), (Lines{"a", ""}));
  EXPECT_EQ(EditLines("a\r\n\r\nb\nc\r"), (Lines{"a", "", "b\nc\r"}));
}

TEST(FormatTemplateFile, SaveFormatting) {
  using Edits = std::array<std::vector<std::string>, 4>;
  struct Case {
    const RegistrationLayout* layout;
    Edits edits;
    std::vector<std::pair<int, std::string>> stores;
    std::string precision;
    std::string file;
  };
  const std::string cut = std::string(255, 's') + "表";  // the 256th byte starts 表
  const Case cases[] = {
      {&kDialog1, {{{""}, {}, {""}, {""}}}, {}, "x", "01\n02\n03\n04\n"},
      {&kDialog2, {{{""}, {""}, {""}, {""}}}, {}, "", "05\n06\n07\n08\n09\n"},
      {&kDialog1,
       {{{"a", "//E", "x"}, {"b", "//e", "x"}, {"//E ", "c"}, {"d", ""}}},
       {},
       "",
       "01a\n01//E\n02b\n02//e\n03//E \n03c\n04d\n04\n"},
      {&kDialog1,
       {{{std::string(300, 'x')}, {cut}, {""}, {""}}},
       {},
       "",
       "01" + std::string(256, 'x') + "\n02" + std::string(255, 's') + "\n03\n04\n"},
      {&kDialog2,
       {{{"o"}, {""}, {""}, {""}}},
       {{2, "02b\n"}, {1, "01a\n01c\n"}},
       "16",
       "01a\n01c\n02b\n05o\n06\n07\n08\n0916\n"},
      {&kDialog1,
       {{{"a"}, {""}, {""}, {""}}},
       {{9, "0912\n0916\n"}, {5, "05x\n"}},
       "",
       "01a\n02\n03\n04\n05x\n0912\n0916\n"},
  };
  for (const Case& c : cases) {
    std::array<std::string, 10> stores;
    for (const auto& [field, text] : c.stores) stores[field] = text;
    EXPECT_EQ(Visible(FormatTemplateFile(*c.layout, c.edits, stores, c.precision)),
              Visible(c.file));
  }
}

// Opens a dialog on the file, leaves the edits as loaded and saves.
void LoadAndSave(const RegistrationLayout& layout, const std::string& path) {
  const std::optional<LoadedTemplates> loaded = LoadRegistrationTemplates(layout, path);
  ASSERT_TRUE(loaded.has_value());
  std::array<std::vector<std::string>, 4> edits;
  for (int i = 0; i < 4; ++i) edits[i] = EditLines(loaded->editTexts[i]);
  ASSERT_TRUE(WriteTemplateFile(path, FormatTemplateFile(layout, edits, loaded->otherModeStores,
                                                         loaded->precisionText.value_or(""))));
}

TEST(RegistrationRoundTrip, FilesAfterLoadAndSave) {
  const std::string a252(252, 'a'), b252(252, 'b'), p40 = "09" + std::string(38, '7');
  std::string block;  // 40 lines of 50 bytes: 2,000 bytes in field 05
  for (int i = 10; i < 50; ++i) block += "05" + std::string(46, 'k') + std::to_string(i) + "\n";
  // Invalid lines vanish; so does the rest of the 300-byte line, which has
  // no field number of its own.
  const std::string odd =
      "\n10x\n-1\n0\n01" + a252 + "\n02" + b252 + std::string(46, 'b') + "\n" + block + p40 + "\n";
  struct Case {
    const RegistrationLayout* layout;
    int cycles;
    std::string file, saved;  // LF ends; on disk CR LF
  };
  std::string factory = test::FactoryTemplateFile();
  std::erase(factory, '\r');
  const std::string order = "05o\n05//E\n01a\n01//E\n0912\n02b\n02//E\n";
  const Case cases[] = {
      {&kDialog1, 2, factory, factory},
      {&kDialog2, 2, factory, factory},
      // A block without //E gains a line per cycle, and so does an empty edit.
      {&kDialog1, 3, "01a\n05o\n", "01a\n01\n01\n01\n02\n02\n02\n03\n03\n03\n04\n04\n04\n05o\n"},
      {&kDialog1, 1, order, "01a\n01//E\n02b\n02//E\n03\n04\n05o\n05//E\n0912\n"},
      {&kDialog2, 1, order, "01a\n01//E\n02b\n02//E\n05o\n05//E\n06\n07\n08\n0912\n"},
      {&kDialog1, 1, odd, "01" + a252 + "\n01\n02" + b252 + "\n02\n03\n04\n" + block + p40 + "\n"},
      {&kDialog2, 1, odd,
       "01" + a252 + "\n02" + b252 + "\n" + block + "05\n06\n07\n08\n" + p40 + "\n"},
  };
  TempDir dir;
  const std::string path = dir.File("tewoc.ini");
  for (const Case& c : cases) {
    test::WriteBytes(path, CrLf(c.file));
    for (int i = 0; i < c.cycles; ++i) LoadAndSave(*c.layout, path);
    EXPECT_EQ(Visible(test::ReadBytes(path)), Visible(CrLf(c.saved)));
    EXPECT_EQ(test::FileNames(dir.path()), std::vector<std::string>{"tewoc.ini"});
  }
}

TEST(WriteTemplateFile, OldFileStaysOnFailure) {
  const std::string old = "01old\r\n", text = "01new\n" + std::string(1 << 20, 'n') + "\n";
  TempDir dir;
  const std::string path = dir.File("tewoc.ini");
  test::WriteBytes(path, old);
  // The new file cannot be created: the folder is gone.
  EXPECT_FALSE(WriteTemplateFile(dir.File("gone/tewoc.ini"), text));

  // A write fails half way: the file size limit stops it.
  rlimit saved{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
  rlimit small = saved;
  small.rlim_cur = 4096;
  auto previous = signal(SIGXFSZ, SIG_IGN);
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  const bool written = WriteTemplateFile(path, text).ok;
  setrlimit(RLIMIT_FSIZE, &saved);
  signal(SIGXFSZ, previous);
  EXPECT_FALSE(written);
  EXPECT_EQ(test::ReadBytes(path), old);
  EXPECT_EQ(test::FileNames(dir.path()), std::vector<std::string>{"tewoc.ini"});
}

TEST(WriteTemplateFile, ReadOnlyFolderKeepsTheOldFile) {
  if (geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
  const std::string old = "01old\r\n", text = "01new\n";
  TempDir dir;
  const std::string path = dir.File("tewoc.ini");
  test::WriteBytes(path, old);
  std::filesystem::permissions(dir.path(), std::filesystem::perms::owner_write,
                               std::filesystem::perm_options::remove);
  EXPECT_FALSE(WriteTemplateFile(path, text));
  std::filesystem::permissions(dir.path(), std::filesystem::perms::owner_write,
                               std::filesystem::perm_options::add);
  EXPECT_EQ(test::ReadBytes(path), old);
}

}  // namespace
}  // namespace tewo
