// The channel corrections and BuildMatrix on arbitrary revolution lists. The input gives the kind,
// jump size and grid pitches, then revolutions: a length byte and six bytes a sample (reading,
// axial count, rotation count, 16 bits each). Axial counts stay within 16 bits and the pitches
// within limits so that one input builds at most a few hundred thousand cells. Every matrix must
// equal, bit for bit, the one the plain reference builds from the same list, with one thread and
// with two.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>

#include "analysis/rebuild/correction/channel_correction.h"
#include "analysis/rebuild/grid/matrix_build.h"
#include "data/format/pipe_file.h"
#include "scratch_file.h"
#include "support/reference_build_matrix.h"

namespace {

using ductora::fuzz::require;

ductora::RevolutionList revolutionsFrom(FuzzedDataProvider& input, bool wall) {
  ductora::RevolutionList revolutions;
  while (input.remaining_bytes() > 0 && revolutions.size() < ductora::kMaxRevolutions) {
    ductora::RevolutionSamples& revolution = revolutions.emplace_back();
    const std::size_t length = input.ConsumeIntegralInRange<std::size_t>(0, 80);
    for (std::size_t i = 0; i < length && input.remaining_bytes() > 0; ++i) {
      ductora::RawSample sample;
      const auto reading = input.ConsumeIntegral<std::uint16_t>();
      sample.reading = wall ? std::int32_t{reading} : std::int32_t{static_cast<std::int16_t>(reading)};
      sample.axialCount = input.ConsumeIntegral<std::uint16_t>();
      sample.rotationCount = input.ConsumeIntegral<std::uint16_t>();
      revolution.push_back(sample);
    }
  }
  return revolutions;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  const bool wall = input.ConsumeBool();
  const auto jumpSize = input.ConsumeIntegralInRange<std::int32_t>(0, 70000);
  const auto filter =
      input.ConsumeBool() ? ductora::JumpFilter::kCorroborated : ductora::JumpFilter::kReplace;
  const double circumference = input.ConsumeFloatingPointInRange(0.0, 200.0);
  const double deltaX = input.ConsumeFloatingPointInRange(0.25, 12.0);
  const double deltaY = input.ConsumeFloatingPointInRange(2.0, 360.0);
  ductora::RevolutionList revolutions = revolutionsFrom(input, wall);

  if (wall) {
    ductora::CorrectWallChannel(revolutions, {filter, jumpSize, circumference}, "");
  } else {
    ductora::CorrectOdChannel(revolutions, {filter, jumpSize, circumference});
  }
  require(revolutions.size() <= ductora::kMaxRevolutions, "at most 6000 revolutions after the repair");

  const auto kind = wall ? ductora::MatrixKind::kWall : ductora::MatrixKind::kOd;
  ductora::RevolutionList forReference = revolutions;
  ductora::RevolutionList forTwoThreads = revolutions;
  const ductora::BuiltMatrix matrix = ductora::BuildMatrix(revolutions, deltaX, deltaY, kind, 1);
  require(matrix.data.size() == std::size_t{matrix.rows} * matrix.columns, "matrix holds rows x columns");
  require(matrix.columns <= 180, "no more columns than the pitch allows");
  require(matrix == ductora::testing::ReferenceBuildMatrix(forReference, deltaX, deltaY, kind),
          "the build equals the reference");
  require(matrix == ductora::BuildMatrix(forTwoThreads, deltaX, deltaY, kind, 2),
          "two threads build the same");
  return 0;
}
