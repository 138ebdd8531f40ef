#include "render/scene/draw_caches.h"

#include "render/maps/map_textures.h"

namespace ductora::render {

void DrawCaches::PrepareTextures(const PipeFile& pipe) {
  PipeEntry& entry = EntryOf(pipe);
  if (entry.texturesRevision == pipe.revision) return;
  ReplaceMapTextures(entry.textures, pipe);
  entry.texturesRevision = pipe.revision;
}

bool DrawCaches::TexturesMade(const PipeFile& pipe) const {
  const auto found = pipes_.find(pipe.id);
  return found != pipes_.end() && found->second.texturesRevision == pipe.revision;
}

const MapTextures& DrawCaches::TexturesOf(const PipeFile& pipe) const {
  static const MapTextures kNone;
  const auto found = pipes_.find(pipe.id);
  return found == pipes_.end() ? kNone : found->second.textures;
}

const Quadric& DrawCaches::PipeQuadric(const PipeFile& pipe) { return EntryOf(pipe).quadric; }

const ReliefMesh& DrawCaches::Relief(const PipeFile& pipe) {
  PipeEntry& entry = EntryOf(pipe);
  if (entry.reliefRevision != pipe.revision) {
    entry.relief = BuildReliefMesh(pipe);
    entry.reliefRevision = pipe.revision;
  }
  return entry.relief;
}

const IndicationRecords& DrawCaches::Indications(const PipeFile& pipe) {
  return EntryOf(pipe).indications.Records(pipe.path);
}

void DrawCaches::ReleaseGone(const PipeString& string) {
  for (auto it = pipes_.begin(); it != pipes_.end();) {
    if (string.holds(it->first)) {
      ++it;
      continue;
    }
    ReleaseMapTextures(it->second.textures);
    it = pipes_.erase(it);
  }
}

}  // namespace ductora::render
