#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <map>
#include <nlohmann/json.hpp>
#include <numbers>
#include <sstream>

#include "analysis/measures/pipe_measures.h"
#include "data/format/pipe_file_io.h"
#include "data/format/raw_channels.h"
#include "data/strings/list_file.h"
#include "sim/sim_output.h"
#include "sim/sim_run.h"
#include "sim/simulated_pipe.h"
#include "support/temp_dir.h"

namespace ductora::sim {
namespace {

using ductora::testing::readBytes;
using ductora::testing::TempDir;
using nlohmann::json;

json readJson(const std::string& path) {
  std::ifstream in(path);
  return json::parse(in);
}

std::vector<std::string> lines(const std::string& path) {
  std::ifstream in(path);
  std::vector<std::string> result;
  for (std::string line; std::getline(in, line);) {
    result.push_back(line);
  }
  return result;
}

class SimulatedFiles : public ::testing::Test {
 protected:
  bool run(SimOptions options) {
    options.out = options.rdaq ? dir.file("data") : dir.path().string();
    std::ostringstream out;
    std::ostringstream err;
    const bool ok = runSimulation(options, out, err);
    EXPECT_TRUE(err.str().empty()) << err.str();
    return ok;
  }

  TempDir dir;
};

TEST_F(SimulatedFiles, EveryBlockReadsBackAndAgreesWithTheTruth) {
  SimOptions options;
  options.pipes = 3;
  options.length = 90.0;
  options.defects = 2;
  ASSERT_TRUE(run(options));

  const ListFileResult list = readListFile(dir.file("JOB.kqstr"));
  ASSERT_TRUE(list.ok);
  ASSERT_EQ(list.names.size(), 3U);
  int previousKq = -1;
  for (std::size_t i = 0; i < list.names.size(); ++i) {
    PipeFile pipe;
    const PipeReadResult read = LoadPipeForUse(pipe, list.names[i]);
    ASSERT_TRUE(read.wallMatrixRead) << list.names[i];
    EXPECT_FALSE(read.truncated || read.malformed);
    for (std::size_t flag = 0; flag < pipe.dataPresent.size(); ++flag) {
      EXPECT_EQ(pipe.dataPresent[flag], flag == kUnusedPresent ? 0 : 1) << "flag " << flag;
    }
    // KQ numbers rise along the string.
    EXPECT_GT(static_cast<int>(pipe.header.kqNumber), previousKq);
    previousKq = pipe.header.kqNumber;

    const std::string base = dir.file("JOB-00" + std::to_string(i + 1));
    const json truth = readJson(base + ".truth.json");
    EXPECT_EQ(truth["kqNumber"], pipe.header.kqNumber);
    EXPECT_EQ(truth["parameters"]["wallStartCounts"], pipe.wallStartCounts);
    EXPECT_EQ(truth["grid"]["wall"]["rows"], pipe.wallMatrix.rows);
    EXPECT_EQ(truth["grid"]["wall"]["columns"], pipe.wallMatrix.columns);
    EXPECT_EQ(truth["grid"]["od"]["rows"], pipe.odMatrix.rows);
    EXPECT_NEAR(pipe.wallStart, truth["parameters"]["wallStart"].get<double>(), 0.01);
    EXPECT_NEAR(pipe.pipeLength(), truth["parameters"]["length"].get<double>(), 1.0);

    // One indication line a defect, after the header line: number, channel, kind, feet.
    const auto indications = lines(base + ".ind");
    ASSERT_EQ(indications.size(), truth["defects"].size() + 1);
    for (std::size_t d = 0; d < truth["defects"].size(); ++d) {
      std::istringstream fields(indications[d + 1]);
      std::string number, channel, kind;
      double feet = 0.0;
      fields >> number >> channel >> kind >> feet;
      EXPECT_EQ(kind, truth["defects"][d]["kind"]);
      EXPECT_NEAR(feet * 12.0, truth["defects"][d]["position"].get<double>(), 0.01);
    }
  }
}

TEST_F(SimulatedFiles, IndicationsGoToTheRdaqFolderWhenAskedRawDataAndOdWhenAsked) {
  SimOptions options;
  options.rdaq = true;
  options.length = 40.0;
  ASSERT_TRUE(run(options));
  EXPECT_TRUE(std::filesystem::exists(dir.file("RDAQ/JOB-001.ind")));
  EXPECT_FALSE(std::filesystem::exists(dir.file("data/JOB-001.ind")));
  EXPECT_TRUE(std::filesystem::exists(dir.file("data/JOB-001.kqvw")));
  // Without raw data or OD sensors.
  options.rdaq = false;
  options.raw = false;
  options.odChannels = false;
  ASSERT_TRUE(run(options));
  PipeFile pipe;
  ASSERT_TRUE(LoadPipeForUse(pipe, dir.file("JOB-001.kqvw")).wallMatrixRead);
  EXPECT_EQ(pipe.dataPresent[kRawWallPresent], 0);
  EXPECT_EQ(pipe.dataPresent[kRawOdPresent], 0);
  EXPECT_FALSE(pipe.odMatrix.present());
  EXPECT_TRUE(pipe.straightness.present());
  EXPECT_EQ(LoadWallRevolutions(pipe, 1, 0.0), 0U);
}

TEST(SimulatorDeterminism, SameSeedSameBytesOtherSeedOtherBytes) {
  std::array<TempDir, 3> dirs;
  for (std::size_t i = 0; i < dirs.size(); ++i) {
    SimOptions options;
    options.out = dirs[i].path().string();
    options.pipes = 2;
    options.length = 60.0;
    options.seed = i < 2 ? 7 : 8;
    std::ostringstream ignored;
    ASSERT_TRUE(runSimulation(options, ignored, ignored));
  }
  for (const char* name :
       {"JOB-001.kqvw", "JOB-002.kqvw", "JOB-001.ind", "JOB-002.truth.json", "JOB.kqstr"}) {
    EXPECT_EQ(readBytes(dirs[0].file(name)), readBytes(dirs[1].file(name))) << name;
  }
  EXPECT_NE(readBytes(dirs[0].file("JOB-001.kqvw")), readBytes(dirs[2].file("JOB-001.kqvw")));
}

TEST(SimulatorOptions, RefusesWhatNoUnitCouldScan) {
  SimOptions options;
  EXPECT_EQ(validateOptions(options), "");
  options.length = 2000.0;  // 6000 turns at a third of an inch
  EXPECT_NE(validateOptions(options), "");
  options.pitch = 0.5;
  EXPECT_EQ(validateOptions(options), "");
  options.wall = 4.0;
  EXPECT_NE(validateOptions(options), "");
  options = SimOptions{};
  options.job = "../escape";
  EXPECT_NE(validateOptions(options), "");
  options = SimOptions{};
  options.samplesPerRev = 2;
  EXPECT_NE(validateOptions(options), "");
}

SimulatedPipe harshPipe(std::uint64_t seed, bool fieldFaults = false, int defects = 3) {
  SimOptions options;
  options.length = 240.0;
  options.faults = FaultLevel::kHarsh;
  options.fieldFaults = fieldFaults;
  options.defects = defects;
  options.seed = seed;
  Random random(seed);
  const JobInfo job = makeJobInfo(options, random);
  return simulatePipe(options, job, 0, random);
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

bool isFieldFault(const FaultEvent& event) {
  return event.kind == "echoLoss" || event.kind == "spike" || event.kind == "stuckReading";
}

TEST(FieldFaults, ComeOnTopOfTheUsualFaultsAndLoseEchoesOverDefects) {
  const SimulatedPipe plain = harshPipe(3, false, 6);
  const SimulatedPipe field = harshPipe(3, true, 6);
  std::map<std::string, int> counts;
  for (std::size_t k = 0; k < plain.scan.wall.size(); ++k) {
    const std::vector<FaultEvent>& events = field.scan.wall[k].faults;
    const std::vector<FaultEvent>& plainEvents = plain.scan.wall[k].faults;
    std::vector<const FaultEvent*> usual;
    for (const FaultEvent& event : events) {
      ++counts[event.kind];
      if (!isFieldFault(event)) {
        usual.push_back(&event);
      }
    }
    ASSERT_EQ(usual.size(), plainEvents.size());
    for (std::size_t i = 0; i < usual.size(); ++i) {
      EXPECT_EQ(usual[i]->kind, plainEvents[i].kind);
      EXPECT_EQ(usual[i]->record, plainEvents[i].record);
    }
    EXPECT_TRUE(std::is_sorted(events.begin(), events.end(),
                               [](const FaultEvent& a, const FaultEvent& b) { return a.record < b.record; }));
  }
  EXPECT_GT(counts["echoLoss"], 0);
  EXPECT_GT(counts["spike"], 0);
  EXPECT_GT(counts["stuckReading"], 0);
  EXPECT_TRUE(plain.lostWallCells.empty());

  // Usual drop-outs last at most 4 samples, two in a row 8; longer runs of lost echoes lie over a defect.
  const double radius = field.model.nominalOd / 2.0;
  int longRuns = 0;
  for (const LostCell& cell : field.lostWallCells) {
    if (cell.run <= 8) {
      continue;
    }
    ++longRuns;
    const double z = field.wallGrid.firstZ + cell.row * field.wallMatrix.deltaX;
    const bool overDefect =
        std::any_of(field.model.defects.begin(), field.model.defects.end(), [&](const Defect& d) {
          const double halfAngle = (d.width / 2.0 / radius) * 180.0 / std::numbers::pi + 3.0;
          return std::abs(z - d.position) < d.length / 2.0 + field.wallMatrix.deltaX &&
                 std::abs(angleDifference(cell.column * field.wallMatrix.deltaY, d.angle)) < halfAngle;
        });
    EXPECT_TRUE(overDefect) << cell.row << ", " << cell.column;
  }
  EXPECT_GT(longRuns, 0);
}

}  // namespace
}  // namespace ductora::sim
