#pragma once

#include <array>
#include <cstddef>

#include "data/strings/pipe_string.h"
#include "render/scene/draw_caches.h"
#include "render/scene/frame_detail.h"

namespace ductora::render {

// Indices of the view's rotations.
enum ViewAxis : std::size_t { kAxisX = 0, kAxisY = 1, kAxisZ = 2 };

// How the pipe view looks at the string.
struct ViewValues {
  std::array<float, 3> rotation{};  // about x, y and z (the roll), degrees
  float depth = 0.0F;               // the zoom: the distance along the view axis, never above 0
  bool straight = false;            // View > Markers > Straight 3D
  bool noReading = false;           // View > Markers > No Reading

  // Back to looking straight at the string, as a newly opened pipe is shown.
  void ResetCamera() {
    rotation = {};
    depth = 0.0F;
  }
};

// What one picture of the pipe view is drawn from.
struct PipeScene {
  const PipeString& string;
  const ViewValues& view;
  DrawCaches& caches;
  FrameDetail detail = FrameDetail::kStill;
};

}  // namespace ductora::render
