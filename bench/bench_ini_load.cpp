// How fast a settings file loads, against inih on the same bytes in the same run. Also the
// shapes that could make a reader slow or greedy: a huge file, one huge line, a million
// sections, random bytes.
#include <benchmark/benchmark.h>
#include <ini.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "platform/format_settings.h"
#include "settings/ini_file.h"

namespace {

namespace fs = std::filesystem;

// Entries as a real settings file has them: Chinese captions and hints, paths, parameters.
std::string EntrySettings(int entries) {
  std::string out = "\xEF\xBB\xBF[set]\r\nwidth=800\r\nheight=600\r\nCount=" +
                    std::to_string(entries) + "\r\nCol=4\r\ntitle=游戏启动\r\n";
  for (int n = 1; n <= entries; ++n) {
    const std::string id = std::to_string(n);
    out += "\r\n[" + id + "]\r\nText=仙剑" + id + "\r\nHint=角色扮演 第" + id +
           "部\r\nexe=g\\" + id + "\\pal.exe\r\n";
    if (n % 2 == 0) out += "exe_x64=g\\" + id + "\\pal64.exe\r\n";
    if (n % 3 == 0) out += "Param=-w ; windowed\r\ncurDir=g\\" + id + "\r\n";
    if (n % 5 == 0) out += "minOs=6.1\r\n";
  }
  return out;
}

std::string OneLongLine(size_t bytes) { return "[set]\r\ntitle=" + std::string(bytes, 'x'); }

std::string ManySections(int count) {
  std::string out;
  for (int n = 0; n < count; ++n) out += "[" + std::to_string(n) + "]\r\n";
  return out;
}

std::string RandomBytes(size_t bytes) {
  std::mt19937_64 random(20240601);
  std::string out(bytes, '\0');
  for (char& c : out) c = static_cast<char>(random());
  return out;
}

const std::string& Input(int which) {
  static const std::string inputs[] = {EntrySettings(100000), EntrySettings(500000),
                                       OneLongLine(10 << 20), ManySections(1000000),
                                       RandomBytes(10 << 20)};
  return inputs[which];
}

void BM_TMemIniFileFromMemory(benchmark::State& state) {
  const std::string& bytes = Input(static_cast<int>(state.range(0)));
  const zix::FormatSettings format(u'.');
  size_t sections = 0;
  for (auto _ : state) {
    const zix::TMemIniFile ini(u"bench.ini", format, bytes);
    sections = ini.Document().sections.size();
    benchmark::DoNotOptimize(sections);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
  state.counters["MB"] = static_cast<double>(bytes.size()) / 1e6;
  state.counters["sections"] = static_cast<double>(sections);
}
BENCHMARK(BM_TMemIniFileFromMemory)
    ->ArgName("input")  // 0 entries 10 MB, 1 entries 50 MB, 2 one line, 3 1e6 sections, 4 random
    ->DenseRange(0, 4)
    ->Unit(benchmark::kMillisecond);

// A real file in the temporary folder, removed when the benchmark ends.
class BenchFile {
 public:
  explicit BenchFile(const std::string& bytes)
      : path_(fs::temp_directory_path() / "zix-settings-bench.ini") {
    std::ofstream(path_, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  }
  ~BenchFile() {
    std::error_code ignored;  // a leftover file in the temporary folder harms nothing
    fs::remove(path_, ignored);
  }
  BenchFile(const BenchFile&) = delete;
  BenchFile& operator=(const BenchFile&) = delete;
  const fs::path& path() const { return path_; }

 private:
  fs::path path_;
};

void BM_TMemIniFileFromFile(benchmark::State& state) {
  const std::string& bytes = Input(0);
  const BenchFile file(bytes);
  const zix::FormatSettings format(u'.');
  for (auto _ : state) {
    const auto ini = zix::TMemIniFile::Create(file.path().u16string(), format);
    benchmark::DoNotOptimize(ini->Document().sections.size());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(BM_TMemIniFileFromFile)->Unit(benchmark::kMillisecond);

// inih hands each key line to a callback and keeps nothing; counting them is the least work a
// caller could do with it.
int CountEntry(void* user, const char*, const char*, const char*) {
  ++*static_cast<size_t*>(user);
  return 1;
}

void BM_InihFromMemory(benchmark::State& state) {
  const std::string& bytes = Input(0);
  size_t entries = 0;
  for (auto _ : state) {
    entries = 0;
    benchmark::DoNotOptimize(ini_parse_string(bytes.c_str(), CountEntry, &entries));
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
  state.counters["entries"] = static_cast<double>(entries);
}
BENCHMARK(BM_InihFromMemory)->Unit(benchmark::kMillisecond);

void BM_InihFromFile(benchmark::State& state) {
  const std::string& bytes = Input(0);
  const BenchFile file(bytes);
  for (auto _ : state) {
    size_t entries = 0;
    benchmark::DoNotOptimize(ini_parse(file.path().c_str(), CountEntry, &entries));
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(BM_InihFromFile)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
