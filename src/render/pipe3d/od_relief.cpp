#include "render/pipe3d/od_relief.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>

#include "render/gl/view_volume.h"

namespace ductora::render {
namespace {

// Degrees to radians as the relief has always converted them.
constexpr float kRadiansPerDegree = 0.017453279F;

// A moving frame's cells are made about this large on screen, in pixels.
constexpr double kCoarseCellPixels = 2.0;
// At most this many rows or columns make one cell of a moving frame.
constexpr std::uint32_t kMaxCoarseStep = 32;
// Revolutions either side of the cursor row that keep their full relief in a moving frame.
constexpr std::int64_t kCursorRows = 8;
// Columns around the ring where a row's cell size is looked at.
constexpr std::uint32_t kProbes = 8;

// How many pixels one step between rows and one step around the ring cover at row r, the largest
// of those seen at the probes.
struct CellPixels {
  double alongRows = 0.0;
  double around = 0.0;
};

CellPixels CellPixelsAt(const ViewVolume& volume, const ReliefMesh& mesh, std::size_t r) {
  CellPixels size;
  const std::uint32_t samples = mesh.columns - 1;
  for (std::uint32_t probe = 0; probe < kProbes; ++probe) {
    const std::size_t k = std::size_t{probe} * samples / kProbes;
    const float* here = mesh.vertices.data() + (r * mesh.columns + k) * 3;
    size.alongRows =
        std::max(size.alongRows, volume.PixelsBetween(here, here + std::size_t{mesh.columns} * 3));
    size.around = std::max(size.around, volume.PixelsBetween(here, here + 3));
  }
  return size;
}

// The largest power of two, up to the limit, whose steps of `pixels` stay within a coarse cell.
std::uint32_t CoarseStep(double pixels, std::uint32_t limit) {
  std::uint32_t step = 1;
  while (step * 2 <= std::min(limit, kMaxCoarseStep) && pixels * (step * 2) <= kCoarseCellPixels) {
    step *= 2;
  }
  return step;
}

// The two triangles of the cell between rows r0 and r1 and columns k0 and k1, corners in the
// order the strips give them.
void AddCell(std::vector<std::uint32_t>& triangles, std::uint32_t columns, std::size_t r0, std::size_t r1,
             std::size_t k0, std::size_t k1) {
  const auto at = [columns](std::size_t r, std::size_t k) {
    return static_cast<std::uint32_t>(r * columns + k);
  };
  triangles.insert(triangles.end(), {at(r0, k0), at(r1, k0), at(r0, k1), at(r0, k1), at(r1, k0), at(r1, k1)});
}

void DrawTriangles(const ReliefMesh& mesh, const std::vector<std::uint32_t>& triangles) {
  if (triangles.empty()) return;
  glEnableClientState(GL_VERTEX_ARRAY);
  glEnableClientState(GL_TEXTURE_COORD_ARRAY);
  glVertexPointer(3, GL_FLOAT, 0, mesh.vertices.data());
  glTexCoordPointer(2, GL_FLOAT, 0, mesh.texCoords.data());
  glDrawElements(GL_TRIANGLES, static_cast<GLsizei>(triangles.size()), GL_UNSIGNED_INT, triangles.data());
  glDisableClientState(GL_TEXTURE_COORD_ARRAY);
  glDisableClientState(GL_VERTEX_ARRAY);
}

// Whether the rows r0 to r1 lie wholly outside the view.
bool RowsOutside(const ViewVolume& volume, const ReliefMesh& mesh, std::size_t r0, std::size_t r1) {
  const float reach = *std::max_element(mesh.rowReach.begin() + static_cast<std::ptrdiff_t>(r0),
                                        mesh.rowReach.begin() + static_cast<std::ptrdiff_t>(r1) + 1);
  const float z0 = mesh.vertices[r0 * mesh.columns * 3 + 2];
  const float z1 = mesh.vertices[r1 * mesh.columns * 3 + 2];
  return volume.BoxOutside({-reach, -reach, std::min(z0, z1)}, {reach, reach, std::max(z0, z1)});
}

}  // namespace

ReliefMesh BuildReliefMesh(const PipeFile& pipe) {
  const OdMatrix& od = pipe.odMatrix;
  ReliefMesh mesh;
  if (od.rows < 2 || od.columns == 0 || od.data.size() < std::size_t{od.rows} * od.columns) return mesh;
  const std::uint32_t samples = od.columns;
  mesh.rows = od.rows;
  mesh.columns = samples + 1;
  const std::size_t points = std::size_t{mesh.rows} * mesh.columns;
  mesh.vertices.reserve(points * 3);
  mesh.texCoords.reserve(points * 2);
  mesh.rowReach.reserve(mesh.rows);

  const auto radius = static_cast<float>(pipe.header.nominalOd / 2.0);
  const float scale = pipe.header.displayScale;
  const auto pitch = static_cast<float>(od.deltaX);
  const auto n = static_cast<float>(samples);
  // Sample k at the middle of its band on the maps, (k + 1/2) / n turns from the top, turning
  // the way the angular cursor turns once the view's half turn about y is made, as the quadric
  // lays the wall map around its cylinder. Each grid point takes the centre of its own texel; the
  // map rows hold the samples last to first.
  const float quarterTurn = n / 4.0F;
  float z = 0.0F;
  for (std::uint32_t r = 0; r < mesh.rows; ++r) {
    const float t = (static_cast<float>(r) + 0.5F) / static_cast<float>(mesh.rows);
    float reach = 0.0F;
    for (std::uint32_t k = 0; k <= samples; ++k) {
      const float middle = static_cast<float>(k) + 0.5F;
      const float angle = ((quarterTurn - middle) / n) * 360.0F * kRadiansPerDegree;
      const float s = 1.0F - middle / n;
      const std::int16_t deviation = od.at(r, k == samples ? 0 : k);
      const float rho = radius + static_cast<float>(deviation) / 1000.0F * scale;
      mesh.vertices.insert(mesh.vertices.end(), {std::cos(angle) * rho, std::sin(angle) * rho, z});
      mesh.texCoords.insert(mesh.texCoords.end(), {s, t});
      reach = std::max(reach, std::abs(rho));
    }
    mesh.rowReach.push_back(reach);
    z += pitch;
  }
  return mesh;
}

void DrawReliefMesh(const ReliefMesh& mesh) {
  if (mesh.empty()) return;
  const ViewVolume volume = ViewVolume::Current();
  const std::size_t columns = mesh.columns;
  // Kept from frame to frame: the lists grow to the largest view once.
  static thread_local CentreSpans spans;  // the strip's lower row, then its upper row
  static thread_local std::vector<std::uint32_t> triangles;
  spans.resize(2 * columns);
  triangles.clear();
  std::size_t projectedRow = mesh.rows;  // the row whose spans the upper half holds
  for (std::size_t r = 0; r + 1 < mesh.rows; ++r) {
    const float* first = mesh.vertices.data() + r * columns * 3;
    if (RowsOutside(volume, mesh, r, r + 1)) continue;

    if (projectedRow == r) {
      for (std::vector<std::int32_t>* v : {&spans.xLow, &spans.xHigh, &spans.yLow, &spans.yHigh}) {
        std::copy(v->begin() + static_cast<std::ptrdiff_t>(columns), v->end(), v->begin());
      }
    } else {
      volume.Spans(first, columns, spans, 0);
    }
    volume.Spans(first + columns * 3, columns, spans, columns);
    projectedRow = r + 1;
    // The strip's triangles in the order and corner order the strip gives them, less those that
    // cover no pixel centre: far away they are many and tiny.
    const auto base = static_cast<std::uint32_t>(r * columns);
    const auto keep = [&](std::size_t a, std::size_t b, std::size_t c) {
      if (MayCoverPixelCentre(spans, a, b, c)) {
        triangles.insert(triangles.end(),
                         {base + static_cast<std::uint32_t>(a), base + static_cast<std::uint32_t>(b),
                          base + static_cast<std::uint32_t>(c)});
      }
    };
    for (std::size_t k = 0; k + 1 < columns; ++k) {
      const std::size_t upper = columns + k;
      keep(k, upper, k + 1);
      keep(k + 1, upper, upper + 1);
    }
  }
  DrawTriangles(mesh, triangles);
}

void DrawCoarseReliefMesh(const ReliefMesh& mesh, std::optional<std::int64_t> cursorRow) {
  if (mesh.empty()) return;
  const ViewVolume volume = ViewVolume::Current();
  const std::uint32_t samples = mesh.columns - 1;
  const std::int64_t fullFrom = cursorRow ? *cursorRow - kCursorRows : -1;
  const std::int64_t fullTo = cursorRow ? *cursorRow + kCursorRows : -2;
  const auto nearCursor = [&](std::size_t r) {
    return static_cast<std::int64_t>(r) >= fullFrom && static_cast<std::int64_t>(r) <= fullTo;
  };
  static thread_local std::vector<std::uint32_t> triangles;
  triangles.clear();
  for (std::size_t r = 0; r + 1 < mesh.rows;) {
    std::uint32_t rowStep = 1;
    std::uint32_t columnStep = 1;
    if (!nearCursor(r)) {
      const CellPixels size = CellPixelsAt(volume, mesh, r);
      rowStep = CoarseStep(size.alongRows, static_cast<std::uint32_t>(mesh.rows - 1 - r));
      // Every cell of a row the same width, closing the ring.
      columnStep = CoarseStep(size.around, samples);
      while (samples % columnStep != 0) columnStep /= 2;
      // A cell never reaches into the cursor's rows.
      while (rowStep > 1 && static_cast<std::int64_t>(r) < fullFrom &&
             static_cast<std::int64_t>(r + rowStep) > fullFrom) {
        rowStep /= 2;
      }
    }
    const std::size_t next = r + rowStep;
    if (!RowsOutside(volume, mesh, r, next)) {
      for (std::size_t k = 0; k < samples; k += columnStep)
        AddCell(triangles, mesh.columns, r, next, k, k + columnStep);
    }
    r = next;
  }
  DrawTriangles(mesh, triangles);
}

}  // namespace ductora::render
