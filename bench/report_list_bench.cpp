// Building the change list of one section, with about 2% of the lines added and 2% deleted.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

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

long MinorFaults() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_minflt;
}

// `work` runs once per iteration; the pages it touches for the first time are counted.
template <typename Work>
void Run(benchmark::State& state, Work work) {
  const Section s = MakeSection(static_cast<size_t>(state.range(0)));
  const long faultsBefore = MinorFaults();
  for (auto _ : state) work(s);
  state.counters["faults"] = benchmark::Counter(static_cast<double>(MinorFaults() - faultsBefore),
                                                benchmark::Counter::kAvgIterations);
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_BuildReportList(benchmark::State& state) {
  Run(state, [](const Section& s) {
    auto list = tarnix::BuildReportList(s.current, s.snapshot);
    benchmark::DoNotOptimize(list);
  });
}

// The same, with every entry copied out as a ChangeLine, as a caller that keeps the list
// apart from the section's lines does.
void BM_BuildReportListCopied(benchmark::State& state) {
  Run(state, [](const Section& s) {
    auto lines = tarnix::BuildReportList(s.current, s.snapshot)->Lines();
    benchmark::DoNotOptimize(lines);
  });
}

BENCHMARK(BM_BuildReportList)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BuildReportListCopied)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
