#include "app/shell/gl_window_set.h"

namespace ductora {
namespace {

using platform::SurfaceStep;

const char* creationMessage(SurfaceStep step) {
  switch (step) {
    case SurfaceStep::kRegisterClass:
      return "Failed to register the window class.";
    case SurfaceStep::kWindow:
      return "Window creation error.";
    case SurfaceStep::kDeviceContext:
      return "Can't Create a gl device context.";
    case SurfaceStep::kPixelFormat:
      return "Can't find a suitable pixel format.";
    case SurfaceStep::kSetPixelFormat:
      return "Can't create a GL Rendering Context.";
    case SurfaceStep::kContext:
      return "Can't create a GL rendering context.";
    case SurfaceStep::kNone:
      break;
  }
  return "";
}

}  // namespace

GlWindowSlot* GlWindowSet::find(int slot) {
  return slot >= 0 && slot < kSlotCount ? &slots_[static_cast<std::size_t>(slot)] : nullptr;
}

const GlWindowSlot* GlWindowSet::find(int slot) const {
  return slot >= 0 && slot < kSlotCount ? &slots_[static_cast<std::size_t>(slot)] : nullptr;
}

void GlWindowSet::error(const std::string& text) {
  platform_.messageBox(text, "ERROR", platform::MessageButtons::kOk, platform::MessageIcon::kWarning);
}

void GlWindowSet::shutdownError(const std::string& text) {
  platform_.messageBox(text, "SHUTDOWN ERROR", platform::MessageButtons::kOk,
                       platform::MessageIcon::kInformation);
}

bool GlWindowSet::create(int slot, const std::string& className, const platform::Geometry& geometry,
                         platform::WindowProc procedure, int parentSlot, bool show, bool backdrop) {
  if (slot < 0 || slot > kLastCreatableSlot) return false;
  GlWindowSlot& target = slots_[static_cast<std::size_t>(slot)];
  target.className = className;
  target.width = geometry.width;
  target.height = geometry.height;

  platform::SurfaceSpec plan;
  plan.slot = slot;
  plan.className = className;
  plan.geometry = geometry;
  plan.show = show;
  plan.backdrop = backdrop;
  plan.procedure = std::move(procedure);
  platform::SurfaceCreation creation;
  if (parentSlot != kNoParent && window(parentSlot) == nullptr) {
    creation.failedStep = SurfaceStep::kWindow;
  } else {
    plan.parent = window(parentSlot);
    creation = platform_.createSurface(plan);
  }
  target.surface = std::move(creation.surface);
  if (creation.failedStep != SurfaceStep::kNone) {
    if (creation.failedStep != SurfaceStep::kRegisterClass) kill(slot);
    error(creationMessage(creation.failedStep));
    return false;
  }
  target.shown = show;
  if (show) target.surface->show();
  return true;
}

bool GlWindowSet::makeCurrent(int slot) {
  GlWindowSlot* target = find(slot);
  if (target == nullptr || target->surface == nullptr || !target->surface->makeCurrent()) {
    error("Can't activate the GL rendering context.");
    return false;
  }
  current_ = slot;
  return true;
}

void GlWindowSet::swapBuffers() {
  if (platform::Surface* surface = window(current_)) surface->swapBuffers();
}

void GlWindowSet::kill(int slot) {
  GlWindowSlot* target = find(slot);
  if (target == nullptr || target->surface == nullptr) return;
  platform::Surface& surface = *target->surface;
  if (!surface.releaseContext()) shutdownError("Release Rendering Context Failed.");
  if (!surface.releaseDeviceContext()) shutdownError("Release Device Context Failed.");
  if (!surface.destroyWindow()) shutdownError("Could not release hWnd.");
  target->surface.reset();
  target->shown = false;
}

platform::Surface* GlWindowSet::window(int slot) const {
  const GlWindowSlot* target = find(slot);
  return target == nullptr ? nullptr : target->surface.get();
}

int GlWindowSet::width(int slot) const {
  const GlWindowSlot* target = find(slot);
  return target == nullptr ? 0 : target->width;
}

int GlWindowSet::height(int slot) const {
  const GlWindowSlot* target = find(slot);
  return target == nullptr ? 0 : target->height;
}

void GlWindowSet::setSize(int slot, int width, int height) {
  if (GlWindowSlot* target = find(slot)) {
    target->width = width;
    target->height = height;
  }
}

bool GlWindowSet::isShown(int slot) const {
  const GlWindowSlot* target = find(slot);
  return target != nullptr && target->surface != nullptr && target->shown;
}

void GlWindowSet::show(int slot) {
  GlWindowSlot* target = find(slot);
  if (target == nullptr || target->surface == nullptr) return;
  target->surface->show();
  target->shown = true;
}

void GlWindowSet::hide(int slot) {
  GlWindowSlot* target = find(slot);
  if (target == nullptr || target->surface == nullptr) return;
  target->surface->hide();
  target->shown = false;
}

void GlWindowSet::focus(int slot) {
  if (platform::Surface* surface = window(slot)) surface->focus();
}

void GlWindowSet::raise(int slot) {
  if (platform::Surface* surface = window(slot)) surface->raise();
}

void GlWindowSet::lower(int slot) {
  if (platform::Surface* surface = window(slot)) surface->lower();
}

void GlWindowSet::setTitle(int slot, const std::string& title) {
  if (platform::Surface* surface = window(slot)) surface->setTitle(title);
}

}  // namespace ductora
