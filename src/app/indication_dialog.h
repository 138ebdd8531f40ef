#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "app/app_state.h"

namespace ductora {

// The Indication dialog (185): modeless, re-created hidden with every open.
void createIndicationDialog(AppState& app);
void destroyIndicationDialog(AppState& app);

// View > Indications: finds the current pipe's indication file (the RDAQ folder beside the
// pipe's folder first, then beside the pipe), keeps its name for the indication view and shows
// the dialog listing it; or says why not.
void showIndications(AppState& app);

// Where a double-clicked list line sends the cursor.
struct IndicationTarget {
  float position = 0.0F;  // whole revolutions of the wall matrix, inches
  float angle = 0.0F;     // whole columns, degrees
};

// The fifth and sixth tokens of the line (the first split at blanks, the others at blanks, commas
// and full stops) as a position in inches and a rotation count, turned into the start of the
// wall revolution and of the wall column they fall in; the count's angle comes from the
// revolution start counts. Empty when the line has fewer tokens.
std::optional<IndicationTarget> IndicationLineTarget(
    const std::string& line, const PipeFile& pipe, const std::array<std::uint32_t, kMaxRevolutions>& starts);

}  // namespace ductora
