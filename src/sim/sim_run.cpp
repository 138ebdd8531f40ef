#include "sim/sim_run.h"

#include <filesystem>
#include <vector>

#include "data/format/pipe_file.h"
#include "data/strings/list_file.h"
#include "sim/random.h"
#include "sim/sim_output.h"
#include "sim/simulated_pipe.h"

namespace ductora::sim {

namespace {

// Lead-in, lead-out and the probes' spread take a few inches beyond the pipe's own turns.
constexpr double kRevolutionMargin = 60.0;

bool report(const SaveResult& result, const std::filesystem::path& path, std::ostream& out,
            std::ostream& err) {
  if (!result.ok) {
    err << "ductora-sim: " << path.string() << ": " << result.error << '\n';
    return false;
  }
  out << path.string() << '\n';
  return true;
}

}  // namespace

std::string validateOptions(const SimOptions& o) {
  if (o.pipes < 1 || static_cast<std::size_t>(o.pipes) > kMaxStringNames) {
    return "--pipes must be between 1 and " + std::to_string(kMaxStringNames);
  }
  if (!(o.wall > 0.0) || !(o.od > 2.0 * o.wall) || o.od > 60.0) {
    return "--od and --wall must describe a pipe: 0 < wall < OD / 2, OD up to 60 inches";
  }
  if (!(o.length >= 24.0) || o.length > 2400.0) {
    return "--length must be between 24 and 2400 inches";
  }
  if (!(o.lengthSpread >= 0.0) || o.lengthSpread > 20.0) {
    return "--length-spread must be between 0 and 20 percent";
  }
  if (!(o.pitch >= 0.05) || o.pitch > 2.0) {
    return "--pitch must be between 0.05 and 2 inches a turn";
  }
  if (o.samplesPerRev < 36 || o.samplesPerRev > 3600) {
    return "--samples-per-rev must be between 36 and 3600";
  }
  if (o.length * (1.0 + o.lengthSpread / 100.0) / o.pitch + kRevolutionMargin > kMaxRevolutions) {
    return "the pipe would take more than " + std::to_string(kMaxRevolutions) +
           " revolutions: shorten it or raise the pitch";
  }
  if (o.defects < 0 || o.defects > 50) {
    return "--defects must be between 0 and 50";
  }
  if (o.job.empty() || o.job.find_first_of("/\\") != std::string::npos) {
    return "--job must be a plain name";
  }
  return "";
}

bool runSimulation(const SimOptions& options, std::ostream& out, std::ostream& err) {
  const std::filesystem::path folder(options.out);
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  const std::filesystem::path indicationFolder = options.rdaq ? rdaqFolder(folder) : folder;
  if (options.rdaq) {
    std::filesystem::create_directories(indicationFolder, error);
  }

  Random random(options.seed);
  const JobInfo job = makeJobInfo(options, random);
  std::vector<std::string> names;
  for (int index = 0; index < options.pipes; ++index) {
    Random pipeRandom = random.fork(static_cast<std::uint64_t>(index) + 100);
    const SimulatedPipe pipe = simulatePipe(options, job, index, pipeRandom);
    const std::string base = pipeBaseName(options.job, index);
    names.push_back(base + ".kqvw");
    if (!report(writeSimulatedPipeFile((folder / names.back()).string(), pipe, options.raw),
                folder / names.back(), out, err) ||
        !report(writeIndicationFile((indicationFolder / (base + ".ind")).string(), pipe),
                indicationFolder / (base + ".ind"), out, err) ||
        !report(writeTruthFile((folder / (base + ".truth.json")).string(), pipe, options),
                folder / (base + ".truth.json"), out, err)) {
      return false;
    }
  }
  const std::filesystem::path list = folder / (options.job + ".kqstr");
  return report(writeStringFile(list.string(), names), list, out, err);
}

}  // namespace ductora::sim
