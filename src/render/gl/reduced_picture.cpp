#include "render/gl/reduced_picture.h"

#include <GL/gl.h>

#include <algorithm>
#include <utility>

#include "render/gl/gl_texture.h"
#include "render/gl/panel_gl.h"

namespace ductora::render {
namespace {

int PowerOfTwoAtLeast(int n) {
  int power = 1;
  while (power < n) power *= 2;
  return power;
}

int Half(int side) { return std::max(1, side / 2); }

}  // namespace

void ReducedPicture::BeginFrame(int width, int height) {
  width_ = width;
  height_ = height;
  glViewport(0, 0, Half(width), Half(height));
  // The picture scaled up covers the rest.
  glScissor(0, 0, Half(width), Half(height));
  glEnable(GL_SCISSOR_TEST);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
  glDisable(GL_SCISSOR_TEST);
}

void ReducedPicture::End() {
  const int w = Half(width_);
  const int h = Half(height_);
  // GL 1.1 textures have sides of powers of two; the picture fills a corner of one.
  if (texture_ == 0 || textureWidth_ < w || textureHeight_ < h) {
    DeleteTexture(texture_);
    textureWidth_ = PowerOfTwoAtLeast(w);
    textureHeight_ = PowerOfTwoAtLeast(h);
    GLuint name = 0;
    glGenTextures(1, &name);
    texture_ = name;
    glBindTexture(GL_TEXTURE_2D, texture_);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB8, textureWidth_, textureHeight_, 0, GL_RGB, GL_UNSIGNED_BYTE,
                 nullptr);
  }
  glBindTexture(GL_TEXTURE_2D, texture_);
  glCopyTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, 0, 0, w, h);

  glViewport(0, 0, width_, height_);
  SetPixelProjection(1.0, 1.0);
  glPushMatrix();
  glLoadIdentity();
  const GLboolean depth = glIsEnabled(GL_DEPTH_TEST);
  const GLboolean blend = glIsEnabled(GL_BLEND);
  glDisable(GL_DEPTH_TEST);
  glDisable(GL_BLEND);
  glEnable(GL_TEXTURE_2D);
  glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
  // From the first texel's centre to the last one's: filtering never reaches beyond the picture
  // into the rest of the texture, for half a frame pixel's stretch at each edge.
  const auto across = [](int texels, int size) {
    return std::pair{0.5F / static_cast<float>(size),
                     (static_cast<float>(texels) - 0.5F) / static_cast<float>(size)};
  };
  const auto [s0, s1] = across(w, textureWidth_);
  const auto [t0, t1] = across(h, textureHeight_);
  glBegin(GL_QUADS);
  glTexCoord2f(s0, t0);
  glVertex2f(0.0F, 0.0F);
  glTexCoord2f(s1, t0);
  glVertex2f(1.0F, 0.0F);
  glTexCoord2f(s1, t1);
  glVertex2f(1.0F, 1.0F);
  glTexCoord2f(s0, t1);
  glVertex2f(0.0F, 1.0F);
  glEnd();
  glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
  if (depth == GL_TRUE) glEnable(GL_DEPTH_TEST);
  if (blend == GL_TRUE) glEnable(GL_BLEND);
  glPopMatrix();
}

void ReducedPicture::Release() { DeleteTexture(texture_); }

}  // namespace ductora::render
