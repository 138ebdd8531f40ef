#include "app/dialogs/gray_scale_dialog.h"

#include <GL/gl.h>

#include <fstream>
#include <map>

#include "app/shell/frame.h"
#include "resources/dialog_table.h"
#include "resources/menu_table.h"
#include "shell_fixture.h"

namespace ductora::testing {
namespace {

using namespace resources;
using platform::headless::HeadlessDialog;

// "2D Wall, 2D OD" of a 30-inch pipe: the bottom of the view shows the wall map, the top the OD
// map (the cursor line runs down the middle, so look beside it).
class GrayScaleDialogTest : public ShellTest {
 protected:
  void SetUp() override {
    start(pipe("pipe.kqvw", PipeData::kComplete));
    runFrame(app, 0.0);
  }
  std::array<std::uint8_t, 4> wallPixel() const { return surface(kPipeViewPanel)->pixel(400, 900); }
  std::array<std::uint8_t, 4> odPixel() const { return surface(kPipeViewPanel)->pixel(400, 40); }
  // Opens the dialog from the menu, shows what it reads, types the given texts and presses id.
  std::map<int, std::string> run(const std::map<int, std::string>& typed, int button = kIdOk) {
    std::map<int, std::string> shown;
    platform.scriptModal(kDialogGrayScale, [&](HeadlessDialog& dialog) {
      for (const int id : {kGrayUpperWall, kGrayLowerWall, kGrayUpperOffset, kGrayLowerOffset})
        shown[id] = dialog.text(id);
      for (const auto& [id, text] : typed) dialog.setText(id, text);
      dialog.send({platform::DialogEvent::Kind::kPaint});  // a repaint keeps what was typed
      dialog.send({platform::DialogEvent::Kind::kCommand, button});
    });
    command(kCmdGrayScale);
    runFrame(app, 0.0);
    return shown;
  }
  const PipeHeader& header() const { return app.pipeString.current()->header; }
};

TEST_F(GrayScaleDialogTest, OkStoresTheNumbersTypedAndRedrawsOnlyTheMapThatChanged) {
  const auto wallBefore = wallPixel();
  const auto shown = run({{kGrayUpperOffset, "8"}, {kGrayLowerOffset, "-8abc"}});
  EXPECT_EQ(shown.at(kGrayUpperWall), "0");
  EXPECT_EQ(shown.at(kGrayLowerOffset), "0");
  EXPECT_EQ(header().upperOdOffset, 8);
  EXPECT_EQ(header().lowerOdOffset, -8);
  EXPECT_TRUE(app.pipeString.current()->unsavedChanges);
  EXPECT_EQ(wallPixel(), wallBefore);
  // OD of 0 to 4 mils between -8 and 8: a gray that shows any change of the OD map.
  const auto odGray = odPixel();
  EXPECT_NEAR(odGray[0], 95, 33);

  // A panel drew last; the wall map must still be made in the pipe view's context.
  app.windows.makeCurrent(kOdOffsetPanel);
  run({{kGrayUpperWall, "400"}, {kGrayLowerWall, "  300abc"}});
  EXPECT_EQ(header().upperWall, 400);
  EXPECT_EQ(header().lowerWall, 300);
  EXPECT_EQ(header().upperOdOffset, 8);
  EXPECT_EQ(wallBefore[0], 0);          // 350 to 356 mils: black above limits of 0
  EXPECT_NEAR(wallPixel()[0], 120, 8);  // between 300 and 400: mid gray
  EXPECT_EQ(odPixel(), odGray);

  run({{kGrayUpperWall, "-5"}});
  EXPECT_EQ(header().upperWall, 65531);  // the low 16 bits
}

TEST_F(GrayScaleDialogTest, OkWithoutChangesOnlyMarksThePipeModified) {
  const auto wallBefore = wallPixel();
  run({});
  EXPECT_TRUE(app.pipeString.current()->unsavedChanges);
  EXPECT_EQ(header().upperWall, 0);
  EXPECT_EQ(wallPixel(), wallBefore);
}

TEST_F(GrayScaleDialogTest, CancelChangesNothing) {
  run({{kGrayUpperWall, "400"}}, kIdCancel);
  EXPECT_EQ(header().upperWall, 0);
  EXPECT_FALSE(app.pipeString.current()->unsavedChanges);
}

TEST(GrayScaleDialogWithoutPipe, ShowsZerosAndOkChangesNothing) {
  platform::headless::HeadlessPlatform platform;
  AppState app(platform);
  platform.scriptModal(kDialogGrayScale, [](HeadlessDialog& dialog) {
    EXPECT_EQ(dialog.text(kGrayUpperWall), "0");
    EXPECT_EQ(dialog.text(kGrayLowerOffset), "0");
    dialog.setText(kGrayUpperWall, "400");
    dialog.send({platform::DialogEvent::Kind::kCommand, kIdOk});
  });
  runGrayScaleDialog(app);
  EXPECT_FALSE(app.pipeString.hasUnsavedChanges());
}

// Textures belong to the pipe view's context and leave it with their pipes.
TEST_F(ShellTest, PipesLeavingTheWindowFreeTheirTextures) {
  std::string list;
  for (int i = 1; i <= 12; ++i) list += pipe("p" + std::to_string(i) + ".kqvw", PipeData::kComplete) + "\n";
  const std::string listPath = dir.file("string.kqstr");
  std::ofstream(listPath) << list;
  start(listPath);
  runFrame(app, 0.0);
  std::vector<GLuint> before;
  for (const PipeFile& pipe : app.pipeString.loadedPipes()) {
    ASSERT_NE(app.drawCaches.TexturesOf(pipe).wall, 0U);
    ASSERT_NE(app.drawCaches.TexturesOf(pipe).od, 0U);
    before.push_back(app.drawCaches.TexturesOf(pipe).wall);
    before.push_back(app.drawCaches.TexturesOf(pipe).od);
  }
  // The next frame frees what belonged to the pipes that left.
  ASSERT_TRUE(app.pipeString.jumpTo(12));
  runFrame(app, 0.0);
  app.windows.makeCurrent(kPipeViewPanel);
  for (const GLuint name : before) EXPECT_EQ(glIsTexture(name), GL_FALSE) << name;
  // The jump moved the cursor: that frame made the current pipe's textures and one texture more,
  // and the still frame after it all the others.
  EXPECT_NE(app.drawCaches.TexturesOf(*app.pipeString.current()).wall, 0U);
  platform.advanceClock(MotionClock::kSettleMs);
  runFrame(app, 0.0);
  ASSERT_EQ(app.frameDetail, render::FrameDetail::kStill);
  for (const PipeFile& pipe : app.pipeString.loadedPipes())
    EXPECT_NE(app.drawCaches.TexturesOf(pipe).wall, 0U);
}

}  // namespace
}  // namespace ductora::testing
