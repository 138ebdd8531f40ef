#pragma once

#include <cstdint>
#include <vector>

namespace ductora::render {

// A picture kept while textures are made from it: 8-bit RGB rows from the bottom of the
// picture up, as GL reads texture rows.
struct ImageHolder {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> rgb;
};

// The bitmap resource's pixels. False, with the holder as it was, for a resource that does not
// exist.
bool LoadResourceImage(ImageHolder& holder, int resourceId);
// The same, also made a mipmapped texture of the current context; 0 when there is no picture.
std::uint32_t LoadResourceTexture(ImageHolder& holder, int resourceId);

}  // namespace ductora::render
