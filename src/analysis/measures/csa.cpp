#include "analysis/measures/csa.h"

#include <algorithm>
#include <cmath>

namespace ductora {

namespace {

std::size_t BackedRows(std::uint32_t rows, std::uint32_t columns, std::size_t cells) {
  return columns == 0 ? 0 : std::min<std::size_t>(rows, cells / columns);
}

}  // namespace

void ComputeCsaSeries(CsaTable& csa, double nominalOd, double nominalWall, std::uint32_t rows,
                      std::uint32_t columns, std::span<const std::uint16_t> data) {
  const std::size_t usable = BackedRows(rows, columns, data.size());
  csa.nominalCsa = kPi * nominalWall * (nominalOd - nominalWall);
  csa.rows = static_cast<std::uint32_t>(usable);
  csa.csaPerRev.assign(usable, 0.0);
  for (std::size_t r = 0; r < usable; ++r) {
    double sum = 0.0;
    for (const std::uint16_t value : data.subspan(r * columns, columns)) {
      const double w = value / 1000.0;
      sum += kPi * w * (nominalOd - w);
    }
    csa.csaPerRev[r] = (1.0 / columns) * sum;
  }
}

double ComputeCsaStatistics(CsaTable& csa, double nominalOd, std::span<const std::uint16_t> data,
                            std::uint32_t rows, std::uint32_t columns) {
  const std::size_t usable = BackedRows(rows, columns, data.size());
  csa.minCsa = csa.maxCsa = csa.avgCsa = csa.csaStdDev = 0.0;
  if (usable == 0) {
    return 0.0;
  }
  const double odMils = 1000.0 * nominalOd;
  double minSum = 1e20;
  double maxSum = 0.0;
  double total = 0.0;
  // Deviations from the first row carry the variance without the cancellation of raw squares.
  double shift = 0.0;
  double shiftedTotal = 0.0;
  double shiftedSquares = 0.0;
  for (std::size_t r = 0; r < usable; ++r) {
    double s = 0.0;
    for (const std::uint16_t value : data.subspan(r * columns, columns)) {
      const double w = static_cast<std::int16_t>(value);
      s += w * (odMils - w);
    }
    if (r == 0) {
      shift = s;
    }
    minSum = std::min(minSum, s);
    maxSum = std::max(maxSum, s);
    total += s;
    shiftedTotal += s - shift;
    shiftedSquares += (s - shift) * (s - shift);
  }
  const double f = 3.14159265358979e-6 / columns;  // pi, per square thousandth
  const double n = static_cast<double>(usable);
  csa.minCsa = f * minSum;
  csa.maxCsa = f * maxSum;
  csa.avgCsa = f * total / n;
  if (usable > 1) {
    const double spread = (n * shiftedSquares - shiftedTotal * shiftedTotal) / (n * (n - 1.0));
    csa.csaStdDev = f * std::sqrt(std::max(spread, 0.0));
  }
  return csa.minCsa;
}

}  // namespace ductora
