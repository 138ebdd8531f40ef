#include "analysis/measures/od_statistics.h"

#include <algorithm>

#include "analysis/measures/matrix_extent.h"

namespace ductora {

namespace {

void ClearOdStatistics(OdMatrix& od) {
  od.maxOd = od.minOd = od.avgOd = 0.0;
  od.maxOvality = od.minOvality = od.avgOvality = 0.0;
  od.ovalityPerRev.clear();
  od.minOdPerRev.clear();
  od.maxOdPerRev.clear();
  od.avgOdPerRev.clear();
}

}  // namespace

void ComputeOdStatistics(OdMatrix& od, float calibrationOd) {
  const std::uint32_t rows = UsableRows(od);
  const std::size_t half = od.columns / 2;
  if (rows == 0 || half == 0) {
    ClearOdStatistics(od);
    return;
  }
  od.ovalityPerRev.assign(rows, 0.0F);
  od.minOdPerRev.assign(rows, 0.0F);
  od.maxOdPerRev.assign(rows, 0.0F);
  od.avgOdPerRev.assign(rows, 0.0F);

  double maxOd = 0.0;
  double minOd = 50000.0;
  double averageSum = 0.0;
  double minOvality = 50000.0;
  double maxOvality = 0.0;
  double ovalitySum = 0.0;
  for (std::uint32_t r = 0; r < rows; ++r) {
    const std::int16_t* cells = od.data.data() + static_cast<std::size_t>(r) * od.columns;
    float low = 0.0F;
    float high = 0.0F;
    float sum = 0.0F;
    for (std::size_t c = 0; c < half; ++c) {
      const float d = cells[c] / 1000.0F + cells[c + half] / 1000.0F + calibrationOd;
      if (c == 0) {
        low = high = d;
      }
      low = std::min(low, d);
      high = std::max(high, d);
      sum += d;
    }
    const float average = sum / static_cast<float>(half);
    // A zero average diameter has no defined ovality; 0 keeps NaN and infinity out.
    const float ovality = average != 0.0F ? (high - low) / average * 100.0F : 0.0F;
    od.minOdPerRev[r] = low;
    od.maxOdPerRev[r] = high;
    od.avgOdPerRev[r] = average;
    od.ovalityPerRev[r] = ovality;
    maxOd = std::max(maxOd, static_cast<double>(high));
    minOd = std::min(minOd, static_cast<double>(low));
    averageSum += average;
    maxOvality = std::max(maxOvality, static_cast<double>(ovality));
    minOvality = std::min(minOvality, static_cast<double>(ovality));
    ovalitySum += ovality;
  }
  // Means over every row, as the wall's are.
  od.maxOd = maxOd;
  od.minOd = minOd;
  od.avgOd = averageSum / rows;
  od.maxOvality = maxOvality;
  od.minOvality = minOvality;
  od.avgOvality = ovalitySum / rows;
}

}  // namespace ductora
