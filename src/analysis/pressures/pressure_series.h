#pragma once

#include <cstdint>
#include <vector>

#include "data/format/pipe_file.h"

namespace ductora {

// Which input each of the pipe's collapse selections chooses.
enum CollapseInput : std::size_t {
  kCollapseOd = 0,
  kCollapseWall = 1,
  kCollapseEccentricity = 2,
  kCollapseOvality = 3,
};

// Choices of a collapse selection: 0 none, then maximum, minimum and average for the pipe, then
// for the slice (the revolution's metric record).
enum CollapseChoice : std::uint32_t {
  kChoiceNone = 0,
  kChoiceMaxForPipe = 1,
  kChoiceMinForPipe = 2,
  kChoiceAverageForPipe = 3,
  kChoiceMaxForSlice = 4,
  kChoiceMinForSlice = 5,
  kChoiceAverageForSlice = 6,
};

// The Collapse Pressure dialog's four choices (CollapseChoice values), in the order of its option
// groups.
struct CollapseChoices {
  std::uint32_t od = kChoiceNone;
  std::uint32_t wall = kChoiceNone;
  std::uint32_t ovality = kChoiceNone;
  std::uint32_t eccentricity = kChoiceNone;
};
// "Plot": the choices become the pipe's collapse selections, which the collapse series read.
void SetCollapseSelections(PipeFile& pipe, const CollapseChoices& choices);

// A revolution whose wall input is 0 plots at this pressure.
constexpr double kNoWallPressure = -100.0;

// Tamano collapse of wall row r with the inputs the pipe's collapse selections choose and the
// pipe's yield strength. A choice outside 1-6, or a slice choice for a row without a metric
// record, gives the input 0.
double CollapsePressureOfRow(const PipeFile& pipe, std::int64_t row);
// Burst pressure of wall row r by the pipe's burst selection: D/t of the row's metric record,
// or the nominal D/t (calibration OD mils / nominal wall mils) where that is 0 or missing.
double BurstPressureOfRow(const PipeFile& pipe, std::int64_t row);

// One value per wall matrix row.
std::vector<double> CollapseSeries(const PipeFile& pipe);
std::vector<double> BurstSeries(const PipeFile& pipe);

// The series' value at the wall row under the axial cursor; 0 outside the wall matrix.
double CollapseAtCursor(const PipeFile& pipe, double cursor);
double BurstAtCursor(const PipeFile& pipe, double cursor);

// D/t for API collapse: average OD over average wall of the revolution under the cursor (0
// outside either matrix), and nominal OD over nominal wall.
double ActualDOverT(const PipeFile& pipe, double cursor);
double NominalDOverT(const PipeFile& pipe);

// The burst plot's D/t where a revolution has none: calibration OD mils over nominal wall mils.
double NominalBurstDOverT(const PipeFile& pipe);

enum class DOverTSource { kMeasured, kNominal, kNone };
struct PipeDOverT {
  double value = 0.0;
  DOverTSource source = DOverTSource::kNone;
};
// The D/t the pipe's burst pressures are given at: its largest measured D/t, or for a pipe that
// has none (no OD and wall data side by side) the nominal burst D/t, as the burst plot falls back
// to it. kNone (value 0) when that is not a positive finite number either.
PipeDOverT BurstDOverT(const PipeFile& pipe);

}  // namespace ductora
