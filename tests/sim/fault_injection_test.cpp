#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>

#include "data/pipe_file_io.h"
#include "data/raw_channels.h"
#include "sim/sim_output.h"
#include "sim/simulated_pipe.h"
#include "support/temp_dir.h"

namespace ductora::sim {
namespace {

SimulatedPipe harshPipe(std::uint64_t seed) {
  SimOptions options;
  options.length = 240.0;
  options.faults = FaultLevel::kHarsh;
  options.seed = seed;
  Random random(seed);
  const JobInfo job = makeJobInfo(options, random);
  return simulatePipe(options, job, 0, random);
}

// A count of rare independent events lies within a few standard deviations of its expectation.
void expectAboutRate(int count, double opportunities, double rate, const char* kind) {
  const double expected = opportunities * rate;
  EXPECT_NEAR(count, expected, 4.0 * std::sqrt(expected) + 1.0) << kind;
}

TEST(FaultInjection, EveryKindAppearsAtItsConfiguredRate) {
  const SimulatedPipe pipe = harshPipe(11);
  const FaultRates rates = faultRatesFor(FaultLevel::kHarsh);
  std::map<std::string, int> counts;
  FaultOpportunities total;
  const auto add = [&](const ChannelStream& stream) {
    for (const FaultEvent& event : stream.faults) ++counts[event.kind];
    total.marks += stream.opportunities.marks;
    total.revolutions += stream.opportunities.revolutions;
    total.samples += stream.opportunities.samples;
  };
  std::for_each(pipe.scan.wall.begin(), pipe.scan.wall.end(), add);
  const std::size_t wallSamples = total.samples;
  std::for_each(pipe.scan.od.begin(), pipe.scan.od.end(), add);
  expectAboutRate(counts["missedMark"], total.marks, rates.missedMark, "missed marks");
  expectAboutRate(counts["falseMark"], total.revolutions, rates.falseMark, "false marks");
  expectAboutRate(counts["jump"], total.samples, rates.jump, "jumps");
  expectAboutRate(counts["zeroReading"], wallSamples, rates.zeroReading, "drop-outs");
}

TEST(FaultInjection, TheFaultsAreInTheRecordedData) {
  const SimulatedPipe pipe = harshPipe(12);
  const ChannelStream& stream = pipe.scan.wall[0];
  int zeroReadings = 0;
  int markers = 0;
  for (const RawRecord& record : stream.records) {
    zeroReadings += record.reading == 0 ? 1 : 0;
    markers += record.reading == kWallMarkerReading ? 1 : 0;
  }
  int dropoutSamples = 0;
  int missed = 0;
  int extra = 0;
  for (const FaultEvent& event : stream.faults) {
    dropoutSamples += event.kind == "zeroReading" ? event.samples : 0;
    missed += event.kind == "missedMark" ? 1 : 0;
    extra += event.kind == "falseMark" ? 1 : 0;
  }
  // A drop-out may run past the end of the recording.
  EXPECT_LE(zeroReadings, dropoutSamples);
  EXPECT_GE(zeroReadings, dropoutSamples - 4);
  EXPECT_GT(missed, 0);
  EXPECT_GT(extra, 0);

  // Read back through the loader: every missed mark joins two turns, every false one splits one.
  ductora::testing::TempDir dir;
  const std::string path = dir.file("harsh.kqvw");
  ASSERT_TRUE(writeSimulatedPipeFile(path, pipe, true).ok);
  PipeFile file;
  ASSERT_TRUE(readPipeFile(file, path).opened);
  const std::size_t revolutions = LoadWallRevolutions(file, 1, 0.0);
  EXPECT_EQ(revolutions,
            stream.turns.size() - static_cast<std::size_t>(missed) + static_cast<std::size_t>(extra));
  EXPECT_EQ(static_cast<std::size_t>(markers),
            stream.turns.size() + 2 - static_cast<std::size_t>(missed) + static_cast<std::size_t>(extra));
}

TEST(FaultInjection, NoneMeansCleanData) {
  SimOptions options;
  options.length = 60.0;
  options.faults = FaultLevel::kNone;
  Random random(5);
  const SimulatedPipe pipe = simulatePipe(options, makeJobInfo(options, random), 0, random);
  for (const ChannelStream& stream : pipe.scan.wall) {
    EXPECT_TRUE(stream.faults.empty());
    EXPECT_TRUE(std::none_of(stream.records.begin(), stream.records.end(),
                             [](const RawRecord& record) { return record.reading == 0; }));
  }
}

}  // namespace
}  // namespace ductora::sim
