#pragma once

namespace ductora::platform::qt {

// Whether a window manager places the top-level windows, so that one maximises them. False
// only on an X display without one (a bare virtual display, as tests use).
bool windowManagerRunning();

}  // namespace ductora::platform::qt
