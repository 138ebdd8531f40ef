#pragma once

#include "sim/channel_stream.h"
#include "sim/field/field_fault_rates.h"
#include "sim/motion.h"
#include "sim/pipe_model.h"
#include "sim/random.h"

namespace ductora::sim {

// What a unit in the field does to a recorded channel on top of its usual faults: no echo over
// defects (wall channels), spikes of 1 to 8 samples and runs of a stuck reading. Each is logged in
// stream.faults, which stays in recording order.
void addFieldFaults(ChannelStream& stream, const Sensor& sensor, const Motion& motion, const PipeModel& pipe,
                    const FieldFaultRates& rates, Random& random);

}  // namespace ductora::sim
