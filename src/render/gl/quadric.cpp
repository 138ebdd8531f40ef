#include "render/gl/quadric.h"

#include <GL/glu.h>

namespace ductora::render {

void QuadricDeleter::operator()(GLUquadric* quadric) const { gluDeleteQuadric(quadric); }

Quadric MakeQuadric(bool textureCoordinates) {
  Quadric quadric(gluNewQuadric());
  if (quadric) {
    gluQuadricNormals(quadric.get(), GLU_SMOOTH);
    gluQuadricTexture(quadric.get(), textureCoordinates ? GL_TRUE : GL_FALSE);
  }
  return quadric;
}

void DrawCylinder(const Quadric& quadric, double baseRadius, double topRadius, double height, int slices,
                  int stacks) {
  if (quadric) gluCylinder(quadric.get(), baseRadius, topRadius, height, slices, stacks);
}

void DrawDisk(const Quadric& quadric, double innerRadius, double outerRadius, int slices, int loops) {
  if (quadric) gluDisk(quadric.get(), innerRadius, outerRadius, slices, loops);
}

}  // namespace ductora::render
