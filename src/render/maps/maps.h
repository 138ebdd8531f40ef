#pragma once

#include <cstdint>

#include "analysis/placement/display_rows.h"
#include "data/format/pipe_file.h"

namespace ductora::render {

enum class MapKind { kWall, kOd, kId };

// Names of a pipe's map textures in the pipe view's GL context; 0 where there is none.
struct MapTextures {
  std::uint32_t wall = 0;
  std::uint32_t od = 0;
  std::uint32_t id = 0;

  std::uint32_t Of(MapKind kind) const {
    return kind == MapKind::kWall ? wall : kind == MapKind::kOd ? od : id;
  }
};

// pi as the map geometry takes it, in single precision.
constexpr float kMapPi = 3.14159F;

// A map is 4C wide, C being the nominal circumference.
float MapCircumference(const PipeFile& pipe);

// Brings y into [-2C, +2C] by whole turns of the map. Values too far out to step back by turns
// (a damaged rotation or roll) are taken modulo a turn.
float WrapAcross(float y, float c);

// Where a map's cursor and roll come from.
struct MapCursor {
  float axial = 0.0F;      // inches from the pipe's start
  float angular = 0.0F;    // degrees
  float scroll = 0.0F;     // the view's roll as a fraction of a turn, negated
  bool isCurrent = false;  // only the current pipe shows the cursor lines
};

// How a pipe's map of one kind lies in the pipe's place.
struct MapPlacement {
  DisplaySpan span;      // where the matrix's rows lie along the displayed pipe
  bool flipped = false;  // mirrored around the circumference
};

// Moves the model-view matrix from a pipe's place to its map's own frame: the matrix's data
// from z = 0 along -z, its revolutions and samples as the map image holds them; the wall and OD
// maps of a reversed pipe laid from its far end back, of a flipped pipe mirrored about the
// map's middle. The ID matrix is built in display order and placed as it stands.
MapPlacement PlaceMap(const PipeFile& pipe, MapKind kind);

// One pipe's map unrolled in the plane x = 0 of the current model-view matrix, from z = 0 at
// the pipe's start to z = -length, the circumference from y = -2C to +2C: the red start line,
// and for the current pipe the green angular and blue axial cursor lines. A pipe without the
// matrix or its texture draws nothing.
void DrawMap(const PipeFile& pipe, MapKind kind, std::uint32_t texture, const MapCursor& cursor);

}  // namespace ductora::render
