#include "analysis/measures/pipe_measures.h"

#include "analysis/measures/csa.h"
#include "analysis/measures/id_matrix.h"
#include "analysis/measures/mils.h"
#include "analysis/measures/od_statistics.h"
#include "analysis/measures/revolution_metrics.h"
#include "analysis/measures/wall_statistics.h"
#include "data/format/pipe_file_io.h"

namespace ductora {

namespace {

void ComputeCsaSeriesOf(PipeFile& pipe) {
  const WallMatrix& wall = pipe.wallMatrix;
  ComputeCsaSeries(pipe.csa, pipe.header.nominalOd, pipe.header.nominalWall / 1000.0, wall.rows, wall.columns,
                   wall.data);
}

// Everything that combines wall and OD or reads the calibration OD through them.
void ComputeCombinedMeasures(PipeFile& pipe) {
  BuildIdMatrix(pipe);
  ComputeRevolutionMetrics(pipe);
}

}  // namespace

void ComputePipeMeasures(PipeFile& pipe) {
  if (pipe.wallMatrix.present()) {
    ComputeWallStatistics(pipe.wallMatrix);
    ComputeCsaSeriesOf(pipe);
  }
  if (pipe.odMatrix.present()) {
    ComputeOdStatistics(pipe.odMatrix, pipe.header.calibrationOd);
  }
  ComputeCombinedMeasures(pipe);
}

PipeReadResult LoadPipeForUse(PipeFile& pipe, const std::string& path) {
  PipeReadResult result = readPipeFile(pipe, path);
  if (result.opened) {
    ComputePipeMeasures(pipe);
  }
  return result;
}

void ComputeStoredCsaStatistics(PipeFile& pipe) {
  const WallMatrix& wall = pipe.wallMatrix;
  if (wall.present()) {
    ComputeCsaStatistics(pipe.csa, pipe.header.nominalOd, wall.data, wall.rows, wall.columns);
  }
}

void SetNominalOd(PipeFile& pipe, float inches) {
  // The field shows three decimals of a double; the same number typed back is no new OD, and
  // keeps the statistics the file holds.
  const bool odChanged = static_cast<float>(pipe.header.nominalOd) != inches;
  pipe.header.nominalOdMils = TruncateToMils<std::uint16_t>(inches);
  pipe.header.nominalOd = inches;
  pipe.changed();
  if (pipe.odMatrix.present()) {
    ComputeOdStatistics(pipe.odMatrix, pipe.header.calibrationOd);
  }
  // The nominal and per-revolution areas are made from the nominal OD.
  if (pipe.wallMatrix.present()) {
    ComputeCsaSeriesOf(pipe);
    if (odChanged) {
      ComputeStoredCsaStatistics(pipe);
    }
  }
}

void SetNominalWall(PipeFile& pipe, std::uint16_t mils) {
  pipe.header.nominalWall = mils;
  pipe.changed();
  // The nominal area, and with it every percent of it, is made from the nominal wall.
  if (pipe.wallMatrix.present()) {
    ComputeCsaSeriesOf(pipe);
  }
}

void SetCalibrationOd(PipeFile& pipe, float inches) {
  pipe.header.calibrationOd = inches;
  pipe.header.calibrationOdMils = TruncateToMils<std::uint16_t>(inches);
  if (pipe.odMatrix.present()) {
    ComputeOdStatistics(pipe.odMatrix, pipe.header.calibrationOd);
    ComputeCombinedMeasures(pipe);
  }
}

void SetWallStartCounts(PipeFile& pipe, std::uint32_t counts) {
  const double before = pipe.wallStart;
  pipe.editWallStartCounts(counts);
  if (pipe.wallStart != before) {
    ComputeCombinedMeasures(pipe);
  }
}

}  // namespace ductora
