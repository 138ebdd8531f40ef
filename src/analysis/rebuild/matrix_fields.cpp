#include "analysis/rebuild/matrix_fields.h"

#include "analysis/rebuild/correction/encoder_counts.h"
#include "data/exports/fixed_text.h"

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

double SettledSetting(double given, double stored, int decimals) {
  return fixedText(given, decimals) == fixedText(stored, decimals) ? stored : given;
}

std::uint32_t SettledRemoval(double givenInches, std::uint32_t storedCounts) {
  const double storedInches = storedCounts / kCountsPerInch;
  return fixedText(givenInches, kRemovalDecimals) == fixedText(storedInches, kRemovalDecimals)
             ? storedCounts
             : CountsOfInches(givenInches);
}

}  // namespace ductora
