#pragma once

#include <array>
#include <cstdint>

#include "data/pipe_file.h"

namespace ductora {

// The rotation count of the first sample of every revolution of the last merged wall build. The
// caller owns it (the pipe string keeps one); all zero at start.
using RevolutionStartTable = std::array<std::uint32_t, kMaxRevolutions>;

// Entry i := the rotation count of revolution i's first sample; the entries past the list are
// cleared, so that a shorter build leaves nothing of a longer one behind.
void RecordRevolutionStarts(const RevolutionList& revolutions, RevolutionStartTable& starts);

// Degrees into the revolution the count falls in: the first entry i >= 1 above the count and its
// predecessor give (count - T[i - 1]) x 360 / (T[i] - T[i - 1]), truncated. 0 when no entry is
// above the count, or when the count lies before the predecessor.
std::int32_t AngleOfRotationCount(const RevolutionStartTable& starts, std::uint32_t count);

}  // namespace ductora
