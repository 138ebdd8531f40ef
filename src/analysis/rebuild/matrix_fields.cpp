#include "analysis/rebuild/matrix_fields.h"

namespace ductora {

WallMatrixFields WallMatrixFieldsOf(const PipeFile& pipe) {
  WallMatrixFields fields;
  for (std::size_t i = 0; i < 4; ++i) {
    const WallChannel& channel = pipe.wallChannels[i];
    fields.wallScales[i] = channel.wallScale;
    if (channel.sampleCount == 0) {
      continue;
    }
    const int number = static_cast<int>(i + 1);
    if (fields.primary == 0) {
      fields.primary = number;
    } else if (fields.secondary == 0) {
      fields.secondary = number;
    }
  }
  fields.jumpSize = pipe.header.wallJumpSize;
  fields.removeFront = pipe.wallMatrix.removeFront;
  fields.removeBack = pipe.wallMatrix.removeBack;
  fields.deltaX = pipe.wallMatrix.deltaX;
  fields.deltaY = pipe.wallMatrix.deltaY;
  return fields;
}

}  // namespace ductora
