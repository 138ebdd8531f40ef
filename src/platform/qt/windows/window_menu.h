#pragma once

class QMdiArea;
class QMenu;
class QMenuBar;

namespace ductora::platform::qt {

// Window: Tile, Cascade and Arrange Panels, then every open panel and tool window, to bring
// one to the front from the keyboard.
void addWindowMenu(QMenuBar& bar, QMdiArea& area);

}  // namespace ductora::platform::qt
