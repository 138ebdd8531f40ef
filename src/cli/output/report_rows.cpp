#include "cli/output/report_rows.h"

#include <algorithm>
#include <iostream>
#include <limits>
#include <utility>

#include "analysis/placement/no_reading_areas.h"
#include "analysis/pressures/pressures.h"
#include "analysis/queries/range_queries.h"
#include "cli/commands/command.h"
#include "cli/options/load_pipe.h"
#include "data/strings/list_file.h"

namespace ductora::cli {

namespace {

constexpr auto kApiBurst = static_cast<std::uint32_t>(BurstFormulaId::kApi);
// Every real area lies above this, so the minimum covers the whole pipe.
constexpr double kLowestCsa = -3000.0;

bool holdsPipeData(const PipeFile& pipe) {
  return std::any_of(pipe.dataPresent.begin(), pipe.dataPresent.end(),
                     [](std::uint8_t flag) { return flag != 0; });
}

class ReportCollector {
 public:
  explicit ReportCollector(double yield) : yield_(yield) {}

  void addFile(const std::string& path) {
    if (path.find(".kqstr") != std::string::npos) {
      addList(path);
    } else {
      addPipe(path);
    }
  }

  Report take() { return std::move(report_); }

 private:
  void addList(const std::string& path) {
    const ListFileResult list = readListFile(path);
    if (!list.ok) {
      reportFileError(path, list.error);
      report_.unreadable.push_back(path);
      return;
    }
    for (const std::string& warning : list.warnings) {
      reportWarning(path, warning);
    }
    if (list.names.empty()) {
      reportWarning(path, "names no pipe");
      report_.emptyLists.push_back(path);
    }
    for (const std::string& name : list.names) {
      addPipe(name);
    }
  }

  void addPipe(const std::string& path) {
    const std::uint32_t index = ++count_;
    PipeFile pipe;
    if (!loadPipe(pipe, path)) {
      report_.unreadable.push_back(path);
      return;
    }
    if (!holdsPipeData(pipe)) {
      reportFileError(path, "holds no pipe data");
      report_.unreadable.push_back(path);
      return;
    }
    const ReportRow& row = report_.rows.emplace_back(makeReportRow(pipe, index, path, yield_));
    if (row.dOverTSource == DOverTSource::kNone) {
      reportWarning(path, "no D/t: no OD and wall data, and no calibration OD and nominal wall");
    }
  }

  double yield_;
  std::uint32_t count_ = 0;
  Report report_;
};

}  // namespace

ReportRow makeReportRow(const PipeFile& pipe, std::uint32_t index, const std::string& file, double yield) {
  ReportRow row;
  row.index = index;
  row.file = file;
  row.kqNumber = pipe.header.kqNumber;
  row.length = pipe.pipeLength();
  row.minWall = pipe.wallMatrix.minWall;
  row.avgWall = pipe.wallMatrix.avgWall;
  row.maxWall = pipe.wallMatrix.maxWall;
  row.minCsaPercent = MinCsaPercent(pipe, 0, 0, kLowestCsa);
  row.maxEccentricity = pipe.wallMatrix.maxEccentricity;
  row.maxOvality = pipe.odMatrix.maxOvality;
  row.minOd = pipe.odMatrix.minOd;
  row.maxOd = pipe.odMatrix.maxOd;
  const PipeDOverT dOverT = BurstDOverT(pipe);
  row.dOverTSource = dOverT.source;
  row.maxDOverT =
      dOverT.source == DOverTSource::kNone ? std::numeric_limits<double>::quiet_NaN() : dOverT.value;
  row.apiBurst = BurstPressure(yield, row.maxDOverT, kApiBurst);
  row.noReadingCells = NoReadingCellCount(pipe);
  return row;
}

Report collectReport(const std::vector<std::string>& files, double yield) {
  ReportCollector collector(yield);
  for (const std::string& file : files) {
    collector.addFile(file);
  }
  return collector.take();
}

}  // namespace ductora::cli
