#pragma once

#include "data/format/pipe_file.h"
#include "render/maps/maps.h"

namespace ductora::render {

// A gray-scale map texture of the pipe, made in the current GL context; 0 for a pipe without
// that matrix.
std::uint32_t MakeMapTexture(const PipeFile& pipe, MapKind kind);
// Replaces every texture of the set with one made from the pipe as it is now.
void ReplaceMapTextures(MapTextures& textures, const PipeFile& pipe);
void ReleaseMapTextures(MapTextures& textures);

}  // namespace ductora::render
