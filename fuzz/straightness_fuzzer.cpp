// File > Import > Straightness on arbitrary bytes.
#include <cstddef>
#include <cstdint>

#include "data/format/pipe_file_io.h"
#include "scratch_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using ductora::fuzz::require;
  ductora::PipeFile pipe;
  const auto result = ductora::importStraightnessFile(pipe, ductora::fuzz::writeScratchFile(data, size));
  const ductora::StraightnessMatrix& matrix = pipe.straightness;
  require(result.ok == matrix.present(), "a matrix exactly when the import succeeds");
  require(result.ok || !result.error.empty(), "a failure has a reason");
  require(matrix.data.size() == std::size_t{matrix.rows} * matrix.columns, "matrix holds rows x columns");
  require(matrix.data.size() * 2 <= size, "matrix larger than the bytes that describe it");
  return 0;
}
