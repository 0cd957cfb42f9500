// The script editor's core on a script of 2,500,000 bytes (about 30,000
// lines): loading it against one plain read of the file, Replace All against
// one copy of the text, and Find Next from the start to a match at its end.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

#include <unistd.h>

#include "editor/find_replace.h"
#include "editor/script_text.h"

namespace {

using namespace tewo;

constexpr std::size_t kScriptBytes = 2'500'000;

struct Fixture {
  std::string path;
  std::string text;  // the loaded text

  Fixture() {
    std::string pattern = (std::filesystem::temp_directory_path() / "tewo_bench_XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) std::abort();
    path = pattern + "/big.scr";
    // Script lines with Shift-JIS folder names, one "Open" (in varied case) a line.
    std::string file;
    const char* open[] = {"OPEN", "Open", "open"};
    for (int i = 0; file.size() < kScriptBytes - 200; ++i) {
      char line[128];
      std::snprintf(line, sizeof line, "%s \"C:\\図面\\課題\\sample_%06d.dwg\" 16", open[i % 3], i);
      file += line;
      file.append(81 - std::min<std::size_t>(81, std::strlen(line)), ' ');
      file += "\r\n";
    }
    file.append(kScriptBytes - file.size() - 9, '-');
    file += "ZZENDZZ\r\n";
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (f == nullptr || std::fwrite(file.data(), 1, file.size(), f) != file.size()) std::abort();
    std::fclose(f);
    text = LoadScriptFile(path)->text;
  }
  ~Fixture() { std::filesystem::remove_all(std::filesystem::path(path).parent_path()); }
};

Fixture& TheFixture() {
  static Fixture fixture;
  return fixture;
}

void BM_PlainRead(benchmark::State& state) {
  const std::string& path = TheFixture().path;
  for (auto _ : state) {
    std::FILE* f = std::fopen(path.c_str(), "rb");
    std::string bytes(kScriptBytes, '\0');
    bytes.resize(std::fread(bytes.data(), 1, bytes.size(), f));
    std::fclose(f);
    benchmark::DoNotOptimize(bytes.data());
  }
}

void BM_LoadTransform(benchmark::State& state) {
  const std::string& path = TheFixture().path;
  for (auto _ : state) {
    auto loaded = LoadScriptFile(path);
    benchmark::DoNotOptimize(loaded->text.data());
  }
}

void BM_CopyText(benchmark::State& state) {
  const std::string& text = TheFixture().text;
  for (auto _ : state) {
    std::string copy(text);
    benchmark::DoNotOptimize(copy.data());
  }
}

void BM_ReplaceAllFolded(benchmark::State& state) {
  const std::string& text = TheFixture().text;
  const FindRequest request{"open", "SHUT", false};
  std::size_t count = 0;
  for (auto _ : state) {
    const ReplaceAllPlan plan = PlanReplaceAll(text, request);
    std::string replaced = ApplyReplaceAll(text, plan, request);
    benchmark::DoNotOptimize(replaced.data());
    count = plan.matches.size();
  }
  state.counters["matches"] = static_cast<double>(count);
}

void BM_FindNextToTheEndFolded(benchmark::State& state) {
  const std::string& text = TheFixture().text;
  const FindRequest request{"zzendzz", "", false};
  for (auto _ : state) {
    auto match = FindNext(text, Selection{0, 0}, request);
    if (!match) state.SkipWithError("no match");
    benchmark::DoNotOptimize(match);
  }
}

BENCHMARK(BM_PlainRead)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadTransform)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CopyText)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReplaceAllFolded)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FindNextToTheEndFolded)->Unit(benchmark::kMillisecond);

}  // namespace
