#include "platform/qt/widgets/table_list.h"

#include <QFontDatabase>
#include <QLabel>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <algorithm>

namespace ductora::platform::qt {
namespace {

// Between the row labels and the lines.
constexpr int kLabelGap = 6;

// Where the n-th field (a run of characters between blanks) of a line ends, or -1 for none.
qsizetype fieldEnd(const QString& line, std::size_t field) {
  qsizetype at = 0;
  for (std::size_t seen = 0;; ++seen) {
    while (at < line.size() && line[at].isSpace()) ++at;
    if (at == line.size()) return -1;
    while (at < line.size() && !line[at].isSpace()) ++at;
    if (seen == field) return at;
  }
}

}  // namespace

TableList::TableList() : rowStrip_(new QWidget(this)), headerStrip_(new QWidget(this)) {
  // List lines are tables laid out in columns of characters.
  setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
}

void TableList::addRowLabel(QLabel* label) {
  label->setParent(rowStrip_);
  label->setFont(font());
  label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  rowLabels_.push_back(label);
  reserveMargins();
}

void TableList::addColumnHeader(QLabel* header) {
  header->setParent(headerStrip_);
  header->setFont(font());
  header->setAlignment(Qt::AlignRight | Qt::AlignBottom);
  headers_.push_back(header);
  reserveMargins();
}

// Room for row labels of four digits or the first header, and for the headers' height.
void TableList::reserveMargins() {
  int left = rowLabels_.empty() ? 0 : fontMetrics().horizontalAdvance(QStringLiteral("0000"));
  int top = 0;
  if (!headers_.empty()) left = std::max(left, headers_.front()->sizeHint().width());
  for (const QLabel* header : headers_) top = std::max(top, header->sizeHint().height());
  setViewportMargins(left == 0 ? 0 : left + kLabelGap, top, 0, 0);
}

void TableList::updateGeometries() {
  QListWidget::updateGeometries();
  showEveryLabeledLine();
  placeLabels();
}

void TableList::widenTo(int width) {
  if (width <= wantedWidth_) return;
  wantedWidth_ = width;
  updateGeometry();
}

QSize TableList::sizeHint() const {
  const QSize hint = QListWidget::sizeHint();
  return {std::max(hint.width(), wantedWidth_), hint.height()};
}

void TableList::scrollContentsBy(int dx, int dy) {
  QListWidget::scrollContentsBy(dx, dy);
  placeLabels();
}

// A table with row labels is tall enough for one line per label.
void TableList::showEveryLabeledLine() {
  if (rowLabels_.empty() || count() == 0) return;
  const int lines = static_cast<int>(rowLabels_.size()) * sizeHintForRow(0);
  const int frame = 2 * frameWidth();
  const int wanted = lines + viewportMargins().top() + frame +
                     (horizontalScrollBar()->isVisible() ? horizontalScrollBar()->height() : 0);
  if (minimumHeight() != wanted) setMinimumHeight(wanted);
}

void TableList::placeLabels() {
  const QRect lines = viewport()->geometry();
  const QMargins margins = viewportMargins();
  rowStrip_->setGeometry(lines.left() - margins.left(), lines.top(), margins.left(), lines.height());
  headerStrip_->setGeometry(lines.left() - margins.left(), lines.top() - margins.top(),
                            margins.left() + lines.width(), margins.top());
  for (std::size_t row = 0; row < rowLabels_.size(); ++row) {
    const QListWidgetItem* line = item(static_cast<int>(row));
    rowLabels_[row]->setVisible(line != nullptr);
    if (line == nullptr) continue;
    const QRect drawn = visualItemRect(line);
    rowLabels_[row]->setGeometry(0, drawn.top(), margins.left() - kLabelGap, drawn.height());
  }
  if (headers_.empty()) return;
  headers_.front()->setGeometry(0, 0, margins.left() - kLabelGap, margins.top());
  const QListWidgetItem* first = item(0);
  for (std::size_t field = 0; field + 1 < headers_.size(); ++field) {
    QLabel* header = headers_[field + 1];
    const qsizetype end = first == nullptr ? -1 : fieldEnd(first->text(), field);
    header->setVisible(end >= 0);
    if (end < 0) continue;
    const int right =
        margins.left() + textLeft(*first) + fontMetrics().horizontalAdvance(first->text().left(end));
    const int width = header->sizeHint().width();
    header->setGeometry(right - width, 0, width, margins.top());
  }
}

// The style draws a line's text in its text rectangle, a focus frame's margin in from the side.
int TableList::textLeft(const QListWidgetItem& line) const {
  QStyleOptionViewItem option;
  initViewItemOption(&option);
  option.rect = visualItemRect(&line);
  option.text = line.text();
  option.features |= QStyleOptionViewItem::HasDisplay;
  const int margin = style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1;
  return style()->subElementRect(QStyle::SE_ItemViewItemText, &option, this).left() + margin;
}

}  // namespace ductora::platform::qt
