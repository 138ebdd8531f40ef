#pragma once

#include <cstdint>
#include <vector>

#include "analysis/rebuild/grid/matrix_cells.h"
#include "data/format/pipe_file.h"

namespace ductora {

struct BuiltMatrix {
  std::uint32_t rows = 0;
  std::uint32_t columns = 0;
  // Row-major, the low 16 bits of every value: wall thousandths, or OD thousandths in two's
  // complement (read them back as std::int16_t).
  std::vector<std::uint16_t> data;

  bool empty() const { return data.empty(); }
  friend bool operator==(const BuiltMatrix&, const BuiltMatrix&) = default;
};

// Places the samples and interpolates them onto rows deltaX inches apart (from the first sample)
// and columns deltaY degrees apart (from 12 o'clock): each cell combines a parabola along the pipe
// through the nearest sample of three neighbouring revolutions with one around the pipe through
// seven neighbouring samples. Rows 0 and 1 repeat row 2 and the last row repeats the one before;
// a single-row matrix holds its row at position 0. Empty revolutions are removed first.
// Without samples, or without a grid (see MatrixGridShape), the result is empty.
// threads = 0 uses every core; the result does not depend on it.
BuiltMatrix BuildMatrix(RevolutionList& revolutions, double deltaX, double deltaY, MatrixKind kind,
                        unsigned threads = 0);

}  // namespace ductora
