#pragma once

class QMdiSubWindow;

namespace ductora::platform::qt {

// Makes a sub-window its MDI area's backdrop: it fills the area's viewport with its caption in
// reach, follows the area's size, and goes back below its siblings whenever the area raises it
// (an MDI area raises the sub-window it activates, which a click or drag in it does).
void makeBackdrop(QMdiSubWindow& subWindow);
// Whether the sub-window was made its area's backdrop.
bool isBackdrop(const QMdiSubWindow& subWindow);

}  // namespace ductora::platform::qt
