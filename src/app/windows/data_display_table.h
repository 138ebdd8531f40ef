#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "data/format/pipe_file.h"

namespace ductora {

// Which matrix the Data Display shows and edits.
enum class DataMode { kWall, kOd };

constexpr int kDataTableAngles = 14;
// Revolutions shown on either side of the cursor's.
constexpr int kDataTableReach = 3;

// A pipe that lacks one of the matrices can only show the other (wall when it has neither).
DataMode settledDataMode(const PipeFile* pipe, DataMode shown);
// "Wall Data" and "OD Data": the wanted mode when the pipe has that matrix.
DataMode chosenDataMode(const PipeFile* pipe, DataMode shown, DataMode wanted);

// The display revolution under the cursor at the shown matrix's pitch (the placement's index).
std::int64_t dataRevolution(const PipeFile& pipe, DataMode mode, double position);

struct DataTable {
  std::int64_t revolution = 0;
  std::array<int, kDataTableAngles> angles{};  // where each line's column starts, whole degrees
  std::array<std::string, kDataTableAngles> lines;
};

// Fourteen display columns from the cursor's up (the last is followed by 0), each with the values
// of the seven revolutions around the cursor's: wall in thousandths, or the OD diameter in
// inches, read at the cells the display shows there. A place outside the matrix shows 0.
DataTable makeDataTable(const PipeFile& pipe, DataMode mode, double position, double angle);

}  // namespace ductora
