#include <benchmark/benchmark.h>

#include "analysis/measures/pipe_measures.h"
#include "app/shell/commands.h"
#include "app/shell/frame.h"
#include "app/shell/startup.h"
#include "app/state/app_state.h"
#include "platform/headless/headless_platform.h"
#include "platform/headless/osmesa_context.h"
#include "render/gl/gl_texture.h"
#include "render/maps/gray_scale.h"
#include "resources/menu_table.h"
#include "support/synthetic_pipe.h"
#include "support/temp_dir.h"

namespace {

using namespace ductora;

// A 40-foot pipe as opened: about 1440 revolutions of 360 samples.
PipeFile FortyFootPipe(const testing::TempDir& dir) {
  const std::string path = dir.file("forty-foot.kqvw");
  testing::writeSyntheticPipe(path, {});
  PipeFile pipe;
  LoadPipeForUse(pipe, path);
  return pipe;
}

void BM_WallGrayImage(benchmark::State& state) {
  testing::TempDir dir;
  const PipeFile pipe = FortyFootPipe(dir);
  for (auto _ : state) benchmark::DoNotOptimize(render::WallGrayImage(pipe).pixels.data());
  state.counters["rows"] = pipe.wallMatrix.rows;
}
BENCHMARK(BM_WallGrayImage)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// The mipmapped texture of that image, made and freed in an offscreen context.
void BM_MapTextureUpload(benchmark::State& state) {
  testing::TempDir dir;
  const render::GrayImage image = render::WallGrayImage(FortyFootPipe(dir));
  auto context = platform::headless::OffscreenContext::create(64, 64);
  context->makeCurrent();
  for (auto _ : state) {
    std::uint32_t name = render::UploadGrayTexture(image, true);
    render::DeleteTexture(name);
  }
}
BENCHMARK(BM_MapTextureUpload)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// The pipe view alone at 1272 x 952 in "2D Wall, 2D OD", a string of nine 40-foot pipes loaded
// around the current one.
void BM_PipeViewFrameNinePipes(benchmark::State& state) {
  testing::TempDir dir;
  testing::SyntheticPipeOptions options;
  options.withRawWall = false;
  options.withRawOd = false;
  const std::string list = testing::writeSyntheticString(dir.path().string(), 9, options);
  platform::headless::HeadlessPlatform platform;
  AppState app(platform);
  startApp(app, list);
  app.pipeString.jumpTo(5);
  runCommand(app, resources::kCmdDraw2DWall2DOd);
  for (const PanelId id : kFrameOrder) {
    if (id != kPipeViewPanel) app.windows.hide(id);
  }
  runFrame(app, 0.0);  // the textures are made on the first frame
  state.counters["pipes"] = static_cast<double>(app.pipeString.loadedPipes().size());
  for (auto _ : state) runFrame(app, 0.016);
  state.counters["frames/s"] =
      benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_PipeViewFrameNinePipes)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
