#pragma once

#include <cstdint>
#include <string>

#include "data/format/pipe_file.h"
#include "sim/pipe_model.h"
#include "sim/scan.h"
#include "sim/sim_options.h"
#include "sim/truth_matrices.h"

namespace ductora::sim {

// One pipe as the unit inspects it: its true geometry, what the sensors recorded and the
// matrices and job information the unit stores with them.
struct SimulatedPipe {
  int index = 0;  // in the string, from 0
  PipeModel model;
  PipeHeader header;
  ScannedPipe scan;
  WallMatrix wallMatrix;
  OdMatrix odMatrix;  // empty without OD sensors
  StraightnessMatrix straightness;
  CsaTable csa;
  TrueGrid wallGrid;
  TrueGrid odGrid;
  std::vector<LostCell> lostWallCells;  // kept with field faults only
  double wallStart = 0.0;               // where the wall data begin relative to the OD data, inches
  std::uint32_t wallStartCounts = 0;
};

// Job information shared by the pipes of one string.
struct JobInfo {
  std::string woNumber;
  std::uint16_t firstKqNumber = 0;
  std::uint8_t unitNumber = 0;
  std::uint8_t runNumber = 0;
  std::uint32_t created = 0;
  std::string grade;
};

JobInfo makeJobInfo(const SimOptions& options, Random& random);

SimulatedPipe simulatePipe(const SimOptions& options, const JobInfo& job, int index, Random& random);

}  // namespace ductora::sim
