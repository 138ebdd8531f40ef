#include "analysis/placement/display_rows.h"

#include <algorithm>
#include <cmath>

#include "analysis/measures/matrix_extent.h"

namespace ductora {

namespace {

// Far beyond any row count; keeps the conversion of absurd offsets defined.
constexpr double kOffsetLimit = 1e9;
// Beyond any index a matrix can have; keeps the conversion to an integer defined.
constexpr double kIndexLimit = 1e12;
constexpr double kTurn = 360.0;

std::int64_t RowOffset(double wallStart, double deltaX) {
  if (!(deltaX > 0.0)) {
    return 0;
  }
  const double rowsBefore = std::round(wallStart / deltaX);
  if (!std::isfinite(rowsBefore)) {
    return 0;
  }
  return static_cast<std::int64_t>(std::clamp(rowsBefore, -kOffsetLimit, kOffsetLimit));
}

}  // namespace

DisplayRows MakeDisplayRows(const PipeFile& pipe, double deltaX, std::int64_t rows) {
  DisplayRows mapping = MakeUnshiftedRows(pipe, rows);
  mapping.offset = RowOffset(pipe.wallStart, deltaX);
  return mapping;
}

DisplayRows MakeUnshiftedRows(const PipeFile& pipe, std::int64_t rows) {
  DisplayRows mapping;
  mapping.rows = rows;
  mapping.reversed = pipe.reversed();
  mapping.flipped = pipe.flipped();
  return mapping;
}

DisplayRows WallDisplayRows(const PipeFile& pipe) {
  return MakeDisplayRows(pipe, pipe.wallMatrix.deltaX, UsableRows(pipe.wallMatrix));
}

DisplayRows OdDisplayRows(const PipeFile& pipe) { return MakeUnshiftedRows(pipe, UsableRows(pipe.odMatrix)); }

DisplayRows StraightnessDisplayRows(const PipeFile& pipe) {
  return MakeUnshiftedRows(pipe, UsableRows(pipe.straightness));
}

DisplayRows IdDisplayRows(const PipeFile& pipe) {
  DisplayRows mapping;
  mapping.rows = UsableRows(pipe.idMatrix);
  return mapping;
}

namespace {

DisplaySpan SpanOf(const DisplayRows& mapping, double deltaX) {
  if (!(deltaX > 0.0)) {
    return {};
  }
  return {static_cast<double>(mapping.offset) * deltaX, static_cast<double>(mapping.rows) * deltaX,
          mapping.reversed};
}

}  // namespace

DisplaySpan WallSpan(const PipeFile& pipe) { return SpanOf(WallDisplayRows(pipe), pipe.wallMatrix.deltaX); }
DisplaySpan OdSpan(const PipeFile& pipe) { return SpanOf(OdDisplayRows(pipe), pipe.odMatrix.deltaX); }
DisplaySpan IdSpan(const PipeFile& pipe) { return SpanOf(IdDisplayRows(pipe), pipe.idMatrix.deltaX); }

std::optional<std::int64_t> DisplayIndexAt(double position, double pitch) {
  if (!(pitch > 0.0)) {
    return std::nullopt;
  }
  const double index = std::floor(position / pitch);
  if (!(std::abs(index) < kIndexLimit)) {
    return std::nullopt;
  }
  return static_cast<std::int64_t>(index);
}

double IndexMiddle(std::int64_t index, double pitch) { return (static_cast<double>(index) + 0.5) * pitch; }

std::optional<std::int64_t> DisplayColumnAt(double angle, std::int64_t columns) {
  if (columns <= 0 || !std::isfinite(angle)) {
    return std::nullopt;
  }
  double turn = std::fmod(angle, kTurn);
  if (turn < 0.0) {
    turn += kTurn;
  }
  const auto column = static_cast<std::int64_t>(std::floor(turn * static_cast<double>(columns) / kTurn));
  return std::min(column, columns - 1);
}

double ColumnAngle(std::int64_t column, std::int64_t columns) {
  return columns > 0 ? static_cast<double>(column) * kTurn / static_cast<double>(columns) : 0.0;
}

}  // namespace ductora
