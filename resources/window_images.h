#pragma once

#include <span>

namespace ductora::resources {

// The icon and cursor every GL window is made with.
constexpr int kProgramIconId = 102;
constexpr int kCrosshairCursorId = 104;

// A small image in XPM form: the header "width height colours 1", one line per colour
// ("<char> c #RRGGBB" or "<char> c None" for transparent), then one line of characters per row.
struct WindowImage {
  int id;
  std::span<const char* const> xpm;
  int hotX = 0;  // where a cursor points; 0 for icons
  int hotY = 0;
};

// Null when no image has that resource id.
const WindowImage* FindWindowImage(int id);

}  // namespace ductora::resources
