#include <sys/resource.h>

#include <csignal>
#include <cstdio>
#include <filesystem>

#include "app/document/open_data_file.h"
#include "app/navigation/navigation.h"
#include "app/shell/frame.h"
#include "data/exports/text_exports.h"
#include "data/format/pipe_blocks.h"
#include "data/format/pipe_file_io.h"
#include "data/format/raw_channels.h"
#include "resources/menu_table.h"
#include "shell_fixture.h"
#include "support/synthetic_pipe.h"

namespace ductora::testing {
namespace {

using namespace resources;
using platform::MessageResult;
using platform::headless::FileDialogKind;

class FileCommandsTest : public ShellTest {
 protected:
  void SetUp() override { start(); }

  PipeFile& current() { return *app.pipeString.current(); }
  std::string rawPipe(const std::string& name, SyntheticPipeOptions options) {
    const std::string path = dir.file(name);
    writeSyntheticPipe(path, options);
    return path;
  }
  static PipeFile reread(const std::string& path) {
    PipeFile pipe;
    EXPECT_TRUE(readPipeFile(pipe, path).opened) << path;
    return pipe;
  }
  const platform::headless::MessageRecord& lastMessage() const { return platform.messages().back(); }
};

SyntheticPipeOptions smallPipe() {
  SyntheticPipeOptions options;
  options.lengthInches = 20.0;
  options.samplesPerRev = 36;
  return options;
}

// The disk fills up: no file may grow beyond a few hundred bytes while it lives.
class FullDisk {
 public:
  FullDisk() {
    // The test's own output may go to a file: what is waiting goes out first.
    std::fflush(stdout);
    std::fflush(stderr);
    getrlimit(RLIMIT_FSIZE, &saved_);
    previous_ = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved_;
    small.rlim_cur = 512;
    setrlimit(RLIMIT_FSIZE, &small);
  }
  ~FullDisk() {
    setrlimit(RLIMIT_FSIZE, &saved_);
    std::signal(SIGXFSZ, previous_);
  }

 private:
  rlimit saved_{};
  void (*previous_)(int) = nullptr;
};

TEST_F(FileCommandsTest, SaveAsAppendsTheExtensionOnlyWhenTheNameLacksItAndAsksNothingWithoutRawData) {
  openDataFile(app, pipe("p.kqvw", PipeData::kComplete, 321), false);
  std::filesystem::create_directory(dir.path() / "out");
  const int swaps = surface(kPipeViewPanel)->swapCount();

  platform.answerFileDialog(dir.file("out/p1"));
  command(kCmdSaveAs);
  const std::string saved = dir.file("out/p1.kqvw");
  ASSERT_TRUE(std::filesystem::exists(saved));
  EXPECT_TRUE(platform.messages().empty());  // no raw data, no question
  EXPECT_EQ(current().path, saved);
  EXPECT_EQ(surface(kPipeViewPanel)->title(), "Pipe/String - " + saved + "(321)");
  EXPECT_EQ(surface(kPipeViewPanel)->swapCount(), swaps + 1);  // one frame before the write
  EXPECT_FALSE(platform.dialog(kDialogPleaseWait)->isVisible());
  const auto& asked = platform.fileDialogs().back();
  EXPECT_EQ(asked.kind, FileDialogKind::kSave);
  EXPECT_EQ(asked.caption, "Select a data file.");
  EXPECT_EQ(asked.filter.pattern, "*.kqvw");

  platform.answerFileDialog(dir.file("out/p1.kqvw.bak"));
  command(kCmdSaveAs);
  EXPECT_EQ(current().path, dir.file("out/p1.kqvw.bak"));
  EXPECT_EQ(reread(dir.file("out/p1.kqvw.bak")).header.kqNumber, 321);
  EXPECT_FALSE(std::filesystem::exists(dir.file("out/p1.kqvw.bak.kqvw")));

  // A cancelled dialog saves nothing.
  command(kCmdSaveAs);
  EXPECT_EQ(current().path, dir.file("out/p1.kqvw.bak"));
}

TEST_F(FileCommandsTest, SaveAsAsksAboutRawDataAndNoLeavesItOutOfTheFileOnly) {
  openDataFile(app, rawPipe("raw.kqvw", smallPipe()), false);
  platform.answerFileDialog(dir.file("without"));
  platform.answerMessageBox(MessageResult::kNo);
  command(kCmdSaveAs);
  EXPECT_EQ(lastMessage().text, "Do you want to save raw data?");
  EXPECT_EQ(lastMessage().caption, "Save As...");
  EXPECT_EQ(lastMessage().buttons, platform::MessageButtons::kYesNo);
  const PipeFile without = reread(dir.file("without.kqvw"));
  EXPECT_EQ(without.dataPresent[kRawWallPresent], 0);
  EXPECT_EQ(without.dataPresent[kRawOdPresent], 0);
  EXPECT_EQ(current().dataPresent[kRawWallPresent], 1);
  EXPECT_EQ(current().dataPresent[kRawOdPresent], 1);

  // Saved again from the original, Yes keeps the raw data in the file.
  openDataFile(app, dir.file("raw.kqvw"), false);
  platform.answerFileDialog(dir.file("with"));
  platform.answerMessageBox(MessageResult::kYes);
  command(kCmdSaveAs);
  const PipeFile with = reread(dir.file("with.kqvw"));
  EXPECT_EQ(with.dataPresent[kRawWallPresent], 1);
  EXPECT_EQ(with.dataPresent[kRawOdPresent], 1);
}

TEST_F(FileCommandsTest, AFailedSaveIsReportedAndLeavesTheOldFileByteForByte) {
  const std::string path = pipe("p.kqvw", PipeData::kComplete, 100);
  const std::vector<std::uint8_t> before = readBytes(path);
  openDataFile(app, path, false);
  current().header.kqNumber = 200;
  app.pipeString.current()->unsavedChanges = true;
  {
    FullDisk full;
    command(kCmdSave);
  }
  EXPECT_EQ(lastMessage().caption, "Error");
  EXPECT_NE(lastMessage().text.find(path), std::string::npos) << lastMessage().text;
  EXPECT_EQ(readBytes(path), before);
  EXPECT_TRUE(app.pipeString.current()->unsavedChanges);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);  // no temporary left

  // A folder in the way of the name the extension rule made: replacing it is confirmed, then fails.
  std::filesystem::create_directory(dir.path() / "taken.kqvw");
  platform.answerFileDialog(dir.file("taken"));
  platform.answerMessageBox(MessageResult::kYes);
  command(kCmdSaveAs);
  ASSERT_GE(platform.messages().size(), 3U);
  EXPECT_EQ(platform.messages()[1].caption, "Notice");
  EXPECT_EQ(lastMessage().caption, "Error");
  EXPECT_NE(lastMessage().text.find(dir.file("taken.kqvw")), std::string::npos) << lastMessage().text;
  EXPECT_EQ(current().path, path);
  EXPECT_EQ(surface(kPipeViewPanel)->title(), "Pipe/String - " + path + "(200)");
}

TEST_F(FileCommandsTest, AnOdEditSavedAndReopenedKeepsTheEditAndEveryRawRevolution) {
  // More revolutions than the program uses, so the save also warns.
  SyntheticPipeOptions options = smallPipe();
  options.lengthInches = 2010.0;
  options.samplesPerRev = 8;
  const std::string path = rawPipe("long.kqvw", options);
  const auto revolutions = static_cast<std::size_t>(syntheticRevolutions(options));
  ASSERT_GT(revolutions, kMaxRevolutions);
  openDataFile(app, path, false);
  const std::uint32_t rows = current().odMatrix.rows;
  command(kCmdExtendBack);
  const std::uint32_t extended = current().odMatrix.rows;
  ASSERT_GT(extended, rows);
  EXPECT_TRUE(app.pipeString.current()->unsavedChanges);

  command(kCmdSave);
  EXPECT_FALSE(app.pipeString.current()->unsavedChanges);
  EXPECT_EQ(lastMessage().caption, "Warning");
  EXPECT_NE(lastMessage().text.find("raw wall channel 1 holds " + std::to_string(revolutions)),
            std::string::npos)
      << lastMessage().text;

  PipeFile saved = reread(path);
  EXPECT_EQ(saved.odMatrix.rows, extended);
  EXPECT_EQ(saved.odMatrix.at(extended - 1, 0), 0);
  for (int channel = 1; channel <= 4; ++channel)
    EXPECT_EQ(LoadWallRevolutions(saved, channel, 0.0, RevolutionLimit::kAll), revolutions) << channel;
  for (int channel = 1; channel <= 2; ++channel) {
    EXPECT_EQ(LoadOdRevolutions(saved, channel, 0.0, RevolutionLimit::kAll).revolutions, revolutions)
        << channel;
  }
}

TEST_F(FileCommandsTest, ClipAndExtendChangeTheOdRowsWallStartLengthAndMap) {
  openDataFile(app, pipe("p.kqvw", PipeData::kOdOnly), false);
  PipeFile& od = current();
  // A clip acts at a cursor held to the pipe, and is refused when less than a revolution would
  // remain: before the start, Clip Back would leave one row of the 31.
  app.pipeString.position = -50.0F;
  command(kCmdClipBack);
  EXPECT_EQ(od.odMatrix.rows, 31U);
  EXPECT_EQ(app.pipeString.position, 0.0F);
  EXPECT_EQ(lastMessage().caption, "Error");
  EXPECT_EQ(
      lastMessage().text,
      "Clip Back here would leave less than one revolution of the OD matrix.\nThe pipe was not changed.");
  EXPECT_FALSE(od.unsavedChanges);

  od.odMatrix.deltaX = 0.05;  // rows closer than the 0.1 inch the front clip adds
  od.setWallStartCounts(10000);
  const double wallStart = od.wallStart;
  runFrame(app, 0.0);
  ASSERT_NE(app.drawCaches.TexturesOf(od).od, 0U);

  setX(app.pipeString, 0.0F);
  command(kCmdClipFront);
  EXPECT_EQ(od.odMatrix.rows, 29U);  // floor(0.1 / 0.05) = 2 of 31
  EXPECT_FLOAT_EQ(od.odMatrix.length, 28 * 0.05F);
  EXPECT_EQ(od.wallStartCounts, 10000U - 19U);  // floor(0.1 x 195.35)
  EXPECT_DOUBLE_EQ(od.wallStart, wallStart - 19 * kInchesPerCount);
  EXPECT_NE(app.drawCaches.TexturesOf(od).od, 0U);
  EXPECT_TRUE(app.pipeString.current()->unsavedChanges);

  command(kCmdExtendFront);  // 12.1 / 0.05 is just below 242 in binary: 241 rows
  command(kCmdExtendBack);   // 18.1 / 0.05 is just above 362: 362 rows
  EXPECT_EQ(od.odMatrix.rows, 29U + 241U + 362U);
  EXPECT_EQ(od.odMatrix.at(0, 1), 0);
  EXPECT_EQ(od.odMatrix.at(241, 1), 1);

  // Beyond the end Clip Front acts at the end, where (length + 0.1) / 0.05 rows are more than all.
  setX(app.pipeString, 1000.0F);
  command(kCmdClipFront);
  EXPECT_EQ(od.odMatrix.rows, 632U);
  EXPECT_EQ(app.pipeString.position, app.pipeString.currentLength());
  EXPECT_EQ(platform.messages().size(), 2U);
  // Clipping in front of a cursor near the end leaves the cursor inside what remains.
  setX(app.pipeString, app.pipeString.currentLength() - 1.0F);
  command(kCmdClipFront);
  EXPECT_EQ(od.odMatrix.rows, 20U);  // 30.65 / 0.05 is just below 613 in single precision
  EXPECT_EQ(app.pipeString.position, app.pipeString.currentLength());
}

TEST_F(FileCommandsTest, ExportsWriteTheTextsThroughTheSaveDialogAndReportWhatFails) {
  openDataFile(app, pipe("p.kqvw", PipeData::kWallOnly), false);
  setY(app.pipeString, 10.0F);
  platform.answerFileDialog(dir.file("length"));
  command(kCmdExportLengthAtY);
  EXPECT_EQ(platform.fileDialogs().back().kind, FileDialogKind::kSave);
  EXPECT_EQ(platform.fileDialogs().back().filter.name, "Text File");
  const std::string text = exportLengthAtY(&current(), 10.0).text;
  ASSERT_FALSE(text.empty());
  const std::vector<std::uint8_t> written = readBytes(dir.file("length.txt"));
  EXPECT_EQ(std::string(written.begin(), written.end()), text);

  // Without an OD matrix the Halden file is empty.
  platform.answerFileDialog(dir.file("halden.txt"));
  command(kCmdExportHalden);
  EXPECT_TRUE(std::filesystem::exists(dir.file("halden.txt")));
  EXPECT_TRUE(readBytes(dir.file("halden.txt")).empty());
  EXPECT_TRUE(platform.messages().empty());

  platform.answerFileDialog(dir.file("no-folder/rev"));
  command(kCmdExportRevAtX);
  EXPECT_EQ(lastMessage().caption, "Error");
  EXPECT_NE(lastMessage().text.find(dir.file("no-folder/rev.txt")), std::string::npos);

  openDataFile(app, pipe("od.kqvw", PipeData::kOdOnly), false);
  platform.answerFileDialog(dir.file("od-length"));
  command(kCmdExportLengthAtY);
  EXPECT_EQ(lastMessage().caption, "Warning");
  EXPECT_FALSE(std::filesystem::exists(dir.file("od-length.txt")));
}

TEST_F(FileCommandsTest, ExportReportOffersToSaveThenRunsTheToolOverEveryPipeOfTheString) {
  const std::string path = pipe("p.kqvw", PipeData::kWallOnly);
  openDataFile(app, path, false);
  current().unsavedChanges = true;
  platform.answerMessageBox(MessageResult::kCancel);
  command(kCmdExportReport);
  EXPECT_TRUE(platform.toolRuns().empty());

  const std::string pdf = dir.file("job.pdf");
  platform.answerMessageBox(MessageResult::kNo);  // report from the file as it is
  platform.answerFileDialog(pdf);
  platform.answerToolRun({platform::ToolOutcome::End::kCancelled, 1, ""});
  command(kCmdExportReport);
  ASSERT_EQ(platform.toolRuns().size(), 1U);
  EXPECT_EQ(platform.toolRuns()[0], (std::vector<std::string>{"ductora-cli", "report", "--format", "pdf",
                                                              "-o", pdf, "--progress", "--", path}));
  // The question was the last word: a cancelled report says nothing.
  EXPECT_EQ(lastMessage().text.find("Do you want to save changes"), 0U);
  EXPECT_TRUE(current().unsavedChanges);

  platform.answerMessageBox(MessageResult::kNo);
  platform.answerFileDialog(pdf);
  platform.answerToolRun({platform::ToolOutcome::End::kFinished, 2, "ductora-cli: report: bad\n"});
  command(kCmdExportReport);
  EXPECT_NE(lastMessage().text.find("could not be written:\nductora-cli: report: bad"), std::string::npos);
}

TEST_F(FileCommandsTest, OverlayAndStraightnessImportLoadOrReportWithoutChangingAnything) {
  openDataFile(app, pipe("p.kqvw", PipeData::kComplete), false);
  setX(app.pipeString, 12.0F);
  platform.answerFileDialog(pipe("o.kqvw", PipeData::kComplete, 99));
  command(kCmdOverlay);
  ASSERT_NE(app.pipeString.overlay(), nullptr);
  EXPECT_EQ(app.viewMode, ViewMode::k2DWallOverlayTop);
  EXPECT_FLOAT_EQ(app.pipeString.overlay()->cursorPosition(), 12.0F);
  platform.answerFileDialog(dir.file("gone.kqvw"));
  command(kCmdOverlay);
  EXPECT_EQ(lastMessage().caption, "Error");
  EXPECT_EQ(app.pipeString.overlay()->header.kqNumber, 99);
  // A damaged one is shown as far as it was read, and said to be damaged.
  const std::string cut = pipe("cut.kqvw", PipeData::kComplete, 98);
  std::filesystem::resize_file(cut, std::filesystem::file_size(cut) - 10);
  platform.answerFileDialog(cut);
  command(kCmdOverlay);
  EXPECT_EQ(lastMessage().caption, "Warning");
  EXPECT_EQ(lastMessage().text.rfind("The overlay pipe " + cut + " is damaged;", 0), 0U)
      << lastMessage().text;
  EXPECT_EQ(app.pipeString.overlay()->header.kqNumber, 98);

  // The import takes a bare straightness payload, named with the pipe extension added.
  StraightnessMatrix straightness;
  straightness.deltaX = 12.0;
  straightness.rows = 3;
  straightness.deltaY = 90.0;
  straightness.columns = 4;
  straightness.data.assign(12, 7);
  writeBytes(dir.file("bow.kqvw"), encodeStraightness(straightness));
  ASSERT_FALSE(menuEnabled(kCmdPlotStraightness));
  platform.answerFileDialog(dir.file("bow"));
  command(kCmdImportStraightness);
  EXPECT_EQ(current().straightness.data, straightness.data);
  EXPECT_TRUE(menuEnabled(kCmdPlotStraightness));
  EXPECT_TRUE(app.pipeString.current()->unsavedChanges);

  writeBytes(dir.file("short.kqvw"), {1, 2, 3});
  platform.answerFileDialog(dir.file("short.kqvw"));
  command(kCmdImportStraightness);
  EXPECT_EQ(lastMessage().caption, "Error");
  EXPECT_EQ(current().straightness.data, straightness.data);
}

}  // namespace
}  // namespace ductora::testing
