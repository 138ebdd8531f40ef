#include "app/windows/data_display_edits.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "analysis/measures/matrix_extent.h"
#include "analysis/placement/display_rows.h"
#include "analysis/placement/pipe_sampler.h"

namespace ductora {
namespace {

// The shown matrix's cells by display revolution and display column, as the table addresses them.
class MatrixCells {
 public:
  MatrixCells(PipeFile& pipe, DataMode mode)
      : pipe_(pipe),
        mode_(mode),
        sampler_(pipe),
        columns_(mode == DataMode::kWall ? pipe.wallMatrix.columns : pipe.odMatrix.columns) {}

  bool present() const {
    return mode_ == DataMode::kWall ? pipe_.wallMatrix.present() : pipe_.odMatrix.present();
  }
  int columns() const { return static_cast<int>(columns_); }
  void fill(std::int64_t revolution, int column, double value) {
    if (const auto target = cell(revolution, column); target && mode_ == DataMode::kWall)
      pipe_.wallMatrix.data[*target] =
          static_cast<std::uint16_t>(std::clamp(std::trunc(value), 0.0, 65535.0));
  }

  // An OD cell's opposite goes with it, from the source's opposite.
  void copy(std::int64_t revolution, int column, std::int64_t sourceRevolution, int sourceColumn) {
    copyCell(cell(revolution, column), cell(sourceRevolution, sourceColumn));
    if (mode_ == DataMode::kOd)
      copyCell(cell(revolution, opposite(column)), cell(sourceRevolution, opposite(sourceColumn)));
  }

 private:
  int opposite(int column) const {
    return columns_ == 0 ? column : static_cast<int>((column + columns_ / 2) % columns_);
  }

  std::optional<std::size_t> cell(std::int64_t revolution, int column) const {
    if (column < 0 || column >= static_cast<std::int64_t>(columns_)) return std::nullopt;
    const std::optional<std::int64_t> row =
        mode_ == DataMode::kWall ? sampler_.WallRowIndex(revolution) : sampler_.OdRowIndex(revolution);
    if (!row) return std::nullopt;
    return static_cast<std::size_t>(*row) * columns_ +
           static_cast<std::size_t>(sampler_.ShownColumn(column, columns_));
  }

  void copyCell(std::optional<std::size_t> target, std::optional<std::size_t> source) {
    if (!target || !source) return;
    if (mode_ == DataMode::kWall) {
      pipe_.wallMatrix.data[*target] = pipe_.wallMatrix.data[*source];
    } else {
      pipe_.odMatrix.data[*target] = pipe_.odMatrix.data[*source];
    }
  }

  PipeFile& pipe_;
  DataMode mode_;
  PipeSampler sampler_;
  std::uint32_t columns_;
};

// The display column an angle typed in whole degrees falls in.
int columnOf(int degrees, int columns) {
  return static_cast<int>(DisplayColumnAt(degrees, columns).value_or(0));
}

// Calls visit with every display column from the start angle's up to the end angle's, through 0
// when the end's is below the start's.
template <typename Visit>
void forEachColumn(int start, int end, int columns, Visit visit) {
  if (columns <= 0) return;
  const int first = columnOf(start, columns);
  const int span = (columnOf(end, columns) - first + columns) % columns;
  for (int i = 0; i <= span; ++i) visit((first + i) % columns);
}

}  // namespace

bool applyDataEdit(PipeFile& pipe, DataMode mode, const DataEdit& edit) {
  MatrixCells cells(pipe, mode);
  if (!cells.present()) return false;
  const std::int64_t r = edit.revolution;
  // A count beyond every row from the cursor on only walks outside the matrices.
  const std::int64_t reach =
      std::int64_t{UsableRows(pipe.wallMatrix)} + std::int64_t{UsableRows(pipe.odMatrix)} + std::abs(r) + 2;
  const std::int64_t count = std::clamp<std::int64_t>(edit.count, 1, reach);
  switch (edit.operation) {
    case DataOperation::kFillFromBelow:
    case DataOperation::kFillFromAbove: {
      const int direction = edit.operation == DataOperation::kFillFromBelow ? -1 : 1;
      for (std::int64_t t = r; t < r + count; ++t) {
        forEachColumn(edit.start, edit.end, cells.columns(), [&](int a) {
          if (mode == DataMode::kWall) {
            cells.fill(t, a, edit.fixedValue);
          } else {
            cells.copy(t, a, t + direction, a);
          }
        });
      }
      break;
    }
    case DataOperation::kShiftFromAbove:
    case DataOperation::kShiftFromBelow: {
      const int direction = edit.operation == DataOperation::kShiftFromAbove ? 1 : -1;
      std::int64_t t = r;
      for (std::int64_t i = 0; i < count; ++i) {
        forEachColumn(edit.start, edit.end, cells.columns(),
                      [&](int a) { cells.copy(t, a, t + direction, a); });
        t = std::max<std::int64_t>(t - direction, 0);
      }
      break;
    }
    case DataOperation::kCopyFirstAngle:
    case DataOperation::kCopyLastAngle: {
      const int source =
          columnOf(edit.operation == DataOperation::kCopyFirstAngle ? edit.start : edit.end, cells.columns());
      for (std::int64_t t = r; t < r + count; ++t) {
        forEachColumn(edit.start, edit.end, cells.columns(), [&](int a) { cells.copy(t, a, t, source); });
      }
      break;
    }
  }
  return true;
}

}  // namespace ductora
