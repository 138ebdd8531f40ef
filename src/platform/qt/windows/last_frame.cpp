#include "platform/qt/windows/last_frame.h"

#include <GL/gl.h>

namespace ductora::platform::qt {
namespace {

// The pixel store as GL starts, whatever the shell's textures left behind.
void defaultPixelStore() {
  for (const GLenum parameter : {GL_PACK_ROW_LENGTH, GL_PACK_SKIP_ROWS, GL_PACK_SKIP_PIXELS,
                                 GL_UNPACK_ROW_LENGTH, GL_UNPACK_SKIP_ROWS, GL_UNPACK_SKIP_PIXELS})
    glPixelStorei(parameter, 0);
  glPixelStorei(GL_PACK_ALIGNMENT, 4);
  glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
}

}  // namespace

void LastFrame::keep(int width, int height) {
  if (width <= 0 || height <= 0) return;
  pixels_.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 4);
  width_ = width;
  height_ = height;
  glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
  defaultPixelStore();
  glReadPixels(0, 0, width, height, GL_RGBA, GL_UNSIGNED_BYTE, pixels_.data());
  glPopClientAttrib();
}

void LastFrame::draw(int width, int height) const {
  if (pixels_.empty()) return;
  glPushAttrib(GL_ALL_ATTRIB_BITS);
  glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
  glMatrixMode(GL_PROJECTION);
  glPushMatrix();
  glLoadIdentity();
  glMatrixMode(GL_MODELVIEW);
  glPushMatrix();
  glLoadIdentity();
  for (const GLenum capability :
       {GL_DEPTH_TEST, GL_STENCIL_TEST, GL_SCISSOR_TEST, GL_ALPHA_TEST, GL_BLEND, GL_TEXTURE_1D,
        GL_TEXTURE_2D, GL_LIGHTING, GL_FOG, GL_COLOR_LOGIC_OP, GL_DITHER})
    glDisable(capability);
  glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
  glViewport(0, 0, width, height);
  glClearColor(0.0F, 0.0F, 0.0F, 1.0F);
  glClear(GL_COLOR_BUFFER_BIT);
  defaultPixelStore();
  glPixelZoom(1.0F, 1.0F);
  // From the bottom left corner to where the kept picture's bottom row goes; a raster position
  // moved by a bitmap stays valid outside the window, so a taller picture is cut at the bottom.
  glRasterPos2f(-1.0F, -1.0F);
  glBitmap(0, 0, 0.0F, 0.0F, 0.0F, static_cast<GLfloat>(height - height_), nullptr);
  glDrawPixels(width_, height_, GL_RGBA, GL_UNSIGNED_BYTE, pixels_.data());
  glMatrixMode(GL_PROJECTION);
  glPopMatrix();
  glMatrixMode(GL_MODELVIEW);
  glPopMatrix();
  glPopClientAttrib();
  glPopAttrib();
}

}  // namespace ductora::platform::qt
