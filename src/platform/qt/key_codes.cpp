#include "platform/qt/key_codes.h"

#include <Qt>

namespace ductora::platform::qt {

int virtualKeyCode(int qtKey) {
  switch (qtKey) {
    case Qt::Key_Left:
      return kKeyLeft;
    case Qt::Key_Up:
      return kKeyUp;
    case Qt::Key_Right:
      return kKeyRight;
    case Qt::Key_Down:
      return kKeyDown;
    case Qt::Key_Space:
      return kKeySpace;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return kKeyReturn;
    case Qt::Key_Escape:
      return kKeyEscape;
    case Qt::Key_Shift:
      return kKeyShift;
    case Qt::Key_Control:
      return kKeyControl;
    default:
      break;
  }
  // Letters and digits share their codes.
  if ((qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) || (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z)) return qtKey;
  return 0;
}

std::optional<KeyEvent> shellKeyEvent(const QKeyEvent& event) {
  const bool down = event.type() == QEvent::KeyPress;
  if (!down && event.isAutoRepeat()) return std::nullopt;
  const int code = virtualKeyCode(event.key());
  if (code == 0) return std::nullopt;
  return KeyEvent{code, down};
}

}  // namespace ductora::platform::qt
