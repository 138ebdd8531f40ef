// The pipe file reader on arbitrary bytes.
#include <cstddef>
#include <cstdint>

#include "data/files/input_file.h"
#include "data/format/pipe_file_io.h"
#include "scratch_file.h"

namespace {

template <typename Matrix>
void checkMatrix(const Matrix& matrix, std::size_t inputBytes) {
  using ductora::fuzz::require;
  if (!matrix.present()) {
    return;
  }
  require(matrix.data.size() == std::size_t{matrix.rows} * matrix.columns, "matrix holds rows x columns");
  require(matrix.data.size() * 2 <= inputBytes, "matrix larger than the bytes that describe it");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  ductora::InputFile file = ductora::InputFile::fromBytes({data, size});
  ductora::PipeFile pipe;
  const ductora::PipeReadResult result = ductora::readPipeFile(pipe, file);
  ductora::fuzz::require(result.opened == (size > 0), "bytes in memory open unless there are none");
  ductora::fuzz::require(result.damaged() == (result.truncated || result.malformed),
                         "damage is said when found");
  checkMatrix(pipe.wallMatrix, size);
  checkMatrix(pipe.odMatrix, size);
  checkMatrix(pipe.straightness, size);
  ductora::fuzz::require(result.wallMatrixRead == pipe.wallMatrix.present(), "wall matrix flag");
  return 0;
}
