#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "analysis/pressures/pressure_series.h"
#include "analysis/pressures/pressures.h"
#include "cli/options/pipe_view_picture.h"

namespace ductora::cli {

constexpr std::uint32_t kLastBurstFormula = kBurstFormulaCount - 1;

// What the Collapse Pressure and Burst dialogs are given before their panels draw.
struct PressureSettings {
  double yield = 110000.0;   // typed as "Yield"
  CollapseChoices collapse;  // none chosen, as the program starts
  std::uint32_t burstFormula = static_cast<std::uint32_t>(BurstFormulaId::kApi);
};

// The names of the panels, as `render --panel` takes them.
std::vector<std::string> panelNames();

// Brings up the named panel as the program would: its View > Plot item, or for Collapse and Burst
// their dialog's choices and "Plot" or "Display", with the yield typed. Every other window is
// hidden, so the next frame draws only the panel; its slot is returned. A panel whose menu item the
// current pipe's data leave disabled is a file error.
std::optional<Failure> choosePanel(HeadlessProgram& program, const std::string& name,
                                   const PressureSettings& settings, int& slot);

}  // namespace ductora::cli
