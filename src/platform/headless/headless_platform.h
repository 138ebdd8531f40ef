#pragma once

#include <deque>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/delivery_flag.h"
#include "platform/headless/headless_dialog.h"
#include "platform/headless/headless_menu.h"
#include "platform/headless/headless_surface.h"
#include "platform/platform.h"

namespace ductora::platform::headless {

struct MessageRecord {
  std::string text;
  std::string caption;
  MessageButtons buttons;
  MessageIcon icon;
};

enum class FileDialogKind { kOpen, kSave };

struct FileDialogRecord {
  std::string caption;
  FileFilter filter;
  FileDialogKind kind = FileDialogKind::kOpen;
};

// The platform without a display: windows, dialogs, the menu and message boxes live in memory,
// GL draws into offscreen contexts, and the answers of message boxes and file dialogs are
// scripted in advance by a test.
class HeadlessPlatform : public Platform {
 public:
  explicit HeadlessPlatform(ScreenMetrics screen = {1280, 1024, 2});
  ~HeadlessPlatform() override;

  SurfaceCreation createSurface(const SurfaceSpec& plan) override;
  std::unique_ptr<Dialog> createDialog(int resourceId, DialogProc procedure) override;
  int runModalDialog(int resourceId, DialogProc procedure) override;
  Menu& menu() override { return menu_; }
  MessageResult messageBox(const std::string& text, const std::string& caption, MessageButtons buttons,
                           MessageIcon icon) override;
  std::string openFileDialog(const std::string& caption, const FileFilter& filter) override;
  std::string saveFileDialog(const std::string& caption, const FileFilter& filter) override;
  // Nothing is run: the tool and its arguments are kept, and the scripted outcome is given.
  void runTool(const std::string& caption, const std::string& tool, const std::vector<std::string>& arguments,
               ToolDone done) override;
  double nowMs() const override { return clockMs_; }
  ScreenMetrics screen() const override { return screen_; }
  void showDocument(const std::string& path, bool unsavedChanges) override {
    documentPath_ = path;
    documentUnsaved_ = unsavedChanges;
  }
  void addRecentFile(const std::string& path) override { recentFiles_.push_back(path); }
  void processEvents() override;
  bool takeMessagesHandled() override { return delivered_.take(); }
  // Nothing arrives from outside and nobody watches: no wait is ever needed.
  void waitForEvents(double) override {}
  void waitForNextFrame() override {}
  double frameIntervalMs() const override { return kFrameIntervalMs; }
  // Nobody sees a cursor; the tests see how often it showed and whether it still does.
  void setBusy(bool busy) override {
    busyDepth_ += busy ? 1 : -1;
    if (busy) ++busySpells_;
  }
  int busyDepth() const { return busyDepth_; }
  int busySpells() const { return busySpells_; }

  static constexpr double kFrameIntervalMs = 1000.0 / 60.0;

  // Scripting. A message box with more than an OK button needs an answer queued first;
  // a file dialog without one is cancelled. Open and save dialogs take their answers from the
  // one queue, in the order they come up.
  void answerMessageBox(MessageResult answer) { messageAnswers_.push_back(answer); }
  void answerFileDialog(std::string path) { fileAnswers_.push_back(std::move(path)); }
  // A tool run without an outcome queued does not start.
  void answerToolRun(ToolOutcome outcome) { toolAnswers_.push_back(std::move(outcome)); }
  // The next creation of that slot fails at that step.
  void failSurface(int slot, SurfaceStep step) { surfaceFailures_[slot] = step; }
  // Messages that processEvents delivers, in order.
  void post(int slot, const WindowEvent& event) { queue_.emplace_back(slot, event); }
  void advanceClock(double ms) { clockMs_ += ms; }

  // Inspection.
  HeadlessMenu& headlessMenu() { return menu_; }
  HeadlessSurface* surface(int slot) const;
  // The live modeless dialog of that resource, or null.
  HeadlessDialog* dialog(int resourceId) const;
  const std::vector<MessageRecord>& messages() const { return messages_; }
  const std::vector<FileDialogRecord>& fileDialogs() const { return fileDialogs_; }
  const std::vector<int>& modalDialogsRun() const { return modalRuns_; }
  // The tool and arguments of each run, in order.
  const std::vector<std::vector<std::string>>& toolRuns() const { return toolRuns_; }
  // Surfaces from bottom to top of the z-order among siblings of the main window.
  const std::vector<int>& zOrder() const { return zOrder_; }
  int focusedSlot() const { return focused_; }
  const std::string& documentPath() const { return documentPath_; }
  bool documentUnsaved() const { return documentUnsaved_; }
  // Oldest first.
  const std::vector<std::string>& recentFiles() const { return recentFiles_; }
  // Runs inside the next modal dialog of that resource, e.g. to press a button.
  void scriptModal(int resourceId, std::function<void(HeadlessDialog&)> script);

  // Used by the surfaces and dialogs themselves.
  void forget(HeadlessSurface& surface);
  void forget(HeadlessDialog& dialog);
  void raise(int slot);
  void lower(int slot);
  void setFocus(int slot) { focused_ = slot; }

 private:
  std::string nextFileAnswer(const std::string& caption, const FileFilter& filter, FileDialogKind kind);

  ScreenMetrics screen_;
  int busyDepth_ = 0;
  int busySpells_ = 0;
  double clockMs_ = 0.0;
  DeliveryFlag delivered_;
  HeadlessMenu menu_;
  std::map<int, HeadlessSurface*> surfaces_;
  std::vector<HeadlessDialog*> dialogs_;
  std::map<int, SurfaceStep> surfaceFailures_;
  std::deque<MessageResult> messageAnswers_;
  std::deque<std::string> fileAnswers_;
  std::deque<ToolOutcome> toolAnswers_;
  std::vector<std::vector<std::string>> toolRuns_;
  std::deque<std::pair<int, WindowEvent>> queue_;
  std::vector<MessageRecord> messages_;
  std::vector<FileDialogRecord> fileDialogs_;
  std::vector<int> modalRuns_;
  std::map<int, std::function<void(HeadlessDialog&)>> modalScripts_;
  std::vector<int> zOrder_;
  int focused_ = -1;
  std::string documentPath_;
  bool documentUnsaved_ = false;
  std::vector<std::string> recentFiles_;
};

}  // namespace ductora::platform::headless
