#pragma once

#include <string>
#include <utility>
#include <vector>

#include "platform/dialog.h"

namespace ductora {

// What a dialog's readouts show. Frames write every readout, but only a changed text reaches the
// dialog, so a window that shows the same values costs no redraw.
class ReadoutCache {
 public:
  void write(platform::Dialog& dialog, int id, const char* text);
  // The dialog was made again: its controls show nothing yet.
  void clear() { texts_.clear(); }

 private:
  std::vector<std::pair<int, std::string>> texts_;
};

}  // namespace ductora
