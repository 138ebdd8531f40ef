#pragma once

#include "data/format/pipe_file.h"

namespace ductora::render {

// A pipe's gray-scale map textures, made in the current GL context: the pipe view's. Each
// replaces the pipe's texture of that kind; a pipe without the matrix ends up with none.
void BuildWallMapTexture(PipeFile& pipe);
void BuildOdMapTexture(PipeFile& pipe);
void BuildIdMapTexture(PipeFile& pipe);
// The textures a newly loaded pipe still lacks; nothing for a pipe that has them all.
void BuildMissingMapTextures(PipeFile& pipe);
void ReleaseMapTextures(PipeFile& pipe);

}  // namespace ductora::render
