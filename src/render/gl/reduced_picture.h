#pragma once

#include <cstdint>

namespace ductora::render {

// A picture drawn at half the viewport's width and height and scaled up over the whole of it,
// filtered: a moving frame's 3D view, where on a software renderer filling the pixels is most of
// a frame's work. Keeps one texture of the context it draws in.
class ReducedPicture {
 public:
  // Begins a width x height frame in its lower left quarter: the viewport and the clear there.
  void BeginFrame(int width, int height);
  // Copies the quarter into the texture and draws it over the frame's whole viewport.
  void End();
  // Deletes the texture, in its context.
  void Release();

 private:
  std::uint32_t texture_ = 0;
  int textureWidth_ = 0;
  int textureHeight_ = 0;
  int width_ = 0;
  int height_ = 0;
};

}  // namespace ductora::render
