#pragma once

#include "analysis/pressures/pressure_series.h"

namespace ductora::cli {

// "measured", "nominal" or "none", as the JSON outputs name where a D/t comes from.
const char* dOverTSourceName(DOverTSource source);

}  // namespace ductora::cli
