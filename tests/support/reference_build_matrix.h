#pragma once

#include "analysis/rebuild/grid/matrix_build.h"
#include "data/format/pipe_file.h"

namespace ductora::testing {

// The matrix build as plainly as it can be written: a linear search of the revolution list for
// every row and of each revolution for every cell, sums and fits computed afresh per cell, one
// thread. The production build must give the same matrix to the last bit.
BuiltMatrix ReferenceBuildMatrix(RevolutionList& revolutions, double deltaX, double deltaY, MatrixKind kind);

}  // namespace ductora::testing
