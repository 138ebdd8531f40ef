#include <benchmark/benchmark.h>

#include "analysis/measures/pipe_measures.h"
#include "support/synthetic_pipe.h"
#include "support/temp_dir.h"

namespace {

using ductora::testing::SyntheticPipeOptions;

// A 40-foot pipe with every block: 4 raw wall and 2 raw OD channels of about 1440 revolutions.
void BM_OpenFortyFootPipe(benchmark::State& state) {
  ductora::testing::TempDir dir;
  const std::string path = dir.file("forty-foot.kqvw");
  SyntheticPipeOptions options;
  options.lengthInches = 480.0;
  ductora::testing::writeSyntheticPipe(path, options);

  for (auto _ : state) {
    ductora::PipeFile pipe;
    const auto result = ductora::LoadPipeForUse(pipe, path);
    benchmark::DoNotOptimize(result.wallMatrixRead);
    benchmark::DoNotOptimize(pipe.revolutionMetrics.data());
  }
}
BENCHMARK(BM_OpenFortyFootPipe)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);

}  // namespace
