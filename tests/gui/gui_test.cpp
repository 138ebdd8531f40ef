#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QEventLoop>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QSet>
#include <QSettings>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionTitleBar>
#include <QTimer>
#include <QUrl>
#include <algorithm>
#include <chrono>
#include <ctime>
#include <filesystem>
#include <functional>
#include <map>
#include <vector>

#include "analysis/queries/range_values.h"
#include "app/document/save_pipe.h"
#include "app/shell/commands.h"
#include "app/shell/frame.h"
#include "app/shell/main_loop.h"
#include "app/shell/startup.h"
#include "app/state/app_state.h"
#include "app/state/input_recording.h"
#include "app/views/panels.h"
#include "contracts/dialog_contract.h"
#include "data/format/pipe_file_io.h"
#include "platform/qt/qt_platform.h"
#include "platform/qt/widgets/qt_dialog.h"
#include "platform/qt/widgets/recent_files.h"
#include "platform/qt/window_pixmaps.h"
#include "platform/qt/windows/panel_arrangement.h"
#include "platform/qt/windows/panel_surface.h"
#include "platform/qt/windows/screenshot.h"
#include "resources/data_dialogs.h"
#include "resources/dialog_table.h"
#include "resources/menu_table.h"
#include "resources/shell_dialogs.h"
#include "resources/statistics_dialogs.h"
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
    QSettings().clear();
    startApp(app, list);
    settle();
  }

  // One turn of the loop; true when it drew a frame.
  bool turn() {
    const std::uint64_t before = app.framesRun;
    loopIteration(app);
    return app.framesRun != before;
  }
  // Turns the loop until it has slept twice in a row: everything shown is drawn.
  void settle() {
    for (int quiet = 0, turns = 0; quiet < 2 && turns < 1000; ++turns) quiet = turn() ? 0 : quiet + 1;
  }
  platform::qt::PanelSurface& panel(int slot) {
    return dynamic_cast<platform::qt::PanelSurface&>(*app.windows.window(slot));
  }

  std::map<std::string, QMdiSubWindow*> panelsByTitle() {
    std::map<std::string, QMdiSubWindow*> panels;
    for (QMdiSubWindow* panel : platform.mainWindow().area().subWindowList())
      panels[panel->windowTitle().toStdString()] = panel;
    return panels;
  }

  TempDir dir;
  std::string list;
  platform::qt::QtPlatform platform;
  AppState app{platform};
};

TEST_F(GuiTest, StartsOnAStringWithItsPanelsTitlesAndMenuDrawnOnScreen) {
  EXPECT_TRUE(platform.mainWindow().isVisible());
  EXPECT_EQ(QGuiApplication::applicationDisplayName(), "Ductora");
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

  // The menu bar follows the program's enabling rules.
  EXPECT_TRUE(platform.qtMenu().isEnabled(kCmdPlotBurst));
  EXPECT_EQ(platform.qtMenu().isEnabled(kCmdPlotStraightness), first.straightness.present());

  const QImage shot = platform::qt::grabScreen();
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

QPushButton* buttonNamed(const QWidget& window, const QString& text) {
  for (QPushButton* button : window.findChildren<QPushButton*>()) {
    if (button->text().remove('&') == text) return button;
  }
  return nullptr;
}

// Presses a button of the next modal window once it is up, noting its title, text and edits;
// `first` acts on the window before the press.
struct ModalAnswer {
  void pressLater(const QString& button, std::function<void(QWidget&)> first = {}) {
    QTimer::singleShot(200, [this, button, first] {
      QWidget* modal = QApplication::activeModalWidget();
      if (modal == nullptr) return;
      title = modal->windowTitle();
      if (const auto* box = qobject_cast<QMessageBox*>(modal)) text = box->text();
      for (const QLineEdit* edit : modal->findChildren<QLineEdit*>()) edits << edit->text();
      if (first) first(*modal);
      if (QPushButton* pressed = buttonNamed(*modal, button)) pressed->click();
    });
  }
  QString title;
  QString text;
  QStringList edits;
};

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
      platform::qt::windowPixmap(kProgramIconId).toImage().convertToFormat(QImage::Format_ARGB32);
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
  const auto* wallPanel = dynamic_cast<platform::qt::PanelSurface*>(app.windows.window(2));
  ASSERT_NE(wallPanel, nullptr);
  EXPECT_TRUE(shows(wallPanel->subWindow()->windowIcon()));
  EXPECT_TRUE(isCrosshair(wallPanel->glWindow()->cursor()));
}

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

// The user's actions as events on the real widgets of a shown dialog.
class QtDriver {
 public:
  QtDriver(const DialogTable& table, platform::DialogProc procedure)
      : dialog_(table, std::move(procedure), nullptr) {
    dialog_.show();
    pumpFor(100);
  }

  platform::Dialog& dialog() { return dialog_; }
  void drag(int id, int position) {
    slider(id)->setValue(position);  // the thumb dragged there
    mouse(slider(id), QEvent::MouseButtonRelease, QPoint(2, 2));
  }
  void doubleClick(int id, int line) {
    auto* list = qobject_cast<QListWidget*>(dialog_.control(id));
    const QListWidgetItem* item = list->item(line);
    // Beside the lines: the bottom of the list, below the last one.
    const QPoint at =
        item != nullptr ? list->visualItemRect(item).center() : QPoint(4, list->viewport()->height() - 2);
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease,
                                    QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease}) {
      mouse(list->viewport(), type, at);
    }
  }
  int tickFrequency(int id) { return slider(id)->tickInterval(); }
  int pageSize(int id) { return slider(id)->pageStep(); }
  platform::qt::QtDialog& qtDialog() { return dialog_; }

 private:
  QSlider* slider(int id) { return qobject_cast<QSlider*>(dialog_.control(id)); }

  platform::qt::QtDialog dialog_;
};

INSTANTIATE_TYPED_TEST_SUITE_P(Qt, DialogContract, QtDriver);

void sendTo(QWindow* window, QEvent&& event) { QGuiApplication::sendEvent(window, &event); }

void key(QWindow* window, int qtKey, bool down) {
  sendTo(window, QKeyEvent(down ? QEvent::KeyPress : QEvent::KeyRelease, qtKey, Qt::NoModifier));
}

void pointer(QWindow* window, QEvent::Type type, QPoint at, Qt::MouseButtons held) {
  sendTo(window, QMouseEvent(type, at, window->mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier));
}

TEST_F(GuiTest, TheArrowsWalkTheStringAndTheLeftButtonTurnsThe3DPipe) {
  auto* view = dynamic_cast<platform::qt::PanelSurface*>(app.windows.window(kPipeViewPanel));
  ASSERT_NE(view, nullptr);
  QWindow* glWindow = view->glWindow();
  key(glWindow, Qt::Key_Space, true);
  key(glWindow, Qt::Key_Right, true);
  const double end = platform.nowMs() + 10000.0;
  while (view->title().find("GUI-002") == std::string::npos && platform.nowMs() < end) loopIteration(app);
  key(glWindow, Qt::Key_Right, false);
  key(glWindow, Qt::Key_Space, false);
  EXPECT_NE(view->title().find("GUI-002"), std::string::npos) << view->title();
  EXPECT_EQ(app.pipeString.currentIndex(), 1U);

  platform.qtMenu().action(kCmdDraw3DWall)->trigger();
  // A menu leaves the focus in the main window; the arrows held there turn the pipe all the same.
  const float angle = app.pipeString.angle;
  QKeyEvent up(QEvent::KeyPress, Qt::Key_Up, Qt::NoModifier);
  QApplication::sendEvent(platform.mainWindow().menuBar(), &up);
  const double turned = platform.nowMs() + 5000.0;
  while (app.pipeString.angle == angle && platform.nowMs() < turned) loopIteration(app);
  QKeyEvent letGo(QEvent::KeyRelease, Qt::Key_Up, Qt::NoModifier);
  QApplication::sendEvent(platform.mainWindow().menuBar(), &letGo);
  EXPECT_NE(app.pipeString.angle, angle);
  EXPECT_FALSE(isKeyHeld(app, platform::kKeyUp));
  // Held over the panels and let go over a menu that opened meanwhile: let go.
  key(glWindow, Qt::Key_Right, true);
  ASSERT_TRUE(isKeyHeld(app, platform::kKeyRight));
  QMenu* menu = platform.mainWindow().menuBar()->actions().first()->menu();
  ASSERT_NE(menu, nullptr);
  QKeyEvent overMenu(QEvent::KeyRelease, Qt::Key_Right, Qt::NoModifier);
  QApplication::sendEvent(menu, &overMenu);
  EXPECT_FALSE(isKeyHeld(app, platform::kKeyRight));

  pointer(glWindow, QEvent::MouseMove, {100, 100}, Qt::NoButton);
  pointer(glWindow, QEvent::MouseButtonPress, {100, 100}, Qt::LeftButton);
  pointer(glWindow, QEvent::MouseMove, {130, 150}, Qt::LeftButton);
  loopIteration(app);
  pointer(glWindow, QEvent::MouseButtonRelease, {130, 150}, Qt::NoButton);
  EXPECT_EQ(app.view.rotation[render::kAxisX], 50.0F);
  EXPECT_EQ(app.view.rotation[render::kAxisY], 30.0F);
}

TEST_F(GuiTest, NavigatorGotoAboutAndControlsOpenAndClose) {
  auto& navigator = dynamic_cast<platform::qt::QtDialog&>(*app.dialogs.get(Modeless::kNavigator)).widget();
  EXPECT_TRUE(navigator.isVisible());
  navigator.close();
  EXPECT_FALSE(navigator.isVisible());
  platform.qtMenu().action(kCmdNavigator)->trigger();
  EXPECT_TRUE(navigator.isVisible());
  // Enter in an edit presses no button of a dialog without a default one: "<- Prev" would open
  // the folder's previous file in place of the string.
  QWidget* jumpNumber =
      dynamic_cast<platform::qt::QtDialog&>(*app.dialogs.get(Modeless::kNavigator)).control(kNavJumpNumber);
  ASSERT_NE(jumpNumber, nullptr);
  ASSERT_TRUE(app.pipeString.jumpTo(1));  // a previous file in the folder to open
  const std::uint32_t pipes = app.pipeString.nameCount();
  QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
  QApplication::sendEvent(jumpNumber, &enter);
  pumpFor(50);
  EXPECT_EQ(app.pipeString.nameCount(), pipes);

  auto& go = dynamic_cast<platform::qt::QtDialog&>(*app.dialogs.get(Modeless::kGoto));
  platform.qtMenu().action(kCmdGoto)->trigger();
  for (int wait = 0; wait < 50 && go.text(kGotoX).empty(); ++wait) pumpFor(20);
  EXPECT_TRUE(go.widget().isVisible());
  char x[32];
  std::snprintf(x, sizeof x, "%.3f", static_cast<double>(app.pipeString.position));
  EXPECT_EQ(go.text(kGotoX), x);  // written when drawn
  go.deliver({platform::DialogEvent::Kind::kCommand, kIdOk});
  EXPECT_FALSE(go.widget().isVisible());

  for (const auto& [command, title] :
       {std::pair{kCmdAbout, "About Ductora"}, std::pair{kCmdControls, "Controls"}}) {
    ModalAnswer ok;
    ok.pressLater("OK");
    platform.qtMenu().action(command)->trigger();
    EXPECT_EQ(ok.title, title);
  }
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(GuiTest, SaveAsWritesToANewNameTypedIntoTheSaveDialog) {
  const std::string typed = dir.file("renamed");
  QString caption;
  QString filter;
  bool savesAFile = false;
  ModalAnswer rawQuestion;
  QTimer::singleShot(200, [&] {
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    if (dialog == nullptr) return;
    caption = dialog->windowTitle();
    filter = dialog->selectedNameFilter();
    savesAFile = dialog->acceptMode() == QFileDialog::AcceptSave;
    rawQuestion.pressLater("No");
    // Typed into the name field, then Save.
    auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
    auto* buttons = dialog->findChild<QDialogButtonBox*>();
    if (name == nullptr || buttons == nullptr || buttons->button(QDialogButtonBox::Save) == nullptr) {
      dialog->reject();  // fail, rather than wait for ever
      return;
    }
    name->setText(QString::fromStdString(typed));
    buttons->button(QDialogButtonBox::Save)->click();
  });
  platform.qtMenu().action(kCmdSaveAs)->trigger();
  EXPECT_EQ(caption, "Select a data file.");
  EXPECT_EQ(filter, "Corvix Files (*.kqvw)");
  EXPECT_TRUE(savesAFile);
  EXPECT_EQ(rawQuestion.text, "Do you want to save raw data?");

  const std::string saved = typed + ".kqvw";
  PipeFile reread;
  ASSERT_TRUE(readPipeFile(reread, saved).opened);
  EXPECT_EQ(reread.dataPresent[kRawWallPresent], 0);
  EXPECT_EQ(app.pipeString.current()->path, saved);
  EXPECT_NE(app.windows.window(kPipeViewPanel)->title().find(saved), std::string::npos);
}

TEST_F(GuiTest, StatisticsAndPipeWindowsFollowTheirSliders) {
  auto& statistics = dynamic_cast<platform::qt::QtDialog&>(*app.dialogs.get(Modeless::kStatistics));
  EXPECT_TRUE(statistics.widget().isVisible());
  const PipeFile& pipe = *app.pipeString.current();
  auto* upperWall = qobject_cast<QSlider*>(statistics.control(kStatUpperWall));
  ASSERT_NE(upperWall, nullptr);
  EXPECT_EQ(upperWall->value(), pipe.header.upperWall);
  EXPECT_EQ(upperWall->pageStep(), 1);
  upperWall->setValue(upperWall->value() + 20);  // dragged there and let go
  mouse(upperWall, QEvent::MouseButtonRelease, QPoint(2, 2));
  EXPECT_EQ(pipe.header.upperWall, upperWall->value());
  loopIteration(app);
  EXPECT_EQ(statistics.text(kStatUpperWallReadout), std::to_string(upperWall->value()));
  char x[32];
  std::snprintf(x, sizeof x, "%.3f\"", static_cast<double>(app.pipeString.position));
  EXPECT_EQ(statistics.text(kStatX), x);
  EXPECT_NE(statistics.text(kStatY).find("\u00b0"), std::string::npos);

  platform.qtMenu().action(kCmdPipe)->trigger();
  auto& pipeWindow = dynamic_cast<platform::qt::QtDialog&>(*app.dialogs.get(Modeless::kPipeWindow));
  EXPECT_TRUE(pipeWindow.widget().isVisible());
  auto* right = qobject_cast<QSlider*>(pipeWindow.control(kPipeRight));
  ASSERT_NE(right, nullptr);
  EXPECT_EQ(right->maximum(), static_cast<int>(app.pipeString.currentLength()));
  right->setValue(10);
  char wall[64];
  const RangeExtreme thinnest = PipeRangeValues(pipe, 0, 10).wall.min;
  std::snprintf(wall, sizeof wall, "%.3f (%.2f %%)", thinnest.value, thinnest.percent);
  EXPECT_EQ(pipeWindow.text(kPipeWindowGroups[0].minValue), wall);
  loopIteration(app);
  EXPECT_EQ(pipeWindow.text(kPipeRightReadout), "10.000");
  pipeWindow.deliver({platform::DialogEvent::Kind::kCommand, kIdCancel});
  EXPECT_FALSE(pipeWindow.widget().isVisible());
}

// Every plot panel, the pressure panels as their dialogs bring them up.
void showEveryPanel(AppState& app) {
  for (const int command :
       {kCmdPlotCsa, kCmdPlotLengthAtY, kCmdPlotEccentricity, kCmdPlot64PointAve, kCmdPlotLowWall,
        kCmdPlotOvality, kCmdPlotStraightness, kCmdPlotPipeId, kCmdDrawSlice})
    ductora::runCommand(app, command);
  showPlot(app, kCollapsePanel, "Collapse");
  showPlot(app, kBurstPanel, "Burst");
}

TEST_F(GuiTest, IdleDrawsNothingAndAHeldArrowDrawsPacedFromOneFramesStep) {
  const std::uint64_t idle = app.framesRun;
  const double idleEnd = platform.nowMs() + 3000.0;
  while (platform.nowMs() < idleEnd) loopIteration(app);
  EXPECT_EQ(app.framesRun, idle) << "nothing moved, nothing drawn";

  // The first frame after the sleep moves X by one frame's worth at 12 inches a second.
  QWindow* view = panel(kPipeViewPanel).glWindow();
  const float x = app.pipeString.position;
  key(view, Qt::Key_Right, true);
  ASSERT_TRUE(turn());
  const double frameSeconds = platform.frameIntervalMs() / 1000.0;
  EXPECT_DOUBLE_EQ(app.elapsedSeconds, frameSeconds);
  EXPECT_NEAR(app.pipeString.position - x, 12.0 * frameSeconds, 1e-4);
  key(view, Qt::Key_Right, false);
  settle();

  // The arrow held, with the panels of the opening and then with every panel: frames follow one
  // another, one pacing wait each. The rates are reported, not judged.
  for (const bool everyPanel : {false, true}) {
    if (everyPanel) showEveryPanel(app);
    settle();
    key(view, Qt::Key_Left, true);
    const std::uint64_t before = app.framesRun;
    const std::clock_t cpuStart = std::clock();
    const double start = platform.nowMs();
    while (platform.nowMs() < start + 3000.0) EXPECT_TRUE(turn());
    key(view, Qt::Key_Left, false);
    const auto frames = static_cast<double>(app.framesRun - before);
    const double rate = frames / ((platform.nowMs() - start) / 1000.0);
    const double cpuMs = 1000.0 * static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC / frames;
    std::printf("moving, %s: %.1f frames per second (paced at %.1f), %.1f ms of processor time a frame\n",
                everyPanel ? "every panel" : "opening panels", rate, 1000.0 / platform.frameIntervalMs(),
                cpuMs);
  }
  // Let go, with the pressure panels writing their dialogs' readouts: the loop sleeps again.
  settle();
  const std::uint64_t still = app.framesRun;
  const double stillEnd = platform.nowMs() + 1000.0;
  while (platform.nowMs() < stillEnd) loopIteration(app);
  EXPECT_EQ(app.framesRun, still);
}

TEST_F(GuiTest, ThePipeViewStaysBelowThePanelsWhateverIsClickedOrDragged) {
  showEveryPanel(app);
  settle();
  QMdiArea& area = platform.mainWindow().area();
  QMdiSubWindow* view = panel(kPipeViewPanel).subWindow();
  auto viewIsLowest = [&area, view] {
    const QList<QMdiSubWindow*> stack = area.subWindowList(QMdiArea::StackingOrder);
    return !stack.isEmpty() && stack.front() == view;
  };
  ASSERT_TRUE(viewIsLowest());

  // A click and a drag in the pipe view: it takes the focus, the area activates and raises it.
  QWindow* gl = panel(kPipeViewPanel).glWindow();
  view->widget()->setFocus(Qt::MouseFocusReason);
  area.setActiveSubWindow(view);
  for (const Qt::MouseButton held : {Qt::LeftButton, Qt::RightButton}) {
    sendTo(gl, QMouseEvent(QEvent::MouseButtonPress, {200, 200}, gl->mapToGlobal(QPoint(200, 200)), held,
                           held, Qt::NoModifier));
    pointer(gl, QEvent::MouseMove, {240, 260}, held);
    turn();
    sendTo(gl, QMouseEvent(QEvent::MouseButtonRelease, {240, 260}, gl->mapToGlobal(QPoint(240, 260)), held,
                           Qt::NoButton, Qt::NoModifier));
    turn();
  }
  EXPECT_TRUE(viewIsLowest());
  // Lowered, it still takes the keys.
  const float x = app.pipeString.position;
  key(gl, Qt::Key_Right, true);
  turn();
  key(gl, Qt::Key_Right, false);
  EXPECT_GT(app.pipeString.position, x);

  // A clicked panel comes to the top of the panels, the pipe view stays at the bottom.
  pointer(panel(kCsaPanel).glWindow(), QEvent::MouseButtonPress, {10, 10}, Qt::LeftButton);
  pointer(panel(kCsaPanel).glWindow(), QEvent::MouseButtonRelease, {10, 10}, Qt::NoButton);
  settle();
  EXPECT_EQ(area.subWindowList(QMdiArea::StackingOrder).back(), panel(kCsaPanel).subWindow());
  EXPECT_TRUE(viewIsLowest());
  for (QMdiSubWindow* shown : area.subWindowList()) EXPECT_TRUE(shown->isVisible());
}

// Also run under a window manager at 1024 x 768 and at 1920 x 1080 scaled twice (see the CMake file).
TEST_F(GuiTest, GeometryInLogicalPixelsAndHelpStaysWithAMaximisedPanel) {
  QMdiArea& area = platform.mainWindow().area();
  const QWidget* viewport = area.viewport();
  QMdiSubWindow* view = panel(kPipeViewPanel).subWindow();
  EXPECT_EQ(view->geometry(), viewport->rect()) << "the pipe view fills the area, caption in reach";

  const QScreen* screen = QGuiApplication::primaryScreen();
  const int s = screen->geometry().width();
  const int w = viewport->width();
  QMdiSubWindow* wall = panel(kWallThicknessPanel).subWindow();
  EXPECT_EQ(wall->widget()->size(), QSize(s / 4, s * 3 / 16));
  // Rows set for a screen 1280 wide scale with the screen.
  EXPECT_EQ(wall->pos(), QPoint(w - (s / 4 + 10), 20 * s / 1280));
  EXPECT_EQ(panel(kOdOffsetPanel).subWindow()->pos(), QPoint(w - (s / 4 + 10), 200 * s / 1280));
  EXPECT_TRUE(viewport->rect().contains(wall->geometry()));
  // GL viewports are in device pixels.
  const double ratio = screen->devicePixelRatio();
  EXPECT_EQ(app.windows.width(kWallThicknessPanel), qRound(wall->widget()->width() * ratio));
  EXPECT_EQ(app.windows.height(kPipeViewPanel), qRound(view->widget()->height() * ratio));

  QMenuBar* bar = platform.mainWindow().menuBar();
  QWidget* corner = bar->cornerWidget(Qt::TopRightCorner);
  ASSERT_NE(corner, nullptr) << "the Help menu";
  wall->showMaximized();
  settle();
  EXPECT_EQ(bar->cornerWidget(Qt::TopRightCorner), corner);
  EXPECT_TRUE(corner->isVisible());
  EXPECT_EQ(wall->widget()->geometry().top() > 0, true) << "the maximised panel keeps its caption";
  // Wholly in sight, its bottom axis too.
  const QWidget* wallClient = wall->widget();
  EXPECT_TRUE(viewport->rect().contains(QRect(wallClient->mapTo(viewport, QPoint()), wallClient->size())));
  // A frame of an odd number of device pixels at scale 2 leaves half a logical pixel to round.
  const QRect shownArea(viewport->mapToGlobal(QPoint()), viewport->size());
  EXPECT_TRUE(screen->availableGeometry().adjusted(0, 0, 0, 1).contains(shownArea));
  EXPECT_EQ(app.windows.height(kWallThicknessPanel), qRound(wallClient->height() * ratio));
  wall->showNormal();
  settle();
}

// What a GL window shows on the screen.
QImage onScreen(const QWindow& window) {
  return QGuiApplication::primaryScreen()->grabWindow(window.winId()).toImage();
}

// How many gray shades, which the maps are drawn in, an image holds.
int grayShades(const QImage& image) {
  QSet<QRgb> grays;
  for (int y = 0; y < image.height(); y += 2) {
    for (int x = 0; x < image.width(); x += 2) {
      const QRgb pixel = image.pixel(x, y);
      if (qRed(pixel) == qGreen(pixel) && qGreen(pixel) == qBlue(pixel) && qRed(pixel) > 20 &&
          qRed(pixel) < 230)
        grays.insert(pixel);
    }
  }
  return static_cast<int>(grays.size());
}

TEST_F(GuiTest, AResizedPipeViewIsDrawnWithoutInputAndAnUncoveredOneShowsItsLastFrame) {
  QWindow* view = panel(kPipeViewPanel).glWindow();
  ASSERT_GT(grayShades(onScreen(*view)), 30);

  // The main window made smaller by the program, no pointer or key anywhere: the view shows its
  // maps at the new size, and then the loop sleeps.
  platform.mainWindow().showNormal();
  platform.mainWindow().resize(700, 500);
  settle();
  const QImage resized = onScreen(*view);
  EXPECT_EQ(resized.size(), QSize(app.windows.width(kPipeViewPanel), app.windows.height(kPipeViewPanel)));
  EXPECT_GT(grayShades(resized), 30);
  const std::uint64_t idle = app.framesRun;
  for (int turns = 0; turns < 5; ++turns) loopIteration(app);
  EXPECT_EQ(app.framesRun, idle);

  // A window over the view and gone again while a modal dialog runs and no frame comes: the view
  // shows its last frame, not what lay over it.
  QWidget modal;
  modal.setWindowModality(Qt::ApplicationModal);
  modal.setGeometry(0, 0, 40, 40);
  modal.show();
  pumpFor(300);
  QWidget cover;
  cover.setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
  cover.setStyleSheet("background: rgb(255, 0, 0)");
  cover.setGeometry(QRect(view->mapToGlobal(QPoint()), view->size()));
  cover.show();
  pumpFor(300);
  cover.hide();
  pumpFor(300);
  EXPECT_EQ(app.framesRun, idle);
  EXPECT_EQ(onScreen(*view), resized);
  modal.hide();

  // A panel left outside the smaller area comes back into sight when the menu shows it.
  QMdiSubWindow* wall = panel(kWallThicknessPanel).subWindow();
  wall->move(2000, 2000);
  platform.qtMenu().action(kCmdPlotWallThickness)->trigger();
  const QRect room = wall->mdiArea()->viewport()->rect();
  EXPECT_TRUE(room.contains(wall->geometry().topLeft()));
  EXPECT_EQ(wall->geometry().bottom(), room.bottom());
}

TEST_F(GuiTest, InfoShowsTheCurrentPipeAndCancelDropsWhatWasTyped) {
  const PipeHeader before = app.pipeString.current()->header;
  ModalAnswer info;
  info.pressLater("Cancel", [](QWidget& modal) {
    for (QLineEdit* edit : modal.findChildren<QLineEdit*>()) {
      if (!edit->isReadOnly()) edit->setText("999");
    }
  });
  platform.qtMenu().action(kCmdInfo)->trigger();
  EXPECT_EQ(info.title, "Info");
  EXPECT_TRUE(info.edits.contains(QString::fromStdString(app.pipeString.current()->path)))
      << info.edits.join("|").toStdString();
  EXPECT_EQ(app.pipeString.current()->header, before);
  EXPECT_FALSE(app.pipeString.current()->unsavedChanges);
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(GuiTest, HelpFromAModalDialogTakesClicksWhileTheDialogStaysOpen) {
  platform::qt::QtDialog* help = nullptr;
  for (const auto& dialog : app.dialogs.helpWindows()) {
    if (dialog->resourceId() == kHelpGrayScale) help = dynamic_cast<platform::qt::QtDialog*>(dialog.get());
  }
  ASSERT_NE(help, nullptr);
  bool shown = false;
  bool closedByItsOk = false;
  bool dialogStayed = false;
  ModalAnswer grayScale;
  grayScale.pressLater("Cancel", [&](QWidget& modal) {
    buttonNamed(modal, "Help")->click();
    shown = help->widget().isVisible();
    // Its OK clicked as the window system delivers a click, which a blocked window never gets.
    const QPushButton* ok = buttonNamed(help->widget(), "OK");
    const QPoint at = ok->mapTo(&help->widget(), ok->rect().center());
    pointer(help->widget().windowHandle(), QEvent::MouseButtonPress, at, Qt::LeftButton);
    pointer(help->widget().windowHandle(), QEvent::MouseButtonRelease, at, Qt::NoButton);
    closedByItsOk = !help->widget().isVisible();
    dialogStayed = QApplication::activeModalWidget() == &modal;
  });
  platform.qtMenu().action(kCmdGrayScale)->trigger();
  EXPECT_TRUE(shown);
  EXPECT_TRUE(closedByItsOk);
  EXPECT_TRUE(dialogStayed);
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(GuiTest, ModifyPipeMatrixIsFilledWhenDrawnAndOkRebuilds) {
  const std::vector<std::uint16_t> before = app.pipeString.current()->wallMatrix.data;
  ModalAnswer matrix;
  matrix.pressLater("OK");
  // A refused build would leave a message box over the dialog: nothing may stay waiting.
  QObject guard;
  QTimer::singleShot(5000, &guard, [] {
    while (QWidget* modal = QApplication::activeModalWidget()) modal->close();
  });
  platform.qtMenu().action(kCmdWallMatrix)->trigger();
  EXPECT_EQ(matrix.title, "Modify Pipe Matrix");
  EXPECT_TRUE(matrix.edits.contains("0.333333333")) << matrix.edits.join("|").toStdString();
  EXPECT_NE(app.pipeString.current()->wallMatrix.data, before);
  EXPECT_TRUE(app.pipeString.current()->unsavedChanges);
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(GuiTest, TheTitleNamesTheFileAndMarksUnsavedChanges) {
  QMainWindow& window = platform.mainWindow();
  const QString first = QString::fromStdString(dir.file("GUI-001.kqvw"));
  EXPECT_EQ(window.windowFilePath(), first);
  EXPECT_EQ(window.windowTitle(), "GUI-001.kqvw[*]");
  EXPECT_FALSE(window.isWindowModified());
  app.pipeString.current()->unsavedChanges = true;
  app.frameRequested = true;  // as the message of the dialog that changed the pipe does
  turn();
  EXPECT_TRUE(window.isWindowModified());
  ASSERT_TRUE(saveChangedPipesBeforeExit(app));
  turn();
  EXPECT_FALSE(window.isWindowModified());
  EXPECT_EQ(window.windowFilePath(), first);
}

QAction* findItem(const QMenu& menu, const QString& text) {
  for (QAction* item : menu.actions()) {
    if (item->text() == text) return item;
  }
  return nullptr;
}

TEST_F(GuiTest, OpenRecentListsTheLastEightFilesAndOpensThem) {
  platform::qt::RecentFiles& recent = platform.recentFiles();
  EXPECT_EQ(recent.paths(), QStringList{QString::fromStdString(list)});
  const QString second = QString::fromStdString(dir.file("GUI-002.kqvw"));
  recent.add(QString::fromStdString(dir.file("gone.kqvw")));
  for (int file = 0; file < 8; ++file)
    recent.add(QString::fromStdString(dir.file("GUI-00" + std::to_string(file % 3 + 1) + ".kqvw")));
  recent.add(second);
  EXPECT_EQ(recent.paths().size(), 5) << "no file twice";

  auto* open = qobject_cast<QMenu*>(platform.qtMenu().action(kCmdOpenPipe)->parent());
  auto* file = qobject_cast<QMenu*>(open->parentWidget());
  const QList<QAction*> items = file->actions();
  const qsizetype openAt = items.indexOf(open->menuAction());
  ASSERT_LT(openAt + 1, items.size());
  QMenu* menu = items[openAt + 1]->menu();
  ASSERT_NE(menu, nullptr);
  EXPECT_EQ(items[openAt + 1]->text(), "Open &Recent");
  emit menu->aboutToShow();
  EXPECT_EQ(menu->actions().front()->text(), "&1 " + second);
  EXPECT_EQ(menu->actions().back()->text(), "Clear Menu");
  QAction* gone = findItem(*menu, "&4 " + QString::fromStdString(dir.file("gone.kqvw")));
  ASSERT_NE(gone, nullptr);
  EXPECT_FALSE(gone->isEnabled());

  for (int more = 0; more < 10; ++more)
    recent.add(QString::fromStdString(dir.file(std::to_string(more) + ".kqvw")));
  EXPECT_EQ(recent.paths().size(), platform::qt::RecentFiles::kMaxFiles);

  recent.add(second);
  emit menu->aboutToShow();
  menu->actions().front()->trigger();
  ASSERT_NE(app.pipeString.current(), nullptr);
  EXPECT_EQ(app.pipeString.current()->path, second.toStdString());
  EXPECT_EQ(app.pipeString.nameCount(), 1U);

  findItem(*menu, "Clear Menu")->trigger();
  EXPECT_TRUE(recent.paths().isEmpty());
  EXPECT_EQ(menu->actions().size(), 2) << "the separator and the disabled Clear Menu";
}

// The left and right ends, in global x, of the runs of dark pixels across a widget's area, runs
// closer than a character's width taken as one.
std::vector<std::pair<int, int>> inkRuns(QWidget& widget, const QRect& area) {
  const QImage image = widget.grab(area).toImage();
  const double ratio = image.devicePixelRatio();
  const int gap = qRound(widget.fontMetrics().horizontalAdvance('0') * ratio);
  std::vector<std::pair<int, int>> runs;
  for (int x = 0; x < image.width(); ++x) {
    bool dark = false;
    for (int y = 0; y < image.height() && !dark; ++y) dark = qGray(image.pixel(x, y)) < 128;
    if (!dark) continue;
    const int at = widget.mapToGlobal(area.topLeft()).x() + qRound(x / ratio);
    if (!runs.empty() && at - runs.back().second <= gap / ratio) {
      runs.back().second = at;
    } else {
      runs.emplace_back(at, at);
    }
  }
  return runs;
}

TEST_F(GuiTest, TheDataDisplaysLabelsStandBesideItsLinesAndItsHeadersOverItsColumns) {
  platform.qtMenu().action(kCmdData)->trigger();
  settle();
  auto& display = dynamic_cast<platform::qt::QtDialog&>(*app.dialogs.get(Modeless::kDataDisplay));
  auto* list = qobject_cast<QListWidget*>(display.control(kDataTable));
  ASSERT_NE(list, nullptr);
  std::map<QString, QLabel*> headers;
  for (QLabel* label : display.widget().findChildren<QLabel*>()) headers[label->text()] = label;
  for (const int modeButton : {kDataWallButton, kDataOdButton}) {
    display.deliver({platform::DialogEvent::Kind::kCommand, modeButton});
    settle();
    ASSERT_EQ(list->count(), kDataTableLines);
    for (int line = 0; line < kDataTableLines; ++line) {
      const QWidget* label = display.control(kDataFirstAngleLabel + line);
      EXPECT_TRUE(label->isVisible());
      const int labelY = label->mapToGlobal(label->rect().center()).y();
      const int lineY = list->viewport()->mapToGlobal(list->visualItemRect(list->item(line)).center()).y();
      EXPECT_NEAR(labelY, lineY, 1) << "line " << line;
    }
    const auto columns = inkRuns(*list->viewport(), list->visualItemRect(list->item(0)));
    const QStringList names{"Rev -3", "Rev -2", "Rev -1", "Rev", "Rev +1", "Rev +2", "Rev +3"};
    ASSERT_EQ(columns.size(), static_cast<std::size_t>(names.size())) << list->item(0)->text().toStdString();
    for (qsizetype column = 0; column < names.size(); ++column) {
      QLabel* header = headers[names[column]];
      ASSERT_NE(header, nullptr) << names[column].toStdString();
      EXPECT_NEAR(inkRuns(*header, header->rect()).back().second, columns[column].second, 2)
          << names[column].toStdString() << " over " << list->item(0)->text().toStdString();
    }
  }
}

// Drops a set of files at a window; true when it was taken.
bool drop(QObject* target, const std::vector<std::string>& paths) {
  QList<QUrl> urls;
  for (const std::string& path : paths) urls << QUrl::fromLocalFile(QString::fromStdString(path));
  QMimeData data;
  data.setUrls(urls);
  QDragEnterEvent enter({10, 10}, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(target, &enter);
  if (!enter.isAccepted()) return false;
  QDropEvent dropped(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(target, &dropped);
  return dropped.isAccepted();
}

TEST_F(GuiTest, DroppedPipeAndListFilesOpenAndOtherFilesAreRefused) {
  const std::string one = dir.file("GUI-001.kqvw");
  const std::string three = dir.file("GUI-003.kqvw");
  ASSERT_TRUE(drop(&platform.mainWindow(), {three}));
  EXPECT_EQ(app.pipeString.current()->path, three);
  EXPECT_EQ(app.pipeString.nameCount(), 1U);

  // Several pipes on the pipe view's GL window: the first opens, the others are appended.
  ASSERT_TRUE(drop(panel(kPipeViewPanel).glWindow(), {one, three}));
  EXPECT_EQ(app.pipeString.current()->path, one);
  EXPECT_EQ(app.pipeString.nameCount(), 2U);

  ASSERT_TRUE(drop(&platform.mainWindow(), {list}));
  EXPECT_EQ(app.pipeString.nameCount(), 3U);

  const std::string text = dir.file("notes.txt");
  for (const auto& refused :
       std::vector<std::vector<std::string>>{{text}, {one, text}, {list, one}, {list, list}})
    EXPECT_FALSE(drop(&platform.mainWindow(), refused));
  EXPECT_EQ(app.pipeString.nameCount(), 3U);
}

TEST_F(GuiTest, PleaseWaitIsOnTheScreenWithTheBusyCursorUntilHidden) {
  app.dialogs.get(Modeless::kPleaseWait)->show();
  auto& window = dynamic_cast<platform::qt::QtDialog&>(*app.dialogs.get(Modeless::kPleaseWait)).widget();
  EXPECT_TRUE(window.windowHandle() != nullptr && window.windowHandle()->isExposed());
  ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
  EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
  app.dialogs.get(Modeless::kPleaseWait)->show();
  app.dialogs.get(Modeless::kPleaseWait)->hide();
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
  EXPECT_FALSE(window.isVisible());
}

TEST(QtDialog, LabelsAndTextsOfARowLineUpInColumns) {
  platform::qt::QtDialog controls(*FindDialog(kDialogControls), {}, nullptr);
  controls.widget().show();
  pumpFor(100);
  QSet<int> nameColumns;
  QSet<int> textColumns;
  for (const QLabel* label : controls.widget().findChildren<QLabel*>())
    (label->text().endsWith(':') ? nameColumns : textColumns).insert(label->x());
  EXPECT_EQ(nameColumns.size(), 1);
  ASSERT_EQ(textColumns.size(), 1);
  EXPECT_GT(*textColumns.begin(), *nameColumns.begin());
}

// True when nothing of the edit's text has scrolled out of sight with the cursor at its end.
bool showsAllOf(QLineEdit& edit) {
  auto cursorX = [&edit] { return edit.inputMethodQuery(Qt::ImCursorRectangle).toRect().center().x(); };
  edit.home(false);
  edit.repaint();
  const int start = cursorX();
  edit.end(false);
  edit.repaint();
  return cursorX() - start >= edit.fontMetrics().horizontalAdvance(edit.text()) - 1;
}

TEST(QtDialog, EveryReadoutOfThePipeAndStatisticsWindowsShowsALongValueWhole) {
  for (const int id : {kDialogPipeWindow, kDialogStatistics}) {
    const DialogTable& table = *FindDialog(id);
    platform::qt::QtDialog window(table, {}, nullptr);
    window.show();
    for (const ControlEntry& entry : table.controls) {
      if (entry.kind == ControlKind::kReadOnlyEdit) window.setText(entry.id, "-100.027 (-100.03 %)");
    }
    pumpFor(100);
    for (const ControlEntry& entry : table.controls) {
      if (entry.kind != ControlKind::kReadOnlyEdit) continue;
      auto* edit = qobject_cast<QLineEdit*>(window.control(entry.id));
      EXPECT_TRUE(showsAllOf(*edit)) << table.caption << " " << entry.id;
    }
  }
}

TEST(QtDialog, SlidersShowTicksAndAClickBesideTheThumbIsAMove) {
  std::vector<platform::DialogEvent> heard;
  QtDriver driver(kContractDialog, [&heard](platform::Dialog&, const platform::DialogEvent& event) {
    if (event.kind != platform::DialogEvent::Kind::kPaint) heard.push_back(event);
  });
  auto* slider = qobject_cast<QSlider*>(driver.qtDialog().control(kContractSlider));
  EXPECT_NE(slider->tickPosition(), QSlider::NoTicks);
  EXPECT_EQ(qobject_cast<QSlider*>(driver.qtDialog().control(kContractUprightSlider))->orientation(),
            Qt::Vertical);
  driver.dialog().setSliderPosition(kContractSlider, 10);
  slider->triggerAction(QAbstractSlider::SliderPageStepAdd);
  mouse(slider, QEvent::MouseButtonRelease, QPoint(2, 2));
  ASSERT_EQ(heard.size(), 2U);
  EXPECT_EQ(heard[0].kind, platform::DialogEvent::Kind::kSliderMoved);
  EXPECT_EQ(driver.dialog().sliderPosition(kContractSlider), 30);
  EXPECT_EQ(heard[1].kind, platform::DialogEvent::Kind::kSliderReleased);
}

TEST(QtDialog, PaintIsReportedOnceDrawnAndReadoutsWrittenThenDoNotRepaintForEver) {
  int paints = 0;
  platform::qt::QtDialog dialog{kContractDialog,
                                [&paints](platform::Dialog& self, const platform::DialogEvent& event) {
                                  if (event.kind != platform::DialogEvent::Kind::kPaint) return;
                                  ++paints;
                                  self.setText(kContractEdit, "12.000");  // a readout written on paint
                                },
                                nullptr};
  dialog.show();
  for (int wait = 0; wait < 50 && paints == 0; ++wait) pumpFor(20);
  ASSERT_GT(paints, 0);
  EXPECT_EQ(dialog.text(kContractEdit), "12.000");
  pumpFor(300);
  const int settled = paints;
  pumpFor(300);
  EXPECT_EQ(paints, settled);
}

// --- A desktop on any screen: run under a window manager at 1024 x 768 and at 1920 x 1080 scaled
// twice (see the CMake file).

// Runs an X command (xdotool) against the display, then lets the program take what it sent.
void onDisplay(const std::string& command) {
  EXPECT_EQ(runCommand(command + " 2>&1").exitCode, 0) << command;
  pumpFor(300);
}

// Where a point of the logical screen is in the X server's pixels.
QPoint devicePoint(QPoint logical) { return logical * QGuiApplication::primaryScreen()->devicePixelRatio(); }

// Closes every modal window that comes up, noting each one's frame and title once the window
// manager has framed it.
struct ModalCloser {
  ModalCloser() {
    timer.setInterval(250);
    QObject::connect(&timer, &QTimer::timeout, [this] {
      auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget());
      if (modal == nullptr || modal != seen) {
        seen = modal;
        ticks = 0;
        return;
      }
      if (++ticks < 3) return;
      shown.emplace_back(modal->windowTitle(), modal->frameGeometry());
      modal->done(0);
      seen = nullptr;
    });
    timer.start();
  }
  QTimer timer;
  QDialog* seen = nullptr;
  int ticks = 0;
  std::vector<std::pair<QString, QRect>> shown;
};

// Every item of a menu and its submenus.
void collectItems(const QMenu& menu, std::vector<QAction*>& items) {
  for (QAction* item : menu.actions()) {
    if (item->menu() != nullptr) {
      collectItems(*item->menu(), items);
    } else if (!item->isSeparator() && item->isEnabled()) {
      items.push_back(item);
    }
  }
}

QMenu* menuNamed(const QMenuBar& bar, const QString& title) {
  for (QAction* item : bar.actions()) {
    if (item->menu() != nullptr && item->text() == title) return item->menu();
  }
  return nullptr;
}

TEST_F(GuiTest, DesktopEveryWindowOfTheMenusOpensInsideTheScreenAndPanelsStayInTheArea) {
  const QRect room = QGuiApplication::primaryScreen()->availableGeometry();
  QMenuBar* bar = platform.mainWindow().menuBar();
  std::vector<QAction*> items;
  for (const QMenuBar* menus : {bar, qobject_cast<QMenuBar*>(bar->cornerWidget(Qt::TopRightCorner))}) {
    for (const char* title : {"&Edit", "&View", "&Modify", "&Help"}) {
      if (const QMenu* menu = menuNamed(*menus, title)) collectItems(*menu, items);
    }
  }
  ASSERT_GT(items.size(), 40U);
  ModalCloser closer;
  QWidget* viewport = platform.mainWindow().viewport();
  // A dialog just shown on a loaded machine may not have its frame yet: that is no place to judge.
  const auto unplaced = [] {
    return std::ranges::any_of(QApplication::topLevelWidgets(), [](const QWidget* window) {
      return window->isVisible() && qobject_cast<const QDialog*>(window) != nullptr &&
             window->frameGeometry().isEmpty();
    });
  };
  for (QAction* item : items) {
    item->trigger();
    settle();
    pumpFor(150);
    for (int waited = 0; unplaced() && waited < 3000; waited += 50) pumpFor(50);
    for (const QWidget* window : QApplication::topLevelWidgets()) {
      if (window->isVisible() && qobject_cast<const QDialog*>(window) != nullptr) {
        EXPECT_TRUE(room.contains(window->frameGeometry()))
            << window->windowTitle().toStdString() << " after " << item->text().toStdString() << " at "
            << window->frameGeometry().x() << "," << window->frameGeometry().y() << " "
            << window->frameGeometry().width() << "x" << window->frameGeometry().height();
      }
    }
    for (const QMdiSubWindow* shown : platform::qt::arrangeablePanels(platform.mainWindow().area()))
      EXPECT_TRUE(viewport->rect().contains(shown->geometry())) << shown->windowTitle().toStdString();
  }
  EXPECT_GE(closer.shown.size(), 4U);
  for (const auto& [title, frame] : closer.shown) {
    EXPECT_TRUE(room.contains(frame)) << title.toStdString() << " at " << frame.x() << "," << frame.y() << " "
                                      << frame.width() << "x" << frame.height();
  }

  const QScreen* screen = QGuiApplication::primaryScreen();
  const QString shot = QStringLiteral(DUCTORA_SCREENSHOT_DIR "/desktop-%1x%2-scale%3.png")
                           .arg(screen->geometry().width())
                           .arg(screen->geometry().height())
                           .arg(screen->devicePixelRatio());
  EXPECT_TRUE(platform::qt::grabScreen().save(shot, "PNG"));

  // Un-maximised and made small, the main window keeps every panel in its area; Arrange Panels
  // puts them back in the program's layout, scaled.
  const QMdiSubWindow* wall = panel(kWallThicknessPanel).subWindow();
  const double wallShare = static_cast<double>(wall->widget()->width()) / viewport->width();
  platform.mainWindow().showNormal();
  platform.mainWindow().resize(room.width() / 2, room.height() / 2);
  settle();
  pumpFor(300);
  const auto panels = platform::qt::arrangeablePanels(platform.mainWindow().area());
  ASSERT_GT(panels.size(), 8);
  for (const QMdiSubWindow* shown : panels)
    EXPECT_TRUE(viewport->rect().contains(shown->geometry())) << shown->windowTitle().toStdString();
  platform::qt::arrangePanels(platform.mainWindow().area());
  for (const QMdiSubWindow* shown : panels) EXPECT_TRUE(viewport->rect().contains(shown->geometry()));
  EXPECT_NEAR(static_cast<double>(wall->widget()->width()) / viewport->width(), wallShare, 0.01);
}

TEST_F(GuiTest, DesktopKeysWorkAfterAnOpenAndTitleButtonsActAtTheFirstClick) {
  // Alt+V opens View at once: the main window has the keys.
  onDisplay("xdotool key alt+v");
  const auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
  ASSERT_NE(popup, nullptr);
  EXPECT_EQ(popup->title().remove('&'), "View");
  onDisplay("xdotool key Escape Escape");

  // Ctrl+S writes the current pipe over its file.
  const std::filesystem::path file = app.pipeString.current()->path;
  const auto before = std::filesystem::file_time_type::clock::now() - std::chrono::hours(1);
  std::filesystem::last_write_time(file, before);
  onDisplay("xdotool key ctrl+s");
  settle();
  EXPECT_GT(std::filesystem::last_write_time(file), before);

  // The close box of a panel that is not the active one closes it at the first click.
  ductora::runCommand(app, kCmdPlotCsa);
  settle();
  QMdiSubWindow* wall = panel(kWallThicknessPanel).subWindow();
  platform.mainWindow().area().setActiveSubWindow(panel(kCsaPanel).subWindow());
  pumpFor(200);
  ASSERT_TRUE(wall->isVisible());
  ASSERT_NE(platform.mainWindow().area().activeSubWindow(), wall);
  QStyleOptionTitleBar caption;
  caption.initFrom(wall);
  caption.rect =
      QRect(0, 0, wall->width(), wall->style()->pixelMetric(QStyle::PM_TitleBarHeight, &caption, wall));
  caption.titleBarFlags = wall->windowFlags();
  caption.subControls = QStyle::SC_All;
  const QRect close =
      wall->style()->subControlRect(QStyle::CC_TitleBar, &caption, QStyle::SC_TitleBarCloseButton, wall);
  ASSERT_FALSE(close.isEmpty());
  const QPoint at = devicePoint(wall->mapToGlobal(close.center()));
  onDisplay("xdotool mousemove " + std::to_string(at.x()) + " " + std::to_string(at.y()) + " click 1");
  settle();
  EXPECT_FALSE(wall->isVisible());
}

}  // namespace
}  // namespace ductora::testing

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  // The recent files go to a settings file of the test's own, never the user's.
  const ductora::testing::TempDir settings;
  QSettings::setDefaultFormat(QSettings::IniFormat);
  QSettings::setPath(QSettings::IniFormat, QSettings::UserScope,
                     QString::fromStdString(settings.path().string()));
  QCoreApplication::setOrganizationName("DuctoraTest");
  QCoreApplication::setApplicationName("ductora-gui-tests");
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
