#pragma once

#include <array>
#include <vector>

#include "data/format/pipe_file.h"
#include "sim/channel_stream.h"
#include "sim/motion.h"
#include "sim/pipe_model.h"

namespace ductora::sim {

// A matrix of the true geometry on the grid the builders make from a channel's raw samples: row r
// at r x deltaX from the first sample of the first revolution, column c at c x deltaY of the
// revolution's own angle scale (0 at its first sample, 360 at its last); as many rows as a build
// gives, which ends at the channel's last revolution but one (the mark repair drops the last).
struct TrueGrid {
  double firstZ = 0.0;  // pipe position of row 0, inches from the pipe's start
  std::uint32_t rows = 0;
  std::uint32_t columns = 0;
};

// The wall matrix as the primary (first) probe's channel would be built, in mils.
WallMatrix trueWallMatrix(const PipeModel& pipe, const Motion& motion, const Sensor& probe,
                          const ChannelStream& stream, double deltaX, double deltaY, TrueGrid& grid);

// A cell of the wall grid whose reading the probe lost: the number of lost readings in a row there.
struct LostCell {
  std::uint32_t row = 0;
  std::uint32_t column = 0;
  int run = 0;
};

// The cells of the wall grid (as trueWallMatrix lays it) whose nearest sample reads 0.
std::vector<LostCell> trueLostCells(const Motion& motion, const Sensor& probe, const ChannelStream& stream,
                                    double deltaX, double deltaY);

// The OD matrix as both OD channels would be built and rotated by the wall angle: half the
// diameter's departure from the calibration OD, in mils, on the first channel's grid.
OdMatrix trueOdMatrix(const PipeModel& pipe, const Motion& motion, const Sensor& firstSensor,
                      const std::array<ChannelStream, 2>& streams, double calibrationOd, int wallAngle,
                      TrueGrid& grid);

// The bow seen from 36 directions, one row a foot, in mils.
StraightnessMatrix trueStraightness(const PipeModel& pipe);

}  // namespace ductora::sim
