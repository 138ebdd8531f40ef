#pragma once

#include <QListWidget>
#include <vector>

class QLabel;

namespace ductora::platform::qt {

// A list box whose lines are a table: a label beside each line, and headers over the fields of the
// lines (the first over the labels). They are placed from where the list draws its lines, so they
// stay in line with them at any font, scale and scroll, whatever the widths of the fields.
class TableList : public QListWidget {
 public:
  TableList();

  // The label beside the next line.
  void addRowLabel(QLabel* label);
  // The header over the row labels, then over the next field of the lines.
  void addColumnHeader(QLabel* header);
  // The room the row labels take beside the lines.
  int rowLabelWidth() const { return viewportMargins().left(); }
  // Asks for that width, to show its lines without scrolling; it may still be made narrower.
  void widenTo(int width);
  QSize sizeHint() const override;

 protected:
  void updateGeometries() override;
  void scrollContentsBy(int dx, int dy) override;

 private:
  void reserveMargins();
  void placeLabels();
  void showEveryLabeledLine();
  int textLeft(const QListWidgetItem& line) const;

  QWidget* rowStrip_;     // left of the lines
  QWidget* headerStrip_;  // above the row labels and the lines
  std::vector<QLabel*> rowLabels_;
  std::vector<QLabel*> headers_;
  int wantedWidth_ = 0;
};

}  // namespace ductora::platform::qt
