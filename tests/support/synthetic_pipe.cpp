#include "support/synthetic_pipe.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <random>
#include <stdexcept>

#include "analysis/measures/csa.h"
#include "data/format/pipe_blocks.h"
#include "data/format/pipe_file.h"
#include "support/block_file_builder.h"
#include "support/temp_dir.h"

namespace ductora::testing {

namespace {

constexpr double kWallScale = 1.16;
constexpr double kOdInchesPerCount = 0.001;
constexpr int kRotationStep = 16;
constexpr int kOvalityMils = 20;

double radians(double degrees) { return degrees * std::numbers::pi / 180.0; }

class Noise {
 public:
  explicit Noise(std::uint32_t seed) : engine_(seed) {}
  // An integer in [-amplitude, amplitude]; mt19937's output is fixed by the standard.
  int operator()(int amplitude) {
    return static_cast<int>(engine_() % static_cast<std::uint32_t>(2 * amplitude + 1)) - amplitude;
  }

 private:
  std::mt19937 engine_;
};

struct Geometry {
  const SyntheticPipeOptions& options;
  int revolutions;

  // Eccentricity amplitude in mils, drifting slowly along the pipe.
  double eccentricity(double fraction) const {
    return options.nominalWall * (0.02 + 0.02 * std::sin(2.0 * std::numbers::pi * fraction));
  }
  double wall(double fraction, double degrees) const {
    return options.nominalWall + eccentricity(fraction) * std::cos(radians(degrees));
  }
  double ovality(double degrees) const { return kOvalityMils * std::cos(2.0 * radians(degrees)); }
};

PipeHeader makeHeader(const SyntheticPipeOptions& options) {
  PipeHeader header;
  header.kqNumber = 4711;
  header.nominalOdMils = static_cast<std::uint16_t>(std::lround(options.nominalOd * 1000.0));
  header.nominalOd = header.nominalOdMils / 1000.0;
  header.grade = "L80";
  header.nominalWall = options.nominalWall;
  header.upperWall = static_cast<std::uint16_t>(options.nominalWall + 40);
  header.lowerWall = static_cast<std::uint16_t>(options.nominalWall - 40);
  header.wallJumpSize = 30;
  header.calibrationOdMils = header.nominalOdMils;
  header.calibrationOd = static_cast<float>(header.calibrationOdMils) / 1000.0F;
  header.wallAngle = 135;
  header.odJumpSize = 25;
  return header;
}

// One channel's revolutions: axial counts rise at 195.35 per inch along the helix, rotation
// counts rise through every revolution.
template <typename Reading>
RevolutionList makeRevolutions(const Geometry& geometry, std::uint32_t axialStart, Noise& noise,
                               Reading reading) {
  const int samples = geometry.options.samplesPerRev;
  RevolutionList revolutions(static_cast<std::size_t>(geometry.revolutions));
  for (int r = 0; r < geometry.revolutions; ++r) {
    RevolutionSamples& revolution = revolutions[static_cast<std::size_t>(r)];
    revolution.resize(static_cast<std::size_t>(samples));
    for (int s = 0; s < samples; ++s) {
      RawSample& sample = revolution[static_cast<std::size_t>(s)];
      const double turns = r + static_cast<double>(s) / samples;
      sample.axialCount =
          axialStart + static_cast<std::uint32_t>(turns * geometry.options.pitchInches * kCountsPerInch);
      // Jitter within the step keeps the counts rising.
      sample.rotationCount =
          static_cast<std::uint32_t>((static_cast<std::int64_t>(r) * samples + s) * kRotationStep +
                                     kRotationStep / 2 + noise(kRotationStep / 2 - 1));
      sample.reading = reading(static_cast<double>(r) / geometry.revolutions, 360.0 * s / samples);
    }
  }
  return revolutions;
}

void addWallChannels(BlockFileBuilder& file, const Geometry& geometry, Noise& noise) {
  for (int k = 0; k < 4; ++k) {
    WallChannel channel;
    channel.setWallScale(kWallScale);
    channel.parameters = {k + 1.0, 0.5, 100.0, 2.0};
    // The four probes sit a quarter turn apart and a little apart along the pipe.
    channel.revolutions = makeRevolutions(
        geometry, 5000U + 40U * static_cast<std::uint32_t>(k), noise, [&](double fraction, double degrees) {
          return std::max(
              2, static_cast<int>(std::lround(geometry.wall(fraction, degrees + 90.0 * k))) + noise(2));
        });
    file.add(kTagRawWall, *encodeRawWallChannel(static_cast<std::uint8_t>(k + 1), channel));
  }
}

void addOdChannels(BlockFileBuilder& file, const Geometry& geometry, Noise& noise) {
  for (int k = 0; k < 2; ++k) {
    OdChannel channel;
    channel.inchesPerCount = kOdInchesPerCount;
    const int sign = k == 0 ? 1 : -1;
    channel.revolutions = makeRevolutions(geometry, 5200U, noise, [&](double, double degrees) {
      return sign * static_cast<int>(std::lround(geometry.ovality(degrees))) + noise(1);
    });
    file.add(kTagRawOd, *encodeRawOdChannel(static_cast<std::uint8_t>(k + 1), channel));
  }
}

WallMatrix makeWallMatrix(const Geometry& geometry, Noise& noise) {
  WallMatrix matrix;
  matrix.deltaX = geometry.options.pitchInches;
  matrix.rows = static_cast<std::uint32_t>(geometry.revolutions + 1);
  matrix.deltaY = 1.0;
  matrix.columns = 360;
  matrix.data.resize(static_cast<std::size_t>(matrix.rows) * matrix.columns);
  for (std::uint32_t row = 0; row < matrix.rows; ++row) {
    for (std::uint32_t column = 0; column < matrix.columns; ++column) {
      const double value = geometry.wall(static_cast<double>(row) / matrix.rows, column) + noise(1);
      matrix.data[row * matrix.columns + column] = static_cast<std::uint16_t>(std::lround(value));
    }
  }
  return matrix;
}

OdMatrix makeOdMatrix(const Geometry& geometry, Noise& noise) {
  OdMatrix matrix;
  matrix.deltaX = 0.3333333333333333;
  matrix.rows = static_cast<std::uint32_t>(std::floor(geometry.options.lengthInches * 3.0 + 1e-9)) + 1;
  matrix.deltaY = 1.0;
  matrix.columns = 360;
  matrix.data.resize(static_cast<std::size_t>(matrix.rows) * matrix.columns);
  for (std::uint32_t row = 0; row < matrix.rows; ++row) {
    for (std::uint32_t column = 0; column < matrix.columns; ++column) {
      matrix.data[row * matrix.columns + column] =
          static_cast<std::int16_t>(std::lround(geometry.ovality(column)) + noise(1));
    }
  }
  return matrix;
}

StraightnessMatrix makeStraightness(const SyntheticPipeOptions& options) {
  StraightnessMatrix matrix;
  matrix.deltaX = 12.0;
  matrix.rows = static_cast<std::uint32_t>(std::floor(options.lengthInches / 12.0)) + 1;
  matrix.deltaY = 10.0;
  matrix.columns = 36;
  matrix.data.resize(static_cast<std::size_t>(matrix.rows) * matrix.columns);
  // A gentle bow, largest in the middle of the pipe.
  for (std::uint32_t row = 0; row < matrix.rows; ++row) {
    const double bow = 60.0 * std::sin(std::numbers::pi * row / std::max(1U, matrix.rows - 1));
    for (std::uint32_t column = 0; column < matrix.columns; ++column) {
      matrix.data[row * matrix.columns + column] =
          static_cast<std::int16_t>(std::lround(bow * std::cos(radians(column * matrix.deltaY))));
    }
  }
  return matrix;
}

}  // namespace

int syntheticRevolutions(const SyntheticPipeOptions& options) {
  return std::max(1, static_cast<int>(std::floor(options.lengthInches / options.pitchInches + 1e-9)));
}

void writeSyntheticPipe(const std::string& path, const SyntheticPipeOptions& options) {
  if (options.samplesPerRev < 1 || options.lengthInches <= 0.0 || options.pitchInches <= 0.0)
    throw std::invalid_argument("synthetic pipe: length, pitch and samples per revolution must be positive");
  const Geometry geometry{options, syntheticRevolutions(options)};
  Noise noise(options.seed);
  const PipeHeader header = makeHeader(options);
  BlockFileBuilder file;
  file.add(kTagJobInfo1, encodeJobInfo1(header));
  if (options.withRawWall) addWallChannels(file, geometry, noise);
  const WallMatrix wall = makeWallMatrix(geometry, noise);
  file.add(kTagWallMatrix, encodeWallMatrix(wall));
  CsaTable csa;
  ComputeCsaStatistics(csa, options.nominalOd, wall.data, wall.rows, wall.columns);
  file.add(kTagCsa, encodeCsa(csa));
  file.add(kTagWallStart, encodeWallStart(static_cast<std::uint32_t>(std::lround(35.5 * kCountsPerInch))));
  file.add(kTagJobInfo2, encodeJobInfo2(header));
  if (options.withRawOd) addOdChannels(file, geometry, noise);
  if (options.withOdMatrix) file.add(kTagOdMatrix, encodeOdMatrix(makeOdMatrix(geometry, noise)));
  if (options.withStraightness) file.add(kTagStraightness, encodeStraightness(makeStraightness(options)));
  const std::vector<std::uint8_t> bytes = file.finish();
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (!out.flush()) throw std::runtime_error("synthetic pipe: cannot write " + path);
}

std::string writeSyntheticString(const std::string& folder, int pipes, SyntheticPipeOptions options) {
  const std::filesystem::path base(folder);
  std::string list;
  for (int i = 1; i <= pipes; ++i) {
    const std::string path = (base / ("p" + std::to_string(i) + ".kqvw")).string();
    options.seed = static_cast<std::uint32_t>(i);
    writeSyntheticPipe(path, options);
    list += path + '\n';
  }
  const std::string listPath = (base / "string.kqstr").string();
  writeText(listPath, list);
  return listPath;
}

}  // namespace ductora::testing
