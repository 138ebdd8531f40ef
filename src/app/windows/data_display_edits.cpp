#include "app/windows/data_display_edits.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "analysis/measures/matrix_extent.h"
#include "analysis/placement/pipe_sampler.h"

namespace ductora {
namespace {

constexpr int kDegrees = 360;

// The shown matrix's cells by revolution and whole degree, as the table addresses them.
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
  void fill(std::int64_t revolution, int angle, double value) {
    if (const auto target = cell(revolution, angle); target && mode_ == DataMode::kWall)
      pipe_.wallMatrix.data[*target] =
          static_cast<std::uint16_t>(std::clamp(std::trunc(value), 0.0, 65535.0));
  }

  // An OD cell's opposite goes with it, from the source's opposite.
  void copy(std::int64_t revolution, int angle, std::int64_t sourceRevolution, int sourceAngle) {
    copyCell(cell(revolution, angle), cell(sourceRevolution, sourceAngle));
    if (mode_ == DataMode::kOd)
      copyCell(cell(revolution, opposite(angle)), cell(sourceRevolution, opposite(sourceAngle)));
  }

 private:
  int opposite(int angle) const {
    return columns_ == 0 ? angle : static_cast<int>((angle + columns_ / 2) % columns_);
  }

  std::optional<std::size_t> cell(std::int64_t revolution, int angle) const {
    if (angle < 0 || angle >= static_cast<std::int64_t>(columns_)) return std::nullopt;
    const std::optional<std::int64_t> row =
        mode_ == DataMode::kWall ? sampler_.WallRowIndex(revolution) : sampler_.OdRowIndex(revolution);
    if (!row) return std::nullopt;
    return static_cast<std::size_t>(*row) * columns_ +
           static_cast<std::size_t>(sampler_.ShownColumn(angle, columns_));
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

int wrapDegree(int angle) { return ((angle % kDegrees) + kDegrees) % kDegrees; }

// Calls visit with every whole degree from start up to end, through 0 when end is below start.
template <typename Visit>
void forEachAngle(int start, int end, Visit visit) {
  const int first = wrapDegree(start);
  const int span = wrapDegree(wrapDegree(end) - first);
  for (int i = 0; i <= span; ++i) visit((first + i) % kDegrees);
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
        forEachAngle(edit.start, edit.end, [&](int a) {
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
        forEachAngle(edit.start, edit.end, [&](int a) { cells.copy(t, a, t + direction, a); });
        t = std::max<std::int64_t>(t - direction, 0);
      }
      break;
    }
    case DataOperation::kCopyFirstAngle:
    case DataOperation::kCopyLastAngle: {
      const int source = wrapDegree(edit.operation == DataOperation::kCopyFirstAngle ? edit.start : edit.end);
      for (std::int64_t t = r; t < r + count; ++t) {
        forEachAngle(edit.start, edit.end, [&](int a) { cells.copy(t, a, t, source); });
      }
      break;
    }
  }
  return true;
}

}  // namespace ductora
