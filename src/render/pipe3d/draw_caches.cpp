#include "render/pipe3d/draw_caches.h"

namespace ductora::render {

PipeDrawCache& DrawCacheOf(const PipeFile& pipe) {
  if (!pipe.drawCache) pipe.drawCache = std::make_shared<PipeDrawCache>();
  return *pipe.drawCache;
}

StringDrawCache& DrawCacheOf(const PipeString& string) {
  if (!string.drawCache) string.drawCache = std::make_shared<StringDrawCache>();
  return *string.drawCache;
}

const ReliefMesh& CachedRelief(const PipeFile& pipe) {
  PipeDrawCache& cache = DrawCacheOf(pipe);
  if (cache.reliefRevision != pipe.shapeRevision) {
    cache.relief = BuildReliefMesh(pipe);
    cache.reliefRevision = pipe.shapeRevision;
  }
  return cache.relief;
}

}  // namespace ductora::render
