#include "sim/truth_matrices.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <span>

#include "analysis/rebuild/correction/twelve_oclock.h"

namespace ductora::sim {

namespace {

constexpr double kOdDeltaX = 0.3333333333333333;
constexpr double kOdDeltaY = 1.0;
constexpr double kStraightnessDeltaX = 12.0;
constexpr double kStraightnessDeltaY = 10.0;
constexpr std::uint32_t kStraightnessColumns = 36;

double positionOf(const Motion& motion, std::size_t sample, std::uint32_t origin) {
  return (static_cast<double>(motion.axialCount[sample]) - origin) * kInchesPerCount;
}

// The turns a build keeps: the false-mark repair drops a channel's last revolution once the
// channel fills a window of them.
std::span<const Turn> builtTurns(const ChannelStream& stream) {
  const std::span<const Turn> turns(stream.turns);
  return turns.size() >= kMarkRepairWindow ? turns.first(turns.size() - 1) : turns;
}

// The rows a build of the channel gives: one per deltaX over its kept turns, and the first.
std::uint32_t builtRows(const Motion& motion, const ChannelStream& stream, double deltaX) {
  const std::span<const Turn> turns = builtTurns(stream);
  if (turns.empty()) {
    return 0;
  }
  const std::uint32_t a0 = motion.axialCount[turns.front().first];
  return static_cast<std::uint32_t>(positionOf(motion, turns.back().last, a0) / deltaX) + 1;
}

// Walks the grid the way the builder does (positions and angles accumulated by addition) and asks
// for the value at every cell: the pipe position, the unit's turn angle and the turn read there,
// for the given number of rows.
template <typename Value>
std::vector<Value> sampleGrid(
    const Motion& motion, const Sensor& sensor, const ChannelStream& stream, double deltaX, double deltaY,
    std::uint32_t rows, TrueGrid& grid,
    const std::function<Value(double z, double rotation, const Turn& turn)>& value) {
  const std::span<const Turn> turns = builtTurns(stream);
  grid = {};
  if (turns.empty() || deltaX <= 0.0 || deltaY <= 0.0) {
    return {};
  }
  const std::uint32_t a0 = motion.axialCount[turns.front().first];
  grid.rows = rows;
  grid.columns = static_cast<std::uint32_t>(360.0 / deltaY);
  grid.firstZ = (static_cast<double>(a0) - motion.encoderOrigin) * kInchesPerCount - sensor.offset;
  std::vector<Value> data(static_cast<std::size_t>(grid.rows) * grid.columns);
  std::size_t centre = 0;
  double y = 0.0;
  for (std::uint32_t row = 0; row < grid.rows; ++row, y += deltaX) {
    while (centre + 1 < turns.size() && positionOf(motion, turns[centre].last, a0) < y) {
      ++centre;
    }
    const Turn& turn = turns[centre];
    const double b0 = motion.rotationCount[turn.first];
    const double b1 = motion.rotationCount[turn.last];
    const double z = grid.firstZ + y;
    double a = 0.0;
    for (std::uint32_t column = 0; column < grid.columns; ++column, a += deltaY) {
      const double rotation = motion.rotationAtCount(b0 + a / 360.0 * (b1 - b0), turn.first, turn.last);
      data[static_cast<std::size_t>(row) * grid.columns + column] = value(z, rotation, turn);
    }
  }
  return data;
}

// For every sample of a wall channel, how many lost readings (0) in a row it lies in; 0 where the
// channel read.
std::vector<int> lostRuns(const ChannelStream& stream) {
  std::vector<int> runs;
  runs.reserve(stream.records.size());
  for (const RawRecord& record : stream.records) {
    if (record.reading != kWallMarkerReading) {
      runs.push_back(record.reading == 0 ? 1 : 0);
    }
  }
  for (std::size_t first = 0; first < runs.size();) {
    std::size_t end = first;
    while (end < runs.size() && runs[end] != 0) {
      ++end;
    }
    std::fill(runs.begin() + static_cast<std::ptrdiff_t>(first),
              runs.begin() + static_cast<std::ptrdiff_t>(end), static_cast<int>(end - first));
    first = end + 1;
  }
  return runs;
}

// The sample of a turn read nearest a turn angle.
std::size_t nearestSample(const Motion& motion, const Turn& turn, double rotation) {
  const auto begin = motion.rotation.begin() + static_cast<std::ptrdiff_t>(turn.first);
  const auto end = motion.rotation.begin() + static_cast<std::ptrdiff_t>(turn.last) + 1;
  const auto after = std::lower_bound(begin, end, rotation);
  if (after == begin) {
    return turn.first;
  }
  if (after == end || rotation - *(after - 1) < *after - rotation) {
    return static_cast<std::size_t>(after - 1 - motion.rotation.begin());
  }
  return static_cast<std::size_t>(after - motion.rotation.begin());
}

template <typename Matrix>
void setGrid(Matrix& matrix, const TrueGrid& grid, double deltaX, double deltaY) {
  matrix.deltaX = deltaX;
  matrix.deltaY = deltaY;
  matrix.rows = grid.rows;
  matrix.columns = grid.columns;
  matrix.length = grid.rows == 0 ? 0.0F : static_cast<float>((grid.rows - 1) * deltaX);
}

}  // namespace

WallMatrix trueWallMatrix(const PipeModel& pipe, const Motion& motion, const Sensor& probe,
                          const ChannelStream& stream, double deltaX, double deltaY, TrueGrid& grid) {
  WallMatrix matrix;
  matrix.data = sampleGrid<std::uint16_t>(
      motion, probe, stream, deltaX, deltaY, builtRows(motion, stream, deltaX), grid,
      [&pipe, &probe](double z, double rotation, const Turn&) {
        return static_cast<std::uint16_t>(std::lround(pipe.wall(z, probe.pipeAngle(rotation)) * 1000.0));
      });
  setGrid(matrix, grid, deltaX, deltaY);
  return matrix;
}

std::vector<LostCell> trueLostCells(const Motion& motion, const Sensor& probe, const ChannelStream& stream,
                                    double deltaX, double deltaY) {
  const std::vector<int> runs = lostRuns(stream);
  TrueGrid grid;
  const std::vector<int> cells =
      sampleGrid<int>(motion, probe, stream, deltaX, deltaY, builtRows(motion, stream, deltaX), grid,
                      [&](double, double rotation, const Turn& turn) {
                        const std::size_t sample = nearestSample(motion, turn, rotation) - stream.firstSample;
                        return sample < runs.size() ? runs[sample] : 0;
                      });
  std::vector<LostCell> lost;
  for (std::size_t cell = 0; cell < cells.size(); ++cell) {
    if (cells[cell] != 0) {
      lost.push_back({static_cast<std::uint32_t>(cell / grid.columns),
                      static_cast<std::uint32_t>(cell % grid.columns), cells[cell]});
    }
  }
  return lost;
}

OdMatrix trueOdMatrix(const PipeModel& pipe, const Motion& motion, const Sensor& firstSensor,
                      const std::array<ChannelStream, 2>& streams, double calibrationOd, int wallAngle,
                      TrueGrid& grid) {
  OdMatrix matrix;
  // The builder takes the difference over the rows both channels give.
  const std::uint32_t rows =
      std::min(builtRows(motion, streams[0], kOdDeltaX), builtRows(motion, streams[1], kOdDeltaX));
  const std::vector<std::int16_t> unrotated = sampleGrid<std::int16_t>(
      motion, firstSensor, streams[0], kOdDeltaX, kOdDeltaY, rows, grid,
      [&](double z, double rotation, const Turn&) {
        return static_cast<std::int16_t>(
            std::lround((pipe.diameter(z, firstSensor.pipeAngle(rotation)) - calibrationOd) / 2.0 * 1000.0));
      });
  setGrid(matrix, grid, kOdDeltaX, kOdDeltaY);
  matrix.data.resize(unrotated.size());
  // The builder turns every OD row by the wall angle.
  for (std::size_t row = 0; row < grid.rows; ++row) {
    for (std::size_t column = 0; column < grid.columns; ++column) {
      const std::size_t target = (column + static_cast<std::size_t>(wallAngle)) % grid.columns;
      matrix.data[row * grid.columns + target] = unrotated[row * grid.columns + column];
    }
  }
  return matrix;
}

StraightnessMatrix trueStraightness(const PipeModel& pipe) {
  StraightnessMatrix matrix;
  matrix.deltaX = kStraightnessDeltaX;
  matrix.deltaY = kStraightnessDeltaY;
  matrix.rows = static_cast<std::uint32_t>(pipe.length / kStraightnessDeltaX) + 1;
  matrix.columns = kStraightnessColumns;
  matrix.data.resize(static_cast<std::size_t>(matrix.rows) * matrix.columns);
  for (std::uint32_t row = 0; row < matrix.rows; ++row) {
    for (std::uint32_t column = 0; column < matrix.columns; ++column) {
      matrix.data[static_cast<std::size_t>(row) * matrix.columns + column] = static_cast<std::int16_t>(
          std::lround(1000.0 * pipe.bowToward(row * kStraightnessDeltaX, column * kStraightnessDeltaY)));
    }
  }
  return matrix;
}

}  // namespace ductora::sim
