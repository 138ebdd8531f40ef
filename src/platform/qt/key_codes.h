#pragma once

#include <QKeyEvent>
#include <optional>

#include "platform/window_event.h"

namespace ductora::platform::qt {

// The virtual-key code of a Qt key, or 0 for keys the shell does not know.
int virtualKeyCode(int qtKey);

// What a key press or release reports to the shell: nothing for keys it does not know, nor for
// the releases of a held key's repeats.
std::optional<KeyEvent> shellKeyEvent(const QKeyEvent& event);

}  // namespace ductora::platform::qt
