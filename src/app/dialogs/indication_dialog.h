#pragma once

#include <optional>
#include <string>

#include "app/state/app_state.h"

namespace ductora {

// The Indication dialog (185): modeless, re-created hidden with every open.
void createIndicationDialog(AppState& app);

// View > Indications: finds the current pipe's indication file (the RDAQ folder beside the
// pipe's folder first, then beside the pipe) and shows the dialog listing it; or says why not.
// The indication view finds each pipe's file itself.
void showIndications(AppState& app);

// Where a double-clicked list line sends the cursor.
struct IndicationTarget {
  float position = 0.0F;  // whole revolutions of the wall matrix, inches
  float angle = 0.0F;     // whole columns, degrees
};

// The line's inches column and its angle in degrees, turned into the start of the wall revolution
// and of the wall column where the indication view draws its circle (mirrored with a reversed or
// flipped pipe). Empty when the line lacks them or they are not numbers.
std::optional<IndicationTarget> indicationLineTarget(const std::string& line, const PipeFile& pipe);

}  // namespace ductora
