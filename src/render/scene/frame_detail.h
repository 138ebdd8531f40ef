#pragma once

namespace ductora::render {

// A still frame is the whole picture. A moving frame, drawn while the operator turns, zooms or
// walks, may draw less where the eye cannot follow it: geometry whose detail comes out smaller
// than a couple of pixels, or the 3D picture at a lower resolution. The maps' own pixels, where a
// pit shows, are never reduced.
enum class FrameDetail { kStill, kMoving };

}  // namespace ductora::render
