#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>

#include "analysis/measures/pipe_measures.h"
#include "analysis/measures/revolution_metrics.h"
#include "analysis/pressures/pressure_series.h"
#include "gl_test_context.h"
#include "render/gl/panel_gl.h"
#include "render/plots/line_plot_panels.h"
#include "support/matrix_builders.h"

namespace ductora::render {
namespace {

using Pixel = std::array<std::uint8_t, 3>;
constexpr Pixel kBlue{0, 0, 255};
constexpr Pixel kBlack{0, 0, 0};
constexpr Pixel kGreen{0, 128, 0};
constexpr Pixel kOrange{255, 128, 0};
constexpr Pixel kRed{255, 0, 0};
constexpr Pixel kGray{178, 178, 178};

// A panel of 320 x 240 has proportional margins: its plot area is x 48..320 by y 24..240.
constexpr int kWidth = 320;
constexpr int kHeight = 240;
constexpr double kAreaLeft = 48.0;
constexpr double kAreaWidth = 272.0;
constexpr double kAreaBottom = 24.0;
constexpr double kAreaHeight = 216.0;

double PixelX(double x, double xMin, double xMax) {
  return kAreaLeft + (x - xMin) / (xMax - xMin) * kAreaWidth;
}
double PixelY(double y, double yMin, double yMax) {
  return kAreaBottom + (y - yMin) / (yMax - yMin) * kAreaHeight;
}

// Walls of 320 thousandths for samples 90..179, 380 elsewhere, in 3 revolutions of 360.
PipeFile StepPipe() {
  PipeFile pipe = testing::MakePipe(
      {.wall = testing::MakeWallMatrix(
           3, 360, [](std::uint32_t, std::uint32_t c) { return c >= 90 && c < 180 ? 320 : 380; }),
       .od = testing::MakeOdMatrix(3, 360, [](std::uint32_t, std::uint32_t c) { return c < 180 ? 10 : -10; }),
       .nominalOd = 7.0F,
       .nominalWall = 350,
       .calibrationOd = 7.0F});
  pipe.header.lowerWall = 300;
  pipe.header.upperWall = 400;
  pipe.header.lowerOdOffset = -100;
  pipe.header.upperOdOffset = 100;
  ComputePipeMeasures(pipe);
  return pipe;
}

class LinePlotsTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(gl.ok()); }

  // A string of the one pipe, with an overlay pipe when one is given.
  void Load(const PipeFile& pipe, const PipeFile* overlay = nullptr) {
    string = std::make_unique<PipeString>([&pipe, overlay](PipeFile& into, const std::string& path) {
      into = path == "overlay.kqvw" ? *overlay : pipe;
      PipeReadResult read;
      read.opened = true;
      read.wallMatrixRead = true;
      return read;
    });
    ASSERT_TRUE(string->open("pipe.kqvw").ok);
    if (overlay != nullptr) {
      ASSERT_TRUE(string->loadOverlay("overlay.kqvw"));
    }
  }
  double Draw(LinePlotPanel panel, float position, float angle) {
    string->position = position;
    string->angle = angle;
    InitPlotPanelGl(kPlotWhite);
    BeginPlotPanel(kWidth, kHeight, true, kPlotWhite);
    return DrawLinePlotPanel(panel, nullptr, {0, 0, kWidth, kHeight}, *string);
  }

  // The rows of column x, or the columns of row y, with exactly this colour.
  std::vector<int> RowsOf(const Pixel& colour, int x) {
    std::vector<int> rows;
    for (int y = 0; y < kHeight; ++y)
      if (gl.pixel(x, y) == colour) rows.push_back(y);
    return rows;
  }
  std::vector<int> ColumnsOf(const Pixel& colour, int y) {
    std::vector<int> columns;
    for (int x = 0; x < kWidth; ++x)
      if (gl.pixel(x, y) == colour) columns.push_back(x);
    return columns;
  }
  // A line one pixel wide within a pixel of where it should stand.
  static bool At(const std::vector<int>& found, double expected) {
    return found.size() == 1 && std::abs(found[0] - expected) <= 1.0;
  }
  bool Blank() {
    return ColumnsOf({255, 255, 255}, 120).size() == kWidth && RowsOf({255, 255, 255}, 200).size() == kHeight;
  }

  testing::GlTestContext gl{kWidth, kHeight};
  std::unique_ptr<PipeString> string;
};

// Rotation 90: the series starts at 90 degrees, so the thin quarter (90..180) comes first; the
// cursor angle 100 stands at x = 10 and angle 90 would stand at 0, where no line is drawn. The
// axis is in degrees whatever the grid: 180, an odd 51 and 36000 columns a turn put the series,
// the cursor line and a grid line every 45 degrees where 360 do.
TEST_F(LinePlotsTest, WallAroundReadsFromTheRotationOnInDegreesOnAnyGrid) {
  for (const std::uint32_t columns : {360U, 180U, 51U, 36000U}) {
    PipeFile pipe = StepPipe();
    pipe.wallMatrix = testing::MakeWallMatrix(3, columns, [columns](std::uint32_t, std::uint32_t c) {
      const double angle = 360.0 * c / columns;
      return static_cast<std::uint16_t>(angle >= 90.0 && angle < 180.0 ? 320 : 380);
    });
    Load(pipe);
    string->current()->viewState[kRotationZ] = 90.0F;
    Draw(LinePlotPanel::kWallThickness, 1.5F, 100.0F);
    SCOPED_TRACE(columns);
    EXPECT_TRUE(At(RowsOf(kBlue, static_cast<int>(PixelX(40, 0, 360))), PixelY(0.32, 0.3, 0.4)));
    EXPECT_TRUE(At(RowsOf(kBlue, static_cast<int>(PixelX(200, 0, 360))), PixelY(0.38, 0.3, 0.4)));
    EXPECT_TRUE(At(ColumnsOf(kGreen, 150), PixelX(10, 0, 360)));
    EXPECT_TRUE(At(RowsOf(kOrange, 250), PixelY(0.35, 0.3, 0.4)));  // the nominal wall
    // Below the series: a gray line every 45 degrees, 34 pixels apart, the first on the left edge.
    const std::vector<int> grid = ColumnsOf(kGray, 40);
    ASSERT_EQ(grid.size(), 9U);
    for (std::size_t i = 0; i < grid.size(); ++i) EXPECT_NEAR(grid[i], PixelX(45.0 * i, 0, 360), 1.0) << i;

    Draw(LinePlotPanel::kWallThickness, 1.5F, 90.0F);
    EXPECT_TRUE(ColumnsOf(kGreen, 150).empty());
  }
}

// Flipped, rotation 0: the axis runs from 360 on the left to 0, and angle 10 stands at 349.
TEST_F(LinePlotsTest, AFlippedPipeRunsItsAnglesBackwards) {
  PipeFile pipe = StepPipe();
  pipe.header.rotation = 1;
  Load(pipe);
  Draw(LinePlotPanel::kWallThickness, 1.5F, 10.0F);
  EXPECT_TRUE(At(ColumnsOf(kGreen, 150), PixelX(349, 360, 0)));
  // Samples 90..179 at the right half's inner part: x = 135 lies there.
  EXPECT_TRUE(At(RowsOf(kBlue, static_cast<int>(PixelX(135, 360, 0))), PixelY(0.32, 0.3, 0.4)));
}

// OD offsets of 50 on samples 0..89, 0 elsewhere: diameters of 7.05 through 0..89 and 180..269.
PipeFile LobedPipe(std::int16_t lobe) {
  PipeFile pipe = StepPipe();
  pipe.odMatrix = testing::MakeOdMatrix(3, 360, [lobe](std::uint32_t, std::uint32_t c) {
    return static_cast<std::int16_t>(c < 90 ? lobe : 0);
  });
  ComputePipeMeasures(pipe);
  return pipe;
}

// The OD panel: the current pipe in blue, then the overlay pipe in black over it.
TEST_F(LinePlotsTest, OdAroundIsTheDiameterThroughEachSampleWithTheOverlayOnTop) {
  const PipeFile pipe = LobedPipe(50);
  const PipeFile overlay = LobedPipe(-50);
  Load(pipe, &overlay);
  Draw(LinePlotPanel::kOdOffset, 1.5F, 0.0F);
  for (const double x : {45.0, 225.0}) {
    const int column = static_cast<int>(PixelX(x, 0, 360));
    EXPECT_TRUE(At(RowsOf(kBlue, column), PixelY(7.05, 6.9, 7.1))) << x;
    EXPECT_TRUE(At(RowsOf(kBlack, column), PixelY(6.95, 6.9, 7.1))) << x;
  }
}

// Revolution plots: 100 revolutions at 99.8 % CSA give the range 99..101 with 100 % in the middle;
// the cursor at revolution 25 stands a quarter across, and a reversed pipe mirrors the row about
// its last revolution and the axis with it, so the line stays where the cursor is.
TEST_F(LinePlotsTest, CsaRangeReferenceAndTheCursorOfAReversedPipe) {
  testing::PipeShape pipeSpec;
  pipeSpec.wall = testing::MakeWallMatrix(100, 8, [](std::uint32_t, std::uint32_t) { return 350; });
  PipeFile pipe = testing::MakePipe(pipeSpec);
  pipe.csa.nominalCsa = 10.0;
  pipe.csa.csaPerRev.assign(100, 9.98);
  pipe.csa.minCsa = 9.98;
  pipe.csa.maxCsa = 10.02;
  Load(pipe);
  Draw(LinePlotPanel::kCsa, 25.5F, 0.0F);
  EXPECT_TRUE(At(RowsOf(kOrange, 250), PixelY(100.0, 99.0, 101.0)));
  EXPECT_TRUE(At(RowsOf(kBlack, 250), PixelY(99.8, 99.0, 101.0)));
  EXPECT_TRUE(At(ColumnsOf(kBlue, 60), PixelX(25, 0, 100)));

  pipe.header.from = 1;
  Load(pipe);
  Draw(LinePlotPanel::kCsa, 25.5F, 0.0F);
  EXPECT_TRUE(At(ColumnsOf(kBlue, 60), PixelX(99 - 25, 100, 0)));
}

// Bodies whose data is missing draw nothing at all; a zero mean ovality draws its flat line in
// the middle of the widened range.
TEST_F(LinePlotsTest, MissingDataDrawsNothing) {
  PipeFile wallOnly = StepPipe();
  wallOnly.odMatrix = {};
  wallOnly.idMatrix = {};
  Load(wallOnly);
  for (const LinePlotPanel panel : {LinePlotPanel::kOdOffset, LinePlotPanel::kOvality, LinePlotPanel::kPipeId,
                                    LinePlotPanel::kStraightness}) {
    Draw(panel, 1.5F, 0.0F);
    EXPECT_TRUE(Blank()) << static_cast<int>(panel);
  }
  for (const float beyond : {3.5F, std::numeric_limits<float>::infinity()}) {
    Draw(LinePlotPanel::kWallThickness, beyond, 0.0F);
    EXPECT_TRUE(Blank()) << beyond;
  }
  Draw(LinePlotPanel::kLengthAtY, 1.5F, 400.0F);  // no column at that angle
  EXPECT_TRUE(Blank());

  PipeFile round = StepPipe();
  round.odMatrix.ovalityPerRev.assign(3, 0.0F);
  Load(round);
  Draw(LinePlotPanel::kOvality, 1.5F, 0.0F);
  EXPECT_TRUE(At(RowsOf(kBlack, 100), PixelY(0.0, -0.1, 0.1)));
  Draw(LinePlotPanel::kOvality, 3.5F, 0.0F);  // the cursor beyond the OD data
  EXPECT_TRUE(Blank());
}

// A D/t of 2 makes the thin-wall burst of that revolution infinite: the line has a gap there and
// the range is that of the finite values.
TEST_F(LinePlotsTest, InfinitePressuresLeaveAGap) {
  testing::PipeShape pipeSpec;
  pipeSpec.wall = testing::MakeWallMatrix(4, 8, [](std::uint32_t, std::uint32_t) { return 350; });
  pipeSpec.nominalWall = 350;
  pipeSpec.calibrationOd = 7.0F;
  PipeFile pipe = testing::MakePipe(pipeSpec);
  pipe.revolutionMetrics.assign(4, RevolutionMetric{});
  for (std::size_t r = 0; r < 4; ++r) pipe.revolutionMetrics[r][kMetricDOverT] = r == 1 ? 2.0F : 22.0F;
  pipe.yieldStrength = 110000.0;
  pipe.burstSelection = 6;  // thin wall: 2Y / (r - 2)
  Load(pipe);
  const double atCursor = Draw(LinePlotPanel::kBurst, 1.5F, 0.0F);
  EXPECT_TRUE(std::isinf(atCursor));
  EXPECT_TRUE(RowsOf(kBlue, static_cast<int>(PixelX(1.0, 0, 4))).empty());
  EXPECT_FALSE(RowsOf(kBlue, static_cast<int>(PixelX(2.5, 0, 4))).empty());
}

// The raw traces read the revolution at the cursor: the first whose last sample reaches it.
TEST_F(LinePlotsTest, RawTracesReadTheRevolutionAtTheCursor) {
  const PipeFile pipe = StepPipe();
  Load(pipe);
  // Copies of a pipe leave the raw samples behind: they go into the loaded one.
  PipeFile& loaded = *string->current();
  const auto revolution = [](std::int32_t reading, double end) {
    RevolutionSamples samples(4);
    for (std::size_t j = 0; j < samples.size(); ++j) samples[j] = {reading, 0, 0, end - 1.0 + j / 3.0, 0.0};
    return samples;
  };
  loaded.wallChannels[kRawDisplayChannel].revolutions = {revolution(325, 1.0), revolution(385, 2.0)};
  loaded.odChannels[0].revolutions = {revolution(30, 1.0), revolution(60, 2.0)};
  loaded.odChannels[1].revolutions = {revolution(-10, 1.0)};
  const int column = static_cast<int>(PixelX(135, 0, 360));  // sample 1.5 of 4 over a turn
  Draw(LinePlotPanel::kWallThickness, 0.5F, 0.0F);
  EXPECT_TRUE(At(RowsOf(kRed, column), PixelY(325, 300, 400)));
  Draw(LinePlotPanel::kWallThickness, 1.5F, 0.0F);  // the last revolution is the fallback
  EXPECT_TRUE(At(RowsOf(kRed, column), PixelY(385, 300, 400)));
  Draw(LinePlotPanel::kOdOffset, 0.5F, 0.0F);
  // (30 - -10) / 2 on -100..100
  EXPECT_TRUE(At(RowsOf(kRed, column), PixelY(20, -100, 100)));
  Draw(LinePlotPanel::kOdOffset, 1.5F, 0.0F);  // channel 2 has no second revolution
  EXPECT_TRUE(RowsOf(kRed, column).empty());
}

}  // namespace
}  // namespace ductora::render
