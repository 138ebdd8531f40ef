#include "platform/qt/windows/panel_surface.h"

#include <QCloseEvent>
#include <QRect>
#include <QWidget>

#include "platform/qt/widgets/kept_geometry.h"
#include "platform/qt/window_pixmaps.h"
#include "platform/qt/windows/backdrop.h"
#include "platform/qt/windows/panel_arrangement.h"

namespace ductora::platform::qt {
namespace {

// The close box hides or keeps the panel by what its procedure decides; Qt must not close it.
class CloseToProcedure : public QObject {
 public:
  CloseToProcedure(QObject* parent, WindowProc procedure)
      : QObject(parent), procedure_(std::move(procedure)) {}

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() != QEvent::Close) return false;
    event->ignore();
    if (procedure_) procedure_(CloseEvent{});
    return true;
  }

 private:
  WindowProc procedure_;
};

}  // namespace

void PanelSurface::create(MainWindow& window, const SurfaceSpec& plan, SurfaceCreation& creation) {
  std::unique_ptr<PanelSurface> surface(new PanelSurface());
  auto* glWindow = new GlWindow(plan.procedure);
  // The window goes with the surface, which therefore outlives every call.
  glWindow->setUncovered([owner = surface.get()] { owner->showLastFrame(); });
  glWindow->setBlocked([owner = surface.get()](bool blocked) { owner->keepLastFrame(blocked); });
  glWindow->setCursor(windowCursor(plan.cursorId));
  QWidget* container = QWidget::createWindowContainer(glWindow);
  container->setFocusPolicy(Qt::StrongFocus);
  container->setMinimumSize(1, 1);
  auto* subWindow = new QMdiSubWindow();
  subWindow->setWidget(container);
  subWindow->setAttribute(Qt::WA_DeleteOnClose, false);
  subWindow->setWindowTitle(QString::fromStdString(plan.className));
  subWindow->setWindowIcon(windowIcon(plan.iconId));
  subWindow->installEventFilter(new CloseToProcedure(subWindow, plan.procedure));
  subWindow->setStyle(window.subWindowStyle());
  window.area().addSubWindow(subWindow);
  surface->subWindow_ = subWindow;
  surface->glWindow_ = glWindow;
  creation.surface = std::move(surface);

  auto* made = static_cast<PanelSurface*>(creation.surface.get());
  subWindow->move(plan.geometry.x, plan.geometry.y);
  subWindow->show();
  // Size the client area, not the frame.
  const QMargins margins = subWindow->contentsMargins();
  subWindow->resize(plan.geometry.width + margins.left() + margins.right(),
                    plan.geometry.height + margins.top() + margins.bottom());
  if (plan.backdrop) {
    makeBackdrop(*subWindow);
  } else {
    rememberLayout(*subWindow,
                   QRect(plan.geometry.x, plan.geometry.y, plan.geometry.width, plan.geometry.height),
                   window.viewport()->width());
    made->geometryKey_ = QString::fromStdString(plan.className);
    if (restorePanelGeometry(*subWindow, made->geometryKey_)) bringIntoArea(*subWindow);
  }
  if (!plan.show) subWindow->hide();

  glWindow->create();
  if (glWindow->handle() == nullptr) {
    creation.failedStep = SurfaceStep::kDeviceContext;
    return;
  }
  made->context_ = std::make_unique<QOpenGLContext>();
  made->context_->setFormat(glWindow->requestedFormat());
  if (!made->context_->create()) {
    creation.failedStep = SurfaceStep::kContext;
    return;
  }
  if (made->context_->format().depthBufferSize() < 16) creation.failedStep = SurfaceStep::kPixelFormat;
}

PanelSurface::~PanelSurface() {
  keepGeometry();
  context_.reset();
  delete subWindow_.data();
}

bool PanelSurface::makeCurrent() { return context_ != nullptr && context_->makeCurrent(glWindow_); }

void PanelSurface::swapBuffers() {
  if (context_ == nullptr || !glWindow_->isExposed()) return;
  context_->swapBuffers(glWindow_);
}

void PanelSurface::inOwnContext(const std::function<void()>& work) {
  // Whatever was current stays current afterwards: between frames that is the pipe view's.
  QOpenGLContext* current = QOpenGLContext::currentContext();
  QSurface* currentSurface = current != nullptr ? current->surface() : nullptr;
  if (!context_->makeCurrent(glWindow_)) return;
  work();
  if (current == nullptr) {
    context_->doneCurrent();
  } else if (current != context_.get()) {
    current->makeCurrent(currentSurface);
  }
}

void PanelSurface::keepLastFrame(bool blocked) {
  // No frame comes while a modal dialog runs. The back buffer still holds the frame last shown
  // (the software rasteriser swaps by copying), kept then and only then: a copy at every swap
  // would cost every frame milliseconds.
  if (!blocked) {
    lastFrame_.drop();
    return;
  }
  if (context_ == nullptr || glWindow_ == nullptr || !glWindow_->isExposed()) return;
  inOwnContext([this] { lastFrame_.keep(glWindow_->pixelWidth(), glWindow_->pixelHeight()); });
}

void PanelSurface::showLastFrame() {
  if (context_ == nullptr || glWindow_ == nullptr || !glWindow_->isExposed() || !lastFrame_.kept()) return;
  inOwnContext([this] {
    lastFrame_.draw(glWindow_->pixelWidth(), glWindow_->pixelHeight());
    context_->swapBuffers(glWindow_);
  });
}

Size PanelSurface::clientSize() const { return {glWindow_->pixelWidth(), glWindow_->pixelHeight()}; }

void PanelSurface::show() {
  if (!subWindow_) return;
  subWindow_->show();
  // A panel left outside the area when the main window was made smaller is brought back into sight.
  bringIntoArea(*subWindow_);
}

void PanelSurface::hide() {
  if (subWindow_) subWindow_->hide();
}

void PanelSurface::raise() {
  if (subWindow_) subWindow_->raise();
}

void PanelSurface::lower() {
  if (subWindow_) subWindow_->lower();
}

void PanelSurface::focus() {
  if (!subWindow_ || subWindow_->widget() == nullptr) return;
  subWindow_->window()->activateWindow();
  subWindow_->widget()->setFocus();
}

void PanelSurface::setTitle(const std::string& title) {
  if (subWindow_) subWindow_->setWindowTitle(QString::fromStdString(title));
}

std::string PanelSurface::title() const { return subWindow_ ? subWindow_->windowTitle().toStdString() : ""; }

bool PanelSurface::releaseContext() {
  if (context_ != nullptr && QOpenGLContext::currentContext() == context_.get()) context_->doneCurrent();
  context_.reset();
  return true;
}

bool PanelSurface::releaseDeviceContext() {
  if (glWindow_ != nullptr) glWindow_->destroy();
  return true;
}

void PanelSurface::keepGeometry() const {
  if (subWindow_ && !geometryKey_.isEmpty()) keepPanelGeometry(*subWindow_, geometryKey_);
}

bool PanelSurface::destroyWindow() {
  keepGeometry();
  delete subWindow_.data();
  glWindow_ = nullptr;
  return true;
}

}  // namespace ductora::platform::qt
