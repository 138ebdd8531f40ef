#pragma once

#include <array>
#include <memory>
#include <string>

#include "platform/platform.h"

namespace ductora {

struct GlWindowSlot {
  std::unique_ptr<platform::Surface> surface;  // a slot exists while this is set
  std::string className;
  int width = 0;  // client size last reported
  int height = 0;
  bool shown = false;
};

// One GL window and context per slot: 0 the main window, 1 the pipe view, 2-18 the panels.
// Every failure is reported to the user here; callers need not check.
class GlWindowSet {
 public:
  static constexpr int kSlotCount = 20;
  static constexpr int kLastCreatableSlot = 18;
  static constexpr int kNoParent = -1;

  explicit GlWindowSet(platform::Platform& platform) : platform_(platform) {}

  // Geometry is the client area. A parent slot that does not exist fails as window creation.
  // A backdrop child fills its parent, maximised, below its siblings.
  bool create(int slot, const std::string& className, const platform::Geometry& geometry,
              platform::WindowProc procedure, int parentSlot, bool show, bool backdrop = false);
  bool makeCurrent(int slot);
  // Swaps the slot last made current.
  void swapBuffers();
  void kill(int slot);

  platform::Surface* window(int slot) const;
  int width(int slot) const;
  int height(int slot) const;
  void setSize(int slot, int width, int height);
  bool isShown(int slot) const;
  void show(int slot);
  void hide(int slot);
  void focus(int slot);
  void raise(int slot);
  void lower(int slot);
  void setTitle(int slot, const std::string& title);
  int currentSlot() const { return current_; }

 private:
  GlWindowSlot* find(int slot);
  const GlWindowSlot* find(int slot) const;
  void error(const std::string& text);
  void shutdownError(const std::string& text);

  platform::Platform& platform_;
  std::array<GlWindowSlot, kSlotCount> slots_;
  int current_ = 0;
};

}  // namespace ductora
