#include "render/scene/draw_caches.h"

#include "render/maps/map_textures.h"

namespace ductora::render {

namespace {

constexpr std::array<MapKind, 3> kTextureKinds = {MapKind::kWall, MapKind::kOd, MapKind::kId};

}  // namespace

void DrawCaches::PrepareTextures(const PipeFile& pipe) {
  while (PrepareOne(pipe, false)) {
  }
}

bool DrawCaches::PrepareOne(const PipeFile& pipe, bool relief) {
  PipeEntry& entry = EntryOf(pipe);
  for (std::size_t i = 0; i < kTextureKinds.size(); ++i) {
    if (entry.textureRevisions[i] == pipe.revision) continue;
    ReplaceMapTexture(entry.textures, pipe, kTextureKinds[i]);
    entry.textureRevisions[i] = pipe.revision;
    return true;
  }
  if (!relief || entry.reliefRevision == pipe.revision) return false;
  Relief(pipe);
  return true;
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

const ReliefMesh* DrawCaches::ReliefIfMade(const PipeFile& pipe) const {
  const auto found = pipes_.find(pipe.id);
  return found != pipes_.end() && found->second.reliefRevision == pipe.revision ? &found->second.relief
                                                                                : nullptr;
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
