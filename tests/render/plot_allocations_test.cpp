#include <gtest/gtest.h>

#include "analysis/measures/pipe_measures.h"
#include "gl_test_context.h"
#include "render/gl/panel_gl.h"
#include "render/plots/line_plot_panels.h"
#include "support/counting_allocator.h"
#include "support/synthetic_pipe.h"
#include "support/temp_dir.h"

namespace ductora::render {
namespace {

// Drawing a panel of a full pipe allocates its series and nothing else: one block per panel here,
// where there are no raw samples and no overlay.
TEST(PlotAllocations, EachPanelAllocatesOnlyItsSeries) {
  testing::TempDir dir;
  const std::string path = dir.file("pipe.kqvw");
  testing::writeSyntheticPipe(path, {.lengthInches = 120.0});
  PipeString string(LoadPipeForUse);
  ASSERT_TRUE(string.open(path).ok);
  string.position = 60.0F;
  string.current()->collapseSelections = {3, 3, 3, 3, 0};
  string.current()->yieldStrength = 110000.0;
  testing::GlTestContext gl(320, 240);
  ASSERT_TRUE(gl.ok());
  InitPlotPanelGl(kPlotWhite);
  const auto draw = [&string](int panel) {
    BeginPlotPanel(320, 240, true, kPlotWhite);
    DrawLinePlotPanel(static_cast<LinePlotPanel>(panel), nullptr, {0, 0, 320, 240}, string);
    glFinish();
  };
  // The GL driver builds its own code on first use; that is not the plots' doing.
  for (int panel = 0; panel <= static_cast<int>(LinePlotPanel::kBurst); ++panel) draw(panel);
  for (int panel = 0; panel <= static_cast<int>(LinePlotPanel::kBurst); ++panel) {
    const long before = testing::allocationCount();
    draw(panel);
    EXPECT_LE(testing::allocationCount() - before, 1) << panel;
  }
}

}  // namespace
}  // namespace ductora::render
