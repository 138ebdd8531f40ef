#pragma once

#include <QRect>
#include <QSize>

class QWidget;

namespace ductora::platform::qt {

// The part of the screen a top-level window may take: the available geometry of the screen it
// stands on (the primary one before it is placed), free of panels and docks.
QRect screenRoom(const QWidget& window);
// What the window manager adds around a window's client area, estimated before it is mapped.
QSize frameAllowance(const QWidget& window);
// The client size a window takes when shown: what its contents ask, as far as the room allows,
// and preferred too (the owner's client area, below its menu bar) where the least size fits
// there; never below the least size its layout takes.
QSize fittedSize(const QWidget& window, QSize wanted, QRect preferred = {});
// The top left corner nearest to at that puts the whole frame inside the room, and inside
// preferred too (the owner's client area, below its menu bar) where the frame fits there.
QPoint placedInRoom(const QWidget& window, QPoint at, QSize size, QRect preferred = {});

}  // namespace ductora::platform::qt
