#pragma once

#include <GL/gl.h>

#include <array>
#include <functional>
#include <vector>

namespace ductora::testing {

// A vertex as GL would rasterise it: window coordinates after clipping, its colour and texture
// coordinates.
struct FedVertex {
  float x = 0.0F;
  float y = 0.0F;
  float z = 0.0F;
  std::array<float, 4> colour{};
  float s = 0.0F;
  float t = 0.0F;
};

// The vertices of every point, line and polygon draw issues, in GL 1.1 feedback mode.
inline std::vector<FedVertex> Feedback(const std::function<void()>& draw) {
  std::vector<GLfloat> buffer(std::size_t{1} << 23);
  glFeedbackBuffer(static_cast<GLsizei>(buffer.size()), GL_3D_COLOR_TEXTURE, buffer.data());
  glRenderMode(GL_FEEDBACK);
  draw();
  const GLint used = glRenderMode(GL_RENDER);
  std::vector<FedVertex> vertices;
  constexpr std::size_t kVertexFloats = 11;  // x y z, r g b a, s t r q
  const auto take = [&](std::size_t& at, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i, at += kVertexFloats) {
      const GLfloat* v = buffer.data() + at;
      vertices.push_back({v[0], v[1], v[2], {v[3], v[4], v[5], v[6]}, v[7], v[8]});
    }
  };
  for (std::size_t at = 0; at < static_cast<std::size_t>(used);) {
    const auto token = static_cast<GLenum>(buffer[at++]);
    if (token == GL_POLYGON_TOKEN) {
      const auto count = static_cast<std::size_t>(buffer[at++]);
      take(at, count);
    } else if (token == GL_LINE_TOKEN || token == GL_LINE_RESET_TOKEN) {
      take(at, 2);
    } else if (token == GL_PASS_THROUGH_TOKEN) {
      ++at;
    } else {
      take(at, 1);
    }
  }
  return vertices;
}

// The vertices drawn in the given colour.
inline std::vector<FedVertex> InColour(const std::vector<FedVertex>& vertices,
                                       const std::array<float, 4>& colour) {
  std::vector<FedVertex> matching;
  for (const FedVertex& v : vertices) {
    bool same = true;
    for (std::size_t c = 0; c < 4; ++c) same = same && std::abs(v.colour[c] - colour[c]) < 1e-3F;
    if (same) matching.push_back(v);
  }
  return matching;
}

}  // namespace ductora::testing
