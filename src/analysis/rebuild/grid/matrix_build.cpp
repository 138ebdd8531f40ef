#include "analysis/rebuild/grid/matrix_build.h"

#include <algorithm>
#include <exception>
#include <functional>
#include <limits>
#include <thread>

#include "analysis/rebuild/correction/sample_placement.h"
#include "analysis/rebuild/grid/revolution_terms.h"
#include "analysis/rebuild/grid/term_arrays.h"
#include "analysis/rebuild/grid/vector_kernels.h"

namespace ductora {

namespace {

constexpr std::size_t kMinRowsPerBand = 32;
constexpr unsigned kMaxThreads = 16;

struct Grid {
  const RevolutionList& revolutions;
  MatrixKind kind;
  std::vector<double> lastPositions;  // of every revolution's last sample
  std::vector<double> rowPositions;   // of every row that is computed
  std::vector<double> columnAngles;   // of every column that is computed
};

// One band's rows, one after the other; the revolutions' terms are prepared once per band.
class RowBuilder {
 public:
  explicit RowBuilder(const Grid& grid)
      : grid_(grid),
        cache_(grid.revolutions, grid.columnAngles),
        rowPositions_(grid.columnAngles.size()),
        axial_(grid.columnAngles.size()) {
    along_.resize(grid.columnAngles.size());
  }

  // Rows [first, end) into their targets; the centre cursor starts afresh for a band.
  void build(std::size_t first, std::size_t end, const std::function<std::uint16_t*(std::size_t)>& target) {
    std::size_t cursor = 0;
    for (std::size_t row = first; row < end; ++row) {
      const double y = grid_.rowPositions[row];
      while (cursor < grid_.lastPositions.size() && grid_.lastPositions[cursor] < y) {
        ++cursor;
      }
      buildRow(std::min(cursor, grid_.lastPositions.size() - 1), y, target(row));
    }
  }

 private:
  void buildRow(std::size_t centre, double y, std::uint16_t* out) {
    const std::size_t last = grid_.revolutions.size() - 1;
    const RevolutionTerms& before = cache_.get(centre > 0 ? centre - 1 : 0);
    RevolutionTerms& middle = cache_.get(centre);
    const RevolutionTerms& after = cache_.get(std::min(centre + 1, last));
    const std::vector<double>& around = middle.circumferential(before, after, grid_.columnAngles);
    const std::size_t columns = grid_.columnAngles.size();
    AddThree(before.columnAlong(), middle.columnAlong(), after.columnAlong(), along_, columns);
    std::fill(rowPositions_.begin(), rowPositions_.end(), y);
    EvaluateParabolas(3.0, along_, rowPositions_.data(), axial_.data(), columns);
    const double* t0 = before.columnAlong().t.data();
    const double* t1 = middle.columnAlong().t.data();
    const double* t2 = after.columnAlong().t.data();
    if (CombineCommonCells(grid_.kind == MatrixKind::kWall, axial_.data(), around.data(), t0, t1, t2, out,
                           columns)) {
      return;
    }
    // Rows at the ends of the pipe, and wild readings, take the careful way.
    for (std::size_t column = 0; column < columns; ++column) {
      // Two coincident points along the pipe determine no parabola.
      const bool coincident =
          t0[column] == t1[column] || t1[column] == t2[column] || t0[column] == t2[column];
      const double axial = coincident ? std::numeric_limits<double>::quiet_NaN() : axial_[column];
      out[column] = CombineCell(grid_.kind, axial, around[column]);
    }
  }

  const Grid& grid_;
  TermsCache cache_;
  TermArrays along_;
  std::vector<double> rowPositions_;
  std::vector<double> axial_;
};

std::vector<double> Steps(double step, double limit, std::size_t most) {
  std::vector<double> values;
  values.reserve(most);
  for (double value = 0.0; value < limit && values.size() < most; value += step) {
    values.push_back(value);
  }
  return values;
}

unsigned ThreadsFor(unsigned requested, std::size_t rows) {
  const unsigned available = requested != 0 ? requested : std::max(1U, std::thread::hardware_concurrency());
  const std::size_t useful = std::max<std::size_t>(1, rows / kMinRowsPerBand);
  return static_cast<unsigned>(std::min<std::size_t>({available, useful, kMaxThreads}));
}

// Runs job(0) .. job(threads - 1), each on its own thread (job 0 on this one), and passes on the
// first failure once all have ended.
void RunOnThreads(unsigned threads, const std::function<void(unsigned)>& job) {
  std::vector<std::exception_ptr> failures(threads);
  const auto guarded = [&](unsigned index) {
    try {
      job(index);
    } catch (...) {
      failures[index] = std::current_exception();
    }
  };
  {
    std::vector<std::jthread> workers;
    workers.reserve(threads - 1);
    for (unsigned index = 1; index < threads; ++index) {
      workers.emplace_back(guarded, index);
    }
    guarded(0);
  }
  for (const auto& failure : failures) {
    if (failure) {
      std::rethrow_exception(failure);
    }
  }
}

}  // namespace

BuiltMatrix BuildMatrix(RevolutionList& revolutions, double deltaX, double deltaY, MatrixKind kind,
                        unsigned threads) {
  std::erase_if(revolutions, [](const RevolutionSamples& revolution) { return revolution.empty(); });
  if (revolutions.empty()) {
    return {};
  }
  const double origin = revolutions.front().front().axialCount;
  const double length = SamplePosition(revolutions.back().back(), origin);
  const auto shape = MatrixGridShape(length, deltaX, deltaY);
  if (!shape) {
    PlaceSamples(revolutions);
    return {};
  }
  Grid grid{revolutions, kind, std::vector<double>(revolutions.size()), {}, {}};
  const auto place = [&](std::size_t first, std::size_t end) {
    for (std::size_t i = first; i < end; ++i) {
      PlaceRevolution(revolutions[i], origin);
      grid.lastPositions[i] = revolutions[i].back().position;
    }
  };
  // One row has nothing to copy from: it is computed at the start of the pipe.
  grid.rowPositions = shape->rows == 1 ? std::vector<double>{0.0} : Steps(deltaX, length, shape->rows);
  grid.columnAngles = Steps(deltaY, 360.0, shape->columns);

  BuiltMatrix built{shape->rows, shape->columns,
                    std::vector<std::uint16_t>(std::size_t{shape->rows} * shape->columns, 0)};
  // The last row is overwritten by its predecessor; its own values matter only to the copy into
  // rows 0 and 1 of a three-row matrix.
  std::vector<std::uint16_t> lastRow(shape->columns, 0);
  const std::size_t lastIndex = shape->rows - 1;
  const auto target = [&](std::size_t row) {
    return row == lastIndex && shape->rows > 1 ? lastRow.data() : built.data.data() + row * shape->columns;
  };
  // All revolutions are placed before any band starts: a band reads the neighbours of its own.
  const unsigned bands = ThreadsFor(threads, grid.rowPositions.size());
  const std::size_t count = revolutions.size();
  RunOnThreads(bands, [&](unsigned band) { place(count * band / bands, count * (band + 1) / bands); });
  const std::size_t computed = grid.rowPositions.size();
  RunOnThreads(bands, [&](unsigned band) {
    RowBuilder(grid).build(computed * band / bands, computed * (band + 1) / bands, target);
  });

  // The first rows and the last one are copies, applied in the order the rows were computed.
  const auto copyRow = [&](std::size_t from, std::size_t to) {
    const std::uint16_t* source = target(from);
    std::copy(source, source + shape->columns, built.data.data() + to * shape->columns);
  };
  if (shape->rows >= 2 && lastIndex - 1 < 2 && lastIndex - 1 < computed) {
    copyRow(lastIndex - 1, lastIndex);
  }
  if (shape->rows >= 3 && 2 < computed) {
    copyRow(2, 0);
    copyRow(2, 1);
  }
  if (shape->rows >= 4 && lastIndex - 1 >= 2 && lastIndex - 1 < computed) {
    copyRow(lastIndex - 1, lastIndex);
  }
  return built;
}

}  // namespace ductora
