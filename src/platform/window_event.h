#pragma once

#include <functional>
#include <string>
#include <variant>

namespace ductora::platform {

// Virtual-key codes; they index the shell's table of held keys. Letters and digits are their
// own upper-case characters.
constexpr int kKeyReturn = 13;  // Return and the keypad's Enter alike
constexpr int kKeyShift = 16;   // the modifiers are keys of their own, held like any other
constexpr int kKeyControl = 17;
constexpr int kKeyEscape = 27;
constexpr int kKeySpace = 32;
constexpr int kKeyLeft = 37;
constexpr int kKeyUp = 38;
constexpr int kKeyRight = 39;
constexpr int kKeyDown = 40;

// The messages a window's procedure receives.
// The client area: device pixels for GL windows, whose viewports need them; logical pixels for
// the main window, in which panels are placed.
struct SizeEvent {
  int width = 0;
  int height = 0;
};
struct CloseEvent {};  // the close box; the window stays until the procedure acts
struct KeyEvent {
  int code = 0;  // virtual-key code
  bool down = true;
};
struct PointerMoveEvent {  // client coordinates, device pixels
  int x = 0;
  int y = 0;
};
enum class MouseButton { kLeft, kRight };
struct ButtonEvent {
  MouseButton button = MouseButton::kLeft;
  bool down = true;
};
struct ActivateEvent {
  bool minimised = false;
};
// The program lost the keyboard to another program (main window only).
struct FocusLostEvent {};
// Part of the window was uncovered or shown again and must be drawn.
struct ExposeEvent {};
// A file to open from outside the menu's dialogs: a recent file or a drop (main window only).
struct OpenFileEvent {
  std::string path;
  bool append = false;
};
struct CommandEvent {  // a menu item chosen (main window only)
  int id = 0;
};

using WindowEvent = std::variant<SizeEvent, CloseEvent, KeyEvent, PointerMoveEvent, ButtonEvent,
                                 ActivateEvent, FocusLostEvent, ExposeEvent, OpenFileEvent, CommandEvent>;
using WindowProc = std::function<void(const WindowEvent&)>;

}  // namespace ductora::platform
