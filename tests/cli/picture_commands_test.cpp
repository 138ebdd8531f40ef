#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "cli_test_fixture.h"
#include "render/maps/gray_scale.h"
#include "support/png_read.h"

namespace ductora::testing {
namespace {

class PictureCommands : public LoadedPipeCliTest {
 protected:
  std::string out = dir.file("picture.png");
};

// Pixel (x, y) of the map is sample columns - 1 - x of revolution y, shaded between the limits.
void expectMapLayout(const PngImage& png, std::uint32_t rows, std::uint32_t columns,
                     const std::function<std::uint8_t(std::uint32_t, std::uint32_t)>& shade) {
  ASSERT_EQ(png.channels, 1);
  ASSERT_EQ(png.width, static_cast<int>(columns));
  ASSERT_EQ(png.height, static_cast<int>(rows));
  int wrong = 0;
  for (std::uint32_t r = 0; r < rows; ++r) {
    for (std::uint32_t x = 0; x < columns; ++x)
      wrong += png.pixels[std::size_t{r} * columns + x] != shade(r, columns - 1 - x);
  }
  EXPECT_EQ(wrong, 0);
}

TEST_F(PictureCommands, MapIsOnePixelPerSampleRowsByRevolutionSamplesReversed) {
  ASSERT_EQ(run("map " + path + " --kind wall -o " + out).exitCode, 0);
  const WallMatrix& wall = pipe.wallMatrix;
  expectMapLayout(*readPng(out), wall.rows, wall.columns, [&](std::uint32_t r, std::uint32_t s) {
    return render::GrayShade(wall.data[r * wall.columns + s], pipe.header.upperWall, pipe.header.lowerWall);
  });

  // Given limits replace the pipe's, in the OD map's signed units.
  ASSERT_EQ(run("map " + path + " --kind od --upper 20 --lower -30 -o " + out).exitCode, 0);
  const OdMatrix& od = pipe.odMatrix;
  expectMapLayout(*readPng(out), od.rows, od.columns, [&](std::uint32_t r, std::uint32_t s) {
    return render::GrayShade(od.data[r * od.columns + s], 20.0F, -30.0F);
  });

  // The ID map shades the deviation from the average ID between the OD offsets.
  ASSERT_EQ(run("map " + path + " --kind id -o " + out).exitCode, 0);
  const IdMatrix& id = pipe.idMatrix;
  expectMapLayout(*readPng(out), id.rows, id.columns, [&](std::uint32_t r, std::uint32_t s) {
    return render::GrayShade(static_cast<float>(id.data[r * id.columns + s] - 1000.0 * id.avgId),
                             pipe.header.upperOdOffset, pipe.header.lowerOdOffset);
  });
}

TEST_F(PictureCommands, RenderWritesTheViewAsRgbAtTheAskedSize) {
  const CliRun r = run("render " + path + " --view 2d-wall-2d-od --size 160x120 -o " + out);
  ASSERT_EQ(r.exitCode, 0) << r.err;
  EXPECT_EQ(r.err, "");
  const auto png = readPng(out);
  ASSERT_TRUE(png);
  EXPECT_EQ(png->width, 160);
  EXPECT_EQ(png->height, 120);
  ASSERT_EQ(png->channels, 3);
  // The top left corner is the pipe view's blue, (0.35, 0.45, 0.69) in bytes.
  EXPECT_EQ(png->pixels[0], 89);
  EXPECT_EQ(png->pixels[1], 115);
  EXPECT_EQ(png->pixels[2], 176);
}

TEST_F(PictureCommands, DataThePipeLacksIsAFileErrorAndKeepsTheOutput) {
  const std::string wallOnly = writePipe("wall-only.kqvw", 20.0, 1, false);
  writeText(out, "previous\n");
  for (const char* kind : {"od", "id"}) {
    const CliRun r = run("map " + wallOnly + " --kind " + kind + " -o " + out);
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err,
              "ductora-cli: " + wallOnly + ": no " + (kind == std::string("od") ? "OD" : "ID") + " matrix\n");
  }
  for (const char* view : {"2d-od", "2d-id", "2d-wall-2d-od", "2d-od-overlay-top", "3d-od", "3d-id"}) {
    const CliRun r = run("render " + wallOnly + " --view " + view + " -o " + out);
    EXPECT_EQ(r.exitCode, 1) << view;
    EXPECT_EQ(r.err.rfind("ductora-cli: " + wallOnly + ": view " + view + " needs ", 0), 0U) << r.err;
  }
  EXPECT_EQ(text(out), "previous\n");
  EXPECT_EQ(run("render " + wallOnly + " --view 2d-wall-overlay-left -o " + out).exitCode, 0);
}

TEST_F(PictureCommands, TheSlicePanelIsDrawnAtItsOwnSize) {
  const CliRun r = run("render " + path + " --panel slice -o " + out);
  ASSERT_EQ(r.exitCode, 0) << r.err;
  const auto png = readPng(out);
  ASSERT_TRUE(png);
  EXPECT_EQ(png->width, 320);
  EXPECT_EQ(png->height, 240);
}

TEST_F(PictureCommands, TheIndicationViewNeedsTheIndicationFile) {
  const CliRun missing = run("render " + path + " --view indications -o " + out);
  EXPECT_EQ(missing.exitCode, 1);
  EXPECT_NE(missing.err.find(dir.file("pipe.ind")), std::string::npos) << missing.err;
  EXPECT_FALSE(std::filesystem::exists(out));
  writeText(dir.file("pipe.ind"), "header\n1 1 Pit 1.0 0 90 50\n");
  EXPECT_EQ(run("render " + path + " --view indications --size 64x48 -o " + out).exitCode, 0);
}

TEST_F(PictureCommands, UsageErrorsExitTwoAndWriteNothing) {
  for (const char* options : {"--size 0x0",
                              "--size 100000x100000",
                              "--size 8193x10",
                              "--size 64x",
                              "--size x48",
                              "--x nan",
                              "--x inf",
                              "--x -1",
                              "--x 31",
                              "--y 360",
                              "--y nan",
                              "--zoom 1",
                              "--zoom -inf",
                              "--roll 360",
                              "--roll -1",
                              "--pipe 0",
                              "--pipe 2",
                              "--view 3d-sideways",
                              "--view 2d-wall --view 2d-od",
                              "--rotate 0,0",
                              "--rotate 0,0,360",
                              "--rotate 0,-1,0",
                              "--roll 0 --rotate 0,0,0",
                              "--magnify -1",
                              "--magnify nan",
                              "--panel slice"}) {
    const CliRun r = run("render " + path + " --view 2d-wall -o " + out + " " + options);
    EXPECT_EQ(r.exitCode, 2) << options;
    EXPECT_NE(r.err, "") << options;
  }
  for (const char* options : {"--kind sideways", "--kind wall --upper 70000", "--kind wall --lower -1",
                              "--kind od --lower -40000", "--kind id --upper 4.5", "--kind od --upper nan"}) {
    EXPECT_EQ(run("map " + path + " -o " + out + " " + options).exitCode, 2) << options;
  }
  EXPECT_EQ(run("render " + path + " -o " + out).exitCode, 2);
  EXPECT_EQ(run("render " + path + " --panel slice --zoom -5 -o " + out).exitCode, 2);
  EXPECT_EQ(run("render " + path + " --panel wall -o " + out).exitCode, 2);
  EXPECT_EQ(run("map " + path + " --kind wall").exitCode, 2);
  EXPECT_FALSE(std::filesystem::exists(out));
}

TEST_F(PictureCommands, UnreadableFilesExitOneNamingThem) {
  const std::string absent = dir.file("absent.kqvw");
  for (const std::string& command :
       {"render " + absent + " --view 2d-wall", "render " + dir.file("absent.kqstr") + " --view 2d-wall",
        "render " + path + " --view 2d-wall-overlay-top --overlay " + absent,
        "map " + absent + " --kind wall"}) {
    const CliRun r = run(command + " -o " + out);
    EXPECT_EQ(r.exitCode, 1) << command;
    EXPECT_NE(r.err.find("absent.kq"), std::string::npos) << r.err;
  }
  // A damaged pipe is not drawn, as the current pipe nor as the overlay.
  const std::string cut = writePipe("cut.kqvw", 20.0);
  std::filesystem::resize_file(cut, std::filesystem::file_size(cut) - 100);
  for (const std::string& command : {"render " + cut + " --view 2d-wall",
                                     "render " + path + " --view 2d-wall-overlay-top --overlay " + cut}) {
    const CliRun r = run(command + " -o " + out);
    EXPECT_EQ(r.exitCode, 1) << command;
    EXPECT_EQ(r.err.rfind("ductora-cli: " + cut + ": the file is damaged: the file ends inside the block", 0),
              0U)
        << r.err;
  }
  EXPECT_FALSE(std::filesystem::exists(out));

  const std::string noFolder = dir.file("no-folder/picture.png");
  CliRun r = run("render " + path + " --view 2d-wall --size 32x24 -o " + noFolder);
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_EQ(r.err.rfind("ductora-cli: " + noFolder + ": ", 0), 0U) << r.err;

  // In a string an unreadable neighbour is a warning; as the current pipe it is the error.
  const std::string list = dir.file("job.kqstr");
  writeText(list, "pipe.kqvw\nabsent.kqvw\n");
  r = run("render " + list + " --view 2d-wall --size 32x24 -o " + out);
  EXPECT_EQ(r.exitCode, 0);
  EXPECT_NE(r.err.find("warning: "), std::string::npos);
  EXPECT_NE(r.err.find("absent.kqvw"), std::string::npos);
  r = run("render " + list + " --pipe 2 --view 2d-wall --size 32x24 -o " + noFolder);
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_EQ(r.err.rfind("ductora-cli: " + absent + ": ", 0), 0U) << r.err;
}

// A panel is drawn at the size it has on a 1280-pixel screen, on its white; the pressure options
// reach its plot.
TEST_F(PictureCommands, RenderPanelDrawsOnePanelWithItsSettings) {
  const auto picture = [&](const std::string& options) {
    const CliRun r = run("render " + path + " " + options + " -o " + out);
    EXPECT_EQ(r.exitCode, 0) << options << r.err;
    return readPng(out);
  };
  const auto wall = picture("--panel wall-thickness");
  ASSERT_TRUE(wall);
  EXPECT_EQ(wall->width, 320);
  EXPECT_EQ(wall->height, 240);
  EXPECT_EQ(wall->pixels[3 * 320 * 239], 255);  // bottom left, below the title: the panel's white
  EXPECT_EQ(picture("--panel csa --size 200x150")->width, 200);
  EXPECT_NE(picture("--panel burst")->pixels, picture("--panel burst --burst-formula 6")->pixels);
  EXPECT_NE(picture("--panel burst")->pixels, picture("--panel burst --yield 80000")->pixels);
  EXPECT_NE(picture("--panel collapse")->pixels, picture("--panel collapse --collapse 6,6,6,6")->pixels);
  EXPECT_NE(picture("--panel wall-thickness")->pixels,
            picture("--panel wall-thickness --pipe-rotation 90")->pixels);
}

TEST_F(PictureCommands, PanelsThePipeCannotShowAndPanelUsageErrors) {
  const std::string wallOnly = writePipe("wall-only.kqvw", 20.0, 1, false);
  writeText(out, "previous\n");
  for (const char* panel : {"od-offset", "ovality", "pipe-id", "collapse", "burst"}) {
    const CliRun r = run("render " + wallOnly + " --panel " + panel + " -o " + out);
    EXPECT_EQ(r.exitCode, 1) << panel;
    EXPECT_EQ(r.err.rfind("ductora-cli: " + wallOnly + ": panel " + panel + " needs ", 0), 0U) << r.err;
  }
  // The program makes the straightness panel only for a pipe with OD data.
  const CliRun straight = run("render " + wallOnly + " --panel straightness -o " + out);
  EXPECT_EQ(straight.exitCode, 1);
  EXPECT_EQ(straight.err, "ductora-cli: " + wallOnly + ": panel straightness needs an OD matrix\n");
  EXPECT_EQ(text(out), "previous\n");
  for (const char* options :
       {"--panel slices", "--panel csa --view 2d-wall", "--panel csa --zoom -10", "--panel csa --roll 10",
        "--view 2d-wall --yield 1000", "--view 2d-wall --burst-formula 1", "--panel burst --burst-formula 14",
        "--panel burst --burst-formula -1", "--panel burst --yield 0", "--panel burst --yield nan",
        "--panel csa --pipe-rotation 360", "--panel collapse --collapse 7,0,0,0",
        "--panel collapse --collapse 3,3,3", "--view 2d-wall --collapse 3,3,3,3"}) {
    EXPECT_EQ(run("render " + path + " -o " + out + " " + options).exitCode, 2) << options;
  }
  EXPECT_EQ(text(out), "previous\n");
}

}  // namespace
}  // namespace ductora::testing
