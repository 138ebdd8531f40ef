#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <map>
#include <nlohmann/json.hpp>
#include <sstream>
#include <tuple>

#include "analysis/measures/pipe_measures.h"
#include "analysis/placement/cursor_rows.h"
#include "app/shell/frame.h"
#include "data/format/pipe_file_io.h"
#include "render/gl/panel_gl.h"
#include "render/gl_feedback.h"
#include "render/gl_test_context.h"
#include "render/maps/maps.h"
#include "render/pipe3d/pipe_3d.h"
#include "render/plots/line_plot_panels.h"
#include "render/plots/slice_view.h"
#include "resources/data_dialogs.h"
#include "resources/menu_table.h"
#include "resources/shell_dialogs.h"
#include "resources/statistics_dialogs.h"
#include "shell_fixture.h"
#include "support/run_command.h"

namespace ductora::testing {
namespace {

using namespace resources;
using platform::DialogEvent;
using platform::headless::HeadlessDialog;
using Colour = std::array<float, 4>;

constexpr double kPi = 3.141592653589793;

// A simulated pipe with one pit (seed 2), as the unit stores it (360 wall columns) and with its
// wall rebuilt from the raw samples at 2 degrees (180 columns), made once.
struct SimulatedPit {
  std::string pipe360;
  std::string pipe180;
  nlohmann::json truth;
};

const SimulatedPit& Simulated() {
  static TempDir dir;
  static const SimulatedPit pit = [] {
    const std::string sim = std::string(DUCTORA_SIM_PATH) + " --out " + dir.path().string() +
                            " --length 60 --defects 1 --faults none --seed 2";
    EXPECT_EQ(runCommand(sim + " > /dev/null").exitCode, 0);
    SimulatedPit made{dir.file("JOB-001.kqvw"), dir.file("half.kqvw"), {}};
    EXPECT_EQ(runCommand(std::string(DUCTORA_CLI_PATH) + " rebuild wall " + made.pipe360 +
                         " --delta-y 2 -o " + made.pipe180)
                  .exitCode,
              0);
    std::ifstream(dir.file("JOB-001.truth.json")) >> made.truth;
    return made;
  }();
  return pit;
}

struct Cell {
  std::int64_t row = 0;
  std::int64_t column = 0;
  bool operator==(const Cell&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Cell& c) { return out << c.row << "/" << c.column; }

struct Case {
  std::uint32_t columns;
  bool flipped;
  bool reversed;
};

std::string Name(const ::testing::TestParamInfo<Case>& info) {
  const Case& c = info.param;
  return std::to_string(c.columns) + (c.flipped ? "Flipped" : "") + (c.reversed ? "Reversed" : "") +
         (c.flipped || c.reversed ? "" : "Plain");
}

// Where a line or a point stands in the window.
struct Point {
  double x = 0.0;
  double y = 0.0;
};

Point Middle(const std::vector<FedVertex>& v) {
  Point p;
  for (const FedVertex& f : v) p = {p.x + f.x / v.size(), p.y + f.y / v.size()};
  return p;
}

// The map's textured quad in the window: texture t runs along x, s along y, each affine.
class MapQuad {
 public:
  explicit MapQuad(const std::vector<FedVertex>& map) : quad_(InColour(map, {1.0F, 1.0F, 1.0F, 1.0F})) {
    const auto byX = [](const FedVertex& a, const FedVertex& b) { return a.x < b.x; };
    const auto byY = [](const FedVertex& a, const FedVertex& b) { return a.y < b.y; };
    std::tie(left_, right_) = std::minmax_element(quad_.begin(), quad_.end(), byX);
    std::tie(bottom_, top_) = std::minmax_element(quad_.begin(), quad_.end(), byY);
  }
  std::pair<double, double> TexelAt(Point p) const {
    return {Along(p.y, bottom_->y, top_->y, bottom_->s, top_->s),
            Along(p.x, left_->x, right_->x, left_->t, right_->t)};
  }
  Point PointAt(double s, double t) const {
    return {Along(t, left_->t, right_->t, left_->x, right_->x),
            Along(s, bottom_->s, top_->s, bottom_->y, top_->y)};
  }

 private:
  // v on the line through (a0, b0) and (a1, b1).
  static double Along(double v, double a0, double a1, double b0, double b1) {
    return b0 + (v - a0) / (a1 - a0) * (b1 - b0);
  }
  std::vector<FedVertex> quad_;
  std::vector<FedVertex>::const_iterator left_, right_, bottom_, top_;
};

// Every view reads the same cell at the cursor, and that cell is the pit the simulator made.
class CrossViewTest : public ShellTest, public ::testing::WithParamInterface<Case> {
 protected:
  void SetUp() override {
    ASSERT_TRUE(gl.ok());
    const Case c = GetParam();
    const SimulatedPit& sim = Simulated();
    PipeFile pipe;
    ASSERT_TRUE(readPipeFile(pipe, c.columns == 360 ? sim.pipe360 : sim.pipe180).opened);
    pipe.header.rotation = c.flipped ? 1 : 0;
    pipe.header.from = c.reversed ? 1 : 0;
    path = dir.file("pipe.kqvw");
    ASSERT_TRUE(savePipeFile(pipe, path, false, false).ok);
    start(path);
    ASSERT_NE(app.pipeString.current(), nullptr);
    ASSERT_EQ(wall().columns, c.columns);
  }
  PipeFile& current() { return *app.pipeString.current(); }
  WallMatrix& wall() { return current().wallMatrix; }
  void at(double x, double y) {
    app.pipeString.position = static_cast<float>(x);
    app.pipeString.angle = static_cast<float>(y);
    runFrame(app, 0.0);
    gl.makeCurrent();
  }
  Cell placed() {
    const CursorCell cell = PlaceAtCursor(current(), app.pipeString.position, app.pipeString.angle).wall;
    EXPECT_TRUE(cell.row && cell.column);
    return {cell.row.value_or(-1), cell.column.value_or(-1)};
  }

  // The thinnest wall: the first smallest cell, as the range queries scan.
  Cell Thinnest() {
    Cell best;
    for (std::size_t r = 0; r < wall().rows; ++r)
      for (std::size_t c = 0; c < wall().columns; ++c)
        if (wall().at(r, c) < wall().at(best.row, best.column)) best = {std::int64_t(r), std::int64_t(c)};
    return best;
  }

  // The map of the current pipe drawn flat in the window: its quad and cursor lines.
  std::vector<FedVertex> Map(double x, double y) {
    glViewport(0, 0, 400, 400);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-40.0, 40.0, -50.0, 50.0, -1000.0, 1000.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    // The pipe across the window from its start on the left, the circumference up it.
    glRotatef(-90.0F, 0.0F, 1.0F, 0.0F);
    glTranslatef(0.0F, 0.0F, 30.0F);
    return Feedback([&] {
      render::DrawMap(current(), render::MapKind::kWall, 1,
                      {static_cast<float>(x), static_cast<float>(y), 0.0F, true});
    });
  }
  // The crossing of the map's cursor lines in the window.
  static Point Crossing(const std::vector<FedVertex>& map) {
    return {Middle(InColour(map, {0.0F, 0.0F, 1.0F, 1.0F})).x,
            Middle(InColour(map, {0.0F, 1.0F, 0.0F, 1.0F})).y};
  }
  // The cell the map shows at its cursor crossing: texture rows run with the matrix rows, a row's
  // samples from the last to the first.
  Cell MapCell(double x, double y) {
    const std::vector<FedVertex> map = Map(x, y);
    const auto [s, t] = MapQuad(map).TexelAt(Crossing(map));
    const auto n = static_cast<std::int64_t>(wall().columns);
    return {static_cast<std::int64_t>(std::floor(t * wall().rows)),
            n - 1 - static_cast<std::int64_t>(std::floor(s * static_cast<double>(n)))};
  }
  // The cursor at the middle of a cell as the map draws it: the cursor lines move linearly with X
  // and Y, so two cursors tell where any point of the map stands.
  Point CursorOnMap(const Cell& cell) {
    const Point a = Crossing(Map(10.0, 30.0));
    const Point b = Crossing(Map(20.0, 150.0));
    const auto n = static_cast<double>(wall().columns);
    const Point p = MapQuad(Map(10.0, 30.0))
                        .PointAt(1.0 - (static_cast<double>(cell.column) + 0.5) / n,
                                 (static_cast<double>(cell.row) + 0.5) / wall().rows);
    return {10.0 + (p.x - a.x) / (b.x - a.x) * 10.0, 30.0 + (p.y - a.y) / (b.y - a.y) * 120.0};
  }

  // A plot panel's series vertex at the cursor line, or on the screen's left of it, and the
  // highest one: the same when the plot's cursor stands on the highest sample.
  std::pair<double, double> PlotCursorAndPeak(render::LinePlotPanel panel, const Colour& series,
                                              const Colour& line) {
    glViewport(0, 0, 320, 240);
    render::InitPlotPanelGl(render::kPlotWhite);
    render::BeginPlotPanel(320, 240, true, render::kPlotWhite);
    const std::vector<FedVertex> drawn = Feedback([&] {
      render::DrawLinePlotPanel(panel, nullptr, {0, 0, 320, 240}, app.pipeString);
    });
    const double cursor = Middle(InColour(drawn, line)).x;
    double atCursor = -1e9;
    double peak = 0.0;
    float highest = -1e9F;
    for (const FedVertex& v : InColour(drawn, series)) {
      if (v.x <= cursor + 1e-2 && v.x > atCursor) atCursor = v.x;
      if (v.y > highest) std::tie(highest, peak) = std::pair{v.y, v.x};
    }
    return {atCursor, peak};
  }

  // Degrees counter-clockwise from the top of the window, about a centre.
  static double ClockAngle(const FedVertex& p, Point centre) {
    const double a = std::atan2(-(p.x - centre.x), p.y - centre.y) * 180.0 / kPi;
    return a < 0.0 ? a + 360.0 : a;
  }

  // The Slice's cursor (its solid half, drawn first from the edge) and its thickest sample, as
  // clock angles in its panel.
  std::pair<double, double> SliceCursorAndThickest() {
    glViewport(0, 0, 320, 240);
    const std::vector<FedVertex> slice = Feedback([&] {
      render::DrawSliceView(current(), app.pipeString.position, app.pipeString.angle,
                            app.view.rotation[render::kAxisZ]);
    });
    const Point centre{160.0, 120.0};
    std::map<double, std::pair<double, double>> radii;  // outer and inner radius by angle
    for (const FedVertex& v : slice) {
      // The ring is gray; the diameter lines are black and white, the circles and cursor coloured.
      const bool gray = v.colour[0] == v.colour[1] && v.colour[1] == v.colour[2];
      if (!gray || v.colour[0] == 0.0F || v.colour[0] == 1.0F) continue;
      const double r = std::hypot(v.x - centre.x, v.y - centre.y);
      auto& [outer, inner] =
          radii.try_emplace(std::round(ClockAngle(v, centre) * 100.0), 0.0, 1e9).first->second;
      outer = std::max(outer, r);
      inner = std::min(inner, r);
    }
    const auto thickest = std::max_element(radii.begin(), radii.end(), [](const auto& a, const auto& b) {
      return a.second.first - a.second.second < b.second.first - b.second.second;
    });
    const std::vector<FedVertex> cursor = InColour(slice, {0.0F, 1.0F, 0.0F, 1.0F});
    return {cursor.empty() ? -1.0 : ClockAngle(cursor.front(), centre), thickest->first / 100.0};
  }
  // The 3D wall view's cursor marker seen along the pipe, as a clock angle.
  double CursorMarker3D() {
    render::DrawCaches caches;
    glViewport(0, 0, 400, 400);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-10.0, 10.0, -10.0, 10.0, -1000.0, 1000.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    const std::vector<FedVertex> view = Feedback([&] {
      render::Draw3DWallView(render::PipeScene{app.pipeString, app.view, caches});
    });
    const Point marker = Middle(InColour(view, {0.0F, 1.0F, 0.0F, 0.9F}));
    return ClockAngle({static_cast<float>(marker.x), static_cast<float>(marker.y)}, {200.0, 200.0});
  }

  GlTestContext gl{400, 400};
  std::string path;
};

TEST_P(CrossViewTest, EveryViewShowsThePitWhereTheMapDrawsIt) {
  const Case c = GetParam();
  const nlohmann::json& truth = Simulated().truth;
  const nlohmann::json& pit = truth["defects"][0];
  ASSERT_EQ(pit["kind"], "PIT");
  const double deltaX = wall().deltaX;
  const double deltaY = wall().deltaY;
  const Cell thinnest = Thinnest();
  // A thinnest cell (the pit's bottom is flat) lies within a row and a column of the pit's truth,
  // in the file's own rows and columns: sample c of revolution r lies r + c / columns pitches past
  // the grid's first place and c columns round.
  const double z = pit["position"].get<double>() - truth["grid"]["wall"]["firstZ"].get<double>();
  const double angle = pit["angle"].get<double>();
  const auto row = std::lround(z / deltaX - angle / 360.0);
  const auto column = std::lround(angle / deltaY);
  std::uint16_t nearest = 0xFFFF;
  for (long r = row - 1; r <= row + 1; ++r)
    for (long k = column - 1; k <= column + 1; ++k)
      nearest = std::min(nearest, wall().at(r, k % wall().columns));
  EXPECT_EQ(nearest, wall().at(thinnest.row, thinnest.column));
  EXPECT_LE(std::abs(thinnest.row - row), 1);
  EXPECT_LE(std::abs(thinnest.column - column), 1);

  // range and the Pipe window put the minimum where the cursor then shows the thinnest cell.
  const double around = z + truth["parameters"]["wallStart"].get<double>();
  const CommandResult range =
      runCommand(std::string(DUCTORA_CLI_PATH) + " range --json " + path + " --from 0 --to 0");
  ASSERT_EQ(range.exitCode, 0);
  const nlohmann::json found = nlohmann::json::parse(range.out);
  for (const char* group : {"wall", "lowWall"}) {
    at(found[group]["min"]["position"].get<double>(), 0.0);
    EXPECT_EQ(placed().row, thinnest.row) << group;
  }
  command(kCmdPipe);
  HeadlessDialog* pipeWindow = platform.dialog(kDialogPipeWindow);
  pipeWindow->dragSlider(kPipeLeft, 0);
  pipeWindow->dragSlider(kPipeRight, 60);
  pipeWindow->send({DialogEvent::Kind::kCommand, kPipeWindowGroups[0].minButton});
  runFrame(app, 0.0);
  EXPECT_EQ(placed(), thinnest);

  // The map draws the thinnest cell where every view then reads it; unmirrored, that is where
  // the simulator put the pit along the pipe.
  const Point cursor = CursorOnMap(thinnest);
  at(cursor.x, cursor.y);
  EXPECT_EQ(MapCell(cursor.x, cursor.y), thinnest);
  EXPECT_EQ(placed(), thinnest);
  if (!c.reversed) {
    EXPECT_NEAR(cursor.x, around, 0.5 * deltaX);
  }
  at(cursor.x, cursor.y);
  EXPECT_EQ(std::stod(platform.dialog(kDialogStatistics)->text(kStatWall)),
            wall().at(thinnest.row, thinnest.column) / 1000.0);

  // A marker: the thinnest cell stands out high above a nominal row and column, so each view's
  // reading of it shows.
  const std::uint16_t marker = current().header.upperWall - 2;
  const std::uint16_t nominal = current().header.nominalWall;
  for (std::size_t r = 0; r < wall().rows; ++r) wall().data[r * wall().columns + thinnest.column] = nominal;
  for (std::size_t k = 0; k < wall().columns; ++k) wall().data[thinnest.row * wall().columns + k] = nominal;
  wall().data[thinnest.row * wall().columns + thinnest.column] = marker;
  ComputePipeMeasures(current());
  current().changed();
  command(kCmdData);
  at(cursor.x, cursor.y);

  HeadlessDialog* statistics = platform.dialog(kDialogStatistics);
  EXPECT_EQ(std::stod(statistics->text(kStatWall)), marker / 1000.0);
  EXPECT_EQ(std::stod(statistics->text(kStatMaxWall)), marker / 1000.0);
  // The Data Display's first line is the cursor's column, its middle value the cursor's revolution.
  HeadlessDialog* data = platform.dialog(kDialogDataDisplay);
  std::istringstream line(data->listLines(kDataTable).at(0));
  std::array<int, 7> values{};
  for (int& v : values) line >> v;
  EXPECT_EQ(values[3], marker);

  // The plots' cursors: Wall Thickness on the marked sample, Length At Y on the marked revolution.
  const auto [aroundCursor, aroundPeak] =
      PlotCursorAndPeak(render::LinePlotPanel::kWallThickness, {0, 0, 1, 1}, {0, 0.5F, 0, 1});
  EXPECT_NEAR(aroundCursor, aroundPeak, 1e-2);
  const auto [lengthCursor, lengthPeak] =
      PlotCursorAndPeak(render::LinePlotPanel::kLengthAtY, {0, 0, 0, 1}, {0, 0, 1, 1});
  EXPECT_NEAR(lengthCursor, lengthPeak, 1e-2);

  // The Slice: the thickest sample of the ring starts the column the cursor line stands in, and
  // the cursor points where the 3D view's cursor marker stands, the pipe and the view turned.
  current().viewState[kRotationZ] = 25.0F;
  app.view.rotation[render::kAxisZ] = 40.0F;
  const auto [sliceCursor, thickest] = SliceCursorAndThickest();
  const double fromThickest = std::fmod(sliceCursor - thickest + 720.0, 360.0);
  EXPECT_GT(fromThickest, 0.0);
  EXPECT_LT(fromThickest, 360.0 / wall().columns);
  EXPECT_NEAR(std::remainder(CursorMarker3D() - sliceCursor, 360.0), 0.0, 1.0);

  // The Data Display's edits change the cell the cursor shows.
  data->send({DialogEvent::Kind::kCommand, kDataStartButton});
  data->send({DialogEvent::Kind::kCommand, kDataEndButton});
  data->setText(kDataCount, "1");
  data->setText(kDataFixedValue, "123");
  data->send({DialogEvent::Kind::kCommand, kDataFillDown});
  EXPECT_EQ(wall().at(thinnest.row, thinnest.column), 123);
  runFrame(app, 0.0);
  EXPECT_EQ(std::stod(statistics->text(kStatWall)), 0.123);
}

INSTANTIATE_TEST_SUITE_P(Pipes, CrossViewTest,
                         ::testing::Values(Case{360, false, false}, Case{360, true, false},
                                           Case{360, false, true}, Case{360, true, true},
                                           Case{180, false, false}, Case{180, true, false},
                                           Case{180, false, true}, Case{180, true, true}),
                         Name);

}  // namespace
}  // namespace ductora::testing
