#include "render/pipe3d/od_relief.h"

#include <GL/gl.h>
#include <GL/glu.h>
#include <gtest/gtest.h>

#include <cmath>

#include "gl_feedback.h"
#include "gl_test_context.h"
#include "render/maps/gray_scale.h"
#include "render/maps/map_textures.h"
#include "test_pipes.h"

namespace ductora::render {
namespace {

struct ReliefVertex {
  float s, t, x, y, z;
  friend bool operator==(const ReliefVertex&, const ReliefVertex&) = default;
};
using Strip = std::vector<ReliefVertex>;

// The relief as it is described, vertex by vertex: one strip per pair of revolutions. Sample k
// is (k + 1/2) / n turns from the top toward +x, on the centre of its own texel.
std::vector<Strip> DescribedRelief(const PipeFile& pipe) {
  const OdMatrix& od = pipe.odMatrix;
  const auto radius = static_cast<float>(pipe.header.nominalOd / 2.0);
  const auto n = static_cast<float>(od.columns);
  std::vector<Strip> strips;
  float z = 0.0F;
  for (std::uint32_t r = 0; r + 1 < od.rows; ++r) {
    Strip& strip = strips.emplace_back();
    for (std::uint32_t k = 0; k <= od.columns; ++k) {
      const float middle = static_cast<float>(k) + 0.5F;
      const float a = ((n / 4.0F - middle) / n) * 360.0F * 0.017453279F;
      const std::uint32_t sample = k % od.columns;
      for (const std::uint32_t row : {r, r + 1}) {
        const float rho =
            radius + static_cast<float>(od.at(row, sample)) / 1000.0F * pipe.header.displayScale;
        strip.push_back({1.0F - middle / n, (static_cast<float>(row) + 0.5F) / static_cast<float>(od.rows),
                         std::cos(a) * rho, std::sin(a) * rho,
                         row == r ? z : z + static_cast<float>(od.deltaX)});
      }
    }
    z += static_cast<float>(od.deltaX);
  }
  return strips;
}

// The mesh's strips: rows r and r + 1 taken in turn.
std::vector<Strip> MeshStrips(const ReliefMesh& mesh) {
  std::vector<Strip> strips;
  for (std::size_t r = 0; r + 1 < mesh.rows; ++r) {
    Strip& strip = strips.emplace_back();
    for (std::size_t i = 0; i < 2 * mesh.columns; ++i) {
      const std::size_t point = (r + i % 2) * mesh.columns + i / 2;
      strip.push_back({mesh.texCoords[2 * point], mesh.texCoords[2 * point + 1], mesh.vertices[3 * point],
                       mesh.vertices[3 * point + 1], mesh.vertices[3 * point + 2]});
    }
  }
  return strips;
}

PipeFile ReliefPipe(std::uint32_t columns, float revolutions = 40.0F) {
  PipeFile pipe = testing::TestPipe(revolutions);
  OdMatrix& od = pipe.odMatrix;
  od.columns = columns;
  od.deltaX = 1.0 / 3.0;
  od.data.resize(std::size_t{od.rows} * columns);
  for (std::size_t i = 0; i < od.data.size(); ++i) od.data[i] = static_cast<std::int16_t>((i * 37) % 61 - 30);
  pipe.header.displayScale = 2.5F;
  return pipe;
}

TEST(ReliefMeshTest, HoldsExactlyTheDescribedVerticesAndTextureCoordinates) {
  const PipeFile pipe = ReliefPipe(7);
  EXPECT_TRUE(MeshStrips(BuildReliefMesh(pipe)) == DescribedRelief(pipe));
}

// Every grid point shows the shade of the very sample that gives its radius, so the dark of
// a large OD lies on its bump: the texel its coordinates fall in holds that sample.
TEST(ReliefMeshTest, EachGridPointIsShadedByTheSampleThatRaisesIt) {
  PipeFile pipe = ReliefPipe(36, 12.0F);
  pipe.header.upperOdOffset = 30;
  pipe.header.lowerOdOffset = -30;
  const GrayImage image = OdGrayImage(pipe);
  const ReliefMesh mesh = BuildReliefMesh(pipe);
  ASSERT_EQ(mesh.rows, pipe.odMatrix.rows);
  const auto texel = [](float coordinate, int size) {
    const float wrapped = coordinate - std::floor(coordinate);
    return static_cast<int>(wrapped * static_cast<float>(size));
  };
  for (std::uint32_t r = 0; r < mesh.rows; ++r) {
    for (std::uint32_t k = 0; k < mesh.columns; ++k) {
      const std::size_t point = std::size_t{r} * mesh.columns + k;
      const int column = texel(mesh.texCoords[2 * point], image.width);
      const int row = texel(mesh.texCoords[2 * point + 1], image.height);
      const std::int16_t sample = pipe.odMatrix.at(r, k % pipe.odMatrix.columns);
      ASSERT_EQ(image.pixels[static_cast<std::size_t>(row) * image.width + column],
                GrayShade(sample, 30, -30))
          << r << ' ' << k;
      ASSERT_NEAR(std::hypot(mesh.vertices[3 * point], mesh.vertices[3 * point + 1]),
                  2.0F + static_cast<float>(sample) / 1000.0F * 2.5F, 1e-5F);
    }
  }
  // Magnification 0 makes a plain cylinder.
  pipe.header.displayScale = 0.0F;
  const ReliefMesh plain = BuildReliefMesh(pipe);
  for (std::size_t i = 0; i < plain.vertices.size(); i += 3)
    ASSERT_NEAR(std::hypot(plain.vertices[i], plain.vertices[i + 1]), 2.0F, 1e-5F) << i;
}

// Seen from inside, where the far strips' triangles are too small to cover a pixel centre, and
// turned, where most strips lie outside the view, the arrays give the very pixels of the relief
// drawn vertex by vertex.
TEST(ReliefMeshTest, DrawsTheSamePixelsAsTheDescribedRelief) {
  testing::GlTestContext gl(320, 240);
  ASSERT_TRUE(gl.ok());
  PipeFile pipe = ReliefPipe(36, 400.0F);
  const std::uint32_t texture = MakeMapTexture(pipe, MapKind::kOd);
  const ReliefMesh mesh = BuildReliefMesh(pipe);
  glEnable(GL_DEPTH_TEST);
  glEnable(GL_TEXTURE_2D);
  glBindTexture(GL_TEXTURE_2D, texture);
  glViewport(0, 0, 320, 240);
  glMatrixMode(GL_PROJECTION);
  gluPerspective(45.0, 1.333, 0.1, 10000.0);
  glMatrixMode(GL_MODELVIEW);
  struct Camera {
    float distance, pitch, along;
  };
  for (const Camera camera :
       {Camera{-6.0F, 90.0F, 30.0F}, Camera{-10.0F, 60.0F, 20.0F}, Camera{-3.0F, 0.0F, 5.0F}}) {
    const auto frame = [&](const std::function<void()>& relief) {
      glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
      glLoadIdentity();
      glTranslatef(0.0F, 0.0F, camera.distance);
      glRotatef(camera.pitch, 1.0F, 0.0F, 0.0F);
      glTranslatef(0.0F, 0.0F, camera.along);
      glRotatef(180.0F, 0.0F, 1.0F, 0.0F);
      relief();
      return gl.pixels();
    };
    const std::vector<std::uint8_t> described = frame([&] {
      for (const Strip& strip : DescribedRelief(pipe)) {
        glBegin(GL_TRIANGLE_STRIP);
        for (const ReliefVertex& v : strip) {
          glTexCoord2f(v.s, v.t);
          glVertex3f(v.x, v.y, v.z);
        }
        glEnd();
      }
    });
    EXPECT_TRUE(frame([&] { DrawReliefMesh(mesh); }) == described) << camera.pitch;
  }
  // From inside (the last camera), fewer triangles reach the GL; fewer again in a moving frame,
  // though not in the rows about the cursor.
  const auto triangles = [](const std::function<void()>& relief) {
    return testing::Feedback(relief).size() / 3;
  };
  const std::size_t still = triangles([&] { DrawReliefMesh(mesh); });
  EXPECT_LT(triangles([&] { DrawCoarseReliefMesh(mesh, std::nullopt); }), still / 2);
  EXPECT_LT(triangles([&] { DrawCoarseReliefMesh(mesh, std::nullopt); }),
            triangles([&] { DrawCoarseReliefMesh(mesh, 200); }));
  EXPECT_LT(still, triangles([&] {
              for (const Strip& strip : DescribedRelief(pipe)) {
                glBegin(GL_TRIANGLE_STRIP);
                for (const ReliefVertex& v : strip) glVertex3f(v.x, v.y, v.z);
                glEnd();
              }
            }));
}

}  // namespace
}  // namespace ductora::render
