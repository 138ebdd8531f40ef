#include "platform/qt/windows/window_manager.h"

#include <QGuiApplication>
#include <QWindow>
#include <cstdlib>
#include <memory>

#if QT_CONFIG(xcb)
#include <xcb/xcb.h>
#endif

namespace ductora::platform::qt {

#if QT_CONFIG(xcb)
namespace {

template <typename Reply>
using XcbReply = std::unique_ptr<Reply, decltype(&std::free)>;

// The window a window's _NET_SUPPORTING_WM_CHECK names, or none. A window that no longer
// exists names none; its error is taken here, not left for Qt to report.
xcb_window_t supportingWindow(xcb_connection_t* connection, xcb_atom_t check, xcb_window_t window) {
  xcb_generic_error_t* error = nullptr;
  const XcbReply<xcb_get_property_reply_t> reply(
      xcb_get_property_reply(connection,
                             xcb_get_property(connection, 0, window, check, XCB_ATOM_WINDOW, 0, 1), &error),
      &std::free);
  std::free(error);
  if (reply == nullptr || xcb_get_property_value_length(reply.get()) != sizeof(xcb_window_t)) return XCB_NONE;
  return *static_cast<const xcb_window_t*>(xcb_get_property_value(reply.get()));
}

}  // namespace

// A window manager that follows the desktop conventions names a window of its own on the root
// window, and names it again on that window; a name left by one that ended is not.
bool windowManagerRunning() {
  const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  if (x11 == nullptr) return true;
  xcb_connection_t* connection = x11->connection();
  static constexpr char kCheck[] = "_NET_SUPPORTING_WM_CHECK";
  const XcbReply<xcb_intern_atom_reply_t> atom(
      xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 1, sizeof kCheck - 1, kCheck), nullptr),
      &std::free);
  if (atom == nullptr || atom->atom == XCB_NONE) return false;
  const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
  const xcb_window_t named = supportingWindow(connection, atom->atom, root);
  return named != XCB_NONE && supportingWindow(connection, atom->atom, named) == named;
}

void makeGroupTransient(const QWindow& window) {
  const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  if (x11 == nullptr || window.handle() == nullptr) return;
  xcb_connection_t* connection = x11->connection();
  const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
  xcb_change_property(connection, XCB_PROP_MODE_REPLACE, static_cast<xcb_window_t>(window.winId()),
                      XCB_ATOM_WM_TRANSIENT_FOR, XCB_ATOM_WINDOW, 32, 1, &root);
  xcb_flush(connection);
}
#else
// Other window systems always place their windows.
bool windowManagerRunning() { return true; }
void makeGroupTransient(const QWindow&) {}
#endif

}  // namespace ductora::platform::qt
