#pragma once

#include <array>
#include <cstdint>

#include "data/format/pipe_file.h"

namespace ductora {

// The rotation count of the first sample of every revolution of the last merged wall build, for
// relating encoder counts to revolutions. The caller owns it (the pipe string keeps one); all zero
// at start.
using RevolutionStartTable = std::array<std::uint32_t, kMaxRevolutions>;

// Entry i := the rotation count of revolution i's first sample; the entries past the list are
// cleared, so that a shorter build leaves nothing of a longer one behind.
void RecordRevolutionStarts(const RevolutionList& revolutions, RevolutionStartTable& starts);

}  // namespace ductora
