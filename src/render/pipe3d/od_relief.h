#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "data/format/pipe_file.h"

namespace ductora::render {

// The 3D OD surface of a pipe on the OdMatrix's grid, made once and drawn from client vertex
// arrays. Grid point (r, k) is revolution r and sample k: (k + 1/2) / nSod turns from the top
// (+y), the middle of the sample's band on the maps, toward +x (toward -x once the view turns
// it half about y, as the angular cursor and the wall cylinder's map turn); at radius
// D/2 + deviation / 1000 x display scale; at z = r OD pitches summed in single precision.
// Its texture coordinates are the centre of its own texel, s = 1 - (k + 1/2) / nSod (the map
// rows hold the samples last to first) and t = (r + 1/2) / nRevOd, so each shade lies on the
// relief it belongs to (a flipped pipe is mirrored where it is drawn, relief and texture
// together). Column nSod repeats sample 0 a turn on, closing the ring. Strip r joins rows r
// and r + 1 as (r, 0), (r + 1, 0), (r, 1), ...: exactly the vertices of the relief drawn
// vertex by vertex.
struct ReliefMesh {
  std::uint32_t rows = 0;        // OD revolutions
  std::uint32_t columns = 0;     // samples per revolution + 1
  std::vector<float> vertices;   // x, y, z per grid point, row after row
  std::vector<float> texCoords;  // s, t per grid point
  std::vector<float> rowReach;   // the largest distance from the axis in each row

  bool empty() const { return rows < 2; }
};

// Empty without an OdMatrix of at least two revolutions.
ReliefMesh BuildReliefMesh(const PipeFile& pipe);

// The strips' triangles in the current transform, textured with what is bound, in one draw.
// What can give no pixel is left out: strips wholly outside the view and triangles that cover
// no pixel centre.
void DrawReliefMesh(const ReliefMesh& mesh);

// The relief of a moving frame: where a cell of the grid comes out smaller than about two pixels,
// strips join rows further apart and leave out columns, so the far relief is drawn with about as
// many triangles as it has pixels. The texture still carries every sample. The rows within a
// few revolutions of cursorRow, where the operator looks, keep their full relief.
void DrawCoarseReliefMesh(const ReliefMesh& mesh, std::optional<std::int64_t> cursorRow);

}  // namespace ductora::render
