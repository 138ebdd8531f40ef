#include "app/views/slice_body.h"

#include "render/plots/slice_view.h"

namespace ductora {

void drawSliceBody(const AppState& app) {
  const PipeString& string = app.pipeString;
  if (const PipeFile* pipe = string.current())
    render::DrawSliceView(*pipe, string.position, string.angle, app.view.rotation[render::kAxisZ]);
}

}  // namespace ductora
