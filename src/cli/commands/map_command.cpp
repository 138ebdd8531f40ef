#include "cli/commands/map_command.h"

#include <algorithm>
#include <array>
#include <limits>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "cli/options/load_pipe.h"
#include "cli/output/png_file.h"
#include "render/maps/gray_scale.h"

namespace ductora::cli {

namespace {

using Limits16 = std::numeric_limits<std::int16_t>;

// What each kind shades and between which limits: the wall's are unsigned 16-bit, the OD offsets
// (which the ID map shares) signed.
struct MapKind {
  const char* name;
  const char* matrix;
  bool wallLimits;
  render::GrayImage (*image)(const PipeFile&, int upper, int lower);
};

constexpr std::array<MapKind, 3> kKinds = {{
    {"wall", "wall matrix", true,
     [](const PipeFile& pipe, int upper, int lower) {
       return render::WallGrayImage(pipe.wallMatrix, static_cast<std::uint16_t>(upper),
                                    static_cast<std::uint16_t>(lower));
     }},
    {"od", "OD matrix", false,
     [](const PipeFile& pipe, int upper, int lower) {
       return render::OdGrayImage(pipe.odMatrix, static_cast<std::int16_t>(upper),
                                  static_cast<std::int16_t>(lower));
     }},
    {"id", "ID matrix", false,
     [](const PipeFile& pipe, int upper, int lower) {
       return render::IdGrayImage(pipe.idMatrix, static_cast<std::int16_t>(upper),
                                  static_cast<std::int16_t>(lower));
     }},
}};

struct MapOptions {
  std::string file;
  std::string kind;
  std::string out;
  std::optional<int> upper;
  std::optional<int> lower;
};

int runMap(const MapOptions& options) {
  // The option's check admits only names of the table.
  const MapKind& kind = *std::find_if(kKinds.begin(), kKinds.end(),
                                      [&options](const MapKind& row) { return options.kind == row.name; });
  const int lowest = kind.wallLimits ? 0 : Limits16::min();
  const int highest = kind.wallLimits ? std::numeric_limits<std::uint16_t>::max() : Limits16::max();
  for (const std::optional<int>& limit : {options.upper, options.lower}) {
    if (limit && (*limit < lowest || *limit > highest)) {
      return reportUsageError("map", "--upper and --lower take " + std::to_string(lowest) + ".." +
                                         std::to_string(highest) + " for the " + kind.name + " map");
    }
  }
  PipeFile pipe;
  if (!loadPipe(pipe, options.file)) {
    return kFileError;
  }
  const PipeHeader& h = pipe.header;
  const render::GrayImage image =
      kind.image(pipe, options.upper.value_or(kind.wallLimits ? h.upperWall : h.upperOdOffset),
                 options.lower.value_or(kind.wallLimits ? h.lowerWall : h.lowerOdOffset));
  if (image.empty()) {
    reportFileError(options.file, std::string("no ") + kind.matrix);
    return kFileError;
  }
  const SaveResult saved =
      writePngFile(options.out, {image.width, image.height, PngFormat::kGray, image.pixels});
  if (!saved.ok) {
    reportFileError(options.out, saved.error);
    return kFileError;
  }
  return kSuccess;
}

}  // namespace

Command addMapCommand(CLI::App& app) {
  auto options = std::make_shared<MapOptions>();
  CLI::App* command =
      app.add_subcommand("map", "The gray-scale map image: a pixel per sample, a row per revolution");
  command->add_option("FILE", options->file, "Pipe file (.kqvw)")->required();
  std::vector<std::string> kinds;
  for (const MapKind& kind : kKinds) kinds.emplace_back(kind.name);
  command->add_option("--kind", options->kind, "Which map")->required()->check(CLI::IsMember(kinds));
  command->add_option("-o,--output", options->out, "PNG file to write (8-bit gray)")->required();
  command->add_option("--upper", options->upper,
                      "Black at and above this many thousandths of an inch: wall, or OD or ID off its "
                      "average (default: the pipe's own limit)");
  command->add_option("--lower", options->lower, "White at and below this many (default: the pipe's own)");
  return {command, [options] { return runMap(*options); }};
}

}  // namespace ductora::cli
