#include "app/dialogs/pressure_dialogs.h"

#include <cmath>
#include <cstdio>

#include "analysis/measures/revolution_metrics.h"
#include "analysis/pressures/pressure_series.h"
#include "analysis/pressures/pressures.h"
#include "app/document/open_data_file.h"
#include "app/shell/frame.h"
#include "resources/dialog_table.h"
#include "resources/menu_table.h"
#include "shell_fixture.h"

namespace ductora::testing {
namespace {

using namespace resources;
using platform::DialogEvent;
using platform::headless::HeadlessDialog;

std::string Fixed3(double value) {
  char text[64];
  std::snprintf(text, sizeof text, "%.3f", value);
  return text;
}

class PressureDialogsTest : public ShellTest {
 protected:
  void open(PipeData data) {
    start(pipe("pipe.kqvw", data));
    collapse = platform.dialog(kDialogCollapsePressure);
    burst = platform.dialog(kDialogBurst);
    ASSERT_NE(collapse, nullptr);
    ASSERT_NE(burst, nullptr);
  }
  static void press(HeadlessDialog* dialog, int id) { dialog->send({DialogEvent::Kind::kCommand, id}); }
  PipeFile& current() { return *app.pipeString.current(); }

  HeadlessDialog* collapse = nullptr;
  HeadlessDialog* burst = nullptr;
};

TEST_F(PressureDialogsTest, OptionButtonsChooseAndPlotAndDisplayBringUpThePanels) {
  open(PipeData::kComplete);
  EXPECT_FALSE(collapse->isVisible());
  EXPECT_EQ(collapse->text(kCollapseYield), "110000");
  EXPECT_EQ(collapse->text(kCollapsePoissonsRatio), ".28");
  EXPECT_EQ(burst->text(kBurstYieldStrength), "110000");
  command(kCmdPlotCollapse);
  command(kCmdPlotBurst);
  EXPECT_TRUE(collapse->isVisible());
  EXPECT_TRUE(burst->isVisible());

  press(collapse, kCollapseFirstOd + 2);
  press(collapse, kCollapseFirstWall + 1);
  press(collapse, kCollapseFirstOvality + 5);
  press(collapse, kCollapseFirstEccentricity);
  EXPECT_EQ(current().collapseSelections[kCollapseOd], 0U);  // only Plot hands them over
  press(collapse, kCollapsePlot);
  EXPECT_EQ(current().collapseSelections[kCollapseOd], 3U);
  EXPECT_EQ(current().collapseSelections[kCollapseWall], 2U);
  EXPECT_EQ(current().collapseSelections[kCollapseEccentricity], 1U);
  EXPECT_EQ(current().collapseSelections[kCollapseOvality], 6U);
  ASSERT_NE(surface(kCollapsePanel), nullptr);
  EXPECT_TRUE(app.windows.isShown(kCollapsePanel));
  EXPECT_EQ(surface(kCollapsePanel)->title(), "Collapse");

  press(burst, kBurstFirstOption + 6);
  EXPECT_EQ(current().burstSelection, 6U);
  press(burst, kBurstDisplay);
  EXPECT_TRUE(app.windows.isShown(kBurstPanel));
  EXPECT_EQ(surface(kBurstPanel)->title(), "Burst");

  press(collapse, kIdCancel);
  burst->send({DialogEvent::Kind::kClose});
  EXPECT_FALSE(collapse->isVisible());
  EXPECT_FALSE(burst->isVisible());

  // The choices are the run's: a new open re-creates the dialog with them checked.
  openDataFile(app, pipe("other.kqvw", PipeData::kComplete), false);
  collapse = platform.dialog(kDialogCollapsePressure);
  EXPECT_TRUE(collapse->isChecked(kCollapseFirstOd + 2));
  EXPECT_TRUE(collapse->isChecked(kCollapseFirstEccentricity));
  EXPECT_FALSE(collapse->isChecked(kCollapseFirstOd));
}

// After a frame the fields hold what the pressure functions give for the yield typed, which the
// plots drew with and the pipe keeps.
TEST_F(PressureDialogsTest, FieldsAfterADrawAreThePressureFunctionsValues) {
  open(PipeData::kComplete);
  collapse->setText(kCollapseYield, " 80000psi");
  press(collapse, kCollapseFirstOd + 2);
  press(collapse, kCollapseFirstWall + 2);
  press(collapse, kCollapsePlot);
  press(burst, kBurstDisplay);
  runFrame(app, 0.0);

  const PipeFile& pipe = current();
  const double x = app.pipeString.position;
  EXPECT_EQ(pipe.yieldStrength, 80000.0);
  EXPECT_EQ(burst->text(kBurstYieldStrength), " 80000psi");
  EXPECT_EQ(collapse->text(kCollapseTamano), Fixed3(CollapseAtCursor(pipe, x)));
  EXPECT_NE(collapse->text(kCollapseTamano), Fixed3(kNoWallPressure));
  EXPECT_EQ(collapse->text(kCollapseApiActual), Fixed3(ApiCollapse(80000.0, ActualDOverT(pipe, x))));
  EXPECT_EQ(collapse->text(kCollapseApiNominal), Fixed3(ApiCollapse(80000.0, NominalDOverT(pipe))));
  const double dOverT = MaxDOverT(pipe);
  ASSERT_GT(dOverT, 0.0);
  EXPECT_EQ(burst->text(kBurstMaxDOverT), Fixed3(dOverT));
  for (std::uint32_t formula = 0; formula < kBurstFormulaCount; ++formula) {
    EXPECT_EQ(burst->text(kBurstFirstField + static_cast<int>(formula)),
              Fixed3(BurstPressure(80000.0, dOverT, formula)))
        << formula;
  }
}

// Without OD data the largest D/t is 0, which would make most burst pressures infinite: the
// nominal D/t stands in, marked as such.
TEST_F(PressureDialogsTest, APipeWithoutOdDataShowsBurstAtTheNominalDOverT) {
  open(PipeData::kWallOnly);
  current().header.calibrationOdMils = 7000;
  press(burst, kBurstDisplay);
  runFrame(app, 0.0);
  const double nominal = 7000.0 / 362.0;
  EXPECT_EQ(burst->text(kBurstMaxDOverT), Fixed3(nominal) + " (nominal)");
  EXPECT_EQ(burst->text(kBurstFirstField), Fixed3(BurstPressure(110000.0, nominal, 0)));
  EXPECT_TRUE(std::isfinite(std::stod(burst->text(kBurstFirstField + 6))));
}

}  // namespace
}  // namespace ductora::testing
