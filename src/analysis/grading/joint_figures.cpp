#include "analysis/grading/joint_figures.h"

#include <cmath>
#include <limits>

#include "analysis/placement/cursor_rows.h"
#include "analysis/placement/display_rows.h"
#include "analysis/placement/no_reading_areas.h"
#include "analysis/pressures/pressures.h"
#include "analysis/queries/range_queries.h"
#include "analysis/queries/range_values.h"

namespace ductora {

namespace {

constexpr auto kApiBurst = static_cast<std::uint32_t>(BurstFormulaId::kApi);
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

}  // namespace

ThinnestSpot FindThinnestSpot(const PipeFile& pipe) {
  const WallMatrix& wall = pipe.wallMatrix;
  const CellLocation cell = MinWallLocation(pipe, 0, 0, kRangeLowLimit);
  if (!cell.placed || wall.columns == 0) return {};
  ThinnestSpot spot;
  spot.wall = cell.value;
  spot.position = IndexMiddle(cell.index, wall.deltaX);
  spot.angle = CursorAtColumn(cell.column, wall.columns);
  const CursorPlace place = PlaceAtCursor(pipe, spot.position, spot.angle);
  spot.row = place.wall.row.value_or(0);
  spot.column = place.wall.column.value_or(cell.column);
  spot.found = true;
  return spot;
}

JointFigures ComputeJointFigures(const PipeFile& pipe, const GradingRule& rule,
                                 std::optional<double> givenYield) {
  JointFigures f;
  f.kqNumber = pipe.header.kqNumber;
  f.length = pipe.pipeLength();
  f.minWall = pipe.wallMatrix.minWall;
  f.avgWall = pipe.wallMatrix.avgWall;
  f.maxWall = pipe.wallMatrix.maxWall;
  f.minCsaPercent = MinCsaPercent(pipe, 0, 0, kRangeLowLimit);
  f.maxEccentricity = pipe.wallMatrix.maxEccentricity;
  f.maxOvality = pipe.odMatrix.maxOvality;
  f.minOd = pipe.odMatrix.minOd;
  f.maxOd = pipe.odMatrix.maxOd;
  f.yield = ChooseYield(givenYield, pipe.header.grade);
  const PipeDOverT dOverT = BurstDOverT(pipe);
  f.dOverTSource = dOverT.source;
  f.maxDOverT = dOverT.source == DOverTSource::kNone ? kNaN : dOverT.value;
  f.apiBurst = BurstPressure(f.yield.psi, f.maxDOverT, kApiBurst);

  f.thinnest = FindThinnestSpot(pipe);
  const double nominalMils = pipe.header.nominalWall;
  // Wall cells are whole thousandths: back to them, so the class edges compare exactly.
  const double minMils = f.thinnest.found ? std::round(f.thinnest.wall * 1000.0) : kNaN;
  const double minWall = minMils / 1000.0;
  const double remaining = nominalMils > 0.0 ? RemainingBodyWall(minMils, nominalMils) : kNaN;
  f.remainingBodyWall = remaining * 100.0;
  if (std::isfinite(remaining)) {
    const GradeClass& grade = ClassOf(rule, remaining);
    f.className = grade.name;
    f.classColour = grade.colour;
    f.classBands = grade.bands;
  } else {
    // No wall data or no nominal wall: nothing to grade by, which no class may hide.
    f.className = kNotGraded;
    f.classColour = {160, 160, 160};
  }
  f.collapseNominal = Api5c3Collapse(f.yield.psi, NominalDOverT(pipe));
  f.collapseAtMinimum = Api5c3Collapse(f.yield.psi, pipe.header.nominalOd / minWall);
  f.noReadingCells = NoReadingCellCount(pipe);
  f.notVerified = f.noReadingCells.value_or(0) > kVerifiedNoReadingCells;
  f.jumpFilter = pipe.wallMatrix.jumpFilter;
  return f;
}

}  // namespace ductora
