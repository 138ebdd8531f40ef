#pragma once

#include <array>

#include "app/state/view_mode.h"
#include "resources/menu_table.h"

namespace ductora {

// The Draw menu: the view mode each item chooses and the zoom it starts at.
enum class DrawZoom { k3D, k2D, kHalf2D };

struct DrawCommand {
  int command;
  ViewMode viewMode;
  DrawZoom zoom;
};

constexpr std::array<DrawCommand, 13> kDrawCommands = {{
    {resources::kCmdDraw2DWall2DOd, ViewMode::k2DWall2DOd, DrawZoom::kHalf2D},
    {resources::kCmdDraw2DWall2DId, ViewMode::k2DWall2DId, DrawZoom::kHalf2D},
    {resources::kCmdDraw2DOd2DId, ViewMode::k2DOd2DId, DrawZoom::kHalf2D},
    {resources::kCmdDraw3DWall, ViewMode::k3DWall, DrawZoom::k3D},
    {resources::kCmdDraw2DWall, ViewMode::k2DWall, DrawZoom::kHalf2D},
    {resources::kCmdDraw2DWallOverlayLeft, ViewMode::k2DWallOverlayLeft, DrawZoom::k2D},
    {resources::kCmdDraw2DWallOverlayTop, ViewMode::k2DWallOverlayTop, DrawZoom::k2D},
    {resources::kCmdDraw3DOd, ViewMode::k3DOd, DrawZoom::k3D},
    {resources::kCmdDraw2DOd, ViewMode::k2DOd, DrawZoom::kHalf2D},
    {resources::kCmdDraw2DOdOverlayLeft, ViewMode::k2DOdOverlayLeft, DrawZoom::k2D},
    {resources::kCmdDraw2DOdOverlayTop, ViewMode::k2DOdOverlayTop, DrawZoom::k2D},
    {resources::kCmdDraw3DId, ViewMode::k3DId, DrawZoom::k3D},
    {resources::kCmdDraw2DId, ViewMode::k2DId, DrawZoom::kHalf2D},
}};

}  // namespace ductora
