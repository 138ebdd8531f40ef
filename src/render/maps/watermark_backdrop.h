#pragma once

#include <cstdint>
#include <vector>

namespace ductora::render {

// The pixels the watermark changes on the pipe view's cleared blue, as the GL drew them once for
// a window size: a texture of the frame and the blocks of it that differ from the blue. Copying
// those blocks into a cleared frame gives the very pixels of drawing the watermark, without
// filtering and blending its whole band every frame.
struct WatermarkBackdrop {
  std::uint32_t texture = 0;
  std::uint32_t watermark = 0;  // the watermark texture it was drawn from
  int width = 0;
  int height = 0;
  std::vector<std::int32_t> corners;  // x, y of each block's four corners, in pixels
  std::vector<float> texCoords;       // s, t of each corner
};

// In a frame just begun (colour cleared): the watermark, drawn afresh when the window size or the
// watermark changed, copied from the backdrop otherwise. Leaves the projection for the caller.
void DrawWatermarkBackdrop(WatermarkBackdrop& backdrop, std::uint32_t watermarkTexture, int width,
                           int height);
void DeleteWatermarkBackdrop(WatermarkBackdrop& backdrop);

}  // namespace ductora::render
