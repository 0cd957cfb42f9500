// The save-script operation without its windows, for a long source list:
// the duplicate-name check, the expansion of the factory templates and the
// writing of the script, against one plain write of the same bytes.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include <unistd.h>

#include "script/duplicate_names.h"
#include "script/script_expansion.h"
#include "script/script_file.h"

namespace {

using namespace tewo;

constexpr int kEntries = 100000;
constexpr const char* kDestination = "D:\\converted\\";

struct Fixture {
  std::vector<std::string> entries[2];  // by mode: .dxf sources, .dwg sources
  CommandTemplateSet templates;
  std::string scriptBytes[2];  // the script each mode yields, CR LF included
  std::string folder;
  std::string scriptPath;

  Fixture() {
    std::string pattern = (std::filesystem::temp_directory_path() / "tewo_bench_XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) std::abort();
    folder = pattern;
    scriptPath = folder + "/bench.scr";

    auto lines = ReadTemplateLines(TEWO_FACTORY_TEMPLATE_FILE);
    if (!lines) std::abort();
    templates = BuildTemplateSet(*lines);

    for (int mode = 0; mode < 2; ++mode) {
      const char* ext = mode == 0 ? ".dxf" : ".dwg";
      for (int i = 0; i < kEntries; ++i) {
        char path[64];
        std::snprintf(path, sizeof path, "C:\\drawings\\folder%02d\\part_%06d%s", i / 1000, i, ext);
        entries[mode].push_back(path);
      }
      ExpandScript(Mode(mode), entries[mode], kDestination, templates,
                   [this, mode](std::string_view line) {
                     scriptBytes[mode].append(line);
                     scriptBytes[mode].append("\r\n");
                   });
    }
  }
  ~Fixture() { std::filesystem::remove_all(folder); }

  static ConversionMode Mode(int mode) {
    return mode == 0 ? ConversionMode::DxfToDwg : ConversionMode::DwgToDxf;
  }
};

Fixture& Data() {
  static Fixture fixture;
  return fixture;
}

void BM_SaveScriptCore(benchmark::State& state) {
  Fixture& data = Data();
  const int mode = static_cast<int>(state.range(0));
  for (auto _ : state) {
    if (!FindDuplicateNames(data.entries[mode]).empty()) state.SkipWithError("duplicates");
    ScriptFileWriter writer;
    if (!writer.Create(data.scriptPath)) state.SkipWithError("create");
    ExpandScript(Fixture::Mode(mode), data.entries[mode], kDestination, data.templates,
                 [&writer](std::string_view line) { writer.WriteLine(line); });
    if (!writer.Finish()) state.SkipWithError("write");
  }
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(data.scriptBytes[mode].size()));

  // The bytes on disk must be those the plain write puts there.
  std::FILE* f = std::fopen(data.scriptPath.c_str(), "rb");
  std::string written(data.scriptBytes[mode].size() + 1, '\0');
  written.resize(std::fread(written.data(), 1, written.size(), f));
  std::fclose(f);
  if (written != data.scriptBytes[mode]) state.SkipWithError("script differs");
}

void BM_PlainWrite(benchmark::State& state) {
  Fixture& data = Data();
  const std::string& bytes = data.scriptBytes[state.range(0)];
  for (auto _ : state) {
    std::FILE* f = std::fopen(data.scriptPath.c_str(), "wb");
    if (f == nullptr) state.SkipWithError("create");
    if (std::fwrite(bytes.data(), 1, bytes.size(), f) != bytes.size()) state.SkipWithError("write");
    if (std::fclose(f) != 0) state.SkipWithError("close");
  }
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(bytes.size()));
}

void BM_DuplicateCheck(benchmark::State& state) {
  Fixture& data = Data();
  for (auto _ : state) {
    benchmark::DoNotOptimize(FindDuplicateNames(data.entries[state.range(0)]));
  }
}

// Argument: 0 for DXF to DWG (4 lines per entry), 1 for DWG to DXF (5 lines).
BENCHMARK(BM_SaveScriptCore)->Arg(0)->Arg(1)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainWrite)->Arg(0)->Arg(1)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DuplicateCheck)->Arg(0)->UseRealTime()->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
