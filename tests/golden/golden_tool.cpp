// The picture tests' helper. `check` runs ductora-cli and compares the picture it wrote with the
// baseline; `pipe` makes a variant of a simulated pipe through the library.
#include <png.h>
#include <sys/wait.h>
#include <unistd.h>

#include <CLI/CLI.hpp>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "data/format/pipe_file_io.h"
#include "data/indications/indication_file.h"
#include "support/png_read.h"

namespace {

using ductora::testing::PngImage;
using ductora::testing::readPng;

int runProgram(const std::vector<std::string>& command) {
  std::vector<char*> argv;
  for (const std::string& argument : command) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);
  const pid_t child = fork();
  if (child == 0) {
    execv(argv[0], argv.data());
    _exit(127);
  }
  int status = 0;
  if (child < 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status)) return -1;
  return WEXITSTATUS(status);
}

bool writePng(const std::string& path, const PngImage& picture) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  image.width = static_cast<png_uint_32>(picture.width);
  image.height = static_cast<png_uint_32>(picture.height);
  image.format = picture.channels == 1 ? PNG_FORMAT_GRAY : PNG_FORMAT_RGB;
  return png_image_write_to_file(&image, path.c_str(), 0, picture.pixels.data(), 0, nullptr) != 0;
}

struct Comparison {
  long differing = 0;   // pixels with a channel beyond the tolerance
  PngImage difference;  // those in red, the baseline dimmed elsewhere
};

Comparison compare(const PngImage& baseline, const PngImage& actual, int tolerance) {
  Comparison result{0, {baseline.width, baseline.height, 3, {}}};
  const auto channels = static_cast<std::size_t>(baseline.channels);
  result.difference.pixels.reserve(baseline.pixels.size() / channels * 3);
  for (std::size_t at = 0; at < baseline.pixels.size(); at += channels) {
    bool differs = false;
    for (std::size_t c = 0; c < channels; ++c) {
      differs = differs || std::abs(baseline.pixels[at + c] - actual.pixels[at + c]) > tolerance;
    }
    const auto dim = static_cast<std::uint8_t>(baseline.pixels[at] / 3);
    result.differing += differs;
    result.difference.pixels.push_back(differs ? 255 : dim);
    result.difference.pixels.push_back(differs ? 0 : dim);
    result.difference.pixels.push_back(differs ? 0 : dim);
  }
  return result;
}

int check(const std::string& baselinePath, const std::string& actualPath, int tolerance, long budget,
          const std::vector<std::string>& command) {
  const std::string differencePath = actualPath.substr(0, actualPath.size() - 4) + ".diff.png";
  std::filesystem::create_directories(std::filesystem::path(actualPath).parent_path());
  std::filesystem::remove(actualPath);
  std::filesystem::remove(differencePath);
  if (const int exitCode = runProgram(command); exitCode != 0) {
    std::cerr << "the command exited with " << exitCode << '\n';
    return 1;
  }
  const std::optional<PngImage> actual = readPng(actualPath);
  if (!actual) {
    std::cerr << "no picture at " << actualPath << '\n';
    return 1;
  }
  if (std::getenv("DUCTORA_UPDATE_GOLDEN") != nullptr) {
    if (!writePng(baselinePath, *actual)) return 1;
    std::cout << "updated " << baselinePath << '\n';
    std::filesystem::remove(actualPath);
    return 0;
  }
  const std::optional<PngImage> baseline = readPng(baselinePath);
  if (!baseline) {
    std::cerr << "no baseline " << baselinePath << " (scripts/update-golden makes it)\n";
    return 1;
  }
  if (baseline->width != actual->width || baseline->height != actual->height ||
      baseline->channels != actual->channels) {
    std::cerr << "the picture is " << actual->width << "x" << actual->height << "x" << actual->channels
              << ", the baseline " << baseline->width << "x" << baseline->height << "x" << baseline->channels
              << "; picture kept at " << actualPath << '\n';
    return 1;
  }
  const Comparison comparison = compare(*baseline, *actual, tolerance);
  if (comparison.differing > budget) {
    writePng(differencePath, comparison.difference);
    std::cerr << comparison.differing << " pixels differ by more than " << tolerance << " (at most " << budget
              << " may); picture at " << actualPath << ", differences in red at " << differencePath << '\n';
    return 1;
  }
  std::cout << comparison.differing << " pixels differ by more than " << tolerance << '\n';
  std::filesystem::remove(actualPath);
  return 0;
}

struct PipeChanges {
  bool flipped = false;
  bool reversed = false;
  std::vector<int> wallLimits;
  std::vector<int> odLimits;
  bool indications = false;
};

int changePipe(const std::string& in, const std::string& out, const PipeChanges& changes) {
  ductora::PipeFile pipe;
  if (!ductora::readPipeFile(pipe, in).opened) {
    std::cerr << "cannot read " << in << '\n';
    return 1;
  }
  ductora::PipeHeader& header = pipe.header;
  if (changes.flipped) header.rotation = 1;
  if (changes.reversed) header.from = 1;
  if (changes.wallLimits.size() == 2) {
    header.upperWall = static_cast<std::uint16_t>(changes.wallLimits[0]);
    header.lowerWall = static_cast<std::uint16_t>(changes.wallLimits[1]);
  }
  if (changes.odLimits.size() == 2) {
    header.upperOdOffset = static_cast<std::int16_t>(changes.odLimits[0]);
    header.lowerOdOffset = static_cast<std::int16_t>(changes.odLimits[1]);
  }
  const ductora::SaveResult saved = ductora::savePipeFile(pipe, out, false, false);
  if (!saved.ok) std::cerr << out << ": " << saved.error << '\n';
  if (!saved.ok || !changes.indications) return saved.ok ? 0 : 1;
  const std::optional<std::string> found = ductora::findIndicationFile(in);
  std::error_code error;
  if (found) {
    std::filesystem::copy_file(*found, ductora::indicationFileNames(out).alternative,
                               std::filesystem::copy_options::overwrite_existing, error);
  }
  if (!found || error) std::cerr << "cannot copy the indication file of " << in << '\n';
  return found && !error ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  CLI::App app{"Golden picture tests"};
  app.require_subcommand(1);

  std::string baseline;
  std::string actual;
  int tolerance = 0;
  long budget = 0;
  std::vector<std::string> command;
  CLI::App* checkCommand = app.add_subcommand("check", "Run -- COMMAND, then compare ACTUAL with BASELINE");
  checkCommand->add_option("BASELINE", baseline)->required();
  checkCommand->add_option("ACTUAL", actual)->required();
  checkCommand->add_option("TOLERANCE", tolerance, "Largest difference of a channel that is not counted")
      ->required();
  checkCommand->add_option("PIXELS", budget, "Pixels that may differ by more")->required();
  checkCommand->add_option("COMMAND", command)->required();

  std::string in;
  std::string out;
  PipeChanges changes;
  CLI::App* pipeCommand = app.add_subcommand("pipe", "Write IN to OUT with header changes");
  pipeCommand->add_option("IN", in)->required();
  pipeCommand->add_option("OUT", out)->required();
  pipeCommand->add_flag("--flipped", changes.flipped, "Rotation counter-clockwise");
  pipeCommand->add_flag("--reversed", changes.reversed, "From away");
  pipeCommand->add_option("--wall-limits", changes.wallLimits, "UPPER,LOWER")->delimiter(',')->expected(2);
  pipeCommand->add_option("--od-limits", changes.odLimits, "UPPER,LOWER")->delimiter(',')->expected(2);
  pipeCommand->add_flag("--indications", changes.indications, "Copy IN's indication file beside OUT");

  CLI11_PARSE(app, argc, argv);
  if (checkCommand->parsed()) return check(baseline, actual, tolerance, budget, command);
  return changePipe(in, out, changes);
}
