#pragma once

#include <cstdint>

namespace ductora::render {

struct ClearColour {
  float r = 0.0F;
  float g = 0.0F;
  float b = 0.0F;
  float a = 1.0F;
};

// The pipe view's blue, also behind the Slice and Ovality panels.
constexpr ClearColour kViewBlue{0.35F, 0.45F, 0.69F, 1.0F};
// Plot panels are cleared to white (these components, above 1, are clamped to white).
constexpr ClearColour kPlotWhite{1.35F, 1.45F, 1.69F, 1.0F};

// The pipe view's camera: a 45-degree vertical field of view at the viewport's aspect, so that
// a bore stays round on a window of any shape; 4:3, the view's laid-out shape, before it has one.
constexpr double kFieldOfViewDegrees = 45.0;
constexpr double kViewAspect = 4.0 / 3.0;
constexpr double kSetUpNearPlane = 10.0;  // the set-up's frustum; every frame sets its own
constexpr double kFrameNearPlane = 0.1;   // near enough for the 3D pipe seen from inside its radius
constexpr double kFarPlane = 10000.0;     // beyond a string of nine 40-foot pipes

// Width over height of the current viewport; kViewAspect for an empty one.
double ViewportAspect();
// Perspective projection; leaves the model-view matrix current.
void SetPerspective(double nearPlane);
// Orthographic projection over 0..width by 0..height; leaves the model-view matrix current.
void SetPixelProjection(double width, double height);

// GL state of a new context. The pipe view: its blue, the set-up frustum, 2D texturing and
// depth testing. A plot panel: its clear colour, the unit square, 2D texturing.
void InitPipeViewGl();
void InitPlotPanelGl(const ClearColour& clear);

// The start of each frame: viewport over the window, cleared colour, depth and stencil.
void BeginFrame(int width, int height, const ClearColour& clear);
void BeginFrame(int width, int height);  // with the clear colour the context has

// The word-mark behind the pipe view, lightening the blue, in its own projection (375 high and
// as wide as the viewport's aspect makes it, the mark centred); leaves the projection for the
// caller to set.
void DrawWatermark(std::uint32_t texture);
// The current colour the watermark leaves behind it.
void SetWatermarkColour();

// A picture of opaque fragments only covers the watermark wherever it draws. Drawn between these,
// with the watermark laid afterwards on the pixels it left untouched, it gives the very pixels of
// the watermark drawn first, without shading the watermark where the picture hides it. Only in
// a context with a stencil buffer, which does the marking.
bool CanMarkWrittenPixels();
void BeginMarkingWrittenPixels();
void DrawWatermarkOnUnwrittenPixels(std::uint32_t texture);

// The pipe view's picture is drawn between these: the frame's perspective with the model-view
// matrix saved at identity, and restored after.
void BeginPipeViewScene();
void EndPipeViewScene();

// A plot panel's body is drawn between these: viewport, optionally a projection in pixels of the
// panel, the clear, and the model-view matrix saved and restored. On a screen of pixelRatio device
// pixels to the logical one, the body lays out in logical pixels (width / ratio by height /
// ratio): text, margins and lines come out as large as on a screen of one.
void BeginPlotPanel(int width, int height, bool pixelProjection, const ClearColour& clear,
                    double pixelRatio = 1.0);
// Device pixels to the logical pixel of the plot panel being drawn.
double PlotPixelRatio();
void EndPlotPanel();

}  // namespace ductora::render
