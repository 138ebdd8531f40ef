#pragma once

#include <chrono>
#include <memory>

#include "platform/delivery_flag.h"
#include "platform/platform.h"
#include "platform/qt/frame_pacer.h"
#include "platform/qt/widgets/qt_menu.h"
#include "platform/qt/widgets/recent_files.h"
#include "platform/qt/windows/main_window.h"

namespace ductora::platform::qt {

// The platform on Qt Widgets. Needs a QApplication that outlives it.
class QtPlatform : public Platform {
 public:
  QtPlatform();
  ~QtPlatform() override;

  SurfaceCreation createSurface(const SurfaceSpec& plan) override;
  std::unique_ptr<Dialog> createDialog(int resourceId, DialogProc procedure) override;
  int runModalDialog(int resourceId, DialogProc procedure) override;
  Menu& menu() override { return *menu_; }
  MessageResult messageBox(const std::string& text, const std::string& caption, MessageButtons buttons,
                           MessageIcon icon) override;
  std::string openFileDialog(const std::string& caption, const FileFilter& filter) override;
  std::string saveFileDialog(const std::string& caption, const FileFilter& filter) override;
  void runTool(const std::string& caption, const std::string& tool, const std::vector<std::string>& arguments,
               ToolDone done) override;
  double nowMs() const override;
  ScreenMetrics screen() const override;
  void showDocument(const std::string& path, bool unsavedChanges) override;
  void addRecentFile(const std::string& path) override;
  void processEvents() override;
  bool takeMessagesHandled() override { return delivered_.take(); }
  void waitForEvents(double timeoutMs) override;
  void waitForNextFrame() override { pacer_.waitForNextFrame(); }
  double frameIntervalMs() const override { return FramePacer::intervalMs(); }
  void setBusy(bool busy) override;

  MainWindow& mainWindow() { return *window_; }
  QtMenu& qtMenu() { return *menu_; }
  RecentFiles& recentFiles() { return *recent_; }

 private:
  void addOpenRecentMenu();
  QString startFolder() const;

  std::unique_ptr<MainWindow> window_;
  std::unique_ptr<QtMenu> menu_;
  RecentFiles* recent_ = nullptr;  // owned by its menu
  std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
  DeliveryFlag delivered_;
  FramePacer pacer_;
};

}  // namespace ductora::platform::qt
