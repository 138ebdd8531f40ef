#include "analysis/placement/pipe_sampler.h"

namespace ductora {

PipeSampler::PipeSampler(const PipeFile& pipe)
    : wall_(pipe.wallMatrix),
      od_(pipe.odMatrix),
      wallRows_(WallDisplayRows(pipe)),
      odRows_(OdDisplayRows(pipe)),
      wallColumns_(pipe.wallMatrix.columns),
      odColumns_(pipe.odMatrix.columns),
      flipped_(pipe.flipped()),
      calibrationOd_(pipe.header.calibrationOd) {}

std::optional<std::int64_t> PipeSampler::WallRowIndex(std::int64_t displayRow) const {
  return wallRows_.RowInside(displayRow);
}

std::optional<std::int64_t> PipeSampler::OdRowIndex(std::int64_t row) const { return odRows_.RowInside(row); }

const std::uint16_t* PipeSampler::WallRow(std::int64_t displayRow) const {
  const std::optional<std::int64_t> row = WallRowIndex(displayRow);
  return row ? wall_.data.data() + static_cast<std::size_t>(*row) * wall_.columns : nullptr;
}

const std::int16_t* PipeSampler::OdRow(std::int64_t row) const {
  const std::optional<std::int64_t> index = OdRowIndex(row);
  return index ? od_.data.data() + static_cast<std::size_t>(*index) * od_.columns : nullptr;
}

float OdDiameterAt(const PipeFile& pipe, double position, double angle) {
  const auto index = DisplayIndexAt(position, pipe.odMatrix.deltaX);
  const auto column = DisplayColumnAt(angle, pipe.odMatrix.columns);
  if (!index || !column) {
    return 0.0F;
  }
  return PipeSampler(pipe).OdDiameterAtRow(*index, *column).value_or(0.0F);
}

std::uint16_t WallAt(const PipeFile& pipe, std::int32_t displayRow, std::int32_t column) {
  return PipeSampler(pipe).WallAt(displayRow, column);
}

}  // namespace ductora
