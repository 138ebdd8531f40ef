#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "analysis/measures/id_matrix.h"
#include "app/navigation/navigation.h"
#include "app/shell/frame.h"
#include "resources/menu_table.h"
#include "shell_fixture.h"
#include "support/synthetic_pipe.h"

namespace ductora::testing {
namespace {

constexpr int kLevels = 48;

// A pit 4 inches long, 30 degrees wide and 200 mils deep by the cursor, in the wall and as a dent
// of the OD (the ID follows), seen in each 3D view still and moving. The pit's pixels are those its still
// picture changes by more than 48 levels; the moving picture must show them within 48 levels of the still
// one, and may differ elsewhere only on its softened edges, under 2 % of the picture.
class MovingFrameTest : public ShellTest {
 protected:
  void SetUp() override {
    SyntheticPipeOptions options;
    options.lengthInches = 60.0;
    options.withRawWall = false;
    options.withRawOd = false;
    const std::string path = dir.file("pit.kqvw");
    writeSyntheticPipe(path, options);
    start(path);
    setX(app.pipeString, 20.0F);
  }

  // Carves the pit, or fills it again with a negative depth.
  void carvePit(std::int16_t depth) {
    PipeFile& pipe = *app.pipeString.current();
    const auto carve = [](auto& matrix, std::int16_t depth) {
      const std::uint32_t from = matrix.rows / 3 - 6;
      for (std::uint32_t r = from; r < from + 12; ++r) {
        for (std::uint32_t k = 30; k < 60; ++k) {
          auto& cell = matrix.data[std::size_t{r} * matrix.columns + k];
          cell = static_cast<std::remove_reference_t<decltype(cell)>>(cell - depth);
        }
      }
    };
    carve(pipe.wallMatrix, depth);
    carve(pipe.odMatrix, depth);
    BuildIdMatrix(pipe);
    pipe.changed();
  }

  // The frame of that detail; a still one once the view chosen or the pit carved has settled.
  std::vector<std::uint8_t> picture(render::FrameDetail detail) {
    runFrame(app, 0.0);
    platform.advanceClock(MotionClock::kSettleMs);
    if (detail == render::FrameDetail::kMoving) app.motion.movedAt(platform.nowMs());
    runFrame(app, 0.0);
    EXPECT_EQ(app.frameDetail, detail);
    return surface(kPipeViewPanel)->frame();
  }
};

// The largest difference of a channel between pixel i of a and pixel j of b.
int Difference(const std::vector<std::uint8_t>& a, const std::vector<std::uint8_t>& b, std::size_t i,
               std::size_t j) {
  int most = 0;
  for (std::size_t c = 0; c < 3; ++c) most = std::max(most, std::abs(a[4 * i + c] - b[4 * j + c]));
  return most;
}
int Difference(const std::vector<std::uint8_t>& a, const std::vector<std::uint8_t>& b, std::size_t i) {
  return Difference(a, b, i, i);
}

TEST_F(MovingFrameTest, TheMovingPictureStillShowsThePit) {
  using render::FrameDetail;
  for (const int view : {resources::kCmdDraw3DWall, resources::kCmdDraw3DOd, resources::kCmdDraw3DId}) {
    SCOPED_TRACE(view);
    command(view);
    const std::vector<std::uint8_t> plain = picture(FrameDetail::kStill);
    carvePit(200);
    const std::vector<std::uint8_t> still = picture(FrameDetail::kStill);
    const std::vector<std::uint8_t> moving = picture(FrameDetail::kMoving);
    EXPECT_EQ(picture(FrameDetail::kStill), still) << "the still frame after motion is the whole picture";
    std::size_t pit = 0;
    std::size_t pitMissed = 0;
    std::size_t elsewhere = 0;
    const std::size_t pixels = still.size() / 4;
    // The pit's pixels but those by an edge, the pit's own or another's over it: at half
    // resolution an edge is softened over a pixel or two either side.
    const auto w = static_cast<std::ptrdiff_t>(surface(kPipeViewPanel)->geometry().width);
    const auto n = static_cast<std::ptrdiff_t>(pixels);
    const auto at = [](std::ptrdiff_t i) { return static_cast<std::size_t>(i); };
    std::vector<bool> nearEdge(pixels, false);
    for (std::ptrdiff_t i = w; i + w < n; ++i) {
      if (Difference(still, still, at(i), at(i + 1)) <= kLevels &&
          Difference(still, still, at(i), at(i + w)) <= kLevels)
        continue;
      for (std::ptrdiff_t dy = -2; dy <= 3; ++dy) {
        for (std::ptrdiff_t dx = -2; dx <= 3; ++dx) {
          const std::ptrdiff_t j = i + dy * w + dx;
          if (j >= 0 && j < n) nearEdge[at(j)] = true;
        }
      }
    }
    const auto insidePit = [&](std::size_t i) {
      return !nearEdge[i] && Difference(still, plain, i) > kLevels;
    };
    for (std::size_t i = 0; i < pixels; ++i) {
      const bool inPit = insidePit(i);
      const bool differs = Difference(moving, still, i) > kLevels;
      pit += inPit ? 1 : 0;
      pitMissed += inPit && differs ? 1 : 0;
      elsewhere += !inPit && differs ? 1 : 0;
    }
    EXPECT_GT(pit, 500U) << "the pit shows";
    EXPECT_EQ(pitMissed, 0U) << "of " << pit;
    EXPECT_LT(elsewhere, pixels / 50);
    carvePit(-200);
  }
}

}  // namespace
}  // namespace ductora::testing
