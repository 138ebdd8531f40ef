#include "cli/output/report_rows.h"

#include <algorithm>

#include "cli/commands/command.h"
#include "cli/options/load_pipe.h"
#include "data/strings/list_file.h"

namespace ductora::cli {

namespace {

bool holdsPipeData(const PipeFile& pipe) {
  return std::any_of(pipe.dataPresent.begin(), pipe.dataPresent.end(),
                     [](std::uint8_t flag) { return flag != 0; });
}

}  // namespace

ReportRow makeReportRow(const PipeFile& pipe, std::uint32_t index, const std::string& file,
                        const ReportSettings& settings) {
  ReportRow row;
  static_cast<JointFigures&>(row) = ComputeJointFigures(pipe, settings.rule, settings.yield);
  row.index = index;
  row.file = file;
  row.header = pipe.header;
  return row;
}

ReportPipes listReportPipes(const std::vector<std::string>& files) {
  ReportPipes result;
  std::uint32_t count = 0;
  for (const std::string& path : files) {
    if (path.find(".kqstr") == std::string::npos) {
      result.pipes.push_back({++count, path});
      continue;
    }
    const ListFileResult list = readListFile(path);
    if (!list.ok) {
      reportFileError(path, list.error);
      result.unreadableLists.push_back(path);
      continue;
    }
    for (const std::string& warning : list.warnings) {
      reportWarning(path, warning);
    }
    if (list.names.empty()) {
      reportWarning(path, "names no pipe");
      result.emptyLists.push_back(path);
    }
    for (const std::string& name : list.names) {
      result.pipes.push_back({++count, name});
    }
  }
  return result;
}

bool loadReportPipe(PipeFile& pipe, const std::string& path) {
  if (!loadPipe(pipe, path)) {
    return false;
  }
  if (!holdsPipeData(pipe)) {
    reportFileError(path, "holds no pipe data");
    return false;
  }
  return true;
}

Report collectReport(const ReportPipes& pipes, const ReportSettings& settings,
                     const ReportProgress& progress) {
  Report report;
  report.unreadable = pipes.unreadableLists;
  report.emptyLists = pipes.emptyLists;
  for (std::size_t i = 0; i < pipes.pipes.size(); ++i) {
    const ReportPipe& entry = pipes.pipes[i];
    PipeFile pipe;
    if (!loadReportPipe(pipe, entry.path)) {
      report.unreadable.push_back(entry.path);
    } else {
      const ReportRow& row = report.rows.emplace_back(makeReportRow(pipe, entry.index, entry.path, settings));
      if (row.dOverTSource == DOverTSource::kNone) {
        reportWarning(entry.path, "no D/t: no OD and wall data, and no calibration OD and nominal wall");
      }
      if (row.yield.source == YieldSource::kDefault) {
        reportWarning(entry.path, "grade \"" + pipe.header.grade + "\" unknown: yield " +
                                      std::to_string(static_cast<int>(kDefaultYield)) + " psi");
      }
    }
    if (progress && !progress(i + 1, pipes.pipes.size())) {
      report.stopped = true;
      break;
    }
  }
  return report;
}

Report collectReport(const std::vector<std::string>& files, const ReportSettings& settings) {
  return collectReport(listReportPipes(files), settings);
}

}  // namespace ductora::cli
