#pragma once

namespace ductora::platform::qt {

// The virtual-key code of a Qt key, or 0 for keys the shell does not know.
int VirtualKeyCode(int qtKey);

}  // namespace ductora::platform::qt
