#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QEventLoop>
#include <QLabel>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QSet>
#include <QSlider>
#include <QTimer>
#include <array>
#include <filesystem>
#include <map>
#include <vector>

#include "app/app_state.h"
#include "app/frame.h"
#include "app/startup.h"
#include "data/pipe_file_io.h"
#include "platform/qt/panel_surface.h"
#include "platform/qt/qt_dialog.h"
#include "platform/qt/qt_platform.h"
#include "platform/qt/screenshot.h"
#include "platform/qt/window_pixmaps.h"
#include "resources/dialog_table.h"
#include "resources/menu_table.h"
#include "resources/window_images.h"
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
  EXPECT_EQ(app.documentState, DocumentState::kOpen);

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

  // The pipe view's blue, the gray shades of the maps and the plot panels' white are on screen.
  QSet<QRgb> grays;
  int blue = 0;
  int white = 0;
  for (int y = 0; y < shot.height(); y += 4) {
    for (int x = 0; x < shot.width(); x += 4) {
      const QRgb pixel = shot.pixel(x, y);
      if (qAbs(qRed(pixel) - 89) <= 2 && qAbs(qGreen(pixel) - 115) <= 2 && qAbs(qBlue(pixel) - 176) <= 2)
        ++blue;
      if (pixel == qRgb(255, 255, 255)) ++white;
      if (qRed(pixel) == qGreen(pixel) && qGreen(pixel) == qBlue(pixel) && qRed(pixel) < 200)
        grays.insert(pixel);
    }
  }
  const int samples = (shot.width() / 4) * (shot.height() / 4);
  EXPECT_GT(blue, samples / 100) << path;
  EXPECT_GT(white, samples / 50) << path;
  EXPECT_GT(grays.size(), 30) << path;
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

TEST_F(GuiTest, EveryGlWindowShowsTheProgramIconAndTheCrosshair) {
  const QImage icon =
      platform::qt::WindowPixmap(kProgramIconId).toImage().convertToFormat(QImage::Format_ARGB32);
  ASSERT_EQ(icon.size(), QSize(32, 32));
  EXPECT_TRUE(icon.hasAlphaChannel());
  auto shows = [&icon](const QIcon& shown) {
    return shown.pixmap(32, 32).toImage().convertToFormat(QImage::Format_ARGB32) == icon;
  };
  EXPECT_TRUE(shows(QGuiApplication::windowIcon()));
  EXPECT_TRUE(shows(platform.mainWindow().windowIcon()));
  auto isCrosshair = [](const QCursor& cursor) {
    return cursor.shape() == Qt::BitmapCursor && cursor.hotSpot() == QPoint(15, 15) &&
           cursor.pixmap().size() == QSize(32, 32);
  };
  EXPECT_TRUE(isCrosshair(platform.mainWindow().viewport()->cursor()));
  int panels = 0;
  for (int slot = 1; slot < GlWindowSet::kSlotCount; ++slot) {
    const auto* panel = dynamic_cast<platform::qt::PanelSurface*>(app.windows.window(slot));
    if (panel == nullptr) continue;
    ++panels;
    EXPECT_TRUE(shows(panel->subWindow()->windowIcon())) << slot;
    EXPECT_TRUE(isCrosshair(panel->glWindow()->cursor())) << slot;
  }
  EXPECT_EQ(panels, 3);
}

// A dialog of a slider, a list and an edit, built as the program's dialogs are.
constexpr int kTestSlider = 1146;
constexpr int kTestList = 1184;
constexpr int kTestEdit = 1100;
constexpr auto kSliderListControls = std::to_array<ControlEntry>({
    {ControlKind::kSlider, kTestSlider, "", 0},
    {ControlKind::kListBox, kTestList, "", 1},
    {ControlKind::kEdit, kTestEdit, "", 2},
});
constexpr DialogTable kSliderListDialog{900, "Sliders and lists", false, kSliderListControls};

using platform::DialogEvent;

// A message as the procedure saw it, with the slider position and selected line of the moment.
struct Heard {
  DialogEvent::Kind kind;
  int id;
  int position;
  std::string selection;
};

class QtDialogTest : public ::testing::Test {
 protected:
  void pumpFor(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
  }
  void mouse(QWidget* target, QEvent::Type type, QPoint at) {
    QMouseEvent event(type, at, target->mapToGlobal(at), Qt::LeftButton,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
  }

  std::vector<Heard> heard;
  int paints = 0;
  platform::qt::QtDialog dialog{kSliderListDialog,
                                [this](platform::Dialog& self, const DialogEvent& event) {
                                  if (event.kind == DialogEvent::Kind::kPaint) {
                                    ++paints;
                                    self.setText(kTestEdit, "12.000");  // a readout written on paint
                                    return;
                                  }
                                  heard.push_back({event.kind, event.id, self.sliderPosition(kTestSlider),
                                                   self.selectedListText(kTestList)});
                                },
                                nullptr};
  QSlider* slider = dialog.widget().findChild<QSlider*>();
  QListWidget* list = dialog.widget().findChild<QListWidget*>();
};

TEST_F(QtDialogTest, ASliderClampsQuietlyAndReportsTheUsersMovesAndRelease) {
  ASSERT_NE(slider, nullptr);
  EXPECT_EQ(slider->orientation(), Qt::Horizontal);
  EXPECT_NE(slider->tickPosition(), QSlider::NoTicks);
  dialog.setSliderRange(kTestSlider, 0, 37);
  dialog.setSliderPosition(kTestSlider, 50);
  EXPECT_EQ(dialog.sliderPosition(kTestSlider), 37);
  dialog.setSliderRange(kTestSlider, 0, 20);
  EXPECT_EQ(dialog.sliderPosition(kTestSlider), 20);
  dialog.setSliderRange(kTestSlider, 50, 30);
  EXPECT_EQ(dialog.sliderPosition(kTestSlider), 50);
  dialog.setSliderTickFrequency(kTestSlider, 1);
  dialog.setSliderPageSize(kTestSlider, 1);
  EXPECT_EQ(slider->tickInterval(), 1);
  EXPECT_EQ(slider->pageStep(), 1);
  EXPECT_TRUE(heard.empty());

  dialog.setSliderRange(kTestSlider, 0, 37);
  dialog.setSliderPosition(kTestSlider, 10);
  slider->triggerAction(QAbstractSlider::SliderPageStepAdd);  // a click beside the thumb
  mouse(slider, QEvent::MouseButtonRelease, QPoint(2, 2));
  ASSERT_EQ(heard.size(), 2U);
  EXPECT_EQ(heard[0].kind, DialogEvent::Kind::kSliderMoved);
  EXPECT_EQ(heard[0].id, kTestSlider);
  EXPECT_EQ(heard[0].position, 11);
  EXPECT_EQ(heard[1].kind, DialogEvent::Kind::kSliderReleased);
  EXPECT_EQ(heard[1].id, kTestSlider);
}

TEST_F(QtDialogTest, AListKeepsItsLinesAndADoubleClickReportsTheLineClicked) {
  ASSERT_NE(list, nullptr);
  for (const char* line : {"first", "second", "third"}) dialog.addListLine(kTestList, line);
  EXPECT_EQ(dialog.listLineCount(kTestList), 3);
  EXPECT_EQ(dialog.selectedListIndex(kTestList), -1);
  dialog.selectListLine(kTestList, 1);
  dialog.selectListLine(kTestList, 3);  // no such line: ignored
  EXPECT_EQ(dialog.selectedListText(kTestList), "second");
  dialog.selectListLine(kTestList, -1);
  EXPECT_EQ(dialog.selectedListIndex(kTestList), -1);
  EXPECT_EQ(dialog.selectedListText(kTestList), "");
  dialog.clearList(kTestList);
  EXPECT_EQ(dialog.listLineCount(kTestList), 0);
  EXPECT_EQ(dialog.selectedListIndex(kTestList), -1);

  for (const char* line : {"first", "second", "third"}) dialog.addListLine(kTestList, line);
  dialog.selectListLine(kTestList, 0);
  dialog.show();
  pumpFor(200);
  const QPoint at = list->visualItemRect(list->item(2)).center();
  for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease,
                                  QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease}) {
    mouse(list->viewport(), type, at);
  }
  ASSERT_EQ(heard.size(), 1U);
  EXPECT_EQ(heard[0].kind, DialogEvent::Kind::kListDoubleClick);
  EXPECT_EQ(heard[0].id, kTestList);
  EXPECT_EQ(heard[0].selection, "third");

  // Ids of other controls, or of none, are harmless.
  for (const int id : {kTestSlider, kTestEdit, 4242}) {
    dialog.addListLine(id, "stray");
    dialog.selectListLine(id, 0);
    EXPECT_EQ(dialog.listLineCount(id), 0);
    EXPECT_EQ(dialog.selectedListText(id), "");
  }
  dialog.setSliderPosition(kTestList, 5);
  EXPECT_EQ(dialog.sliderPosition(4242), 0);
  EXPECT_EQ(dialog.listLineCount(kTestList), 3);
}

TEST_F(QtDialogTest, PaintIsReportedOnceDrawnAndReadoutsWrittenThenDoNotRepaintForEver) {
  dialog.show();
  for (int wait = 0; wait < 50 && paints == 0; ++wait) pumpFor(20);
  ASSERT_GT(paints, 0);
  EXPECT_EQ(dialog.text(kTestEdit), "12.000");
  pumpFor(300);
  const int settled = paints;
  pumpFor(300);
  EXPECT_EQ(paints, settled);
}

}  // namespace
}  // namespace ductora::testing

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
