#include "platform/qt/widgets/qt_dialog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSlider>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>
#include <algorithm>
#include <array>

#include "platform/qt/key_codes.h"
#include "platform/qt/widgets/kept_geometry.h"
#include "platform/qt/widgets/screen_room.h"
#include "platform/qt/widgets/table_list.h"
#include "platform/qt/windows/window_manager.h"
#include "resources/bitmaps.h"

namespace ductora::platform::qt {

namespace {

// A window manager frames a new window within a few milliseconds, a busy one later.
constexpr std::array kFramingMs = {100, 600};
// Wider than any window manager's border and title, in pixels.
constexpr int kLargestBorder = 200;

// The client area of the dialog's owner, below its menu bar, on the screen; none without one.
QRect ownerArea(const QWidget& dialog) {
  const auto* owner = qobject_cast<const QMainWindow*>(dialog.parentWidget());
  const QWidget* area = owner != nullptr && owner->isVisible() ? owner->centralWidget() : nullptr;
  return area == nullptr ? QRect() : QRect(area->mapToGlobal(QPoint()), area->size());
}

// Holds the controls: scrolls them when the dialog is made smaller than they ask, and asks for
// their whole size, which a scroll area otherwise caps. Keys go on to the dialog.
class DialogBody : public QScrollArea {
 public:
  DialogBody() {
    setWidgetResizable(true);
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::NoFocus);
  }
  QSize sizeHint() const override {
    return widget() == nullptr ? QScrollArea::sizeHint() : widget()->sizeHint();
  }

 protected:
  void keyPressEvent(QKeyEvent* event) override { event->ignore(); }
};

}  // namespace

// Turns the dialog's close box, Escape and keys into messages for its procedure.
class DialogWindow : public QDialog {
 public:
  DialogWindow(QtDialog& owner, QWidget* parent) : QDialog(parent), owner_(owner) {}

  void reject() override { owner_.deliver({DialogEvent::Kind::kCommand, resources::kIdCancel}); }
  // The widget the controls are laid out in.
  QWidget* body() {
    if (body_ == nullptr) {
      auto* scroll = new DialogBody();
      body_ = new QWidget();
      body_->installEventFilter(this);
      scroll->setWidget(body_);
      auto* outer = new QVBoxLayout(this);
      outer->setContentsMargins(0, 0, 0, 0);
      outer->addWidget(scroll);
    }
    return body_;
  }
  // The whole of the controls and of the title, as far as the screen has room. The title bar
  // shows the program's name after the title, in a bold face, beside the window's buttons.
  QSize wantedSize() const {
    QFont titleFont = QApplication::font("QMdiSubWindowTitleBar");
    titleFont.setBold(true);
    const QString shown =
        windowTitle() + QStringLiteral(" \u2014 ") + QGuiApplication::applicationDisplayName();
    const int buttons = 5 * style()->pixelMetric(QStyle::PM_TitleBarHeight);
    const int title = QFontMetrics(titleFont).horizontalAdvance(shown) * 5 / 4 + buttons;
    return fittedSize(*this, sizeHint().expandedTo(QSize(title, 0)), ownerArea(*this));
  }
  void setVisible(bool visible) override {
    // Sized at its first showing; the user's size is kept after that.
    if (visible && !sized_) {
      sized_ = true;
      ensurePolished();
      resize(wantedSize());
      if (isToolWindow()) restoreWindowPlace(*this, geometryKey());
    }
    if (!visible && isVisible() && isToolWindow()) keepWindowPlace(*this, geometryKey());
    QDialog::setVisible(visible);
  }

 protected:
  void closeEvent(QCloseEvent* event) override {
    event->ignore();
    owner_.deliver({DialogEvent::Kind::kClose});
  }
  void keyPressEvent(QKeyEvent* event) override {
    if (const int code = virtualKeyCode(event->key())) owner_.deliver({DialogEvent::Kind::kKeyDown, code});
    // Escape cancels and Enter presses the default button, as in any dialog.
    const int key = event->key();
    if (key == Qt::Key_Escape || key == Qt::Key_Return || key == Qt::Key_Enter) QDialog::keyPressEvent(event);
  }
  void keyReleaseEvent(QKeyEvent* event) override {
    if (event->isAutoRepeat()) return;
    if (const int code = virtualKeyCode(event->key())) owner_.deliver({DialogEvent::Kind::kKeyUp, code});
  }
  // Placed where the program asks, a dialog is still pulled back until the whole of it shows;
  // again once the window manager has framed it, when the frame's size is known.
  void showEvent(QShowEvent* event) override {
    QDialog::showEvent(event);
    keepInRoom();
    for (const int ms : kFramingMs) QTimer::singleShot(ms, this, [this] { keepInRoom(); });
  }
  // Keys pressed on a control are the dialog's too (the arrows keep moving the view while a
  // button has the focus), and the control still gets them. A key the control passes on comes
  // again through keyPressEvent, as a repeated key does. Controls that ask for more room (a
  // readout grown with its value) widen the dialog while the screen has room.
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == body_) {
      // The body, opaque, covers the whole dialog: the dialog is drawn when it is.
      if (event->type() == QEvent::Paint) owner_.painted();
      if (event->type() == QEvent::LayoutRequest && isVisible())
        QMetaObject::invokeMethod(
            this, [this] { grow(); }, Qt::QueuedConnection);
      return false;
    }
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
      const auto* key = static_cast<QKeyEvent*>(event);
      const bool down = event->type() == QEvent::KeyPress;
      const int code = virtualKeyCode(key->key());
      if (code != 0 && (down || !key->isAutoRepeat()))
        owner_.deliver({down ? DialogEvent::Kind::kKeyDown : DialogEvent::Kind::kKeyUp, code});
    }
    return false;
  }

 private:
  void grow() {
    const QSize wider = size().expandedTo(wantedSize());
    if (wider == size()) return;
    resize(wider);
    keepInRoom();
  }
  void keepInRoom() {
    if (!isVisible()) return;
    // The frame, known now, may be larger than its estimate. A frame far larger than the window
    // is a busy window manager's passing state: shrinking to it once left a dialog of no size.
    const QSize frame = frameGeometry().size();
    const QSize border = frame - size();
    const bool framed = border.width() >= 0 && border.height() >= 0 && border.width() <= kLargestBorder &&
                        border.height() <= kLargestBorder;
    const QSize over = frame - screenRoom(*this).size();
    if (framed && (over.width() > 0 || over.height() > 0))
      resize((size() - over.expandedTo(QSize(0, 0))).expandedTo(minimumSizeHint()));
    const QPoint at = placedInRoom(*this, pos(), size(), ownerArea(*this));
    if (at != pos()) move(at);
  }

  // A tool window comes up where the user left it in the last run; a modal dialog afresh.
  bool isToolWindow() const { return windowType() == Qt::Tool; }
  QString geometryKey() const { return QStringLiteral("dialog-%1").arg(owner_.resourceId()); }

  QtDialog& owner_;
  QWidget* body_ = nullptr;
  bool sized_ = false;
};

namespace {

// A list or readout never asks for more than a screen's width.
constexpr int kWidestControl = 1200;

QString toQString(std::string_view value) {
  return QString::fromUtf8(value.data(), static_cast<qsizetype>(value.size()));
}

// Frames read the Navigator's speeds every time: short plain texts come out without a heap copy.
std::string toStdString(const QString& value) {
  std::string text(static_cast<std::size_t>(value.size()), '\0');
  for (qsizetype i = 0; i < value.size(); ++i) {
    const char16_t code = value[i].unicode();
    if (code >= 0x80) return value.toStdString();
    text[static_cast<std::size_t>(i)] = static_cast<char>(code);
  }
  return text;
}

// A readout is kept as wide as the longest value it has shown, so no digit of one is hidden. Its
// size hint makes room for 17 'x' inside the frame and margins; the cursor and rounding take 2 more.
void widenToText(QLineEdit& edit) {
  const QFontMetrics metrics = edit.fontMetrics();
  const int wanted = edit.sizeHint().width() + metrics.horizontalAdvance(edit.text()) -
                     17 * metrics.horizontalAdvance(QLatin1Char('x')) + 2;
  if (wanted > edit.minimumWidth()) edit.setMinimumWidth(std::min(wanted, kWidestControl));
}

// Reports the release of the mouse button after any press on the slider, on the thumb or
// beside it, as a trackbar reports giving up the mouse capture.
class DialogSlider : public QSlider {
 public:
  explicit DialogSlider(std::function<void()> onRelease)
      : QSlider(Qt::Horizontal), onRelease_(std::move(onRelease)) {}

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override {
    QSlider::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton) onRelease_();
  }

 private:
  std::function<void()> onRelease_;
};

}  // namespace

QtDialog::QtDialog(const resources::DialogTable& table, DialogProc procedure, QWidget* owner)
    : table_(table), procedure_(std::move(procedure)), window_(new DialogWindow(*this, owner)) {
  window_->setWindowTitle(toQString(table.caption));
  window_->setModal(table.modal);
  // A modeless dialog is a tool window of the program: it stays with the main window and has no
  // minimise box, which would iconify the whole program with it.
  if (!table.modal)
    window_->setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                            Qt::WindowCloseButtonHint);
  build();
}

QtDialog::~QtDialog() {
  if (window_) window_->hide();  // which keeps a tool window's place
  delete window_.data();
}

namespace {

using RowKey = std::pair<int, int>;  // (group, row)

// What a row of the table holds: its controls line up in the columns of their group's grid,
// a row of one control spans them, and a row of push buttons stays a button row of its own.
struct RowShape {
  int controls = 0;
  bool buttonsOnly = true;
};

std::map<RowKey, RowShape> rowShapes(const resources::DialogTable& table) {
  using resources::ControlKind;
  std::map<RowKey, RowShape> shapes;
  for (const resources::ControlEntry& entry : table.controls) {
    if (entry.kind == ControlKind::kRowLabel || entry.kind == ControlKind::kColumnHeader) continue;
    const int group = entry.kind == ControlKind::kGroupBox ? 0 : entry.group;
    RowShape& shape = shapes[{group, entry.row}];
    ++shape.controls;
    shape.buttonsOnly = shape.buttonsOnly &&
                        (entry.kind == ControlKind::kButton || entry.kind == ControlKind::kDefaultButton);
  }
  return shapes;
}

}  // namespace

void QtDialog::build() {
  using resources::ControlKind;
  const std::map<RowKey, RowShape> shapes = rowShapes(table_);
  std::map<int, QGridLayout*> grids{{0, new QGridLayout(window_->body())}};  // group number -> its grid
  std::map<RowKey, int> nextColumn;
  std::map<RowKey, QHBoxLayout*> buttonRows;
  TableList* list = nullptr;
  std::vector<QLabel*> rowLabels;
  std::vector<QLabel*> columnHeaders;
  // In a dialog without a default button, Enter in an edit presses the button beside it (the
  // Navigator's Jump).
  const bool hasDefault = std::ranges::any_of(table_.controls, [](const resources::ControlEntry& entry) {
    return entry.kind == ControlKind::kDefaultButton;
  });
  std::pair<RowKey, QLineEdit*> lastEdit{{-1, -1}, nullptr};
  auto place = [&](int group, int row, QWidget* widget) {
    QGridLayout* grid = grids.at(group);
    const RowShape& shape = shapes.at({group, row});
    if (shape.controls == 1) {
      // A lone button keeps its own width, in the middle.
      grid->addWidget(widget, row, 0, 1, -1, shape.buttonsOnly ? Qt::AlignHCenter : Qt::Alignment());
    } else if (shape.buttonsOnly) {
      QHBoxLayout*& buttons = buttonRows[{group, row}];
      if (buttons == nullptr) {
        buttons = new QHBoxLayout();
        grid->addLayout(buttons, row, 0, 1, -1);
      }
      buttons->addWidget(widget);
    } else {
      grid->addWidget(widget, row, nextColumn[{group, row}]++);
    }
  };
  for (const resources::ControlEntry& entry : table_.controls) {
    QWidget* widget = nullptr;
    switch (entry.kind) {
      case ControlKind::kLabel: {
        auto* label = new QLabel(toQString(entry.text));
        label->setWordWrap(true);
        widget = label;
        break;
      }
      case ControlKind::kButton:
      case ControlKind::kDefaultButton: {
        auto* button = new QPushButton(toQString(entry.text));
        // Only the default button answers Enter; Qt would otherwise press the first button of a
        // dialog without one (the Navigator's "<- Prev") when Enter is typed in an edit.
        button->setDefault(entry.kind == ControlKind::kDefaultButton);
        button->setAutoDefault(entry.kind == ControlKind::kDefaultButton);
        const int id = entry.id;
        QObject::connect(button, &QPushButton::clicked, button, [this, id] {
          deliver({DialogEvent::Kind::kCommand, id});
        });
        if (!hasDefault && lastEdit.second != nullptr && lastEdit.first == RowKey{entry.group, entry.row})
          QObject::connect(lastEdit.second, &QLineEdit::returnPressed, button, &QPushButton::click);
        widget = button;
        break;
      }
      case ControlKind::kEdit:
      case ControlKind::kReadOnlyEdit: {
        auto* edit = new QLineEdit(toQString(entry.text));
        if (entry.kind == ControlKind::kReadOnlyEdit) {
          edit->setReadOnly(true);
          edit->setFocusPolicy(Qt::NoFocus);
        }
        lastEdit = {{entry.group, entry.row}, edit};
        widget = edit;
        break;
      }
      case ControlKind::kCheckBox:
      case ControlKind::kRadioButton: {
        // A click reaches the procedure as a command, as a button's does.
        QAbstractButton* button = entry.kind == ControlKind::kCheckBox
                                      ? static_cast<QAbstractButton*>(new QCheckBox(toQString(entry.text)))
                                      : new QRadioButton(toQString(entry.text));
        const int id = entry.id;
        QObject::connect(button, &QAbstractButton::clicked, button, [this, id] {
          deliver({DialogEvent::Kind::kCommand, id});
        });
        widget = button;
        break;
      }
      case ControlKind::kSlider:
        widget = makeSlider(entry.id, Qt::Horizontal);
        break;
      case ControlKind::kVerticalSlider:
        widget = makeSlider(entry.id, Qt::Vertical);
        break;
      case ControlKind::kListBox:
        list = makeList(entry.id);
        widget = list;
        break;
      case ControlKind::kPicture:
        widget = makePicture(entry.id);
        break;
      case ControlKind::kGroupBox: {
        auto* box = new QGroupBox(toQString(entry.text));
        grids[entry.group] = new QGridLayout(box);
        // A group box stands in the row of the dialog that holds it.
        place(0, entry.row, box);
        if (entry.id != resources::kNoControlId) controls_[entry.id] = box;
        continue;
      }
      case ControlKind::kRowLabel:
      case ControlKind::kColumnHeader: {
        // Placed by the list they label, once it is made.
        auto* label = new QLabel(toQString(entry.text), window_);
        (entry.kind == ControlKind::kRowLabel ? rowLabels : columnHeaders).push_back(label);
        if (entry.id != resources::kNoControlId) controls_[entry.id] = label;
        continue;
      }
    }
    place(entry.group, entry.row, widget);
    widget->installEventFilter(window_);
    if (entry.id != resources::kNoControlId) controls_[entry.id] = widget;
  }
  if (list == nullptr) return;
  for (QLabel* label : rowLabels) list->addRowLabel(label);
  for (QLabel* header : columnHeaders) list->addColumnHeader(header);
}

QWidget* QtDialog::makeSlider(int id, Qt::Orientation orientation) {
  auto* slider = new DialogSlider([this, id] { deliver({DialogEvent::Kind::kSliderReleased, id}); });
  slider->setOrientation(orientation);
  // A trackbar's defaults.
  slider->setRange(0, 100);
  slider->setPageStep(20);
  slider->setTickInterval(1);
  slider->setTickPosition(QSlider::TicksBelow);
  // Only the user's changes arrive here: setSliderRange and setSliderPosition block the signal.
  QObject::connect(slider, &QSlider::valueChanged, slider, [this, id] {
    deliver({DialogEvent::Kind::kSliderMoved, id});
  });
  return slider;
}

QWidget* QtDialog::makePicture(int bitmapId) {
  auto* label = new QLabel();
  if (const std::optional<resources::Bitmap> bitmap = resources::LoadBitmap(bitmapId)) {
    const QImage image(bitmap->rgb.data(), bitmap->width, bitmap->height, bitmap->width * 3,
                       QImage::Format_RGB888);
    label->setPixmap(QPixmap::fromImage(image));  // a deep copy: the bitmap's bytes go with it
  }
  return label;
}

TableList* QtDialog::makeList(int id) {
  auto* list = new TableList();
  list->setSelectionMode(QAbstractItemView::SingleSelection);
  QObject::connect(list, &QListWidget::itemDoubleClicked, list, [this, id, list](QListWidgetItem* item) {
    list->setCurrentItem(item);
    deliver({DialogEvent::Kind::kListDoubleClick, id});
  });
  return list;
}

QWidget* QtDialog::control(int id) const {
  const auto found = controls_.find(id);
  return found == controls_.end() ? nullptr : found->second;
}

void QtDialog::setText(int id, const std::string& value) {
  QWidget* widget = control(id);
  const QString qtext = QString::fromStdString(value);
  if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
    edit->setText(qtext);
    if (edit->isReadOnly()) widenToText(*edit);
  } else if (auto* label = qobject_cast<QLabel*>(widget)) {
    label->setText(qtext);
  } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
    button->setText(qtext);
  } else if (auto* box = qobject_cast<QGroupBox*>(widget)) {
    box->setTitle(qtext);
  }
}

std::string QtDialog::text(int id) const {
  QWidget* widget = control(id);
  if (auto* edit = qobject_cast<QLineEdit*>(widget)) return toStdString(edit->text());
  if (auto* label = qobject_cast<QLabel*>(widget)) return toStdString(label->text());
  if (auto* button = qobject_cast<QAbstractButton*>(widget)) return toStdString(button->text());
  if (auto* box = qobject_cast<QGroupBox*>(widget)) return toStdString(box->title());
  return {};
}

void QtDialog::setChecked(int id, bool checked) {
  if (auto* button = qobject_cast<QAbstractButton*>(control(id))) button->setChecked(checked);
}

bool QtDialog::isChecked(int id) const {
  const auto* button = qobject_cast<QAbstractButton*>(control(id));
  return button != nullptr && button->isChecked();
}

void QtDialog::show() {
  if (!table_.modal) keepAboveActiveModal();
  // One the user minimised comes back.
  window_->setWindowState(window_->windowState() & ~Qt::WindowMinimized);
  window_->show();
  if (const QWindow* handle = window_->windowHandle();
      handle != nullptr && handle->transientParent() == nullptr)
    makeGroupTransient(*handle);
}

// A running modal dialog blocks every window outside its own family, and the window manager keeps
// it above them: a modeless window shown meanwhile (its help) becomes its transient, so it comes up
// above it and takes input beside it. Otherwise a tool window belongs to the program's windows as a
// whole rather than to the main window (see makeGroupTransient).
void QtDialog::keepAboveActiveModal() {
  QWidget* modal = QApplication::activeModalWidget();
  QWidget* keeper = modal != nullptr && modal != window_ ? modal : nullptr;
  window_->winId();  // the native window, so that it has a handle to set
  QWindow* handle = window_->windowHandle();
  QWindow* wanted = keeper != nullptr ? keeper->window()->windowHandle() : nullptr;
  if (handle == nullptr || handle->transientParent() == wanted) return;
  // The window manager reads the transient parent when the window is mapped.
  window_->hide();
  handle->setTransientParent(wanted);
}
void QtDialog::hide() { window_->hide(); }
bool QtDialog::isVisible() const { return window_->isVisible(); }
// The program places a dialog in its main window's client area.
void QtDialog::move(int x, int y) {
  const QRect area = ownerArea(*window_);
  const QPoint at = area.isNull() ? QPoint(x, y) : area.topLeft() + QPoint(x, y);
  window_->move(
      placedInRoom(*window_, at, window_->isVisible() ? window_->size() : window_->wantedSize(), area));
}
void QtDialog::focus() { window_->activateWindow(); }
void QtDialog::end(int result) { window_->done(result); }
int QtDialog::exec() { return window_->exec(); }
QDialog& QtDialog::widget() { return *window_; }

void QtDialog::setSliderRange(int id, int minimum, int maximum) {
  if (auto* slider = qobject_cast<QSlider*>(control(id))) {
    const QSignalBlocker quiet(slider);
    slider->setRange(minimum, maximum);  // clamps the position; a maximum below the minimum becomes it
  }
}

void QtDialog::setSliderPosition(int id, int position) {
  if (auto* slider = qobject_cast<QSlider*>(control(id))) {
    const QSignalBlocker quiet(slider);
    slider->setValue(position);
  }
}

int QtDialog::sliderPosition(int id) const {
  const auto* slider = qobject_cast<QSlider*>(control(id));
  return slider == nullptr ? 0 : slider->value();
}

void QtDialog::setSliderTickFrequency(int id, int frequency) {
  if (auto* slider = qobject_cast<QSlider*>(control(id))) slider->setTickInterval(frequency);
}

void QtDialog::setSliderPageSize(int id, int pageSize) {
  if (auto* slider = qobject_cast<QSlider*>(control(id))) slider->setPageStep(pageSize);
}

void QtDialog::clearList(int id) {
  if (auto* list = qobject_cast<QListWidget*>(control(id))) list->clear();
}

void QtDialog::addListLine(int id, const std::string& line) {
  auto* list = dynamic_cast<TableList*>(control(id));
  if (list == nullptr) return;
  const QString text = QString::fromStdString(line);
  list->addItem(text);
  // Wide enough for its widest line, so a table is read without scrolling sideways.
  const int wanted = list->fontMetrics().horizontalAdvance(text) + 2 * list->frameWidth() +
                     list->rowLabelWidth() + list->verticalScrollBar()->sizeHint().width() + 8;
  list->widenTo(std::min(wanted, kWidestControl));
}

void QtDialog::selectListLine(int id, int index) {
  auto* list = qobject_cast<QListWidget*>(control(id));
  if (list == nullptr || index < -1 || index >= list->count()) return;
  if (index == -1) {
    list->clearSelection();
    list->setCurrentItem(nullptr);
  } else {
    list->setCurrentRow(index);
  }
}

int QtDialog::selectedListIndex(int id) const {
  const auto* list = qobject_cast<QListWidget*>(control(id));
  if (list == nullptr) return -1;
  const QList<QListWidgetItem*> selected = list->selectedItems();
  return selected.isEmpty() ? -1 : list->row(selected.front());
}

int QtDialog::listLineCount(int id) const {
  const auto* list = qobject_cast<QListWidget*>(control(id));
  return list == nullptr ? 0 : list->count();
}

std::string QtDialog::listLine(int id, int index) const {
  const auto* list = qobject_cast<QListWidget*>(control(id));
  const QListWidgetItem* item = list == nullptr ? nullptr : list->item(index);
  return item == nullptr ? std::string() : item->text().toStdString();
}

void QtDialog::deliver(const DialogEvent& event) {
  if (procedure_) procedure_(*this, event);
}

// After the paint, not inside it: the procedure may write controls, hide or even destroy the
// dialog. Paints that come before the message is handled share it.
void QtDialog::painted() {
  if (paintPending_) return;
  paintPending_ = true;
  QMetaObject::invokeMethod(
      window_,
      [this] {
        paintPending_ = false;
        deliver({DialogEvent::Kind::kPaint});
      },
      Qt::QueuedConnection);
}

}  // namespace ductora::platform::qt
