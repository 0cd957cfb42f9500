// Every writer of the tool against the failures a disk can have: whatever
// fails, the old file stays whole, and a new file left behind by a process
// that stopped before replacing the old one does not stop the next write.
#include <signal.h>
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <filesystem>
#include <functional>
#include <string>

#include "app/settings_file.h"
#include "common/file_write.h"
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
  std::function<bool(const std::string& path, bool large)> write;
};

const Writer kWriters[] = {
    {"script",
     [](const std::string& path, bool large) {
       ScriptFileWriter script;
       if (!script.Create(path)) return false;
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

    // The new file cannot be created: its name is taken by a folder.
    std::filesystem::create_directory(ReplacementPath(path));
    EXPECT_FALSE(writer.write(path, false));
    EXPECT_EQ(test::ReadBytes(path), kOld);
    std::filesystem::remove(ReplacementPath(path));

    // The disk fills up half way: the file size limit stops the writes.
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit small = saved;
    small.rlim_cur = 64 * 1024;
    auto previous = signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool written = writer.write(path, true);
    setrlimit(RLIMIT_FSIZE, &saved);
    signal(SIGXFSZ, previous);
    EXPECT_FALSE(written);
    EXPECT_EQ(test::ReadBytes(path), kOld);
    EXPECT_FALSE(std::filesystem::exists(ReplacementPath(path)));

    // A process stopped between writing the new file and replacing the old
    // one left both: the old file is whole, and the next write goes through.
    test::WriteBytes(ReplacementPath(path), "half written by a stopped run");
    EXPECT_EQ(test::ReadBytes(path), kOld);
    EXPECT_TRUE(writer.write(path, false));
    EXPECT_NE(test::ReadBytes(path), kOld);
    EXPECT_FALSE(std::filesystem::exists(ReplacementPath(path)));

    // A folder where the file should be is never replaced.
    const std::string folder = dir.File("folder");
    std::filesystem::create_directory(folder);
    EXPECT_FALSE(writer.write(folder, false));
    EXPECT_TRUE(std::filesystem::is_directory(folder));
    EXPECT_FALSE(std::filesystem::exists(ReplacementPath(folder)));
  }
}

}  // namespace
}  // namespace tewo
