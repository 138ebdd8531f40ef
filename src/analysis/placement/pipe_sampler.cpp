#include "analysis/placement/pipe_sampler.h"

#include <cmath>

#include "analysis/measures/matrix_extent.h"

namespace ductora {

PipeSampler::PipeSampler(const PipeFile& pipe)
    : wall_(pipe.wallMatrix),
      od_(pipe.odMatrix),
      wallRows_(WallDisplayRows(pipe)),
      wallColumns_(pipe.wallMatrix.columns),
      odRows_(UsableRows(pipe.odMatrix)),
      odColumns_(pipe.odMatrix.columns),
      flipped_(pipe.flipped()),
      calibrationOd_(pipe.header.calibrationOd) {}

std::optional<std::int64_t> PipeSampler::WallRowIndex(std::int64_t displayRow) const {
  const std::int64_t k = wallRows_.offset;
  if (displayRow < k || displayRow >= wallRows_.rows + k) {
    return std::nullopt;
  }
  std::int64_t row = wallRows_.RowOf(displayRow);
  if (wallRows_.reversed) {
    row = wallRows_.Reverse(row);
  }
  if (!wallRows_.Contains(row)) {
    return std::nullopt;
  }
  return row;
}

std::optional<std::int64_t> PipeSampler::OdRowIndex(std::int64_t row) const {
  if (wallRows_.reversed) {
    row = wallRows_.Reverse(row);
  }
  if (row < 0 || row >= odRows_) {
    return std::nullopt;
  }
  return row;
}

const std::uint16_t* PipeSampler::WallRow(std::int64_t displayRow) const {
  const std::optional<std::int64_t> row = WallRowIndex(displayRow);
  return row ? wall_.data.data() + static_cast<std::size_t>(*row) * wall_.columns : nullptr;
}

const std::int16_t* PipeSampler::OdRow(std::int64_t row) const {
  const std::optional<std::int64_t> index = OdRowIndex(row);
  return index ? od_.data.data() + static_cast<std::size_t>(*index) * od_.columns : nullptr;
}

float OdDiameterAt(const PipeFile& pipe, double position, double angle) {
  const OdMatrix& od = pipe.odMatrix;
  const std::uint32_t rows = UsableRows(od);
  if (rows == 0 || !std::isfinite(angle)) {
    return 0.0F;
  }
  std::int64_t row = 0;
  const double rowPosition = position / od.deltaX;
  if (od.deltaX > 0.0 && rowPosition >= 0.0 && rowPosition < rows) {
    row = static_cast<std::int64_t>(rowPosition);
  }
  const auto columns = static_cast<std::int64_t>(od.columns);
  std::int64_t column = static_cast<std::int64_t>(std::fmod(std::trunc(angle), static_cast<double>(columns)));
  if (column < 0) {
    column += columns;
  }
  return PipeSampler(pipe).OdDiameterAtRow(row, column).value_or(0.0F);
}

std::uint16_t WallAt(const PipeFile& pipe, std::int32_t displayRow, std::int32_t column) {
  return PipeSampler(pipe).WallAt(displayRow, column);
}

}  // namespace ductora
