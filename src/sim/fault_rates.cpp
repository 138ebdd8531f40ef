#include "sim/fault_rates.h"

namespace ductora::sim {

const char* faultLevelName(FaultLevel level) {
  switch (level) {
    case FaultLevel::kNone:
      return "none";
    case FaultLevel::kTypical:
      return "typical";
    case FaultLevel::kHarsh:
      return "harsh";
  }
  return "none";
}

FaultRates faultRatesFor(FaultLevel level) {
  constexpr FaultRates kTypical{0.002, 0.001, 0.0005, 0.0002, 1.5, 1.0};
  switch (level) {
    case FaultLevel::kNone:
      return {};
    case FaultLevel::kTypical:
      return kTypical;
    case FaultLevel::kHarsh:
      return {kTypical.missedMark * 10, kTypical.falseMark * 10, kTypical.zeroReading * 10,
              kTypical.jump * 10,       kTypical.wallNoise * 10, kTypical.odNoise * 10};
  }
  return {};
}

}  // namespace ductora::sim
