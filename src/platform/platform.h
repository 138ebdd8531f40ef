#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/dialog.h"
#include "platform/menu.h"
#include "platform/surface.h"

namespace ductora::platform {

enum class MessageButtons { kOk, kYesNo, kYesNoCancel };
enum class MessageIcon { kNone, kWarning, kInformation };
enum class MessageResult { kOk, kYes, kNo, kCancel };

struct FileFilter {
  std::string name;     // "Corvix Files"
  std::string pattern;  // "*.kqvw"
};

// The primary screen in logical pixels, the units windows are placed in.
struct ScreenMetrics {
  int width = 0;
  int height = 0;
  int edge = 0;             // width of a sunken 3D edge
  double pixelRatio = 1.0;  // device pixels per logical pixel
};

// Creation result: on failure, what had been built before the failing step, for the caller
// to tear down.
struct SurfaceCreation {
  std::unique_ptr<Surface> surface;
  SurfaceStep failedStep = SurfaceStep::kNone;
};

// How a run of one of the program's tools ended.
struct ToolOutcome {
  enum class End { kFinished, kCancelled, kNotStarted };
  End end = End::kNotStarted;
  int exitCode = -1;
  std::string messages;  // what it wrote on stderr, its progress lines left out
};
using ToolDone = std::function<void(const ToolOutcome&)>;

// Everything the shell asks of the windowing system.
class Platform {
 public:
  virtual ~Platform() = default;

  virtual SurfaceCreation createSurface(const SurfaceSpec& plan) = 0;
  // A modeless dialog from its resource table, created hidden. Null for an unknown id.
  virtual std::unique_ptr<Dialog> createDialog(int resourceId, DialogProc procedure) = 0;
  // Runs a modal dialog until its procedure ends it; returns the result given to end, or -1
  // for an unknown id.
  virtual int runModalDialog(int resourceId, DialogProc procedure) = 0;
  virtual Menu& menu() = 0;
  virtual MessageResult messageBox(const std::string& text, const std::string& caption,
                                   MessageButtons buttons, MessageIcon icon) = 0;
  // The chosen path, or "" when cancelled.
  virtual std::string openFileDialog(const std::string& caption, const FileFilter& filter) = 0;
  // A name to write to, which may not exist yet; the user has agreed to replace an existing
  // file of exactly that name. "" when cancelled.
  virtual std::string saveFileDialog(const std::string& caption, const FileFilter& filter) = 0;
  // Starts one of the program's own tools (found beside the program) and returns at once: a
  // progress dialog follows the "progress K/N" lines it writes on stderr, and its Cancel asks the
  // tool to stop (SIGTERM). `done` is called from processEvents once it has ended; the windows
  // keep drawing meanwhile.
  virtual void runTool(const std::string& caption, const std::string& tool,
                       const std::vector<std::string>& arguments, ToolDone done) = 0;
  // Milliseconds of a steady clock.
  virtual double nowMs() const = 0;
  virtual ScreenMetrics screen() const = 0;
  // The main window's title: the document's file, a marker for unsaved changes, the program's
  // name. An empty path names no document.
  virtual void showDocument(const std::string& path, bool unsavedChanges) = 0;
  // A file opened: first in the recent files, which outlive the run.
  virtual void addRecentFile(const std::string& path) = 0;
  // Delivers the messages waiting, if any, to their procedures; never waits.
  virtual void processEvents() = 0;
  // Whether any message reached a window or dialog procedure (paint notices aside) since the
  // last call, wherever it was delivered.
  virtual bool takeMessagesHandled() = 0;
  // Sleeps until a message arrives (delivering it) or timeoutMs have passed.
  virtual void waitForEvents(double timeoutMs) = 0;
  // Paces frames: sleeps until the display's next refresh, delivering what arrives meanwhile.
  // One wait per frame, however many windows it drew.
  virtual void waitForNextFrame() = 0;
  // The display's refresh period: one frame's worth of time.
  virtual double frameIntervalMs() const = 0;
  // The busy cursor, shown at once, while the operator waits for work that holds the loop up;
  // calls nest.
  virtual void setBusy(bool busy) = 0;
};

}  // namespace ductora::platform
