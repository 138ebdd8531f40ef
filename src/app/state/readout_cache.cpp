#include "app/state/readout_cache.h"

#include <algorithm>

namespace ductora {

void ReadoutCache::write(platform::Dialog& dialog, int id, const char* text) {
  auto found =
      std::find_if(texts_.begin(), texts_.end(), [id](const auto& entry) { return entry.first == id; });
  if (found == texts_.end()) {
    texts_.emplace_back(id, std::string());
    found = std::prev(texts_.end());
  } else if (found->second == text) {
    return;
  }
  found->second = text;
  dialog.setText(id, found->second);
}

}  // namespace ductora
