// Every writer of the tool against the failures a disk can have: whatever
// fails, the old file stays whole and no new file is left behind; a success
// keeps what the user set on the file and takes no file of the user's.
#include <signal.h>
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <filesystem>
#include <functional>
#include <set>
#include <string>

#include "app/settings_file.h"
#include "common/file_write.h"
#include "common/mbcs.h"
#include "editor/script_text.h"
#include "script/script_file.h"
#include "script/template_file_writer.h"
#include "test_files.h"

namespace tewo {
namespace {

using test::TempDir;

// A writer of the tool, writing a small or a large (4 MB) content to path.
struct Writer {
  const char* name;
  std::function<WriteResult(const std::string& path, bool large)> write;
};

const Writer kWriters[] = {
    {"script",
     [](const std::string& path, bool large) {
       ScriptFileWriter script;
       if (!script.Create(path)) return WriteResult{};
       for (int i = 0; i < (large ? 200000 : 2); ++i) script.WriteLine("OPEN C:\\d\\a.dwg 16");
       return script.Finish();
     }},
    {"settings",
     [](const std::string& path, bool large) {
       SettingsToWrite settings;
       settings.restoreSwitch = "1";
       settings.destination = large ? std::string(4 << 20, 'd') : "D:\\out\\";
       return WriteSettingsFile(path, settings);
     }},
    {"command templates",
     [](const std::string& path, bool large) {
       return WriteTemplateFile(path, large ? "01" + std::string(4 << 20, 't') + "\n" : "01x\n");
     }},
    {"editor",
     [](const std::string& path, bool large) {
       return SaveScriptFile(path, large ? std::string(4 << 20, 'e') : "text\r\n");
     }},
};

const std::string kOld = "old content\r\n";

TEST(WriteFailures, TheOldFileStaysWhole) {
  for (const Writer& writer : kWriters) {
    SCOPED_TRACE(writer.name);
    TempDir dir;
    const std::string path = dir.File("target");
    test::WriteBytes(path, kOld);

    // The new file cannot be created: the folder is gone.
    EXPECT_FALSE(writer.write(dir.File("gone/target"), false));

    // The disk fills up half way: the file size limit stops the writes.
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit small = saved;
    small.rlim_cur = 64 * 1024;
    auto previous = signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool written = writer.write(path, true).ok;
    setrlimit(RLIMIT_FSIZE, &saved);
    signal(SIGXFSZ, previous);
    EXPECT_FALSE(written);
    EXPECT_EQ(test::ReadBytes(path), kOld);
    EXPECT_EQ(test::FileNames(dir.path()), std::vector<std::string>{"target"});

    // A user's own file named like a new file is never taken, and what the
    // user set on the old file stays.
    test::WriteBytes(path + ".new", "mine");
    std::filesystem::permissions(
        path, std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    EXPECT_TRUE(writer.write(path, false));
    EXPECT_NE(test::ReadBytes(path), kOld);
    EXPECT_EQ(test::ReadBytes(path + ".new"), "mine");
    EXPECT_EQ(std::filesystem::status(path).permissions(),
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    EXPECT_EQ(test::FileNames(dir.path()), (std::vector<std::string>{"target", "target.new"}));

    // A folder where the file should be is never replaced.
    const std::string folder = dir.File("folder");
    std::filesystem::create_directory(folder);
    EXPECT_FALSE(writer.write(folder, false));
    EXPECT_TRUE(std::filesystem::is_directory(folder));
    EXPECT_EQ(test::FileNames(dir.path()),
              (std::vector<std::string>{"folder", "target", "target.new"}));
  }
}

// The new file's name: beside the target, unique, and never longer than the
// system takes when the target's own path is as long as it takes.
TEST(WriteFailures, NewFilesStayBesideTheTargetWithinThePathLimit) {
  TempDir dir;
  const std::string folder = dir.path() + "/";
  const struct {
    std::size_t pathLength;
    std::size_t longestNewPath;
  } kCases[] = {
      {folder.size() + 5, kMaxPathChars},
      {kMaxPathChars - 3, kMaxPathChars},
      {kMaxPathChars, kMaxPathChars},
      {kMaxPathChars + 40, kMaxPathChars + 40},
  };
  for (const auto& c : kCases) {
    const std::string path = folder + std::string(c.pathLength - folder.size(), 'n');
    const std::string first = CreateReplacementFile(path);
    const std::string second = CreateReplacementFile(path);
    ASSERT_FALSE(first.empty()) << c.pathLength;
    EXPECT_NE(first, second);
    for (const std::string& created : {first, second}) {
      EXPECT_EQ(created.rfind(folder + "~", 0), 0u) << created;
      EXPECT_LE(created.size(), c.longestNewPath);
      EXPECT_EQ(test::ReadBytes(created), "");
      std::filesystem::remove(created);
    }
  }
}

// Folders of ASCII or double-byte names that leave little room (counted in
// characters): every name takes the whole room; a small room gives them all.
TEST(WriteFailures, LittleRoomStillGivesNewNames) {
  using Case = std::tuple<std::size_t, std::string, std::size_t>;  // room, folder name unit, names
  for (const auto& [room, unit, names] :
       {Case{1, "d", 36}, Case{2, "\x83\x41", 36 * 36}, Case{3, "\x83\x41", 5}, Case{5, "d", 5}}) {
    TempDir dir;
    std::string folder = dir.path() + "/";
    for (std::size_t rest; (rest = kMaxPathChars - room - CharCount(folder)) > 0;) {
      for (std::size_t i = 0; i < (rest > 101 ? 50 : rest - 1); ++i) folder += unit;
      std::filesystem::create_directory(folder += "/");
    }
    std::set<std::string> created;  // and one more, which a full room leaves empty
    for (std::size_t i = 0; i <= names; ++i) created.insert(CreateReplacementFile(folder + "t"));
    EXPECT_EQ(created.size(), names + 1) << room;
    EXPECT_EQ(created.count(""), room < 3 ? 1u : 0u);
    for (const std::string& name : created) {
      EXPECT_TRUE(name.empty() ||
                  (CharCount(name) == kMaxPathChars && (name[folder.size()] == '~') == (room > 3)));
    }
  }
}

}  // namespace
}  // namespace tewo
