#include "support/reference_build_matrix.h"

#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

namespace ductora::testing {

namespace {

struct Point {
  double t;
  double v;
};

// Least squares by Cramer's rule, evaluated at x.
double FitAndEvaluate(const std::vector<Point>& points, double x) {
  double n = 0, st = 0, st2 = 0, st3 = 0, st4 = 0, sv = 0, stv = 0, st2v = 0;
  for (const Point& p : points) {
    const double square = p.t * p.t;
    n += 1.0;
    st += p.t;
    st2 += square;
    st3 += square * p.t;
    st4 += square * square;
    sv += p.v;
    stv += p.t * p.v;
    st2v += square * p.v;
  }
  const double c2 =
      ((n * stv - st * sv) * (n * st3 - st * st2) - (n * st2 - st * st) * (n * st2v - sv * st2)) /
      ((n * st2 - st * st) * (st2 * st2 - n * st4) - (st2 * st - n * st3) * (n * st3 - st * st2));
  const double c1 = (n * stv - st * sv + (st2 * st - n * st3) * c2) / (n * st2 - st * st);
  const double c0 = (sv - st * c1 - st2 * c2) / n;
  return c0 + c1 * x + c2 * x * x;
}

std::uint16_t Low16(double value) {
  if (!std::isfinite(value)) {
    return 0;
  }
  const double whole = std::trunc(value);
  double low = std::fmod(whole, 65536.0);
  if (low < 0) {
    low += 65536.0;
  }
  return static_cast<std::uint16_t>(low);
}

std::uint16_t Combine(MatrixKind kind, double axial, double around) {
  if (!std::isfinite(axial)) {
    return Low16(around);
  }
  if (!std::isfinite(around)) {
    return Low16(axial);
  }
  const std::uint16_t m = Low16((axial + around) / 2.0);
  if (kind == MatrixKind::kOd) {
    return m;
  }
  const int d = static_cast<std::int16_t>(Low16(axial)) - static_cast<std::int16_t>(Low16(around));
  return (d > 20 || d < -20) ? Low16(around) : m;
}

void Place(RevolutionList& revolutions) {
  const double a0 = revolutions[0][0].axialCount;
  for (RevolutionSamples& revolution : revolutions) {
    const double b0 = revolution.front().rotationCount;
    const double b1 = revolution.back().rotationCount;
    for (std::size_t j = 0; j < revolution.size(); ++j) {
      RawSample& s = revolution[j];
      s.position = (static_cast<double>(s.axialCount) - a0) * 0.005119017148707448;
      if (b1 != b0) {
        s.angle = (static_cast<double>(s.rotationCount) - b0) * 360.0 / (b1 - b0);
      } else if (revolution.size() > 1) {
        s.angle = static_cast<double>(j) * 360.0 / static_cast<double>(revolution.size() - 1);
      } else {
        s.angle = 0.0;
      }
    }
  }
}

std::size_t FirstAtOrBeyond(const RevolutionSamples& revolution, double a) {
  for (std::size_t j = 0; j < revolution.size(); ++j) {
    if (revolution[j].angle >= a) {
      return j;
    }
  }
  return revolution.size() - 1;
}

const RawSample& Neighbour(const RevolutionList& revolutions, long centre, long index) {
  const long last = static_cast<long>(revolutions.size()) - 1;
  const long count = static_cast<long>(revolutions[static_cast<std::size_t>(centre)].size());
  long revolution = centre;
  if (index < 0) {
    revolution = centre > 0 ? centre - 1 : 0;
    index += static_cast<long>(revolutions[static_cast<std::size_t>(revolution)].size());
  } else if (index > count - 1) {
    revolution = centre < last ? centre + 1 : last;
    index -= count;
  }
  const RevolutionSamples& samples = revolutions[static_cast<std::size_t>(revolution)];
  if (index < 0) {
    index = 0;
  }
  if (index > static_cast<long>(samples.size()) - 1) {
    index = static_cast<long>(samples.size()) - 1;
  }
  return samples[static_cast<std::size_t>(index)];
}

}  // namespace

BuiltMatrix ReferenceBuildMatrix(RevolutionList& revolutions, double deltaX, double deltaY, MatrixKind kind) {
  RevolutionList kept;
  for (RevolutionSamples& revolution : revolutions) {
    if (!revolution.empty()) {
      kept.push_back(std::move(revolution));
    }
  }
  revolutions = std::move(kept);
  if (revolutions.empty() || !(deltaX > 0) || !(deltaY > 0) || !std::isfinite(deltaX) ||
      !std::isfinite(deltaY)) {
    return {};
  }
  Place(revolutions);
  const double L = revolutions.back().back().position;
  if (!std::isfinite(L)) {
    return {};
  }
  const double rowCount = L > 0 ? std::floor(L / deltaX) + 1 : 1;
  const double columnCount = std::floor(360.0 / deltaY);
  if (columnCount < 1 || rowCount * columnCount > static_cast<double>(kMaxMatrixCells)) {
    return {};
  }
  BuiltMatrix m;
  m.rows = static_cast<std::uint32_t>(rowCount);
  m.columns = static_cast<std::uint32_t>(columnCount);
  m.data.assign(static_cast<std::size_t>(m.rows) * m.columns, 0);
  const long last = static_cast<long>(revolutions.size()) - 1;

  std::uint32_t row = 0;
  for (double y = 0; (y < L || (m.rows == 1 && row == 0)) && row < m.rows; y += deltaX, ++row) {
    long centre = last;
    for (long i = 0; i <= last; ++i) {
      if (revolutions[static_cast<std::size_t>(i)].back().position >= y) {
        centre = i;
        break;
      }
    }
    const long around[3] = {centre > 0 ? centre - 1 : 0, centre, centre < last ? centre + 1 : last};
    std::vector<std::uint16_t> values(m.columns, 0);
    std::uint32_t column = 0;
    for (double a = 0; a < 360.0 && column < m.columns; a += deltaY, ++column) {
      std::vector<Point> along;
      for (const long r : around) {
        const RevolutionSamples& revolution = revolutions[static_cast<std::size_t>(r)];
        const RawSample& s = revolution[FirstAtOrBeyond(revolution, a)];
        along.push_back({s.position, static_cast<double>(s.reading)});
      }
      double axial = std::numeric_limits<double>::quiet_NaN();
      if (along[0].t != along[1].t && along[1].t != along[2].t && along[0].t != along[2].t) {
        axial = FitAndEvaluate(along, y);
      }
      const long k = static_cast<long>(FirstAtOrBeyond(revolutions[static_cast<std::size_t>(centre)], a));
      std::vector<Point> circle;
      for (long offset = -3; offset <= 3; ++offset) {
        const RawSample& s = Neighbour(revolutions, centre, k + offset);
        circle.push_back({s.angle, static_cast<double>(s.reading)});
      }
      values[column] = Combine(kind, axial, FitAndEvaluate(circle, a));
    }
    const auto put = [&](std::uint32_t target) {
      std::copy(values.begin(), values.end(), m.data.begin() + static_cast<long>(target) * m.columns);
    };
    if (row != m.rows - 1 || m.rows == 1) {
      put(row);
    }
    if (row == 2) {
      put(1);
      put(0);
    }
    if (m.rows >= 2 && row == m.rows - 2) {
      put(m.rows - 1);
    }
  }
  return m;
}

}  // namespace ductora::testing
