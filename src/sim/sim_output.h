#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "data/format/pipe_file_io.h"
#include "sim/sim_options.h"
#include "sim/simulated_pipe.h"

namespace ductora::sim {

// "JOB-001" for the first pipe of job JOB.
std::string pipeBaseName(const std::string& job, int index);

// The pipe file with every block the unit writes; raw channels only when asked for.
SaveResult writeSimulatedPipeFile(const std::string& path, const SimulatedPipe& pipe, bool withRaw);

// One pipe file name a line.
SaveResult writeStringFile(const std::string& path, const std::vector<std::string>& pipeFileNames);

// The defects as the unit lists them: a header line, then one line of seven fields a defect.
SaveResult writeIndicationFile(const std::string& path, const SimulatedPipe& pipe);

// Everything the simulator knows about a pipe: parameters, defects and every injected fault.
SaveResult writeTruthFile(const std::string& path, const SimulatedPipe& pipe, const SimOptions& options);

// The folder the unit keeps indication files in: RDAQ beside the folder of the pipe files.
std::filesystem::path rdaqFolder(const std::filesystem::path& pipeFolder);

// The thinnest wall inside a defect's footprint, inches.
double remainingWall(const PipeModel& pipe, const Defect& defect);

}  // namespace ductora::sim
