#pragma once

#include "data/format/pipe_file.h"
#include "render/maps/maps.h"

namespace ductora::render {

// A gray-scale map texture of the pipe, made in the current GL context; 0 for a pipe without
// that matrix.
std::uint32_t MakeMapTexture(const PipeFile& pipe, MapKind kind);
// Replaces the set's texture of that kind with one made from the pipe as it is now.
void ReplaceMapTexture(MapTextures& textures, const PipeFile& pipe, MapKind kind);
void ReleaseMapTextures(MapTextures& textures);

}  // namespace ductora::render
