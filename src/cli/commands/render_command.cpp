#include "cli/commands/render_command.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/navigation/navigation.h"
#include "app/shell/commands.h"
#include "cli/options/collapse_option.h"
#include "cli/options/panel_choice.h"
#include "cli/options/pipe_view_picture.h"
#include "cli/output/png_file.h"
#include "data/exports/fixed_text.h"
#include "data/indications/indication_file.h"
#include "resources/menu_table.h"

namespace ductora::cli {

namespace {

using namespace resources;

// Far above any screen, and small enough that the picture's buffers stay within a few hundred MB.
constexpr int kMaxSide = 8192;

// A view is the View > Draw item the program would be given; its menu item says whether the
// current pipe's data allow it.
struct ViewRow {
  const char* name;
  int command;
  const char* needs;
};

constexpr std::array<ViewRow, 14> kViews = {{
    {"2d-wall", kCmdDraw2DWall, "a wall matrix"},
    {"2d-od", kCmdDraw2DOd, "an OD matrix"},
    {"2d-id", kCmdDraw2DId, "wall and OD matrices"},
    {"2d-wall-2d-od", kCmdDraw2DWall2DOd, "wall and OD matrices"},
    {"2d-wall-2d-id", kCmdDraw2DWall2DId, "wall and OD matrices"},
    {"2d-od-2d-id", kCmdDraw2DOd2DId, "wall and OD matrices"},
    {"2d-wall-overlay-left", kCmdDraw2DWallOverlayLeft, "a wall matrix"},
    {"2d-wall-overlay-top", kCmdDraw2DWallOverlayTop, "a wall matrix"},
    {"2d-od-overlay-left", kCmdDraw2DOdOverlayLeft, "an OD matrix"},
    {"2d-od-overlay-top", kCmdDraw2DOdOverlayTop, "an OD matrix"},
    {"3d-wall", kCmdDraw3DWall, "a wall matrix"},
    {"3d-od", kCmdDraw3DOd, "an OD matrix"},
    {"3d-id", kCmdDraw3DId, "wall and OD matrices"},
    // The Indication dialog's ON; its menu item, View > Indications, says whether it can be had.
    {"indications", kCmdIndications, "a wall matrix"},
}};

template <typename Row, std::size_t N>
const Row& rowNamed(const std::array<Row, N>& rows, const std::string& name) {
  // The options' checks admit only names of the tables.
  return *std::find_if(rows.begin(), rows.end(), [&name](const Row& row) { return name == row.name; });
}

template <typename Row, std::size_t N>
std::vector<std::string> namesOf(const std::array<Row, N>& rows) {
  std::vector<std::string> names;
  for (const Row& row : rows) names.emplace_back(row.name);
  return names;
}

struct RenderOptions {
  std::string file;
  std::optional<std::string> view;
  std::optional<std::string> panel;
  std::string out;
  std::optional<std::string> size;
  std::optional<std::int64_t> pipe;
  std::optional<double> x;
  std::optional<double> y;
  std::optional<double> zoom;
  std::optional<double> roll;
  std::optional<double> pipeRotation;
  std::optional<std::vector<double>> rotate;
  std::optional<double> magnify;
  bool straight = false;
  bool noReading = false;
  bool moving = false;
  std::optional<std::string> overlay;
  std::optional<double> yield;
  std::optional<std::string> collapse;
  std::optional<std::int64_t> burstFormula;
};

// A view rotation as the program keeps it.
bool isRotation(double degrees) { return degrees >= 0.0 && degrees <= 359.0; }

// "WIDTHxHEIGHT", each side 1 to kMaxSide pixels.
std::optional<PictureSize> parseSize(const std::string& text) {
  PictureSize size;
  const char* const end = text.data() + text.size();
  const auto [afterWidth, widthError] = std::from_chars(text.data(), end, size.width);
  if (widthError != std::errc() || afterWidth == end || *afterWidth != 'x') return std::nullopt;
  const auto [afterHeight, heightError] = std::from_chars(afterWidth + 1, end, size.height);
  if (heightError != std::errc() || afterHeight != end) return std::nullopt;
  const auto fits = [](int side) { return side >= 1 && side <= kMaxSide; };
  if (!fits(size.width) || !fits(size.height)) return std::nullopt;
  return size;
}

// NaN fails every comparison, so it is refused with the values out of range.
std::optional<std::string> optionProblem(const RenderOptions& o) {
  if (!o.view && !o.panel) return "give --view or --panel";
  if (o.size && !parseSize(*o.size)) {
    return "--size takes WIDTHxHEIGHT, each side 1.." + std::to_string(kMaxSide) + " pixels";
  }
  if (o.pipe && *o.pipe < 1) return "--pipe counts from 1";
  if (o.x && !(std::isfinite(*o.x) && *o.x >= 0.0)) return "--x takes inches of at least 0";
  if (o.y && !(*o.y >= 0.0 && *o.y < 360.0)) return "--y takes degrees from 0 up to 360";
  if (o.zoom && !(std::isfinite(*o.zoom) && *o.zoom <= 0.0)) return "--zoom takes a distance of at most 0";
  if (o.roll && !isRotation(*o.roll)) return "--roll takes degrees from 0 to 359";
  if (o.pipeRotation && !isRotation(*o.pipeRotation)) return "--pipe-rotation takes degrees from 0 to 359";
  if (o.rotate && !std::all_of(o.rotate->begin(), o.rotate->end(), isRotation)) {
    return "--rotate takes X,Y,Z in degrees from 0 to 359";
  }
  if (o.magnify && !(std::isfinite(*o.magnify) && *o.magnify >= 0.0))
    return "--magnify takes a scale of at least 0";
  if (o.yield && !(std::isfinite(*o.yield) && *o.yield > 0.0)) return "--yield takes psi above 0";
  if (o.collapse && !parseCollapseChoices(*o.collapse)) {
    return "--collapse takes four choices 0-6: OD,WALL,OVALITY,ECCENTRICITY";
  }
  if (o.burstFormula && !(*o.burstFormula >= 0 && *o.burstFormula <= kLastBurstFormula)) {
    return "--burst-formula takes 0.." + std::to_string(kLastBurstFormula);
  }
  return std::nullopt;
}

// The cursor where the program puts it on opening, or where asked within the current pipe.
std::optional<Failure> placeCursor(PipeString& string, const RenderOptions& o) {
  const float length = string.current()->pipeLength();
  if (o.x && *o.x > length) {
    return Failure{
        kUsageError, "render",
        "--x " + fixedText(*o.x) + " lies beyond the current pipe (" + fixedText(length) + " inches)"};
  }
  setX(string, o.x ? static_cast<float>(*o.x) : string.currentLength() / 2.0F);
  if (o.y) string.angle = static_cast<float>(*o.y);
  if (o.pipeRotation) string.current()->viewState[kRotationZ] = static_cast<float>(*o.pipeRotation);
  return std::nullopt;
}

// Mode 16 as the Indication dialog's ON leaves it, when View > Indications finds the current pipe's file.
std::optional<Failure> chooseIndicationView(AppState& app) {
  const std::string& pipePath = app.pipeString.current()->path;
  const std::optional<std::string> found = findIndicationFile(pipePath);
  if (!found) {
    const IndicationFileNames names = indicationFileNames(pipePath);
    return Failure{kFileError, pipePath,
                   "no indication file at " + names.primary + " or " + names.alternative};
  }
  app.windows.show(kPipeViewPanel);
  app.viewMode = ViewMode::kIndications;
  return std::nullopt;
}

std::optional<Failure> chooseView(HeadlessProgram& program, const RenderOptions& o) {
  const ViewRow& view = rowNamed(kViews, *o.view);
  AppState& app = program.app;
  if (!program.platform.menu().isEnabled(view.command)) {
    return Failure{kFileError, app.pipeString.current()->path,
                   std::string("view ") + view.name + " needs " + view.needs};
  }
  if (view.command == kCmdIndications) {
    if (auto failure = chooseIndicationView(app)) return failure;
  } else {
    runCommand(app, view.command);
  }
  PipeString& string = app.pipeString;
  if (o.zoom) setZoom(app.view, static_cast<float>(*o.zoom));
  if (o.roll) app.view.rotation[render::kAxisZ] = static_cast<float>(*o.roll);
  if (o.rotate) {
    for (std::size_t axis = 0; axis < app.view.rotation.size(); ++axis) {
      app.view.rotation[axis] = static_cast<float>((*o.rotate)[axis]);
    }
  }
  if (o.straight) {
    if (!program.platform.menu().isEnabled(kCmdMarkersStraight3D)) {
      return Failure{kFileError, string.current()->path, "--straight needs a straightness matrix"};
    }
    runCommand(app, kCmdMarkersStraight3D);
  }
  if (o.noReading) runCommand(app, kCmdMarkersNoReading);
  return std::nullopt;
}

PressureSettings pressureSettings(const RenderOptions& o) {
  PressureSettings settings;
  if (o.yield) settings.yield = *o.yield;
  settings.collapse = *parseCollapseChoices(o.collapse.value_or(kDefaultCollapseChoices));
  if (o.burstFormula) settings.burstFormula = static_cast<std::uint32_t>(*o.burstFormula);
  return settings;
}

// The display-scale slider's value, for the 3D OD relief and the slice.
void setDisplayScale(PipeString& string, double scale) {
  PipeFile& current = *string.current();
  current.header.displayScale = static_cast<float>(scale);
  current.changed();
}

int runRender(const RenderOptions& o) {
  if (const auto problem = optionProblem(o)) return reportUsageError("render", *problem);
  HeadlessProgram program;
  std::optional<Failure> failure = openFile(program, o.file);
  if (!failure && o.pipe) failure = choosePipe(program, *o.pipe, o.file);
  if (!failure) failure = placeCursor(program.app.pipeString, o);
  if (!failure && o.overlay) failure = loadOverlay(program, *o.overlay);
  int slot = kPipeViewPanel;
  if (!failure && o.view) failure = chooseView(program, o);
  if (!failure && o.panel) failure = choosePanel(program, *o.panel, pressureSettings(o), slot);
  if (failure) return report(*failure);
  for (const std::string& text : program.warnings) warn(text);
  if (o.magnify) setDisplayScale(program.app.pipeString, *o.magnify);
  if (o.moving) program.app.motion.movedAt(program.platform.nowMs());

  const RgbPicture picture = windowPicture(program, slot, o.size ? parseSize(*o.size) : std::nullopt);
  if (picture.bytes.empty()) {
    // Nothing is wrong with the output file: what was asked of the pipe could not be drawn.
    return report(
        {kFileError, o.file, o.view ? "the pipe view could not be drawn" : "the panel could not be drawn"});
  }
  const SaveResult saved =
      writePngFile(o.out, {picture.width, picture.height, PngFormat::kRgb, picture.bytes});
  if (!saved.ok) return report({kFileError, o.out, saved.error});
  return kSuccess;
}

}  // namespace

Command addRenderCommand(CLI::App& app) {
  auto options = std::make_shared<RenderOptions>();
  CLI::App* command =
      app.add_subcommand("render", "The pipe view or a plot panel drawn as the program draws it, as a PNG");
  command->add_option("FILE", options->file, "Pipe (.kqvw) or string (.kqstr) file")->required();
  CLI::Option* view = command->add_option("--view", options->view, "The pipe view's View > Draw choice")
                          ->check(CLI::IsMember(namesOf(kViews)));
  CLI::Option* panel = command->add_option("--panel", options->panel, "A panel instead of the pipe view")
                           ->check(CLI::IsMember(panelNames()))
                           ->excludes(view);
  command->add_option("-o,--output", options->out, "PNG file to write (8-bit RGB)")->required();
  command->add_option("--size", options->size,
                      "WIDTHxHEIGHT of the picture, each side at most " + std::to_string(kMaxSide) +
                          " (default as on a 1280 x 1024 screen: 1272x952 for a view, 320x240 for a panel)");
  command->add_option("--pipe", options->pipe, "Pipe N of a string, counted from 1 (default 1)");
  command->add_option("--x", options->x, "Inches along the current pipe (default: its middle)");
  command->add_option("--y", options->y, "Degrees around the pipe, 0 up to 360 (default 0)");
  command->add_option("--pipe-rotation", options->pipeRotation,
                      "The current pipe's own rotation about its axis, 0 to 359 degrees (default 0)");
  const std::vector<CLI::Option*> viewOnly = {
      command->add_option("--zoom", options->zoom, "View distance, at most 0 (default: the view's own)"),
      command->add_option("--roll", options->roll,
                          "The view's rotation about the pipe axis, 0 to 359 degrees"),
      command->add_option("--rotate", options->rotate, "The view's rotations X,Y,Z, each 0 to 359 degrees")
          ->delimiter(',')
          ->expected(3),
      command->add_flag("--straight", options->straight, "View > Markers > Straight 3D on"),
      command->add_flag("--no-reading", options->noReading, "View > Markers > No Reading on")};
  viewOnly[1]->excludes(viewOnly[2]);
  for (CLI::Option* option : viewOnly) option->excludes(panel);
  command->add_flag("--moving", options->moving,
                    "The frame drawn while the view turns or the cursor walks (default: the still frame)");
  command->add_option("--magnify", options->magnify, "Display scale of the 3D OD relief and the slice");
  command->add_option("--overlay", options->overlay, "Pipe file to load as File > Overlay does");
  command
      ->add_option("--yield", options->yield,
                   "Yield strength typed in Collapse Pressure, psi (default 110000)")
      ->excludes(view);
  command
      ->add_option("--collapse", options->collapse,
                   "The Collapse Pressure dialog's choices OD,WALL,OVALITY,ECCENTRICITY, each 0-6 (default " +
                       std::string(kDefaultCollapseChoices) + ", the pipe averages)")
      ->excludes(view);
  command
      ->add_option(
          "--burst-formula", options->burstFormula,
          "The Burst dialog's formula, 0.." + std::to_string(kLastBurstFormula) + " (default 0, API)")
      ->excludes(view);
  return {command, [options] { return runRender(*options); }};
}

}  // namespace ductora::cli
