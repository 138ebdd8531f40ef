#include <benchmark/benchmark.h>

#include <algorithm>
#include <vector>

#include "analysis/measures/pipe_measures.h"
#include "analysis/rebuild/correction/channel_correction.h"
#include "analysis/rebuild/grid/matrix_build.h"
#include "analysis/rebuild/od_build.h"
#include "analysis/rebuild/wall_build.h"
#include "data/format/raw_channels.h"
#include "sim/sim_output.h"
#include "sim/simulated_pipe.h"
#include "support/reference_build_matrix.h"
#include "support/temp_dir.h"

namespace {

// The machine is shared: the fastest repetition shows what the code costs, the median what it
// costs among everything else running.
double Fastest(const std::vector<double>& times) { return *std::min_element(times.begin(), times.end()); }

// A simulated 40-foot pipe (about 1430 revolutions of 360 samples per channel), with typical faults
// unless told, in a temporary folder.
class FortyFootPipe {
 public:
  explicit FortyFootPipe(ductora::sim::FaultLevel faults = ductora::sim::FaultLevel::kTypical) {
    ductora::sim::SimOptions options;
    options.length = 480.0;
    options.faults = faults;
    options.fieldFaults = faults == ductora::sim::FaultLevel::kHarsh;
    ductora::sim::Random random(options.seed);
    const auto simulated =
        ductora::sim::simulatePipe(options, ductora::sim::makeJobInfo(options, random), 0, random);
    ductora::sim::writeSimulatedPipeFile(path, simulated, true);
    ductora::LoadPipeForUse(pipe, path);
  }

  ductora::testing::TempDir dir;
  std::string path = dir.file("forty-foot.kqvw");
  ductora::PipeFile pipe;

  // Channel 1 loaded and corrected as the wall build does it.
  ductora::RevolutionList correctedWallChannel() {
    ductora::LoadWallRevolutions(pipe, 1, pipe.wallChannels[0].wallScale);
    ductora::RevolutionList revolutions = std::move(pipe.wallChannels[0].revolutions);
    ductora::CorrectWallChannel(revolutions, {ductora::JumpFilter::kReplace, pipe.header.wallJumpSize}, "");
    return revolutions;
  }
};

// The whole rebuild with each jump filter: what the corroborated one adds to it, with typical
// faults and with harsh and field faults, where it weighs many more runs.
void BM_BuildWallMatrix(benchmark::State& state, ductora::JumpFilter filter,
                        ductora::sim::FaultLevel faults) {
  FortyFootPipe fixture(faults);
  for (auto _ : state) {
    const auto status = ductora::BuildWallMatrix(fixture.pipe, 0, "", filter);
    benchmark::DoNotOptimize(status);
  }
}
#define DUCTORA_WALL_BUILD_BENCH(name, filter, faults)                                                       \
  BENCHMARK_CAPTURE(BM_BuildWallMatrix, name, ductora::JumpFilter::filter, ductora::sim::FaultLevel::faults) \
      ->Unit(benchmark::kMillisecond)                                                                        \
      ->Repetitions(10)                                                                                      \
      ->ReportAggregatesOnly(true)                                                                           \
      ->ComputeStatistics("min", Fastest)
DUCTORA_WALL_BUILD_BENCH(replace, kReplace, kTypical);
DUCTORA_WALL_BUILD_BENCH(corroborated, kCorroborated, kTypical);
DUCTORA_WALL_BUILD_BENCH(replace_harsh_field, kReplace, kHarsh);
DUCTORA_WALL_BUILD_BENCH(corroborated_harsh_field, kCorroborated, kHarsh);
#undef DUCTORA_WALL_BUILD_BENCH

void BM_BuildMatrix(benchmark::State& state) {
  FortyFootPipe fixture;
  ductora::RevolutionList revolutions = fixture.correctedWallChannel();
  for (auto _ : state) {
    auto built = ductora::BuildMatrix(revolutions, 1.0 / 3.0, 1.0, ductora::MatrixKind::kWall,
                                      static_cast<unsigned>(state.range(0)));
    benchmark::DoNotOptimize(built.data.data());
  }
}
// The argument is the number of threads; 0 uses every core.
BENCHMARK(BM_BuildMatrix)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true)
    ->ComputeStatistics("min", Fastest);

void BM_ReferenceBuildMatrix(benchmark::State& state) {
  FortyFootPipe fixture;
  ductora::RevolutionList revolutions = fixture.correctedWallChannel();
  for (auto _ : state) {
    auto built =
        ductora::testing::ReferenceBuildMatrix(revolutions, 1.0 / 3.0, 1.0, ductora::MatrixKind::kWall);
    benchmark::DoNotOptimize(built.data.data());
  }
}
BENCHMARK(BM_ReferenceBuildMatrix)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true)
    ->ComputeStatistics("min", Fastest);

void BM_BuildOdMatrix(benchmark::State& state) {
  FortyFootPipe fixture;
  for (auto _ : state) {
    const auto status = ductora::BuildOdMatrix(fixture.pipe, fixture.pipe.header.odJumpSize);
    benchmark::DoNotOptimize(status);
  }
}
BENCHMARK(BM_BuildOdMatrix)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true)
    ->ComputeStatistics("min", Fastest);

}  // namespace
