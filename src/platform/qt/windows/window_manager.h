#pragma once

class QWindow;

namespace ductora::platform::qt {

// Whether a window manager places the top-level windows, so that one maximises them. False
// only on an X display without one (a bare virtual display, as tests use).
bool windowManagerRunning();
// Makes a shown top-level window transient for the root window, which window managers read as
// transient for all of the program's windows: kept above them, yet minimised alone (a window
// transient for the main window takes it along). Qt names an unmanaged leader window instead,
// which they ignore.
void makeGroupTransient(const QWindow& window);

}  // namespace ductora::platform::qt
