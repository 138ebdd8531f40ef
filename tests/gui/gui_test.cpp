#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QPushButton>
#include <QSet>
#include <QTimer>
#include <filesystem>
#include <map>

#include "app/app_state.h"
#include "app/frame.h"
#include "app/startup.h"
#include "data/pipe_file_io.h"
#include "platform/qt/qt_platform.h"
#include "platform/qt/screenshot.h"
#include "resources/menu_table.h"
#include "support/run_command.h"
#include "support/temp_dir.h"

namespace ductora::testing {
namespace {

using namespace resources;

// The program in this process on a simulated string of three pipes.
class GuiTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const CommandResult made = runCommand(std::string(DUCTORA_SIM_PATH) + " --out " + dir.path().string() +
                                          " --job GUI --pipes 3 --length 120 --seed 11 2>&1");
    ASSERT_EQ(made.exitCode, 0) << made.out;
    list = dir.file("GUI.kqstr");
    startApp(app, list);
    for (int turn = 0; turn < 20; ++turn) loopIteration(app);
  }

  std::map<std::string, QMdiSubWindow*> panelsByTitle() {
    std::map<std::string, QMdiSubWindow*> panels;
    for (QMdiSubWindow* panel : platform.mainWindow().area().subWindowList()) {
      panels[panel->windowTitle().toStdString()] = panel;
    }
    return panels;
  }

  TempDir dir;
  std::string list;
  platform::qt::QtPlatform platform;
  AppState app{platform};
};

TEST_F(GuiTest, StartsOnAStringWithItsPanelsTitlesAndMenu) {
  EXPECT_TRUE(platform.mainWindow().isVisible());
  EXPECT_EQ(platform.mainWindow().windowTitle(), "Ductora");
  EXPECT_EQ(app.documentState, kDocumentOpen);

  PipeFile first;
  ASSERT_TRUE(readPipeFile(first, dir.file("GUI-001.kqvw")).opened);
  const auto panels = panelsByTitle();
  const std::string pipeViewTitle =
      "Pipe/String - " + dir.file("GUI-001.kqvw") + "(" + std::to_string(first.header.kqNumber) + ")";
  ASSERT_EQ(panels.count(pipeViewTitle), 1U) << "pipe view title";
  ASSERT_EQ(panels.count("Wall Thickness"), 1U);
  ASSERT_EQ(panels.count("OD Offset"), 1U);
  EXPECT_EQ(panels.size(), 3U);
  for (const auto& [title, panel] : panels) EXPECT_TRUE(panel->isVisible()) << title;

  // The panel's client area is quarter-screen sized.
  const int screenWidth = platform.screen().width;
  const QWidget* wallClient = panels.at("Wall Thickness")->widget();
  EXPECT_EQ(wallClient->width(), screenWidth / 4);
  EXPECT_EQ(wallClient->height(), screenWidth * 3 / 16);

  // A complete simulated pipe enables everything but what needs a straightness matrix it may lack.
  auto& menu = platform.qtMenu();
  for (int id : {kCmdOpenPipe, kCmdAppend, kCmdDraw2DWall2DOd, kCmdPlotOdOffset, kCmdPlotBurst, kCmdSave,
                 kCmdNavigator, kCmdAbout}) {
    EXPECT_TRUE(menu.isEnabled(id)) << menu.text(id);
  }
  EXPECT_EQ(menu.isEnabled(kCmdPlotStraightness), first.straightness.present());
  EXPECT_EQ(menu.text(kCmdPlotPipeId), "Pipe ID ");
}

TEST_F(GuiTest, TheScreenShowsThePanelsDrawn) {
  const QImage shot = platform::qt::GrabScreen();
  ASSERT_FALSE(shot.isNull());
  const std::string path = std::string(DUCTORA_SCREENSHOT_DIR) + "/gui-test-screenshot.png";
  EXPECT_TRUE(shot.save(QString::fromStdString(path), "PNG"));

  // The pipe view's blue and the plot panels' white are on screen, among other colours.
  QSet<QRgb> colours;
  int blue = 0;
  int white = 0;
  for (int y = 0; y < shot.height(); y += 4) {
    for (int x = 0; x < shot.width(); x += 4) {
      const QRgb pixel = shot.pixel(x, y);
      colours.insert(pixel);
      if (qAbs(qRed(pixel) - 89) <= 2 && qAbs(qGreen(pixel) - 115) <= 2 && qAbs(qBlue(pixel) - 176) <= 2)
        ++blue;
      if (pixel == qRgb(255, 255, 255)) ++white;
    }
  }
  EXPECT_GT(colours.size(), 10);
  const int samples = (shot.width() / 4) * (shot.height() / 4);
  EXPECT_GT(blue, samples / 4) << path;
  EXPECT_GT(white, samples / 50) << path;
}

TEST_F(GuiTest, AClosedPanelComesBackFromTheMenuUnderItsMenuTitle) {
  QMdiSubWindow* wall = panelsByTitle().at("Wall Thickness");
  wall->close();
  loopIteration(app);
  EXPECT_FALSE(wall->isVisible());
  EXPECT_FALSE(app.windows.isShown(2));
  platform.qtMenu().action(kCmdPlotWallThickness)->trigger();
  loopIteration(app);
  EXPECT_TRUE(wall->isVisible());
  platform.qtMenu().action(kCmdPlotCsa)->trigger();
  loopIteration(app);
  EXPECT_EQ(panelsByTitle().count("CSA"), 1U);
}

// Presses a button of the next modal window once it is up, noting its title and texts.
struct ModalAnswer {
  void pressLater(const QString& button) {
    QTimer::singleShot(200, [this, button] {
      QWidget* modal = QApplication::activeModalWidget();
      if (modal == nullptr) return;
      title = modal->windowTitle();
      if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        text = box->text();
      } else {
        for (const QLabel* label : modal->findChildren<QLabel*>()) text += label->text() + "\n";
      }
      for (QPushButton* candidate : modal->findChildren<QPushButton*>()) {
        if (candidate->text().remove('&') == button) {
          candidate->click();
          return;
        }
      }
    });
  }
  QString title;
  QString text;
};

TEST_F(GuiTest, AboutAndControlsAreBuiltFromTheirTablesAndCloseOnOk) {
  ModalAnswer about;
  about.pressLater("OK");
  platform.qtMenu().action(kCmdAbout)->trigger();
  EXPECT_EQ(about.title, "About Ductora");
  EXPECT_TRUE(about.text.contains("Ductora 7.0"));

  ModalAnswer controls;
  controls.pressLater("OK");
  platform.qtMenu().action(kCmdControls)->trigger();
  EXPECT_EQ(controls.title, "Controls");
  EXPECT_TRUE(controls.text.contains("Move * 10:"));
  EXPECT_TRUE(controls.text.contains("Hold down the spacebar while you press up/down/left/right."));
}

TEST_F(GuiTest, TheExitPromptKeepsRunningOnNoAndQuitsOnYes) {
  ModalAnswer no;
  no.pressLater("No");
  platform.qtMenu().action(kCmdExit)->trigger();
  EXPECT_EQ(no.title, "Notice");
  EXPECT_EQ(no.text, "Are you sure want to quit?");
  EXPECT_FALSE(app.quitPosted);

  ModalAnswer yes;
  yes.pressLater("Yes");
  platform.mainWindow().close();
  EXPECT_TRUE(app.quitPosted);
  EXPECT_TRUE(platform.mainWindow().isVisible());  // quitting ends the loop, not the window
}

}  // namespace
}  // namespace ductora::testing

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
