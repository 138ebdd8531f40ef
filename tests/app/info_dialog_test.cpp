#include "app/dialogs/info_dialog.h"

#include <cstdlib>
#include <ctime>
#include <limits>

#include "analysis/measures/pipe_measures.h"
#include "app/document/open_data_file.h"
#include "app/shell/frame.h"
#include "data/format/pipe_file_io.h"
#include "resources/data_dialogs.h"
#include "resources/menu_table.h"
#include "resources/statistics_dialogs.h"
#include "shell_fixture.h"
#include "support/matrix_builders.h"

namespace ductora::testing {
namespace {

using namespace resources;
using platform::DialogEvent;
using platform::headless::HeadlessDialog;

class InfoDialogTest : public ShellTest {
 protected:
  void SetUp() override {
    PipeFile pipe = MakePipe(
        {MakeWallMatrix(31, 36, [](auto, auto) { return std::uint16_t{350}; }), {}, 7.0F, 362, 7.0F});
    PipeHeader& header = pipe.header;
    header.created = 365 * 86400;  // 1 January 1971, midnight UTC
    header.woNumber = "WO-17";
    header.kqNumber = 4711;
    header.unitNumber = 3;
    header.runNumber = 2;
    header.weightHundredths = 2600;
    header.grade = "L80";
    header.range = 3;
    header.startEnd = 7;
    header.wallAngle = 15;
    for (const auto block : {kJobInfo1Present, kWallStartPresent, kJobInfo2Present})
      pipe.dataPresent[block] = 1;
    pipe.setWallStartCounts(7000);
    ASSERT_TRUE(savePipeFile(pipe, dir.file("p.kqvw"), false, false).ok);
    start(dir.file("p.kqvw"));
  }
  // Opens View > Info, gives the dialog to the script, and returns what it showed.
  void run(const std::function<void(HeadlessDialog&)>& script) {
    platform.scriptModal(kDialogInfo, script);
    command(kCmdInfo);
  }
  const PipeFile& pipe() const { return *app.pipeString.current(); }
};

TEST_F(InfoDialogTest, ShowsTheFieldsAndTogglesActAtOnceEvenWhenCancelled) {
  setenv("TZ", "UTC", 1);
  tzset();
  run([](HeadlessDialog& dialog) {
    EXPECT_EQ(dialog.caption(), "Info");
    EXPECT_EQ(dialog.text(kInfoCreated), "Fri Jan  1 00:00:00 1971");
    EXPECT_EQ(dialog.text(kInfoWoNumber), "WO-17");
    EXPECT_EQ(dialog.text(kInfoKqNumber), "4711");
    EXPECT_EQ(dialog.text(kInfoNominalOd), "7.000");
    EXPECT_EQ(dialog.text(kInfoWeight), "26.00#");
    EXPECT_EQ(dialog.text(kInfoStartEnd), "PIN");
    EXPECT_EQ(dialog.text(kInfoFrom), "HOME");
    EXPECT_EQ(dialog.text(kInfoRotation), "C");
    EXPECT_EQ(dialog.text(kInfoWallStart), "7000");
    EXPECT_EQ(dialog.text(kInfoFirstPresentFlag + kWallMatrixPresent), "Y");
    EXPECT_EQ(dialog.text(kInfoFirstPresentFlag + kOdMatrixPresent), "N");
    dialog.send({DialogEvent::Kind::kCommand, kInfoToggleRotation});
    EXPECT_EQ(dialog.text(kInfoRotation), "CC");
    dialog.setText(kInfoKqNumber, "12");
    dialog.send({DialogEvent::Kind::kPaint});  // a repaint keeps what was typed
    EXPECT_EQ(dialog.text(kInfoKqNumber), "12");
    dialog.send({DialogEvent::Kind::kCommand, kIdCancel});
  });
  EXPECT_EQ(pipe().header.rotation, 1);
  EXPECT_EQ(pipe().header.kqNumber, 4711);
  // The pipe changed, so leaving must offer to save it.
  EXPECT_TRUE(app.pipeString.current()->unsavedChanges);
  unsetenv("TZ");
  tzset();
}

TEST_F(InfoDialogTest, OkStoresTheEditableFieldsByTheirLeadingNumbers) {
  run([](HeadlessDialog& dialog) {
    dialog.setText(kInfoWoNumber, "ABCDEFGHIJKLMN");
    dialog.setText(kInfoKqNumber, "815 left");
    dialog.setText(kInfoRunNumber, "900");
    dialog.setText(kInfoNominalOd, "7.625");
    dialog.setText(kInfoNominalWall, "x");
    dialog.setText(kInfoWallAngle, "45");
    dialog.setText(kInfoCalibrationOd, "1e300in");
    dialog.setText(kInfoWallStart, "12345.7");
    dialog.send({DialogEvent::Kind::kCommand, kInfoToggleFrom});
    EXPECT_EQ(dialog.text(kInfoFrom), "AWAY");
    dialog.send({DialogEvent::Kind::kCommand, kIdOk});
  });
  const PipeHeader& header = pipe().header;
  EXPECT_EQ(header.woNumber, "ABCDEFGHI");  // the field holds nine
  EXPECT_EQ(header.kqNumber, 815);
  EXPECT_EQ(header.runNumber, 255);  // as many as the field holds, not 900 wrapped round
  EXPECT_FLOAT_EQ(static_cast<float>(header.nominalOd), 7.625F);
  EXPECT_EQ(header.nominalOdMils, 7625);
  EXPECT_EQ(header.nominalWall, 0);
  EXPECT_EQ(header.wallAngle, 45);
  EXPECT_EQ(header.calibrationOd, std::numeric_limits<float>::max());  // no infinite pipe
  EXPECT_EQ(header.from, 1);
  EXPECT_EQ(pipe().wallStartCounts, 12345U);
  EXPECT_DOUBLE_EQ(pipe().wallStart, 12345 * kInchesPerCount - 34.0);
  EXPECT_TRUE(app.pipeString.current()->unsavedChanges);
}

TEST_F(InfoDialogTest, AWallStartOfZeroPlacesTheWallAsTheSavedFileDoes) {
  run([](HeadlessDialog& dialog) {
    dialog.setText(kInfoWallStart, "0");
    dialog.send({DialogEvent::Kind::kCommand, kIdOk});
  });
  command(kCmdSave);
  PipeFile reopened;
  LoadPipeForUse(reopened, dir.file("p.kqvw"));
  EXPECT_EQ(reopened.wallStartCounts, 0U);
  EXPECT_EQ(pipe().wallStartCounts, 0U);
  EXPECT_EQ(pipe().wallStart, reopened.wallStart);  // level with the OD
  EXPECT_TRUE(pipe().revolutionMetrics == reopened.revolutionMetrics);
}

TEST_F(InfoDialogTest, NewNominalValuesRemakeTheCsaInTheWindowsAndTheSavedFile) {
  // What the windows show of the CSA, once a frame brought them up to date.
  const auto csaTexts = [this] {
    runFrame(app, 0.0);
    const HeadlessDialog& range = *platform.dialog(kDialogPipeWindowWallOnly);
    return std::vector<std::string>{platform.dialog(kDialogStatisticsWallOnly)->text(kStatCsa),
                                    range.text(kPipeWindowGroups[1].minValue),
                                    range.text(kPipeWindowGroups[1].average)};
  };
  const std::vector<std::string> before = csaTexts();
  run([](HeadlessDialog& dialog) {
    dialog.setText(kInfoNominalOd, "7.500");
    dialog.setText(kInfoNominalWall, "400");
    dialog.send({DialogEvent::Kind::kCommand, kIdOk});
  });
  const std::vector<std::string> edited = csaTexts();
  EXPECT_NE(edited, before);
  // The windows showed what the saved file shows when it is opened again.
  command(kCmdSave);
  openDataFile(app, dir.file("p.kqvw"), false);
  EXPECT_EQ(csaTexts(), edited);
  // The file keeps the CSA statistics of the new OD.
  PipeFile remade = pipe();
  ComputeStoredCsaStatistics(remade);
  EXPECT_EQ(pipe().csa.avgCsa, remade.csa.avgCsa);
}

}  // namespace
}  // namespace ductora::testing
