#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <unordered_map>

#include "data/format/pipe_file.h"
#include "data/strings/pipe_string.h"
#include "render/gl/quadric.h"
#include "render/maps/indication_cache.h"
#include "render/maps/maps.h"
#include "render/pipe3d/od_relief.h"

namespace ductora::render {

// What the renderer keeps for the pipes it draws, keyed by each pipe's id and made again when the
// pipe's revision moves on. The records stay plain data; their GL objects live here, in the
// context of the pipe view, which must be current whenever textures are made or released.
class DrawCaches {
 public:
  DrawCaches() = default;
  DrawCaches(const DrawCaches&) = delete;
  DrawCaches& operator=(const DrawCaches&) = delete;

  // Makes the map textures of a pipe new or changed since they were made.
  void PrepareTextures(const PipeFile& pipe);
  // Makes one thing the pipe lacks for its revision: the first of its wall, OD and ID textures,
  // then, when asked, its relief. True when there was one to make: a frame that must not wait
  // makes one at a time.
  bool PrepareOne(const PipeFile& pipe, bool relief);
  // The pipe's textures as last prepared; none for a pipe never prepared.
  const MapTextures& TexturesOf(const PipeFile& pipe) const;
  // The pipe quadric, with texture coordinates.
  const Quadric& PipeQuadric(const PipeFile& pipe);
  // The 3D OD relief of the pipe's revision, made when missing.
  const ReliefMesh& Relief(const PipeFile& pipe);
  // The relief when it is made for the pipe's revision; null otherwise.
  const ReliefMesh* ReliefIfMade(const PipeFile& pipe) const;
  const Quadric& MarkerQuadric() const { return markerQuadric_; }
  // The records of the pipe's own indication file; none when it has none.
  const IndicationRecords& Indications(const PipeFile& pipe);
  // Frees what was kept for every pipe the string no longer holds: those pipes have left memory.
  void ReleaseGone(const PipeString& string);

 private:
  struct PipeEntry {
    MapTextures textures;
    std::array<std::optional<std::uint64_t>, 3> textureRevisions;  // wall, OD, ID
    Quadric quadric = MakeQuadric(true);
    ReliefMesh relief;
    std::optional<std::uint64_t> reliefRevision;
    IndicationCache indications;
  };

  PipeEntry& EntryOf(const PipeFile& pipe) { return pipes_[pipe.id]; }

  std::unordered_map<std::uint64_t, PipeEntry> pipes_;
  Quadric markerQuadric_ = MakeQuadric(false);
};

}  // namespace ductora::render
