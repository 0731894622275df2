// How long the progress window takes over a long play history: reading the
// history as progress, and opening the window until it is painted. It should
// open within half a second over a million games.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <string>

#include "game/progress.h"
#include "store/history.h"
#include "ui/progress_window.h"

namespace {

using polkamina::store::HistoryRows;

// A history of rows games of ノーマル, as the history file holds them.
HistoryRows historyOf(int rows) {
  std::string bytes;
  for (int i = 0; i < rows; ++i) {
    bytes += "\"2026/12/07\",\"12:34:56\",\"\x83m\x81[\x83}\x83\x8b\",\"" +
             std::to_string(20 + i % 50) + "\x89\xf1\",\"01\x95\xaa" + std::to_string(10 + i % 50) +
             "\x95\x62\",\"\",\"\"\r\n";
  }
  return polkamina::store::parseHistory(bytes, "履歴.txt");
}

void ReadProgress(benchmark::State& state) {
  const HistoryRows rows = historyOf(static_cast<int>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(polkamina::game::readProgress(rows));
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(ReadProgress)->Arg(1000)->Arg(1000000)->Unit(benchmark::kMillisecond);

void OpenProgressWindow(benchmark::State& state) {
  const HistoryRows rows = historyOf(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    polkamina::ui::ProgressWindow window(nullptr, rows, 1);
    window.show();
    benchmark::DoNotOptimize(window.grab());
  }
}
BENCHMARK(OpenProgressWindow)->Arg(1000)->Arg(1000000)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char* argv[]) {
  // Drawn off screen, with no display needed.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
