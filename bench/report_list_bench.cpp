// Building the change list of one section, with about 2% of the lines added and 2% deleted.
#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <vector>

#include "watchdog/report_list.h"

namespace {

struct Section {
  std::vector<std::string> current;
  std::vector<std::string> snapshot;
};

Section MakeSection(size_t lines) {
  std::mt19937 rng(42);
  std::uniform_int_distribution<int> percent(0, 99);
  Section s;
  for (size_t i = 0; i < lines; ++i) {
    std::string line = "C:\\Program Files\\Vendor " + std::to_string(i % 97) + "\\tool" +
                       std::to_string(i) + ".exe /autostart /delay " + std::to_string(i % 13);
    s.snapshot.push_back(line);
    const int roll = percent(rng);
    if (roll < 2)
      continue;  // deleted
    if (roll < 4)
      s.current.push_back("C:\\New\\added" + std::to_string(i) + ".exe /quiet");
    if (roll == 5)
      line = "  " + line;  // changed by blanks
    if (roll == 6)
      line[0] = 'c';  // only the letter case differs
    s.current.push_back(line);
  }
  return s;
}

void BM_BuildReportList(benchmark::State& state) {
  const Section s = MakeSection(static_cast<size_t>(state.range(0)));
  for (auto _ : state) {
    auto list = tarnix::BuildReportList(s.current, s.snapshot);
    benchmark::DoNotOptimize(list);
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_BuildReportList)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond);

}  // namespace
