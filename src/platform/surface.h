#pragma once

#include <string>

#include "platform/window_event.h"
#include "resources/window_images.h"

namespace ductora::platform {

// Window geometry in logical pixels, the units the desktop places windows in.
struct Geometry {
  int x = 0;
  int y = 0;
  int width = 0;  // client area
  int height = 0;
};

struct Size {
  int width = 0;
  int height = 0;
};

// The steps of making a GL window, in order; creation reports the one that failed.
enum class SurfaceStep {
  kNone,
  kRegisterClass,
  kWindow,
  kDeviceContext,
  kPixelFormat,
  kSetPixelFormat,
  kContext
};

class Surface;

struct SurfaceSpec {
  int slot = 0;
  std::string className;  // also the first title
  Geometry geometry;
  Surface* parent = nullptr;  // none: the main window, with the menu and maximised
  bool show = true;
  // The parent's backdrop: fills the parent's client area like a maximised child, caption in
  // reach, and stays below every sibling whatever is clicked.
  bool backdrop = false;
  WindowProc procedure;
  int iconId = resources::kProgramIconId;  // resource ids of the window's images
  int cursorId = resources::kCrosshairCursorId;
};

// One window with its own GL context (double-buffered RGBA, 16-bit depth, 1 stencil bit).
class Surface {
 public:
  virtual ~Surface() = default;

  virtual bool makeCurrent() = 0;
  virtual void swapBuffers() = 0;
  virtual Size clientSize() const = 0;
  virtual void show() = 0;
  virtual void hide() = 0;
  virtual void raise() = 0;
  virtual void lower() = 0;
  virtual void focus() = 0;
  virtual void setTitle(const std::string& title) = 0;
  virtual std::string title() const = 0;

  // Teardown in the order the window was built, so each failing step can be reported.
  virtual bool releaseContext() = 0;
  virtual bool releaseDeviceContext() = 0;
  virtual bool destroyWindow() = 0;
};

}  // namespace ductora::platform
