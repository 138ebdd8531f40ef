#include "render/gl/gl_texture.h"

#include <GL/gl.h>
#include <GL/glu.h>

namespace ductora::render {
namespace {

std::uint32_t Upload(const std::uint8_t* pixels, int width, int height, GLenum format, GLint components,
                     bool mipmaps) {
  if (pixels == nullptr || width <= 0 || height <= 0) return 0;
  GLuint name = 0;
  glGenTextures(1, &name);
  glBindTexture(GL_TEXTURE_2D, name);
  glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
  if (mipmaps) {
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_NEAREST);
    gluBuild2DMipmaps(GL_TEXTURE_2D, components, width, height, format, GL_UNSIGNED_BYTE, pixels);
  } else {
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexImage2D(GL_TEXTURE_2D, 0, components, width, height, 0, format, GL_UNSIGNED_BYTE, pixels);
  }
  return name;
}

}  // namespace

std::uint32_t UploadRgbTexture(const std::uint8_t* rgb, int width, int height, bool mipmaps) {
  return Upload(rgb, width, height, GL_RGB, 3, mipmaps);
}

std::uint32_t UploadGrayTexture(const GrayImage& image, bool mipmaps) {
  return Upload(image.pixels.data(), image.width, image.height, GL_LUMINANCE, 1, mipmaps);
}

void DeleteTexture(std::uint32_t& name) {
  if (name == 0) return;
  const GLuint texture = name;
  glDeleteTextures(1, &texture);
  name = 0;
}

}  // namespace ductora::render
