#include <benchmark/benchmark.h>

#include <charconv>
#include <cstdio>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "numeric/number_text.h"

namespace {

// Numbers as the host writes coordinates, scales and sizes into the exchange file.
constexpr std::string_view kTexts[] = {
    "1234.5678", "-62.5",   "0.001",      "123456.789012", "0",      "100",
    "-3.14159",  "2.5",     "98765.4321", "-0.75",         "1",      "-1234.5",
    "50",        "0.3",     "7.125",      "-20000",        "1.5E-5", "299.99999999",
    "4",         "-0.0005", "1000000",    "33.333333333",  "-9.75",  "0.25",
};

void BM_TextToReal(benchmark::State& state) {
  for (auto _ : state) {
    for (const auto text : kTexts) benchmark::DoNotOptimize(morven::numeric::TextToReal(text));
  }
  state.SetItemsProcessed(state.iterations() * std::size(kTexts));
}
BENCHMARK(BM_TextToReal);

void BM_FromChars(benchmark::State& state) {
  for (auto _ : state) {
    for (const auto text : kTexts) {
      double value = 0.0;
      std::from_chars(text.data(), text.data() + text.size(), value);
      benchmark::DoNotOptimize(value);
    }
  }
  state.SetItemsProcessed(state.iterations() * std::size(kTexts));
}
BENCHMARK(BM_FromChars);

// Keeps the fastest time per iteration of each benchmark for the ratio line.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const auto& run : runs) {
      if (run.run_type != Run::RT_Iteration || run.error_occurred) continue;
      const std::string name = run.run_name.function_name;
      const double time = run.GetAdjustedRealTime();
      const auto found = fastest_.find(name);
      if (found == fastest_.end() || time < found->second) fastest_[name] = time;
    }
    ConsoleReporter::ReportRuns(runs);
  }

  void PrintRatio() const {
    const auto ours = fastest_.find("BM_TextToReal");
    const auto reference = fastest_.find("BM_FromChars");
    if (ours == fastest_.end() || reference == fastest_.end()) return;
    std::printf("ratio: %.2f\n", ours->second / reference->second);
  }

 private:
  std::map<std::string, double> fastest_;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  reporter.PrintRatio();
  return 0;
}
