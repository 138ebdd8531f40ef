#include <benchmark/benchmark.h>

#include "analysis/grading/joint_figures.h"
#include "analysis/measures/pipe_measures.h"
#include "report/pdf_report.h"
#include "support/synthetic_pipe.h"
#include "support/temp_dir.h"

namespace {

using namespace ductora;

// Keeps nothing: the PDF's bytes are counted, not stored.
class CountingSink : public ByteSink {
 public:
  bool write(std::span<const std::uint8_t> bytes) override {
    size += bytes.size();
    return true;
  }
  std::size_t size = 0;
};

// The PDF of a string of 40-foot joints as the command line makes it: each joint read for its
// figures, then read again for its page. Per joint: the time over the joints.
void BM_PdfReportOfFortyFootJoints(benchmark::State& state) {
  testing::TempDir dir;
  const std::string path = dir.file("forty-foot.kqvw");
  testing::SyntheticPipeOptions options;
  options.lengthInches = 480.0;
  testing::writeSyntheticPipe(path, options);
  const auto joints = static_cast<std::uint32_t>(state.range(0));
  const report::ReportJob job;
  for (auto _ : state) {
    std::vector<JointRow> rows;
    for (std::uint32_t i = 1; i <= joints; ++i) {
      PipeFile pipe;
      LoadPipeForUse(pipe, path);
      JointRow& row = rows.emplace_back();
      static_cast<JointFigures&>(row) = ComputeJointFigures(pipe, job.rule, std::nullopt);
      row.index = i;
      row.file = path;
      row.header = pipe.header;
    }
    CountingSink sink;
    std::string error;
    report::WritePdfReport(
        sink, job, rows,
        [](const JointRow& row, PipeFile& pipe) { return LoadPipeForUse(pipe, row.file).opened; }, {}, error);
    benchmark::DoNotOptimize(sink.size);
    state.counters["bytes"] = static_cast<double>(sink.size);
  }
  state.counters["joints"] = joints;
}
BENCHMARK(BM_PdfReportOfFortyFootJoints)
    ->Arg(1)
    ->Arg(10)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace
