#pragma once

#include <cstdint>
#include <string>

#include "data/format/pipe_file.h"
#include "data/format/pipe_file_io.h"

namespace ductora {

// Everything derived from the matrices once a pipe was read: wall statistics and per-revolution
// series, CSA series, OD statistics, the ID matrix and the revolution metric records.
// CSA statistics are kept as read from the file.
void ComputePipeMeasures(PipeFile& pipe);

// Reading a pipe for use: the file read plus its measures. This is the loader the string uses.
PipeReadResult LoadPipeForUse(PipeFile& pipe, const std::string& path);

// The CSA statistics, which reading takes from the file, made again from the wall matrix and the
// nominal OD: after an edit of either.
void ComputeStoredCsaStatistics(PipeFile& pipe);

// Setters whose side effects are measures. A new nominal OD or wall remakes the CSA series (and
// with the OD the CSA statistics), so the percentages and the file saved follow the edit.
void SetNominalOd(PipeFile& pipe, float inches);
void SetNominalWall(PipeFile& pipe, std::uint16_t mils);
void SetCalibrationOd(PipeFile& pipe, float inches);
// An edit of the wall start counts (PipeFile::editWallStartCounts); the ID and the revolution
// records read the wall through the wall start.
void SetWallStartCounts(PipeFile& pipe, std::uint32_t counts);

}  // namespace ductora
