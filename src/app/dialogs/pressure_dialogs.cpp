#include "app/dialogs/pressure_dialogs.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>

#include "analysis/pressures/api5c3.h"
#include "analysis/pressures/pressure_series.h"
#include "analysis/pressures/pressures.h"
#include "app/views/panels.h"
#include "resources/dialog_table.h"

namespace ductora {
namespace {

using namespace resources;
using Kind = platform::DialogEvent::Kind;

// Each option group's first button and the choice it sets.
struct ChoiceGroup {
  int firstOption;
  std::uint32_t CollapseChoices::*choice;
};
constexpr std::array<ChoiceGroup, 4> kChoiceGroups = {{
    {kCollapseFirstOd, &CollapseChoices::od},
    {kCollapseFirstWall, &CollapseChoices::wall},
    {kCollapseFirstOvality, &CollapseChoices::ovality},
    {kCollapseFirstEccentricity, &CollapseChoices::eccentricity},
}};

std::string fixed3(double value) {
  char text[64];
  std::snprintf(text, sizeof text, "%.3f", value);
  return text;
}

// The leading number of a text, fraction included; 0 for text that is not a finite number.
double leadingNumber(const std::string& text) {
  const std::size_t start = text.find_first_not_of(" \t");
  if (start == std::string::npos) return 0.0;
  double value = 0.0;
  const auto [end, error] = std::from_chars(text.data() + start, text.data() + text.size(), value);
  return error == std::errc() && std::isfinite(value) ? value : 0.0;
}

void collapseProcedure(AppState& app, platform::Dialog& dialog, const platform::DialogEvent& event) {
  if (event.kind == Kind::kClose) return dialog.hide();
  if (event.kind != Kind::kCommand) return;
  for (const ChoiceGroup& group : kChoiceGroups) {
    const int choice = event.id - group.firstOption + 1;
    if (choice >= 1 && choice <= kCollapseChoiceCount) {
      app.collapseChoices.*group.choice = static_cast<std::uint32_t>(choice);
      return;
    }
  }
  if (event.id == kCollapsePlot) {
    if (PipeFile* pipe = app.pipeString.current()) SetCollapseSelections(*pipe, app.collapseChoices);
    showPlot(app, kCollapsePanel, "Collapse");
  } else if (event.id == kIdCancel) {
    dialog.hide();
  }
}

void burstProcedure(AppState& app, platform::Dialog& dialog, const platform::DialogEvent& event) {
  if (event.kind == Kind::kClose) return dialog.hide();
  if (event.kind != Kind::kCommand) return;
  const int formula = event.id - kBurstFirstOption;
  if (formula >= 0 && formula < static_cast<int>(kBurstFormulaCount)) {
    if (PipeFile* pipe = app.pipeString.current()) pipe->burstSelection = static_cast<std::uint32_t>(formula);
  } else if (event.id == kBurstDisplay) {
    showPlot(app, kBurstPanel, "Burst");
  } else if (event.id == kIdCancel) {
    dialog.hide();
  }
}

}  // namespace

void createPressureDialogs(AppState& app) {
  if (platform::Dialog* dialog = app.dialogs.keep(
          Modeless::kCollapse,
          app.platform.createDialog(kDialogCollapsePressure,
                                    [&app](platform::Dialog& dialog, const platform::DialogEvent& event) {
                                      collapseProcedure(app, dialog, event);
                                    }))) {
    dialog->setText(kCollapseYield, "110000");
    dialog->setText(kCollapseAxialStress, "0");
    dialog->setText(kCollapseResidualStress, "5000");
    dialog->setText(kCollapseYoungsModulus, "30000000");
    dialog->setText(kCollapsePoissonsRatio, ".28");
    for (const ChoiceGroup& group : kChoiceGroups) {
      const std::uint32_t choice = app.collapseChoices.*group.choice;
      if (choice > 0) dialog->setChecked(group.firstOption + static_cast<int>(choice) - 1, true);
    }
  }
  if (platform::Dialog* dialog = app.dialogs.keep(
          Modeless::kBurst,
          app.platform.createDialog(kDialogBurst,
                                    [&app](platform::Dialog& dialog, const platform::DialogEvent& event) {
                                      burstProcedure(app, dialog, event);
                                    }))) {
    dialog->setText(kBurstYieldStrength, "110000");
    const PipeFile* pipe = app.pipeString.current();
    const std::uint32_t formula =
        pipe == nullptr ? static_cast<std::uint32_t>(BurstFormulaId::kApi) : pipe->burstSelection;
    if (formula < kBurstFormulaCount) dialog->setChecked(kBurstFirstOption + static_cast<int>(formula), true);
  }
}

double pressureYield(AppState& app) {
  const platform::Dialog* collapse = app.dialogs.get(Modeless::kCollapse);
  if (collapse == nullptr) return 0.0;
  const std::string text = collapse->text(kCollapseYield);
  if (platform::Dialog* burst = app.dialogs.get(Modeless::kBurst)) burst->setText(kBurstYieldStrength, text);
  return leadingNumber(text);
}

void showCollapseResults(AppState& app, double tamano, double yield) {
  platform::Dialog* collapse = app.dialogs.get(Modeless::kCollapse);
  if (collapse == nullptr) return;
  const PipeFile* pipe = app.pipeString.current();
  const double actual = pipe == nullptr ? 0.0 : ActualDOverT(*pipe, app.pipeString.position);
  const double nominal = pipe == nullptr ? 0.0 : NominalDOverT(*pipe);
  collapse->setText(kCollapseTamano, fixed3(tamano));
  collapse->setText(kCollapseApiActual, fixed3(ApiCollapse(yield, actual)));
  collapse->setText(kCollapseApiNominal, fixed3(ApiCollapse(yield, nominal)));
  const Api5c3Rating rating = Api5c3Collapse(ApiYield(yield), nominal);
  collapse->setText(kCollapseApi5c3,
                    fixed3(rating.pressure) + " " + std::string(CollapseRegimeName(rating.regime)));
}

void showBurstResults(AppState& app, double yield) {
  platform::Dialog* burst = app.dialogs.get(Modeless::kBurst);
  if (burst == nullptr) return;
  const PipeFile* pipe = app.pipeString.current();
  const PipeDOverT dOverT = pipe == nullptr ? PipeDOverT{} : BurstDOverT(*pipe);
  const bool nominal = dOverT.source == DOverTSource::kNominal;
  burst->setText(kBurstMaxDOverT, fixed3(dOverT.value) + (nominal ? " (nominal)" : ""));
  for (std::uint32_t formula = 0; formula < kBurstFormulaCount; ++formula) {
    burst->setText(kBurstFirstField + static_cast<int>(formula),
                   fixed3(BurstPressure(yield, dOverT.value, formula)));
  }
}

}  // namespace ductora
