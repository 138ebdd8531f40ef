#include "open_string.h"

#include <cstdio>
#include <fstream>

#include "app/shell/startup.h"
#include "data/indications/indication_file.h"
#include "support/synthetic_pipe.h"

namespace ductora::bench {

OpenString::OpenString(int pipes, int current) {
  testing::SyntheticPipeOptions options;
  options.withRawWall = false;
  options.withRawOd = false;
  const std::string list = testing::writeSyntheticString(dir.path().string(), pipes, options);
  startApp(app, list);
  app.pipeString.jumpTo(current);
}

void OpenString::showIndications(int count) {
  std::string records = "Indication#  Channel#  Type  XLoc(ft)  XLocFRef(ft)  YLoc(deg)  Amplitude(%)\n";
  std::uint32_t random = 2026;
  const auto next = [&random](std::uint32_t range) {
    random = random * 1664525U + 1013904223U;
    return (random >> 8) % range;
  };
  for (int i = 1; i <= count; ++i) {
    char line[96];
    std::snprintf(line, sizeof line, "%d 1 Pit %.3f 0 %u 50\n", i, next(40000) / 1000.0, next(360));
    records += line;
  }
  for (const PipeFile& pipe : app.pipeString.loadedPipes()) {
    std::ofstream(indicationFileNames(pipe.path).alternative) << records;
  }
  app.viewMode = ViewMode::kIndications;
}

void ReportFrames(benchmark::State& state, const OpenString& program, std::clock_t start) {
  const double seconds = static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
  state.counters["cpu-ms/frame"] = 1000.0 * seconds / static_cast<double>(state.iterations());
  state.counters["pipes"] = static_cast<double>(program.app.pipeString.loadedPipes().size());
  state.counters["frames/s"] =
      benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

}  // namespace ductora::bench
