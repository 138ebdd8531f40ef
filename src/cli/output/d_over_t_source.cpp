#include "cli/output/d_over_t_source.h"

namespace ductora::cli {

const char* dOverTSourceName(DOverTSource source) {
  switch (source) {
    case DOverTSource::kMeasured:
      return "measured";
    case DOverTSource::kNominal:
      return "nominal";
    case DOverTSource::kNone:
      break;
  }
  return "none";
}

}  // namespace ductora::cli
