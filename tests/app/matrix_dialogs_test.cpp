#include "resources/matrix_dialogs.h"

#include <algorithm>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "analysis/measures/pipe_measures.h"
#include "analysis/rebuild/od_build.h"
#include "analysis/rebuild/wall_build.h"
#include "app/document/open_data_file.h"
#include "app/document/save_pipe.h"
#include "app/navigation/navigation.h"
#include "app/shell/frame.h"
#include "data/format/raw_channels.h"
#include "resources/menu_table.h"
#include "shell_fixture.h"
#include "support/run_command.h"
#include "support/synthetic_pipe.h"
#include "support/working_directory.h"

namespace ductora::testing {
namespace {

using namespace resources;
using platform::headless::HeadlessDialog;
using Kind = platform::DialogEvent::Kind;
using Typed = std::map<int, std::string>;

// A 40-inch pipe with four raw wall channels and two raw OD channels, open in the shell. Files the
// rebuilds write to the working directory land in the test's folder.
class MatrixDialogsTest : public ShellTest {
 protected:
  void SetUp() override {
    writeSyntheticPipe(path, {.lengthInches = 40.0});
    start(path);
  }

  PipeFile& current() { return *app.pipeString.current(); }

  // The file as opened, rebuilt from one channel with its stored settings.
  std::vector<std::uint16_t> oneChannelMatrix(int channelIndex) const {
    PipeFile pipe;
    EXPECT_TRUE(LoadPipeForUse(pipe, path).opened);
    EXPECT_EQ(BuildWallMatrix(pipe, channelIndex, ""), BuildStatus::kBuilt);
    return pipe.wallMatrix.data;
  }

  // Modify > Wall Matrix: types into the fields, checks the boxes and presses OK. True when that closed the
  // dialog; a refused OK leaves it open and the test presses Cancel.
  bool modify(const Typed& typed, const std::vector<int>& checked = {}) {
    bool closed = false;
    platform.scriptModal(kDialogModifyPipeMatrix, [&](HeadlessDialog& dialog) {
      for (const auto& [id, text] : typed) dialog.setText(id, text);
      for (const int id : checked) {
        dialog.setChecked(id, true);
        dialog.send({Kind::kCommand, id});
      }
      dialog.send({Kind::kCommand, kMatrixOk});
      closed = dialog.ended();
      if (!closed) dialog.send({Kind::kCommand, kIdCancel});
    });
    command(kCmdWallMatrix);
    return closed;
  }

  std::size_t errorBoxes() const {
    std::size_t count = 0;
    for (const auto& message : platform.messages()) count += message.caption == "Error" ? 1 : 0;
    return count;
  }

  std::string path = dir.file("pipe.kqvw");
  ScopedWorkingDirectory workingDirectory{dir.path()};
};

TEST_F(MatrixDialogsTest, ModifyPipeMatrixShowsThePipeAndCalculatesWithoutStoring) {
  // Data in channels 2 and 4 only.
  current().wallChannels[0].sampleCount = 0;
  current().wallChannels[2].sampleCount = 0;
  platform.scriptModal(kDialogModifyPipeMatrix, [&](HeadlessDialog& dialog) {
    EXPECT_EQ(dialog.text(kMatrixPrimary), "2");
    EXPECT_EQ(dialog.text(kMatrixSecondary), "4");
    EXPECT_EQ(dialog.text(kMatrixChannelControls[0].sampleCount), "0");
    EXPECT_EQ(dialog.text(kMatrixJumpSize), "30");
    EXPECT_EQ(dialog.text(kMatrixDeltaX), "0.333333333");
    EXPECT_EQ(dialog.text(kMatrixDeltaY), "1.000000000");
    EXPECT_EQ(dialog.text(kMatrixRemoveFront), "0.000");
    const WallChannelControls& second = kMatrixChannelControls[1];
    dialog.setText(second.velocity, "0.2330");
    dialog.send({Kind::kCommand, second.calcWallScale});
    EXPECT_EQ(dialog.text(second.wallScale), "1.165");
    dialog.send({Kind::kCommand, kMatrixSwitch});
    EXPECT_EQ(dialog.text(kMatrixPrimary), "4");
    EXPECT_EQ(dialog.text(kMatrixSecondary), "2");
    // A repaint keeps what was typed.
    dialog.send({Kind::kPaint});
    EXPECT_EQ(dialog.text(second.wallScale), "1.165");
    dialog.send({Kind::kCommand, kIdCancel});
  });
  const double scaleBefore = current().wallChannels[1].wallScale;
  command(kCmdWallMatrix);
  EXPECT_EQ(current().wallChannels[1].wallScale, scaleBefore);
  EXPECT_FALSE(app.pipeString.current()->unsavedChanges);
}

TEST_F(MatrixDialogsTest, OneChannelBuildsWithTheStoredSettingsAndJumpSizeZeroBuildsNothing) {
  const std::uint32_t oldTexture = app.drawCaches.TexturesOf(current()).wall;
  const WallMatrix before = current().wallMatrix;
  // Settings no build could use are not read for a one-channel build.
  EXPECT_TRUE(modify({{kMatrixPrimary, "2"},
                      {kMatrixSecondary, "0"},
                      {kMatrixDeltaX, "0"},
                      {kMatrixDeltaY, "-1"},
                      {kMatrixJumpSize, "7"}}));
  EXPECT_EQ(errorBoxes(), 0U);
  EXPECT_EQ(current().wallMatrix.data, oneChannelMatrix(1));
  EXPECT_NE(current().wallMatrix.data, before.data);
  EXPECT_EQ(current().wallMatrix.deltaX, before.deltaX);
  EXPECT_EQ(current().header.wallJumpSize, 30);
  EXPECT_TRUE(app.pipeString.current()->unsavedChanges);
  // The default filter, and what it did, told after OK.
  EXPECT_EQ(current().wallMatrix.jumpFilter, "corroborated");
  EXPECT_EQ(platform.messages().back().caption, "Notice");
  EXPECT_EQ(platform.messages().back().text.rfind("Jump filter: corroborated\nReplaced: ", 0), 0U);
  runFrame(app, 0.0);  // the map is made again for the new revision
  EXPECT_NE(app.drawCaches.TexturesOf(current()).wall, 0U);
  EXPECT_NE(app.drawCaches.TexturesOf(current()).wall, oldTexture);

  EXPECT_TRUE(modify({{kMatrixPrimary, "2"}, {kMatrixSecondary, "0"}}, {kJumpFilterReplace}));
  EXPECT_EQ(current().wallMatrix.jumpFilter, "replace");

  const std::vector<std::uint16_t> built = current().wallMatrix.data;
  EXPECT_TRUE(modify({{kMatrixJumpSize, "0"}, {kMatrixSecondary, "3"}, {kMatrixDeltaX, "0.5"}}));
  EXPECT_EQ(current().wallMatrix.data, built);
  EXPECT_EQ(current().wallMatrix.deltaX, before.deltaX);
}

TEST_F(MatrixDialogsTest, ValuesNoBuildCanUseAreRefusedAndChangeNothing) {
  current().wallChannels[3].sampleCount = 0;
  const std::vector<std::uint8_t> file = readBytes(path);
  const WallMatrix before = current().wallMatrix;
  const PipeHeader header = current().header;
  const std::vector<Typed> refused = {
      {{kMatrixDeltaX, "0"}},
      {{kMatrixDeltaX, "-0.5"}},
      {{kMatrixDeltaY, "nan"}},
      {{kMatrixRemoveFront, "-1"}},
      {{kMatrixRemoveFront, "25"}, {kMatrixRemoveBack, "20"}},  // nothing of 40 inches is left
      {{kMatrixPrimary, "5"}},
      {{kMatrixPrimary, "0"}, {kMatrixSecondary, "0"}},
      {{kMatrixSecondary, "4"}},  // no samples
      {{kMatrixSecondary, "-2"}},
      {{kMatrixJumpSize, "-1"}},
      {{kMatrixJumpSize, "300"}},  // joined: the pipe would keep 44 of it
      {{kMatrixChannelControls[2].wallScale, "-1.2"}},
  };
  for (const Typed& typed : refused) {
    const std::size_t boxes = errorBoxes();
    EXPECT_FALSE(modify(typed)) << typed.begin()->second;
    EXPECT_EQ(errorBoxes(), boxes + 1) << typed.begin()->second;
  }
  EXPECT_EQ(current().wallMatrix.data, before.data);
  EXPECT_EQ(current().wallMatrix.removeFront, before.removeFront);
  EXPECT_EQ(current().header, header);
  EXPECT_FALSE(app.pipeString.current()->unsavedChanges);
  EXPECT_EQ(readBytes(path), file);
  EXPECT_EQ(platform.messages().back().caption, "Error");
}

TEST_F(MatrixDialogsTest, AJoinedRebuildKeepsTheStoredSettingsItsFieldsShow) {
  const double deltaX = current().wallMatrix.deltaX;  // 1/3, shown as 0.333333333
  current().wallMatrix.removeFront = 3;               // 0.015 inch: 2 counts read back
  current().wallChannels[2].setWallScale(1.1654);
  EXPECT_TRUE(modify({{kMatrixSecondary, "3"}})) << platform.messages().back().text;
  EXPECT_EQ(current().wallMatrix.deltaX, deltaX);
  EXPECT_EQ(current().wallMatrix.removeFront, 3U);
  EXPECT_EQ(current().wallChannels[2].wallScale, 1.1654);
  // Another value is taken as typed.
  EXPECT_TRUE(modify({{kMatrixSecondary, "3"}, {kMatrixDeltaX, "0.333"}}));
  EXPECT_EQ(current().wallMatrix.deltaX, 0.333);
}

// Counts per raw channel, wall 1-4 then OD 1-2.
std::vector<std::size_t> rawRevolutions(const std::string& path) {
  PipeFile pipe;
  pipe.rawSource = path;
  std::vector<std::size_t> counts;
  for (int number = 1; number <= 4; ++number) counts.push_back(LoadWallRevolutions(pipe, number, 0.0));
  for (int number = 1; number <= 2; ++number)
    counts.push_back(LoadOdRevolutions(pipe, number, 0.0).revolutions);
  return counts;
}

TEST_F(MatrixDialogsTest, JoinedRebuildSavedAndReopenedEqualsTheCommandLineRebuild) {
  const std::string original = dir.file("original.kqvw");
  std::filesystem::copy_file(path, original);
  EXPECT_TRUE(modify({{kMatrixSecondary, "3"},
                      {kMatrixDeltaX, "0.5"},
                      {kMatrixDeltaY, "2"},
                      {kMatrixJumpSize, "40"},
                      {kMatrixChannelControls[2].wallScale, "1.1"}},
                     {kMatrixLeft, kMatrixDisplayRaw}));
  ASSERT_TRUE(saveChangedPipesBeforeExit(app));
  PipeFile reopened;
  ASSERT_TRUE(LoadPipeForUse(reopened, path).opened);
  EXPECT_EQ(reopened.wallMatrix.data, current().wallMatrix.data);
  EXPECT_EQ(reopened.wallMatrix.columns, 180U);
  EXPECT_EQ(reopened.header.wallJumpSize, 40);
  EXPECT_EQ(rawRevolutions(path), rawRevolutions(original));

  const std::string cli = dir.file("cli.kqvw");
  const CommandResult result = runCommand(
      std::string(DUCTORA_CLI_PATH) + " rebuild wall " + original + " -o " + cli +
      " --secondary 3 --left --display-raw --delta-x 0.5 --delta-y 2 " + "--jump 40 --wall-scale 3=1.1");
  ASSERT_EQ(result.exitCode, 0);
  PipeFile rebuilt;
  ASSERT_TRUE(LoadPipeForUse(rebuilt, cli).opened);
  EXPECT_EQ(rebuilt.wallMatrix.data, reopened.wallMatrix.data);
}

TEST_F(MatrixDialogsTest, OdMatrixStoresTheJumpSizeAndReadsBothChannelsWithTheFirstScale) {
  current().odChannels[1].inchesPerCount = 0.5;
  PipeFile reference;
  ASSERT_TRUE(LoadPipeForUse(reference, path).opened);
  ASSERT_EQ(BuildOdMatrix(reference, 12), BuildStatus::kBuilt);

  const auto run = [&](const std::string& jumpSize) {
    platform.scriptModal(kDialogOdMatrix, [&](HeadlessDialog& dialog) {
      EXPECT_EQ(dialog.text(kOdInchesPerPixelControls[1]), "0.50000");
      EXPECT_EQ(dialog.text(kOdSampleCountControls[0]), std::to_string(current().odChannels[0].sampleCount));
      dialog.setText(kOdJumpSize, jumpSize);
      dialog.send({Kind::kCommand, kIdOk});
      if (!dialog.ended()) dialog.send({Kind::kCommand, kIdCancel});
    });
    command(kCmdOdMatrix);
  };
  run("256");
  EXPECT_EQ(errorBoxes(), 1U);
  EXPECT_EQ(current().header.odJumpSize, 25);
  EXPECT_EQ(current().odChannels[1].inchesPerCount, 0.5);
  EXPECT_FALSE(app.pipeString.current()->unsavedChanges);

  run("12");
  EXPECT_EQ(current().header.odJumpSize, 12);
  EXPECT_EQ(current().odChannels[1].inchesPerCount, current().odChannels[0].inchesPerCount);
  EXPECT_EQ(current().odMatrix.data, reference.odMatrix.data);
  EXPECT_TRUE(app.pipeString.current()->unsavedChanges);

  // A pipe without OD data does not open it.
  platform.answerMessageBox(platform::MessageResult::kNo);  // the rebuilt pipe is let go
  openDataFile(app, pipe("wall.kqvw", PipeData::kWallOnly), false);
  command(kCmdOdMatrix);
  EXPECT_EQ(std::count(platform.modalDialogsRun().begin(), platform.modalDialogsRun().end(), kDialogOdMatrix),
            2);
}

TEST_F(MatrixDialogsTest, DrawChannelsBuildsTheOverlayInMemoryAndKeepsItsChoices) {
  setX(app.pipeString, 10.0F);
  HeadlessDialog* dialog = platform.dialog(kDialogDrawChannels);
  ASSERT_NE(dialog, nullptr);
  command(kCmdChannels);
  EXPECT_TRUE(dialog->isVisible());
  dialog->send({Kind::kPaint});
  EXPECT_TRUE(dialog->isChecked(kDrawFirstChannelOption));
  EXPECT_TRUE(dialog->isChecked(kDrawSecondChannelOption + 2));
  EXPECT_EQ(dialog->text(kDrawChannelReadouts[3].sampleCount),
            std::to_string(current().wallChannels[3].sampleCount));
  dialog->send({Kind::kCommand, kDrawSecondChannelOption + 1});
  dialog->send({Kind::kCommand, kIdOk});
  EXPECT_FALSE(dialog->isVisible());

  ASSERT_NE(app.pipeString.overlay(), nullptr);
  EXPECT_EQ(app.pipeString.overlay()->wallMatrix.data, oneChannelMatrix(1));
  EXPECT_EQ(current().wallMatrix.data, oneChannelMatrix(0));
  EXPECT_EQ(app.viewMode, ViewMode::k2DWallOverlayTop);
  EXPECT_FLOAT_EQ(app.pipeString.overlay()->cursorPosition(), 10.0F);
  EXPECT_TRUE(app.pipeString.current()->unsavedChanges);
  // Nothing but the encoder counts is written beside the user's files.
  std::vector<std::string> written;
  for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
    written.push_back(entry.path().filename().string());
  }
  std::sort(written.begin(), written.end());
  EXPECT_EQ(written, (std::vector<std::string>{"EncoderCount.tab", "pipe.kqvw"}));

  // The choices outlive the file: the next open's dialog shows them.
  platform.answerMessageBox(platform::MessageResult::kNo);
  openDataFile(app, path, false);
  dialog = platform.dialog(kDialogDrawChannels);
  command(kCmdChannels);
  dialog->send({Kind::kPaint});
  EXPECT_TRUE(dialog->isChecked(kDrawSecondChannelOption + 1));
  EXPECT_FALSE(dialog->isChecked(kDrawSecondChannelOption + 2));
}

}  // namespace
}  // namespace ductora::testing
