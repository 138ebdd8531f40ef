#pragma once

#include <cstdint>
#include <optional>

#include "data/format/pipe_file.h"
#include "data/strings/pipe_string.h"
#include "render/gl/quadric.h"
#include "render/maps/indication_cache.h"
#include "render/pipe3d/od_relief.h"

namespace ductora {

// What the renderer keeps with a pipe: the pipe quadric (texture coordinates on) and the OD
// relief with the shape revision it was made at.
struct PipeDrawCache {
  render::Quadric quadric = render::MakeQuadric(true);
  render::ReliefMesh relief;
  std::optional<std::uint64_t> reliefRevision;
};

// What the renderer keeps with the string: the marker quadric and the indication file's records.
struct StringDrawCache {
  render::Quadric markerQuadric = render::MakeQuadric(false);
  render::IndicationCache indications;
};

}  // namespace ductora

namespace ductora::render {

// Made on first use.
PipeDrawCache& DrawCacheOf(const PipeFile& pipe);
StringDrawCache& DrawCacheOf(const PipeString& string);

// The pipe's relief, made again only after its shape changed.
const ReliefMesh& CachedRelief(const PipeFile& pipe);

}  // namespace ductora::render
