#include "render/pipe3d/pipe_3d.h"

#include <GL/gl.h>
#include <GL/glu.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <tuple>

#include "gl_feedback.h"
#include "gl_test_context.h"
#include "render/maps/map_textures.h"
#include "support/temp_dir.h"
#include "test_pipes.h"

namespace ductora::render {
namespace {

using testing::FedVertex;
using testing::Feedback;
using testing::InColour;

constexpr std::array<float, 4> kSurface{1.0F, 1.0F, 1.0F, 1.0F};
constexpr std::array<float, 4> kStartMarker{1.0F, 0.0F, 0.0F, 0.5F};
constexpr std::array<float, 4> kCursorMarker{0.0F, 1.0F, 0.0F, 0.9F};
constexpr std::array<float, 4> kStraightTube{1.0F, 0.0F, 0.0F, 0.999F};

using ViewRoutine = void (*)(const PipeScene&);

// The views seen along the pipe axis in a parallel projection, 200 pixels across halfWidth x 2
// inches, the axis at the centre (100, 100).
class Pipe3DTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(gl.ok()); }

  void open(const std::string& name) {
    ASSERT_TRUE(string.open(name).ok);
    prepareTextures();
  }
  void prepareTextures() {
    string.forEachPipe([this](const PipeFile& pipe) { caches.PrepareTextures(pipe); });
  }
  void look(double halfWidth) {
    glViewport(0, 0, 200, 200);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-halfWidth, halfWidth, -halfWidth, halfWidth, -1000.0, 1000.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
  }
  void lookInPerspective() {
    look(10.0);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(45.0, 1.0, 1.0, 1000.0);
    glMatrixMode(GL_MODELVIEW);
  }
  std::vector<FedVertex> draw(ViewRoutine view) {
    return Feedback([&] { view(PipeScene{string, values, caches}); });
  }

  testing::GlTestContext gl{200, 200};
  PipeString string{testing::LoadTestPipe};
  ViewValues values;
  DrawCaches caches;
};

FedVertex Centroid(const std::vector<FedVertex>& vertices) {
  FedVertex sum;
  for (const FedVertex& v : vertices) {
    sum.x += v.x / static_cast<float>(vertices.size());
    sum.y += v.y / static_cast<float>(vertices.size());
  }
  return sum;
}

// Degrees around the axis, 90 at the top.
double AngleOf(const FedVertex& v) {
  return std::atan2(v.y - 100.0, v.x - 100.0) * 180.0 / 3.141592653589793;
}

TEST_F(Pipe3DTest, ThePipesRotationTurnsItsSurfaceAndTheCursorMarkerButNotItsTopMarker) {
  open("30.kqvw");
  // In perspective, from in front of the pipe's start: seen end on in parallel, the relief would
  // be edge on and cover no pixel.
  lookInPerspective();
  values.depth = -15.0F;
  string.position = 10.0F;
  string.angle = 30.0F;
  for (const ViewRoutine view : {Draw3DWallView, Draw3DOdView, Draw3DIdView}) {
    for (const float rotation : {0.0F, 30.0F}) {
      string.current()->viewState[kRotationZ] = rotation;
      const std::vector<FedVertex> vertices = draw(view);
      // Texture column s stands where the cursor at its angle points: the map's rows hold their
      // samples last to first, s = 1 at the top.
      const std::vector<FedVertex> surface = InColour(vertices, kSurface);
      ASSERT_FALSE(surface.empty());
      for (const FedVertex& v : surface)
        ASSERT_NEAR(std::remainder(AngleOf(v) - (90.0 - rotation + (1.0 - v.s) * 360.0), 360.0), 0.0, 0.01);
      // The markers' middles, a little off their axes in perspective.
      EXPECT_NEAR(AngleOf(Centroid(InColour(vertices, kStartMarker))), 90.0, 1.0);
      EXPECT_NEAR(AngleOf(Centroid(InColour(vertices, kCursorMarker))), 90.0 + 30.0 - rotation, 1.0);
    }
  }
}

// A bump of the OD at the samples of 40 to 50 degrees stands under the cursor marker set where
// the OD map shows it, 45 degrees, or 315 on a flipped pipe, which the map mirrors; and it is
// shaded as that sample, black.
TEST_F(Pipe3DTest, TheReliefsBumpStandsDarkUnderTheCursorWhereTheMapShowsIt) {
  open("30.kqvw");
  PipeFile& pipe = *string.current();
  OdMatrix& od = pipe.odMatrix;
  for (std::size_t i = 0; i < od.data.size(); ++i) od.data[i] = i % od.columns == 4 ? 40 : 0;
  pipe.changed();
  prepareTextures();
  lookInPerspective();
  values.depth = -20.0F;
  string.position = 10.0F;
  for (const int flipped : {0, 1}) {
    for (const int reversed : {0, 1}) {
      pipe.header.rotation = static_cast<std::uint8_t>(flipped);
      pipe.header.from = static_cast<std::uint8_t>(reversed);
      string.angle = flipped == 1 ? 315.0F : 45.0F;
      const std::vector<FedVertex> vertices = draw(Draw3DOdView);
      const std::vector<FedVertex> surface = InColour(vertices, kSurface);
      ASSERT_FALSE(surface.empty());
      const FedVertex outermost =
          *std::max_element(surface.begin(), surface.end(), [](const auto& a, const auto& b) {
            return std::hypot(a.x - 100.0F, a.y - 100.0F) < std::hypot(b.x - 100.0F, b.y - 100.0F);
          });
      EXPECT_NEAR(AngleOf(outermost), AngleOf(Centroid(InColour(vertices, kCursorMarker))), 2.0)
          << flipped << reversed;
      const auto column = static_cast<std::uint32_t>((outermost.s - std::floor(outermost.s)) * 36.0F);
      EXPECT_EQ(35 - column, 4U) << flipped << reversed;
    }
  }
}

TEST_F(Pipe3DTest, TheYViewAngleTurnsTheCylindersButNotTheRelief) {
  open("30.kqvw");
  look(40.0);
  string.position = 10.0F;
  const auto positions = [](const std::vector<FedVertex>& vertices) {
    std::vector<std::array<float, 3>> xyz;
    for (const FedVertex& v : vertices) xyz.push_back({v.x, v.y, v.z});
    return xyz;
  };
  for (const ViewRoutine view : {Draw3DWallView, Draw3DOdView, Draw3DIdView}) {
    values.rotation[kAxisY] = 0.0F;
    const auto straight = positions(draw(view));
    values.rotation[kAxisY] = 40.0F;
    EXPECT_EQ(positions(draw(view)) == straight, view == Draw3DOdView);
  }
}

// The surface's vertices in order of their texture coordinates: a vertex and its mirror image
// take the same place in the list.
std::vector<FedVertex> ByTexel(const std::vector<FedVertex>& vertices) {
  std::vector<FedVertex> surface = InColour(vertices, kSurface);
  std::sort(surface.begin(), surface.end(), [](const FedVertex& a, const FedVertex& b) {
    return std::tie(a.s, a.t, a.x, a.y) < std::tie(b.s, b.t, b.x, b.y);
  });
  return surface;
}

// Seen from the side, the axis up the screen: a flipped pipe shows its surface mirrored about
// its top (window x about 100), a reversed one end to end (window y about the pipe's middle),
// texture, relief and cylinder together, as the 2D maps show them. The ID matrix is built in
// display order and shows as it stands.
TEST_F(Pipe3DTest, FlippedAndReversedPipesAreMirroredAsTheMapsShowThem) {
  open("30.kqvw");
  values.rotation[kAxisX] = 90.0F;
  string.position = 10.0F;
  look(50.0);
  PipeFile& pipe = *string.current();
  for (const ViewRoutine view : {Draw3DWallView, Draw3DOdView, Draw3DIdView}) {
    const std::vector<FedVertex> plain = ByTexel(draw(view));
    ASSERT_FALSE(plain.empty());
    const auto [low, high] = std::minmax_element(
        plain.begin(), plain.end(), [](const FedVertex& a, const FedVertex& b) { return a.y < b.y; });
    // Mirrored about the middle of the matrix's span; the relief's vertices stop a row short of it.
    const float rows = static_cast<float>(pipe.odMatrix.rows);
    const float rowShort = view == Draw3DOdView ? (high->y - low->y) / (rows - 1.0F) : 0.0F;
    const float middle = low->y + high->y + rowShort;
    pipe.header.rotation = 1;
    const std::vector<FedVertex> flipped = ByTexel(draw(view));
    pipe.header.rotation = 0;
    pipe.header.from = 1;
    const std::vector<FedVertex> reversed = ByTexel(draw(view));
    pipe.header.from = 0;
    ASSERT_EQ(flipped.size(), plain.size());
    ASSERT_EQ(reversed.size(), plain.size());
    const bool mirrored = view != Draw3DIdView;
    for (std::size_t i = 0; i < plain.size(); ++i) {
      ASSERT_NEAR(flipped[i].x, mirrored ? 200.0F - plain[i].x : plain[i].x, 1e-3F) << i;
      ASSERT_NEAR(flipped[i].y, plain[i].y, 1e-3F) << i;
      ASSERT_NEAR(reversed[i].x, plain[i].x, 1e-3F) << i;
      ASSERT_NEAR(reversed[i].y, mirrored ? middle - plain[i].y : plain[i].y, 1e-3F) << i;
    }
  }
}

// Where each pipe starts along the axis: its top marker's middle, seen from the side.
std::vector<float> PipeStarts(const std::vector<FedVertex>& vertices, double halfWidth) {
  std::map<long, std::vector<FedVertex>> byStart;
  for (const FedVertex& v : InColour(vertices, kStartMarker))
    byStart[std::lround((100.0 - v.y) * halfWidth / 100.0 / 10.0)].push_back(v);
  std::vector<float> starts;
  for (const auto& [rounded, marker] : byStart)
    starts.push_back(static_cast<float>((100.0 - Centroid(marker).y) * halfWidth / 100.0));
  return starts;
}

TEST_F(Pipe3DTest, TheChainLiesEndToEndWithTheCursorPointAtTheOrigin) {
  const testing::TempDir dir;
  testing::writeText(dir.file("job.kqstr"), "400.kqvw\n380.kqvw\n410.kqvw\n");
  open(dir.file("job.kqstr"));
  ASSERT_TRUE(string.jumpTo(2));
  prepareTextures();
  string.position = 100.0F;
  values.rotation[kAxisX] = 90.0F;  // the axis up the screen: window y = 100 - z / 10
  look(1000.0);
  const std::vector<float> starts = PipeStarts(draw(Draw3DWallView), 1000.0);
  ASSERT_EQ(starts.size(), 3U);
  EXPECT_NEAR(starts[0], -280.0F, 0.01F);
  EXPECT_NEAR(starts[1], 100.0F, 0.01F);
  EXPECT_NEAR(starts[2], 500.0F, 0.01F);
}

TEST_F(Pipe3DTest, TheStraightTubeCoversTheCurrentPipeWhateverTheCursor) {
  open("30.kqvw");
  values.rotation[kAxisX] = 90.0F;
  look(50.0);
  EXPECT_TRUE(InColour(draw(Draw3DOdView), kStraightTube).empty());
  values.straight = true;
  for (const float x : {10.0F, 25.0F}) {
    string.position = x;
    float low = 1e9F;
    float high = -1e9F;
    for (const FedVertex& v : InColour(draw(Draw3DOdView), kStraightTube)) {
      const float z = (100.0F - v.y) * 0.5F;
      low = std::min(low, z);
      high = std::max(high, z);
    }
    EXPECT_NEAR(high, x, 1e-3F);
    EXPECT_NEAR(low, x - 30.0F, 1e-3F);
  }
}

}  // namespace
}  // namespace ductora::render
