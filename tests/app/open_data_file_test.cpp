#include "app/document/open_data_file.h"

#include <algorithm>
#include <filesystem>
#include <vector>

#include "app/navigation/navigation.h"
#include "app/shell/frame.h"
#include "app/shell/main_loop.h"
#include "resources/menu_table.h"
#include "shell_fixture.h"
#include "support/temp_dir.h"

namespace ductora::testing {
namespace {

using namespace resources;

class OpenDataFileTest : public ShellTest {
 protected:
  void SetUp() override { start(); }
  bool exists(int slot) const { return app.windows.window(slot) != nullptr; }
};

TEST_F(OpenDataFileTest, AnEmptyPathChangesNothing) {
  openDataFile(app, "", false);
  EXPECT_EQ(surface(1), nullptr);
  EXPECT_EQ(app.documentState, DocumentState::kNone);
  EXPECT_TRUE(platform.messages().empty());
}

TEST_F(OpenDataFileTest, AWallOnlyPipeGetsTheWallPanelAndThe2DWallView) {
  openDataFile(app, pipe("wall.kqvw", PipeData::kWallOnly), false);
  EXPECT_TRUE(exists(kPipeViewPanel));
  EXPECT_TRUE(exists(kWallThicknessPanel));
  EXPECT_FALSE(exists(kOdOffsetPanel));
  EXPECT_EQ(app.viewMode, ViewMode::k2DWall);
  EXPECT_EQ(app.documentState, DocumentState::kOpen);
  EXPECT_TRUE(app.sliceEnabled);
  EXPECT_FLOAT_EQ(app.pipeString.position, 15.0F);
  EXPECT_FLOAT_EQ(app.view.depth, -30.0F);  // half of -2 x 30 inches
  EXPECT_EQ(surface(kWallThicknessPanel)->title(), "Wall Thickness");
}

TEST_F(OpenDataFileTest, AnOdOnlyPipeGetsTheOdPanelAndThe2DOdView) {
  openDataFile(app, pipe("od.kqvw", PipeData::kOdOnly), false);
  EXPECT_FALSE(exists(kWallThicknessPanel));
  EXPECT_TRUE(exists(kOdOffsetPanel));
  EXPECT_EQ(app.viewMode, ViewMode::k2DOd);
  EXPECT_EQ(surface(kOdOffsetPanel)->title(), "OD Offset");
}

TEST_F(OpenDataFileTest, ACompletePipeGetsBothPanelsAndTheWallAndOdView) {
  const std::string path = pipe("full.kqvw", PipeData::kComplete, 815);
  openDataFile(app, path, false);
  runFrame(app, 0.0);
  EXPECT_TRUE(exists(kWallThicknessPanel));
  EXPECT_TRUE(exists(kOdOffsetPanel));
  EXPECT_EQ(app.viewMode, ViewMode::k2DWall2DOd);
  EXPECT_EQ(surface(kPipeViewPanel)->title(), "Pipe/String - " + path + "(815)");
  // The plot panels stay above the pipe view.
  ASSERT_FALSE(platform.zOrder().empty());
  EXPECT_EQ(platform.zOrder().front(), kPipeViewPanel);
  EXPECT_EQ(platform.focusedSlot(), kPipeViewPanel);
}

TEST_F(OpenDataFileTest, AViewChosenEarlierSurvivesTheNextOpenWithAHalf3DZoom) {
  openDataFile(app, pipe("first.kqvw", PipeData::kComplete), false);
  command(kCmdDraw3DOd);
  EXPECT_EQ(app.viewMode, ViewMode::k3DOd);
  openDataFile(app, pipe("second.kqvw", PipeData::kWallOnly), false);
  EXPECT_EQ(app.viewMode, ViewMode::k3DOd);
  EXPECT_FLOAT_EQ(app.view.depth, defaultDistance3D(app.pipeString) / 2.0F);
  EXPECT_LT(app.view.depth, 0.0F);
  // The OD panel of the first pipe stays as it was.
  EXPECT_TRUE(app.windows.isShown(kOdOffsetPanel));
}

TEST_F(OpenDataFileTest, APlainOpenReplacesThePipesAndAppendKeepsThem) {
  openDataFile(app, pipe("a.kqvw", PipeData::kComplete), false);
  openDataFile(app, pipe("b.kqvw", PipeData::kComplete), true);
  EXPECT_EQ(app.pipeString.loadedPipes().size(), 2U);
  openDataFile(app, pipe("c.kqvw", PipeData::kComplete), false);
  ASSERT_EQ(app.pipeString.loadedPipes().size(), 1U);
  EXPECT_EQ(app.pipeString.current()->path, dir.file("c.kqvw"));
}

TEST_F(OpenDataFileTest, FilesThatCannotBeReadAreNamedInAWarning) {
  const std::string list = dir.file("job.kqstr");
  writeText(list, pipe("good.kqvw", PipeData::kComplete) + "\n" + dir.file("missing.kqvw") + "\n");
  openDataFile(app, list, false);
  ASSERT_EQ(platform.messages().size(), 1U);
  const auto& warning = platform.messages().front();
  EXPECT_EQ(warning.caption, "Warning");
  EXPECT_NE(warning.text.find(dir.file("missing.kqvw")), std::string::npos);
  EXPECT_EQ(warning.text.find("good.kqvw"), std::string::npos);
  EXPECT_EQ(app.documentState, DocumentState::kOpen);
  // Walking over it again finds it unreadable again; an append later names only its own files.
  ASSERT_TRUE(app.pipeString.jumpTo(1));
  openDataFile(app, pipe("more.kqvw", PipeData::kComplete), true);
  EXPECT_EQ(platform.messages().size(), 1U);
}

TEST_F(OpenDataFileTest, EmptyAndDamagedPipesAreNamedInAWarningWithWhatIsWrong) {
  const std::string cut = pipe("cut.kqvw", PipeData::kComplete);
  std::filesystem::resize_file(cut, std::filesystem::file_size(cut) / 2);
  // A chain whose first block says it is the last, as one pointing back to the start would.
  const std::string looped = pipe("looped.kqvw", PipeData::kComplete);
  std::vector<std::uint8_t> bytes = readBytes(looped);
  std::fill(bytes.begin() + 1, bytes.begin() + 5, 0);
  writeBytes(looped, bytes);
  const std::string empty = dir.file("empty.kqvw");
  writeText(empty, "");
  const std::string list = dir.file("job.kqstr");
  writeText(list, cut + "\n" + looped + "\n" + empty + "\n");
  openDataFile(app, list, false);
  ASSERT_EQ(platform.messages().size(), 1U);
  const std::string& text = platform.messages().front().text;
  for (const std::string& line :
       {"These files could not be read:\n" + empty + ": the file is empty (0 bytes)\n",
        "These files are damaged; what could be read is shown:\n" + cut +
            ": the file ends inside the block at byte ",
        looped + ": the block at byte 0 is marked as the last (its next-block offset is 0), but "}) {
    EXPECT_NE(text.find(line), std::string::npos) << text;
  }
  ASSERT_NE(app.pipeString.current(), nullptr);
  EXPECT_TRUE(app.pipeString.current()->wallMatrix.present());  // the part before the cut
}

// A string loads pipes as the operator walks along it; the loop names what it could not read then.
TEST_F(OpenDataFileTest, FilesFoundDamagedWhileWalkingAreNamedBetweenFrames) {
  std::string names;
  for (int number = 1; number <= 6; ++number)
    names += pipe("p" + std::to_string(number) + ".kqvw", PipeData::kComplete) + "\n";
  const std::string cut = dir.file("p6.kqvw");
  std::filesystem::resize_file(cut, std::filesystem::file_size(cut) - 10);
  writeText(dir.file("job.kqstr"), names);
  openDataFile(app, dir.file("job.kqstr"), false);
  EXPECT_TRUE(platform.messages().empty()) << "the sixth is not loaded yet";
  ASSERT_TRUE(app.pipeString.jumpTo(3));
  loopIteration(app);
  ASSERT_EQ(platform.messages().size(), 1U);
  EXPECT_EQ(platform.messages().front().text.rfind(
                "These files are damaged; what could be read is shown:\n" + cut + ": ", 0),
            0U);
  loopIteration(app);
  EXPECT_EQ(platform.messages().size(), 1U);
}

TEST_F(OpenDataFileTest, AnUnreadableListIsReportedToo) {
  openDataFile(app, dir.file("absent.kqstr"), false);
  ASSERT_EQ(platform.messages().size(), 1U);
  EXPECT_NE(platform.messages().front().text.find("absent.kqstr"), std::string::npos);
}

TEST_F(OpenDataFileTest, OpenPipeAndStringAskWithTheirFiltersAndACancelDoesNothing) {
  command(kCmdOpenPipe);
  platform.answerFileDialog(pipe("s.kqvw", PipeData::kWallOnly));
  command(kCmdOpenString);
  ASSERT_EQ(platform.fileDialogs().size(), 2U);
  EXPECT_EQ(platform.fileDialogs()[0].caption, "Select a data file.");
  EXPECT_EQ(platform.fileDialogs()[0].filter.name, "Corvix Files");
  EXPECT_EQ(platform.fileDialogs()[0].filter.pattern, "*.kqvw");
  EXPECT_EQ(platform.fileDialogs()[1].filter.name, "Corvix String Files");
  EXPECT_EQ(platform.fileDialogs()[1].filter.pattern, "*.kqstr");
  // The first was cancelled; the second named a pipe, which the string opens by its extension.
  ASSERT_NE(app.pipeString.current(), nullptr);
  EXPECT_EQ(app.pipeString.current()->path, dir.file("s.kqvw"));
}

}  // namespace
}  // namespace ductora::testing
