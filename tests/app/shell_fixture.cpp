#include "shell_fixture.h"

#include "app/shell/frame.h"
#include "app/shell/startup.h"
#include "data/format/pipe_file_io.h"
#include "support/matrix_builders.h"

namespace ductora::testing {

std::string WriteTestPipe(const std::string& path, PipeData data, std::uint16_t kqNumber, bool straightness) {
  PipeShape plan;
  plan.nominalOd = 7.0F;
  plan.calibrationOd = 7.0F;
  plan.nominalWall = 362;
  if (data != PipeData::kOdOnly) {
    plan.wall = MakeWallMatrix(
        31, 36, [](std::uint32_t row, std::uint32_t) { return static_cast<std::uint16_t>(350 + row % 7); });
  }
  if (data != PipeData::kWallOnly) {
    plan.od = MakeOdMatrix(
        31, 36, [](std::uint32_t, std::uint32_t column) { return static_cast<std::int16_t>(column % 5); });
  }
  PipeFile pipe = MakePipe(std::move(plan));
  pipe.header.kqNumber = kqNumber;
  if (straightness) {
    pipe.straightness.deltaX = 1.0;
    pipe.straightness.rows = 31;
    pipe.straightness.deltaY = 90.0;
    pipe.straightness.columns = 4;
    pipe.straightness.data.assign(31 * 4, 3);
  }
  const SaveResult saved = savePipeFile(pipe, path, false, false);
  EXPECT_TRUE(saved.ok) << saved.error;
  return path;
}

ShellTest::ShellTest() : app(platform) {}

std::string ShellTest::pipe(const std::string& name, PipeData data, std::uint16_t kqNumber,
                            bool straightness) {
  return WriteTestPipe(dir.file(name), data, kqNumber, straightness);
}

// A frame follows every open in the program: the windows that follow the current pipe catch up there.
void ShellTest::start(const std::string& commandLine) {
  startApp(app, commandLine);
  runFrame(app, 0.0);
}

void ShellTest::command(int id) { surface(0)->send(platform::CommandEvent{id}); }

}  // namespace ductora::testing
