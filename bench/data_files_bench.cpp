// How long the game takes to read its data files at start-up, above all a
// long play history.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>

#include "store/data_folder.h"

namespace fs = std::filesystem;
using polkamina::store::DataFolder;

namespace {

// A game folder with a history of rows rows and the shipped small files.
fs::path makeFolder(int rows) {
  fs::path dir = fs::temp_directory_path() / ("polkamina_bench_" + std::to_string(rows));
  fs::create_directories(dir);
  for (const auto& entry : fs::directory_iterator(POLKAMINA_DEFAULTS_DIR)) {
    if (entry.path().extension() == ".txt") {
      fs::copy_file(entry.path(), dir / entry.path().filename(),
                    fs::copy_options::overwrite_existing);
    }
  }
  std::ofstream history(dir / "履歴.txt", std::ios::binary);
  for (int i = 0; i < rows; ++i) {
    history << "\"2026/12/07\",\"12:34:56\",\"\x83m\x81[\x83}\x83\x8b\",\"" << (20 + i % 50)
            << "\x89\xf1\",\"01\x95\xaa"
               "23\x95\x62\",\"\",\"\x81\x9b\"\r\n";
  }
  return dir;
}

void ReadHistory(benchmark::State& state) {
  const DataFolder folder(makeFolder(static_cast<int>(state.range(0))));
  for (auto _ : state) benchmark::DoNotOptimize(folder.readHistory());
  state.SetItemsProcessed(state.iterations() * state.range(0));
  fs::remove_all(folder.path());
}
BENCHMARK(ReadHistory)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);

void LoadSmallFiles(benchmark::State& state) {
  const DataFolder folder(makeFolder(0));
  for (auto _ : state) {
    benchmark::DoNotOptimize(folder.loadDelays());
    benchmark::DoNotOptimize(folder.loadOptions());
    benchmark::DoNotOptimize(folder.loadRecords());
  }
  fs::remove_all(folder.path());
}
BENCHMARK(LoadSmallFiles)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
