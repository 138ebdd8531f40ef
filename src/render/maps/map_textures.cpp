#include "render/maps/map_textures.h"

#include "render/gl/gl_texture.h"
#include "render/maps/gray_scale.h"

namespace ductora::render {
namespace {

GrayImage ImageOf(const PipeFile& pipe, MapKind kind) {
  switch (kind) {
    case MapKind::kWall:
      return WallGrayImage(pipe);
    case MapKind::kOd:
      return OdGrayImage(pipe);
    case MapKind::kId:
      return IdGrayImage(pipe);
  }
  return {};
}

}  // namespace

std::uint32_t MakeMapTexture(const PipeFile& pipe, MapKind kind) {
  const GrayImage image = ImageOf(pipe, kind);
  return image.empty() ? 0 : UploadGrayTexture(image, true);
}

void ReplaceMapTexture(MapTextures& textures, const PipeFile& pipe, MapKind kind) {
  std::uint32_t& name = kind == MapKind::kWall ? textures.wall
                        : kind == MapKind::kOd ? textures.od
                                               : textures.id;
  DeleteTexture(name);
  name = MakeMapTexture(pipe, kind);
}

void ReleaseMapTextures(MapTextures& textures) {
  DeleteTexture(textures.wall);
  DeleteTexture(textures.od);
  DeleteTexture(textures.id);
}

}  // namespace ductora::render
