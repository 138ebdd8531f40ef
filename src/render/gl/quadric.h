#pragma once

#include <memory>

class GLUquadric;

namespace ductora::render {

struct QuadricDeleter {
  void operator()(GLUquadric* quadric) const;
};

// A GLU quadric with smooth normals. It holds no GL object, so it is made and freed in any
// context or none.
using Quadric = std::unique_ptr<GLUquadric, QuadricDeleter>;
// Null when GLU has no memory for it; drawing on a null quadric draws nothing.
Quadric MakeQuadric(bool textureCoordinates);

// Cylinder along +z from z = 0 to height, texture s = 0 at +y running once around.
void DrawCylinder(const Quadric& quadric, double baseRadius, double topRadius, double height, int slices,
                  int stacks);
// Disk in the plane z = 0.
void DrawDisk(const Quadric& quadric, double innerRadius, double outerRadius, int slices, int loops);

}  // namespace ductora::render
