#include "sim/field/field_fault_rates.h"

namespace ductora::sim {

FieldFaultRates fieldFaultRatesFor(FaultLevel level) {
  constexpr FieldFaultRates kTypical{0.5, 0.0001, 0.00002};
  switch (level) {
    case FaultLevel::kNone:
      return {};
    case FaultLevel::kTypical:
      return kTypical;
    case FaultLevel::kHarsh:
      return {kTypical.echoLoss * 3, kTypical.spike * 10, kTypical.stuck * 10};
  }
  return {};
}

}  // namespace ductora::sim
