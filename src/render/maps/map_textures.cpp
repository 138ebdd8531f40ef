#include "render/maps/map_textures.h"

#include "render/gl/gl_texture.h"
#include "render/maps/gray_scale.h"

namespace ductora::render {
namespace {

void Replace(std::uint32_t& name, const GrayImage& image) {
  DeleteTexture(name);
  if (!image.empty()) name = UploadGrayTexture(image, true);
}

}  // namespace

void BuildWallMapTexture(PipeFile& pipe) { Replace(pipe.mapTextures.wall, WallGrayImage(pipe)); }
void BuildOdMapTexture(PipeFile& pipe) { Replace(pipe.mapTextures.od, OdGrayImage(pipe)); }
void BuildIdMapTexture(PipeFile& pipe) { Replace(pipe.mapTextures.id, IdGrayImage(pipe)); }

void BuildMissingMapTextures(PipeFile& pipe) {
  if (pipe.mapTextures.wall == 0 && pipe.wallMatrix.present()) BuildWallMapTexture(pipe);
  if (pipe.mapTextures.od == 0 && pipe.odMatrix.present()) BuildOdMapTexture(pipe);
  if (pipe.mapTextures.id == 0 && pipe.idMatrix.present()) BuildIdMapTexture(pipe);
}

void ReleaseMapTextures(PipeFile& pipe) {
  DeleteTexture(pipe.mapTextures.wall);
  DeleteTexture(pipe.mapTextures.od);
  DeleteTexture(pipe.mapTextures.id);
}

}  // namespace ductora::render
