#include "platform/headless/headless_platform.h"

#include <algorithm>
#include <stdexcept>

#include "resources/dialog_table.h"

namespace ductora::platform::headless {

HeadlessPlatform::HeadlessPlatform(ScreenMetrics screen) : screen_(screen) {}

HeadlessPlatform::~HeadlessPlatform() = default;

SurfaceCreation HeadlessPlatform::createSurface(const SurfaceSpec& plan) {
  SurfaceStep failAt = SurfaceStep::kNone;
  if (const auto found = surfaceFailures_.find(plan.slot); found != surfaceFailures_.end()) {
    failAt = found->second;
    surfaceFailures_.erase(found);
  }
  SurfaceCreation creation;
  if (failAt == SurfaceStep::kRegisterClass || failAt == SurfaceStep::kWindow) {
    creation.failedStep = failAt;
    return creation;
  }
  SurfaceSpec watched = plan;
  watched.procedure = delivered_.watch(plan.procedure);
  auto surface = std::make_unique<HeadlessSurface>(*this, watched);
  HeadlessSurface* made = surface.get();
  surfaces_[plan.slot] = made;
  if (plan.parent != nullptr) zOrder_.push_back(plan.slot);
  creation.surface = std::move(surface);
  for (const SurfaceStep step : {SurfaceStep::kDeviceContext, SurfaceStep::kPixelFormat,
                                 SurfaceStep::kSetPixelFormat, SurfaceStep::kContext}) {
    bool done = step != failAt;
    if (done && step == SurfaceStep::kDeviceContext) done = made->createBuffer();
    if (done && step == SurfaceStep::kContext) done = made->createContext();
    if (!done) {
      creation.failedStep = step;
      return creation;
    }
  }
  return creation;
}

std::unique_ptr<Dialog> HeadlessPlatform::createDialog(int resourceId, DialogProc procedure) {
  const resources::DialogTable* table = resources::FindDialog(resourceId);
  if (table == nullptr) return nullptr;
  auto dialog = std::make_unique<HeadlessDialog>(*table, delivered_.watch(std::move(procedure)), this);
  dialogs_.push_back(dialog.get());
  return dialog;
}

int HeadlessPlatform::runModalDialog(int resourceId, DialogProc procedure) {
  const resources::DialogTable* table = resources::FindDialog(resourceId);
  if (table == nullptr) return -1;
  modalRuns_.push_back(resourceId);
  HeadlessDialog dialog(*table, std::move(procedure), nullptr);
  dialog.show();
  // Showing a dialog paints it.
  dialog.send({DialogEvent::Kind::kPaint});
  if (const auto script = modalScripts_.find(resourceId); script != modalScripts_.end()) {
    auto run = std::move(script->second);
    modalScripts_.erase(script);
    run(dialog);
  }
  // Unscripted, the user presses OK.
  if (!dialog.ended()) dialog.send({DialogEvent::Kind::kCommand, resources::kIdOk});
  return dialog.ended() ? dialog.result() : -1;
}

void HeadlessPlatform::scriptModal(int resourceId, std::function<void(HeadlessDialog&)> script) {
  modalScripts_[resourceId] = std::move(script);
}

MessageResult HeadlessPlatform::messageBox(const std::string& text, const std::string& caption,
                                           MessageButtons buttons, MessageIcon icon) {
  messages_.push_back({text, caption, buttons, icon});
  if (buttons == MessageButtons::kOk) return MessageResult::kOk;
  if (messageAnswers_.empty()) throw std::logic_error("unanswered message box: " + text);
  const MessageResult answer = messageAnswers_.front();
  messageAnswers_.pop_front();
  return answer;
}

std::string HeadlessPlatform::openFileDialog(const std::string& caption, const FileFilter& filter) {
  return nextFileAnswer(caption, filter, FileDialogKind::kOpen);
}

std::string HeadlessPlatform::saveFileDialog(const std::string& caption, const FileFilter& filter) {
  return nextFileAnswer(caption, filter, FileDialogKind::kSave);
}

void HeadlessPlatform::runTool(const std::string&, const std::string& tool,
                               const std::vector<std::string>& arguments, ToolDone done) {
  std::vector<std::string> run{tool};
  run.insert(run.end(), arguments.begin(), arguments.end());
  toolRuns_.push_back(std::move(run));
  ToolOutcome outcome;
  if (!toolAnswers_.empty()) {
    outcome = std::move(toolAnswers_.front());
    toolAnswers_.pop_front();
  }
  done(outcome);
}

std::string HeadlessPlatform::nextFileAnswer(const std::string& caption, const FileFilter& filter,
                                             FileDialogKind kind) {
  fileDialogs_.push_back({caption, filter, kind});
  if (fileAnswers_.empty()) return {};
  std::string answer = std::move(fileAnswers_.front());
  fileAnswers_.pop_front();
  return answer;
}

void HeadlessPlatform::processEvents() {
  while (!queue_.empty()) {
    const auto [slot, event] = queue_.front();
    queue_.pop_front();
    if (HeadlessSurface* target = surface(slot)) target->send(event);
  }
}

HeadlessSurface* HeadlessPlatform::surface(int slot) const {
  const auto found = surfaces_.find(slot);
  return found == surfaces_.end() ? nullptr : found->second;
}

HeadlessDialog* HeadlessPlatform::dialog(int resourceId) const {
  for (auto it = dialogs_.rbegin(); it != dialogs_.rend(); ++it) {
    if ((*it)->resourceId() == resourceId) return *it;
  }
  return nullptr;
}

void HeadlessPlatform::forget(HeadlessSurface& surface) {
  if (const auto found = surfaces_.find(surface.slot());
      found != surfaces_.end() && found->second == &surface) {
    surfaces_.erase(found);
    std::erase(zOrder_, surface.slot());
  }
}

void HeadlessPlatform::forget(HeadlessDialog& dialog) { std::erase(dialogs_, &dialog); }

void HeadlessPlatform::raise(int slot) {
  std::erase(zOrder_, slot);
  zOrder_.push_back(slot);
}

void HeadlessPlatform::lower(int slot) {
  std::erase(zOrder_, slot);
  zOrder_.insert(zOrder_.begin(), slot);
}

}  // namespace ductora::platform::headless
