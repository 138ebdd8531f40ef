#pragma once

#include <nlohmann/json.hpp>
#include <ostream>

#include "cli/output/report_rows.h"

namespace ductora::cli {

enum class ReportFormat { kTable, kCsv, kJson, kPdf };

// Aligned columns with a heading line; values at the nominal D/t are marked, with a note below.
void printReportTable(std::ostream& out, const Report& report);
// A heading line of the JSON keys, then one line per pipe; numbers with three decimals, and where
// the D/t comes from last.
void printReportCsv(std::ostream& out, const Report& report);
// {"yield" (given, or null), "grading", "pipes": [one object per row], "unreadable": [paths],
// "emptyLists": [paths]}.
nlohmann::ordered_json reportJson(const Report& report, const ReportSettings& settings);

}  // namespace ductora::cli
