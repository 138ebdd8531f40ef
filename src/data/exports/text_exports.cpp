#include "data/exports/text_exports.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <locale>
#include <optional>
#include <sstream>

namespace ductora {

namespace {

constexpr std::int64_t kHaldenRowStep = 3;
constexpr std::int64_t kHaldenColumnStep = 15;
// The Halden axial positions start this far before the first row.
constexpr double kHaldenAxialOrigin = 18.0;
// Beyond any row or column a matrix can have; keeps conversions to integers defined.
constexpr double kIndexLimit = 1e12;

// Default general notation, six significant digits, whatever the global locale.
class ExportStream {
 public:
  ExportStream() { out_.imbue(std::locale::classic()); }
  std::ostringstream& out() { return out_; }
  TextExport finish() { return {ExportStatus::kWritten, out_.str()}; }

 private:
  std::ostringstream out_;
};

// Rows backed by data: a damaged record may declare more rows than its array holds.
template <typename Matrix>
std::int64_t backedRows(const Matrix& matrix) {
  if (matrix.columns == 0) {
    return 0;
  }
  return static_cast<std::int64_t>(std::min<std::size_t>(matrix.rows, matrix.data.size() / matrix.columns));
}

// value / step truncated toward zero; empty when it is not a finite number.
std::optional<std::int64_t> truncatedIndex(double value, double step) {
  if (!(step > 0.0)) {
    return std::nullopt;
  }
  const double index = std::trunc(value / step);
  if (!(std::abs(index) < kIndexLimit)) {
    return std::nullopt;
  }
  return static_cast<std::int64_t>(index);
}

// The wall at a Halden point in inches: the matrix where it covers OD row r (rows shifted by k,
// the wall start in OD rows) and column s, otherwise the nominal wall.
double haldenWall(const PipeFile& pipe, std::int64_t k, std::int64_t r, std::int64_t s) {
  const WallMatrix& wall = pipe.wallMatrix;
  const double nominal = pipe.header.nominalWall / 1000.0;
  const std::int64_t rows = backedRows(wall);
  if (r < k || r >= k + rows) {
    return nominal;
  }
  const std::int64_t row = pipe.reversed() ? r + k : r - k;
  if (row < 0 || row >= rows || s >= static_cast<std::int64_t>(wall.columns)) {
    return nominal;
  }
  return wall.at(static_cast<std::size_t>(row), static_cast<std::size_t>(s)) / 1000.0;
}

}  // namespace

TextExport exportLengthAtY(const PipeFile* pipe, double cursorAngle) {
  if (pipe == nullptr) {
    return {};
  }
  const WallMatrix& wall = pipe->wallMatrix;
  const std::int64_t rows = backedRows(wall);
  if (rows == 0) {
    return {ExportStatus::kNoMatrix, {}};
  }
  const auto column = truncatedIndex(cursorAngle, wall.deltaY);
  if (!column || *column < 0 || *column >= static_cast<std::int64_t>(wall.columns)) {
    return {ExportStatus::kOutsideMatrix, {}};
  }
  ExportStream stream;
  for (std::int64_t r = 0; r < rows; ++r) {
    stream.out() << static_cast<double>(r) * wall.deltaX << ", "
                 << wall.at(static_cast<std::size_t>(r), static_cast<std::size_t>(*column)) << '\n';
  }
  return stream.finish();
}

TextExport exportRevAtX(const PipeFile* pipe, double cursorPosition) {
  if (pipe == nullptr) {
    return {};
  }
  const WallMatrix& wall = pipe->wallMatrix;
  const std::int64_t rows = backedRows(wall);
  if (rows == 0) {
    return {ExportStatus::kNoMatrix, {}};
  }
  const auto row = truncatedIndex(cursorPosition, wall.deltaX);
  if (!row || *row < 0 || *row >= rows) {
    return {ExportStatus::kOutsideMatrix, {}};
  }
  ExportStream stream;
  for (std::size_t c = 0; c < wall.columns; ++c) {
    stream.out() << wall.at(static_cast<std::size_t>(*row), c) << '\n';
  }
  return stream.finish();
}

TextExport exportHalden(const PipeFile* pipe) {
  if (pipe == nullptr) {
    return {};
  }
  const OdMatrix& od = pipe->odMatrix;
  const std::int64_t rows = backedRows(od);
  if (rows == 0) {
    return {ExportStatus::kNoMatrix, {}};
  }
  // An OD pitch of 0 or an absurd wall start gives no defined offset: the rows then line up.
  const std::int64_t k = truncatedIndex(pipe->wallStart, od.deltaX).value_or(0);
  const double outerOffset = static_cast<double>(pipe->header.calibrationOd) / 2.0;
  ExportStream stream;
  for (std::int64_t r = 0; r < rows; r += kHaldenRowStep) {
    const double x = static_cast<double>(r) * od.deltaX - kHaldenAxialOrigin;
    for (std::int64_t s = 0; s < static_cast<std::int64_t>(od.columns); s += kHaldenColumnStep) {
      const double o = od.at(static_cast<std::size_t>(r), static_cast<std::size_t>(s)) / 1000.0 + outerOffset;
      const double i = o - haldenWall(*pipe, k, r, s);
      stream.out() << i << ", " << o << ", " << s << ", " << x << '\n';
    }
  }
  return stream.finish();
}

}  // namespace ductora
