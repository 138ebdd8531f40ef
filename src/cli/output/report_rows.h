#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "analysis/grading/joint_figures.h"

namespace ductora::cli {

// One pipe's line of a string report.
using ReportRow = JointRow;

// How the rows are computed: the grading rule and the yield given, if any.
struct ReportSettings {
  GradingRule rule = TubingRule();
  std::optional<double> yield;
};

ReportRow makeReportRow(const PipeFile& pipe, std::uint32_t index, const std::string& file,
                        const ReportSettings& settings);

// The pipes a report covers: each with its place in the string, from 1.
struct ReportPipe {
  std::uint32_t index = 0;
  std::string path;
};
struct ReportPipes {
  std::vector<ReportPipe> pipes;
  std::vector<std::string> unreadableLists;
  std::vector<std::string> emptyLists;  // list files that name no pipe
};
// The pipes of the given pipe and list files (".kqstr" in the name), in order. Each list that
// cannot be read, or names no pipe, is named on stderr and skipped.
ReportPipes listReportPipes(const std::vector<std::string>& files);

// Loads one pipe for use; one that cannot be read or holds no pipe data is named on stderr and
// gives false.
bool loadReportPipe(PipeFile& pipe, const std::string& path);

struct Report {
  std::vector<ReportRow> rows;
  std::vector<std::string> unreadable;  // pipe and list files that could not be read
  std::vector<std::string> emptyLists;
  bool stopped = false;  // the progress asked to stop before every pipe was read
};

// Called after each pipe is read: how many of how many; false stops the report.
using ReportProgress = std::function<bool(std::size_t done, std::size_t total)>;

// A row for every readable pipe; an unreadable pipe keeps its place in the numbering. Only one
// pipe is held in memory at a time.
Report collectReport(const ReportPipes& pipes, const ReportSettings& settings,
                     const ReportProgress& progress = {});
Report collectReport(const std::vector<std::string>& files, const ReportSettings& settings);

}  // namespace ductora::cli
