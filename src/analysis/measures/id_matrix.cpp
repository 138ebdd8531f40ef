#include "analysis/measures/id_matrix.h"

#include <algorithm>

#include "analysis/measures/diameter_walls.h"
#include "analysis/measures/mils.h"
#include "analysis/placement/pipe_sampler.h"

namespace ductora {

void BuildIdMatrix(PipeFile& pipe) {
  IdMatrix& id = pipe.idMatrix;
  if (!pipe.wallMatrix.present() || !pipe.odMatrix.present()) {
    id = IdMatrix{};
    return;
  }
  const PipeSampler sampler(pipe);
  const DiameterWalls walls = WallsOnDiameters(pipe);
  const std::int64_t rows = sampler.odRows();
  const std::int64_t columns = sampler.odColumns();
  const std::int64_t half = columns / 2;
  id.deltaX = pipe.odMatrix.deltaX;
  id.deltaY = pipe.odMatrix.deltaY;
  id.rows = static_cast<std::uint32_t>(rows);
  id.columns = static_cast<std::uint32_t>(columns);
  id.data.assign(static_cast<std::size_t>(rows * columns), 0);

  double maxId = 0.0;
  double minId = 50000.0;
  double sum = 0.0;
  std::int64_t diameters = 0;
  for (std::int64_t r = 0; r < rows; ++r) {
    std::int16_t* cells = id.data.data() + r * columns;
    const std::int16_t* odRow = sampler.OdRow(r);
    // The OD row index is the wall's display row.
    const std::uint16_t* wallRow = sampler.WallRow(r);
    if (odRow == nullptr || wallRow == nullptr) {
      continue;
    }
    for (std::int64_t c = 0; c < half; ++c) {
      const std::optional<float> diameter = sampler.DiameterIn(odRow, c);
      const float w1 = sampler.WallIn(wallRow, walls.near[c]) / 1000.0F;
      const float w2 = sampler.WallIn(wallRow, walls.far[c]) / 1000.0F;
      if (!diameter || w1 == 0.0F || w2 == 0.0F) {
        continue;
      }
      const float inside = *diameter - w1 - w2;
      maxId = std::max(maxId, static_cast<double>(inside));
      minId = std::min(minId, static_cast<double>(inside));
      sum += inside;
      ++diameters;
      cells[c] = cells[c + half] = TruncateToMils<std::int16_t>(inside);
    }
  }
  id.maxId = maxId;
  id.minId = diameters > 0 ? minId : 0.0;
  // Over the diameters that hold an ID: cells without a wall on both sides are no inside diameter.
  id.avgId = diameters > 0 ? sum / static_cast<double>(diameters) : 0.0;
}

}  // namespace ductora
