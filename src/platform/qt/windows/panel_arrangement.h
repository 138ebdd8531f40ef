#pragma once

#include <QList>
#include <QRect>

class QMdiArea;
class QMdiSubWindow;

namespace ductora::platform::qt {

// Keeps where the program first put a panel's client area, in an area that wide: the layout
// Arrange Panels goes back to.
void rememberLayout(QMdiSubWindow& panel, QRect client, int areaWidth);
// The panels the user arranges: every shown sub-window but the backdrop, in the order made.
QList<QMdiSubWindow*> arrangeablePanels(const QMdiArea& area);
// Moves a panel back into its area, its top left corner first; one larger than the area is made
// as large as it.
void bringIntoArea(QMdiSubWindow& panel);
// Side by side in a grid that fills the area.
void tilePanels(QMdiArea& area);
// Each a caption lower and to the right of the one before, at its own size.
void cascadePanels(QMdiArea& area);
// The program's layout, scaled from the area it was made for to the area now.
void arrangePanels(QMdiArea& area);

}  // namespace ductora::platform::qt
