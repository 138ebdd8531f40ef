#pragma once

#include <cstdint>

#include "render/maps/gray_scale.h"

namespace ductora::render {

// Textures belong to the GL context current when they are made, and are deleted in it.

// A texture from tightly packed RGB rows, the first row at t = 0. Wraps around in both
// directions; with mipmaps the image is rescaled to powers of two, as GLU builds the chain.
std::uint32_t UploadRgbTexture(const std::uint8_t* rgb, int width, int height, bool mipmaps);
// The same for a gray image (red = green = blue = the byte).
std::uint32_t UploadGrayTexture(const GrayImage& image, bool mipmaps);
// Deletes the texture, if any, and zeroes the name.
void DeleteTexture(std::uint32_t& name);

}  // namespace ductora::render
