#include "platform/qt/key_codes.h"

#include <Qt>

namespace ductora::platform::qt {

int VirtualKeyCode(int qtKey) {
  switch (qtKey) {
    case Qt::Key_Left:
      return 37;
    case Qt::Key_Up:
      return 38;
    case Qt::Key_Right:
      return 39;
    case Qt::Key_Down:
      return 40;
    case Qt::Key_Space:
      return 32;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return 13;
    case Qt::Key_Escape:
      return 27;
    case Qt::Key_Shift:
      return 16;
    case Qt::Key_Control:
      return 17;
    default:
      break;
  }
  // Letters and digits share their codes.
  if ((qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) || (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z)) return qtKey;
  return 0;
}

std::optional<KeyEvent> ShellKeyEvent(const QKeyEvent& event) {
  const bool down = event.type() == QEvent::KeyPress;
  if (!down && event.isAutoRepeat()) return std::nullopt;
  const int code = VirtualKeyCode(event.key());
  if (code == 0) return std::nullopt;
  return KeyEvent{code, down};
}

}  // namespace ductora::platform::qt
