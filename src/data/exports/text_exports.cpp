#include "data/exports/text_exports.h"

#include <algorithm>
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

// The wall at a Halden point in inches: the wall row shown with OD row r at column s, otherwise
// the nominal wall.
double haldenWall(const PipeFile& pipe, std::optional<std::int64_t> row, std::int64_t s) {
  const WallMatrix& wall = pipe.wallMatrix;
  if (!row || *row < 0 || *row >= backedRows(wall) || s >= static_cast<std::int64_t>(wall.columns)) {
    return pipe.header.nominalWall / 1000.0;
  }
  return wall.at(static_cast<std::size_t>(*row), static_cast<std::size_t>(s)) / 1000.0;
}

}  // namespace

TextExport exportLengthAtY(const PipeFile* pipe, std::optional<std::int64_t> column) {
  if (pipe == nullptr) {
    return {};
  }
  const WallMatrix& wall = pipe->wallMatrix;
  const std::int64_t rows = backedRows(wall);
  if (rows == 0) {
    return {ExportStatus::kNoMatrix, {}};
  }
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

TextExport exportRevAtX(const PipeFile* pipe, std::optional<std::int64_t> row) {
  if (pipe == nullptr) {
    return {};
  }
  const WallMatrix& wall = pipe->wallMatrix;
  const std::int64_t rows = backedRows(wall);
  if (rows == 0) {
    return {ExportStatus::kNoMatrix, {}};
  }
  if (!row || *row < 0 || *row >= rows) {
    return {ExportStatus::kOutsideMatrix, {}};
  }
  ExportStream stream;
  for (std::size_t c = 0; c < wall.columns; ++c) {
    stream.out() << wall.at(static_cast<std::size_t>(*row), c) << '\n';
  }
  return stream.finish();
}

TextExport exportHalden(const PipeFile* pipe, const WallRowOfOdRow& wallRowOf) {
  if (pipe == nullptr) {
    return {};
  }
  const OdMatrix& od = pipe->odMatrix;
  const std::int64_t rows = backedRows(od);
  if (rows == 0) {
    return {ExportStatus::kNoMatrix, {}};
  }
  const double outerOffset = static_cast<double>(pipe->header.calibrationOd) / 2.0;
  ExportStream stream;
  for (std::int64_t r = 0; r < rows; r += kHaldenRowStep) {
    const std::optional<std::int64_t> wallRow = wallRowOf(r);
    const double x = static_cast<double>(r) * od.deltaX - kHaldenAxialOrigin;
    for (std::int64_t s = 0; s < static_cast<std::int64_t>(od.columns); s += kHaldenColumnStep) {
      const double o = od.at(static_cast<std::size_t>(r), static_cast<std::size_t>(s)) / 1000.0 + outerOffset;
      const double i = o - haldenWall(*pipe, wallRow, s);
      stream.out() << i << ", " << o << ", " << s << ", " << x << '\n';
    }
  }
  return stream.finish();
}

}  // namespace ductora
