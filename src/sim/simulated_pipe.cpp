#include "sim/simulated_pipe.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "analysis/measures/csa.h"
#include "sim/pipe_generator.h"

namespace ductora::sim {

namespace {

constexpr int kWallAngle = 135;
constexpr double kWallJumpMils = 60;
constexpr double kOdJumpMils = 60;
constexpr std::uint32_t kSecondsBetweenPipes = 420;
constexpr std::array<const char*, 5> kGrades = {"J55", "K55", "N80", "L80", "P110"};

std::uint16_t mils(double inches) { return static_cast<std::uint16_t>(std::lround(inches * 1000.0)); }

// API length ranges: R1 up to 25 feet, R2 up to 34, R3 beyond.
std::uint8_t lengthRange(double inches) {
  const double feet = inches / 12.0;
  return feet <= 25.0 ? 1 : feet <= 34.0 ? 2 : 3;
}

PipeHeader makeHeader(const SimOptions& options, const JobInfo& job, int index, double length) {
  PipeHeader header;
  header.created = job.created + kSecondsBetweenPipes * static_cast<std::uint32_t>(index);
  header.woNumber = job.woNumber;
  header.kqNumber = static_cast<std::uint16_t>(job.firstKqNumber + index);
  header.unitNumber = job.unitNumber;
  header.note = "ductora-sim";
  header.runNumber = job.runNumber;
  header.startEnd = 1;
  header.nominalOdMils = mils(options.od);
  header.nominalOd = header.nominalOdMils / 1000.0;
  // Plain-end weight of steel pipe, pounds per foot.
  const double weight = 10.69 * (options.od - options.wall) * options.wall;
  header.weightHundredths = static_cast<std::uint16_t>(std::lround(weight * 100.0));
  header.weight = header.weightHundredths / 100.0;
  header.grade = job.grade;
  header.nominalWall = mils(options.wall);
  // The gray scale spans the wall from 80 % (the usual reject level) to 115 % of nominal.
  header.lowerWall = mils(options.wall * 0.80);
  header.upperWall = mils(options.wall * 1.15);
  header.wallJumpSize = static_cast<std::uint8_t>(kWallJumpMils);
  header.range = lengthRange(length);
  header.calibrationOdMils = header.nominalOdMils;
  header.calibrationOd = static_cast<float>(header.calibrationOdMils / 1000.0);
  header.wallAngle = kWallAngle;
  header.upperOdOffset = 40;
  header.lowerOdOffset = -40;
  header.odJumpSize = static_cast<std::uint8_t>(kOdJumpMils);
  return header;
}

}  // namespace

JobInfo makeJobInfo(const SimOptions& options, Random& random) {
  JobInfo job;
  job.woNumber = options.job.substr(0, 4) + std::to_string(random.integer(10000, 99999));
  job.firstKqNumber = static_cast<std::uint16_t>(random.integer(1000, 9000));
  job.unitNumber = static_cast<std::uint8_t>(random.integer(1, 9));
  job.runNumber = 1;
  // Some day in 2026.
  job.created =
      static_cast<std::uint32_t>(1767225600 + random.integer(0, 364) * 86400 + random.integer(6, 16) * 3600);
  job.grade = kGrades[static_cast<std::size_t>(random.integer(0, kGrades.size() - 1))];
  return job;
}

SimulatedPipe simulatePipe(const SimOptions& options, const JobInfo& job, int index, Random& random) {
  SimulatedPipe pipe;
  pipe.index = index;
  Random geometryRandom = random.fork(1);
  const double spread = options.lengthSpread / 100.0;
  const double length = options.length * (1.0 + geometryRandom.uniform(-spread, spread));
  pipe.model = generatePipeModel(options, length, geometryRandom);
  pipe.header = makeHeader(options, job, index, length);

  Random scanRandom = random.fork(2);
  pipe.scan = scanPipe(pipe.model, options, kWallAngle, pipe.header.calibrationOd, scanRandom);

  const Sensor& primary = pipe.scan.layout.wallProbes[0];
  pipe.wallMatrix = trueWallMatrix(pipe.model, pipe.scan.motion, primary, pipe.scan.wall[0], options.pitch,
                                   1.0, pipe.wallGrid);
  if (options.fieldFaults) {
    pipe.lostWallCells = trueLostCells(pipe.scan.motion, primary, pipe.scan.wall[0], options.pitch, 1.0);
  }
  ComputeCsaSeries(pipe.csa, pipe.header.nominalOd, pipe.header.nominalWall / 1000.0, pipe.wallMatrix.rows,
                   pipe.wallMatrix.columns, pipe.wallMatrix.data);
  ComputeCsaStatistics(pipe.csa, pipe.header.nominalOd, pipe.wallMatrix.data, pipe.wallMatrix.rows,
                       pipe.wallMatrix.columns);
  if (options.odChannels) {
    pipe.odMatrix = trueOdMatrix(pipe.model, pipe.scan.motion, pipe.scan.layout.odSensors[0], pipe.scan.od,
                                 pipe.header.calibrationOd, kWallAngle, pipe.odGrid);
  }
  pipe.straightness = trueStraightness(pipe.model);

  // Wall data begin this far into the OD data, which start at the pipe's end.
  pipe.wallStart = pipe.wallGrid.firstZ - (options.odChannels ? pipe.odGrid.firstZ : 0.0);
  pipe.wallStartCounts =
      static_cast<std::uint32_t>(std::lround((pipe.wallStart + kWallStartOriginInches) * kCountsPerInch));
  return pipe;
}

}  // namespace ductora::sim
