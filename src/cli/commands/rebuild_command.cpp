#include "cli/commands/rebuild_command.h"

#include <charconv>
#include <cmath>
#include <fstream>
#include <iostream>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "analysis/rebuild/matrix_fields.h"
#include "analysis/rebuild/od_build.h"
#include "analysis/rebuild/wall_build.h"
#include "analysis/rebuild/wall_build_check.h"
#include "cli/options/load_pipe.h"

namespace ductora::cli {

namespace {

struct WallOptions {
  std::string file;
  std::string out;
  int primary = 0;
  int secondary = 0;
  bool left = false;
  double removeFront = 0.0;
  double removeBack = 0.0;
  double deltaX = 0.0;
  double deltaY = 0.0;
  std::uint32_t jump = 0;
  std::vector<std::string> wallScales;
  bool displayRaw = false;
  std::string encoderLog;
  JumpFilter jumpFilter = JumpFilter::kCorroborated;
  // Which of the optional settings were given.
  CLI::Option* primaryOption = nullptr;
  CLI::Option* secondaryOption = nullptr;
  CLI::Option* removeFrontOption = nullptr;
  CLI::Option* removeBackOption = nullptr;
  CLI::Option* deltaXOption = nullptr;
  CLI::Option* deltaYOption = nullptr;
  CLI::Option* jumpOption = nullptr;
};

struct OdOptions {
  std::string file;
  std::string out;
  std::uint32_t jump = 0;
  JumpFilter jumpFilter = JumpFilter::kCorroborated;
  CLI::Option* jumpOption = nullptr;
};

int usageError(const std::string& message) { return reportUsageError("rebuild", message); }

bool given(const CLI::Option* option) { return option != nullptr && option->count() > 0; }

// "N=VALUE" with N in 1..4 and VALUE a finite scale of at least 0.
bool applyWallScale(const std::string& text, std::array<double, 4>& scales) {
  const auto equals = text.find('=');
  if (equals == std::string::npos) {
    return false;
  }
  int number = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + equals, number);
  if (error != std::errc() || end != text.data() + equals || number < 1 || number > 4) {
    return false;
  }
  try {
    std::size_t used = 0;
    const double value = std::stod(text.substr(equals + 1), &used);
    if (used != text.size() - equals - 1 || !std::isfinite(value) || value < 0.0) {
      return false;
    }
    scales[static_cast<std::size_t>(number - 1)] = value;
    return true;
  } catch (const std::exception&) {
    return false;
  }
}

std::optional<PipeFile> openPipe(const std::string& path) {
  PipeFile pipe;
  if (!loadPipe(pipe, path)) {
    return std::nullopt;
  }
  return pipe;
}

int save(PipeFile& pipe, const std::string& out) {
  const SaveResult saved = savePipeFile(pipe, out, true, true);
  if (!saved.ok) {
    reportFileError(out, saved.error);
    return kFileError;
  }
  for (const std::string& warning : saved.warnings) {
    reportWarning(out, warning);
  }
  return kSuccess;
}

// The dialog's fields, overridden by the options given; empty (after a message) on a usage error.
std::optional<WallBuildRequest> wallRequest(const WallOptions& options, const WallMatrixFields& fields) {
  WallBuildRequest request;
  request.primary = given(options.primaryOption) ? options.primary : fields.primary;
  request.secondary = given(options.secondaryOption) ? options.secondary : 0;
  request.removeFrontInches =
      given(options.removeFrontOption) ? options.removeFront : fields.removeFront / kCountsPerInch;
  request.removeBackInches =
      given(options.removeBackOption) ? options.removeBack : fields.removeBack / kCountsPerInch;
  request.deltaX = given(options.deltaXOption) ? options.deltaX : fields.deltaX;
  request.deltaY = given(options.deltaYOption) ? options.deltaY : fields.deltaY;
  request.wallScales = fields.wallScales;
  for (const std::string& text : options.wallScales) {
    if (!applyWallScale(text, request.wallScales)) {
      usageError("--wall-scale takes N=VALUE with N 1..4 and a scale of at least 0, not \"" + text + "\"");
      return std::nullopt;
    }
  }
  request.jumpSize = given(options.jumpOption) ? options.jump : fields.jumpSize;
  if (request.jumpSize == 0) {
    usageError("a jump size of 0 rebuilds nothing (the pipe stores 0: give --jump)");
    return std::nullopt;
  }
  request.jumpFilter = options.jumpFilter;
  request.direction = options.left ? AppendDirection::kLeft : AppendDirection::kRight;
  request.displayRaw = options.displayRaw;
  // A one-channel build here builds with the settings given, not only with the stored ones.
  request.storesSettings = true;
  return request;
}

// A one-channel build uses the pipe's stored settings, so the given ones are stored first.
void storeSettings(PipeFile& pipe, const MergedWallBuild& build) {
  pipe.header.wallJumpSize = build.jumpSize;
  for (std::size_t i = 0; i < 4; ++i) {
    pipe.wallChannels[i].setWallScale(build.wallScales[i]);
  }
  pipe.wallMatrix.removeFront = build.removeFront;
  pipe.wallMatrix.removeBack = build.removeBack;
  pipe.wallMatrix.deltaX = build.deltaX;
  pipe.wallMatrix.deltaY = build.deltaY;
}

int runWall(const WallOptions& options) {
  if ((options.left || options.displayRaw) && !(given(options.secondaryOption) && options.secondary != 0)) {
    return usageError("--left and --display-raw join two channels: give --secondary");
  }
  std::optional<PipeFile> pipe = openPipe(options.file);
  if (!pipe) {
    return kFileError;
  }
  const WallMatrixFields fields = WallMatrixFieldsOf(*pipe);
  const std::optional<WallBuildRequest> request = wallRequest(options, fields);
  if (!request) {
    return kUsageError;
  }
  if (request->primary == 0 && !given(options.primaryOption)) {
    reportFileError(options.file, "no raw wall channel holds samples");
    return kFileError;
  }
  if (const auto problem = CheckWallBuild(*pipe, *request)) {
    if (problem->kind == WallBuildProblem::Kind::kBadValue) {
      return usageError(problem->message);
    }
    reportFileError(options.file, "cannot rebuild the wall matrix: " + problem->message);
    return kFileError;
  }
  // The build cannot report a log it could not append to, so it is tried first.
  if (!options.encoderLog.empty() && !std::ofstream(options.encoderLog, std::ios::app)) {
    reportFileError(options.encoderLog, "cannot be opened for appending");
    return kFileError;
  }
  // Settings not given, or given as the pipe holds them, keep the stored values exactly.
  const MergedWallBuild build = MergedBuildOf(*request, fields, options.encoderLog);
  BuildStatus status = BuildStatus::kBuilt;
  FilterSummary filters;
  if (build.secondary != 0) {
    RevolutionStartTable starts{};
    status = BuildMergedWallMatrix(*pipe, build, starts, &filters);
  } else {
    storeSettings(*pipe, build);
    status = BuildWallMatrix(*pipe, build.primary - 1, options.encoderLog, build.jumpFilter, &filters);
  }
  if (status != BuildStatus::kBuilt) {
    reportFileError(options.file,
                    "cannot rebuild the wall matrix: " + std::string(DescribeBuildStatus(status)));
    return kFileError;
  }
  if (const int code = save(*pipe, options.out); code != kSuccess) {
    return code;
  }
  std::cout << "wall matrix: " << pipe->wallMatrix.rows << " rows x " << pipe->wallMatrix.columns
            << " columns written to " << options.out << '\n'
            << DescribeFilters(filters);
  return kSuccess;
}

int runOd(const OdOptions& options) {
  if (given(options.jumpOption) && options.jump > 255) {
    return usageError("--jump takes 0..255 (the pipe stores 8 bits)");
  }
  std::optional<PipeFile> pipe = openPipe(options.file);
  if (!pipe) {
    return kFileError;
  }
  if (given(options.jumpOption)) {
    pipe->header.odJumpSize = static_cast<std::uint8_t>(options.jump);
  }
  // Both channels are read with the scale channel 1 has.
  pipe->odChannels[1].inchesPerCount = pipe->odChannels[0].inchesPerCount;
  FilterSummary filters;
  const BuildStatus status = BuildOdMatrix(*pipe, pipe->header.odJumpSize, options.jumpFilter, &filters);
  if (status != BuildStatus::kBuilt) {
    reportFileError(options.file,
                    "cannot rebuild the OD matrix: " + std::string(DescribeBuildStatus(status)));
    return kFileError;
  }
  if (const int code = save(*pipe, options.out); code != kSuccess) {
    return code;
  }
  std::cout << "OD matrix: " << pipe->odMatrix.rows << " rows x " << pipe->odMatrix.columns
            << " columns written to " << options.out << '\n'
            << DescribeFilters(filters);
  return kSuccess;
}

// replace: every jump replaced from its neighbourhood; corroborated: jumps the turns before or
// after confirm are kept.
void addJumpFilter(CLI::App& command, JumpFilter& filter) {
  static const std::map<std::string, JumpFilter> kFilters{{"replace", JumpFilter::kReplace},
                                                          {"corroborated", JumpFilter::kCorroborated}};
  command
      .add_option("--jump-filter", filter,
                  "replace: every jump replaced; corroborated (default): jumps the turns before or after "
                  "confirm are kept")
      ->transform(CLI::CheckedTransformer(kFilters));
}

CLI::App* addWall(CLI::App& rebuild, WallOptions& o) {
  CLI::App* wall = rebuild.add_subcommand("wall", "Rebuild the wall matrix (one channel, or two joined)");
  wall->add_option("FILE", o.file, "Pipe file (.kqvw)")->required();
  wall->add_option("-o,--output", o.out, "Where the rebuilt pipe is saved")->required();
  o.primaryOption =
      wall->add_option("--primary", o.primary, "Primary channel 1..4 (default: first with samples)");
  o.secondaryOption =
      wall->add_option("--secondary", o.secondary, "Secondary channel 1..4 to join (0: none)");
  wall->add_flag("--left", o.left, "Join the secondary channel at the front instead of the back");
  o.removeFrontOption = wall->add_option("--remove-front", o.removeFront, "Inches dropped at the front");
  o.removeBackOption = wall->add_option("--remove-back", o.removeBack, "Inches dropped at the back");
  o.deltaXOption = wall->add_option("--delta-x", o.deltaX, "Row pitch in inches");
  o.deltaYOption = wall->add_option("--delta-y", o.deltaY, "Column pitch in degrees");
  o.jumpOption = wall->add_option("--jump", o.jump, "Jump size in thousandths");
  addJumpFilter(*wall, o.jumpFilter);
  wall->add_option("--wall-scale", o.wallScales, "Wall scale of channel N (repeatable)");
  wall->add_flag("--display-raw", o.displayRaw, "Keep the joined raw samples for display");
  wall->add_option("--encoder-log", o.encoderLog,
                   "Append the axial count at the start of every corrected revolution to this file");
  return wall;
}

CLI::App* addOd(CLI::App& rebuild, OdOptions& o) {
  CLI::App* od = rebuild.add_subcommand("od", "Rebuild the OD matrix from both OD channels");
  od->add_option("FILE", o.file, "Pipe file (.kqvw)")->required();
  od->add_option("-o,--output", o.out, "Where the rebuilt pipe is saved")->required();
  o.jumpOption = od->add_option("--jump", o.jump, "OD jump size in thousandths (0: no jump filter)");
  addJumpFilter(*od, o.jumpFilter);
  return od;
}

}  // namespace

Command addRebuildCommand(CLI::App& app) {
  auto wallOptions = std::make_shared<WallOptions>();
  auto odOptions = std::make_shared<OdOptions>();
  CLI::App* rebuild =
      app.add_subcommand("rebuild", "Rebuild a matrix from the raw samples and save the pipe");
  rebuild->require_subcommand(1);
  CLI::App* wall = addWall(*rebuild, *wallOptions);
  addOd(*rebuild, *odOptions);
  return {rebuild, [wall, wallOptions, odOptions] {
            return wall->parsed() ? runWall(*wallOptions) : runOd(*odOptions);
          }};
}

}  // namespace ductora::cli
