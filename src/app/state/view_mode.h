#pragma once

#include <cstdint>

namespace ductora {

// What the pipe view draws, chosen from View > Draw. The values are those the menu commands,
// dialogs and tests speak of.
enum class ViewMode : std::uint32_t {
  kNone = 0,  // before the first file: only the watermark
  k3DWall = 1,
  k2DWall = 2,
  k2DWallOverlayLeft = 4,
  k2DWallOverlayTop = 5,
  k3DOd = 7,
  k2DOd = 8,
  k2DWall2DOd = 9,
  k2DOdOverlayLeft = 10,
  k2DOdOverlayTop = 11,
  k2DId = 12,
  k3DId = 13,
  k2DWall2DId = 14,
  k2DOd2DId = 15,
  kIndications = 16,  // the wall map with the indication circles
};

constexpr bool is3DViewMode(ViewMode mode) {
  return mode == ViewMode::k3DWall || mode == ViewMode::k3DOd || mode == ViewMode::k3DId;
}

}  // namespace ductora
