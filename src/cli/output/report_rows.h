#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "analysis/pressures/pressure_series.h"
#include "data/format/pipe_file.h"

namespace ductora::cli {

// One pipe's line of a string report. Walls and ODs in inches, percentages in percent, burst
// in psi.
struct ReportRow {
  std::uint32_t index = 0;  // place in the string, from 1
  std::string file;
  std::uint16_t kqNumber = 0;
  double length = 0.0;
  double minWall = 0.0;
  double avgWall = 0.0;
  double maxWall = 0.0;
  double minCsaPercent = 0.0;
  double maxEccentricity = 0.0;
  double maxOvality = 0.0;
  double minOd = 0.0;
  double maxOd = 0.0;
  double maxDOverT = 0.0;  // NaN when the pipe gives none
  DOverTSource dOverTSource = DOverTSource::kMeasured;
  double apiBurst = 0.0;                      // the API burst formula at maxDOverT
  std::optional<std::size_t> noReadingCells;  // empty when the file has no no-reading mask
};

ReportRow makeReportRow(const PipeFile& pipe, std::uint32_t index, const std::string& file, double yield);

struct Report {
  std::vector<ReportRow> rows;
  std::vector<std::string> unreadable;  // pipe and list files that could not be read
  std::vector<std::string> emptyLists;  // list files that name no pipe
};

// Every pipe of the given pipe and list files (".kqstr" in the name), in order. Each file that
// cannot be read, and each list that names no pipe, is named on stderr and skipped; an unreadable
// pipe keeps its place in the numbering.
Report collectReport(const std::vector<std::string>& files, double yield);

}  // namespace ductora::cli
