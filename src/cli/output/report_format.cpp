#include "cli/output/report_format.h"

#include <algorithm>
#include <array>
#include <iomanip>
#include <string>

#include "analysis/pressures/pressures.h"
#include "cli/output/d_over_t_source.h"
#include "data/exports/fixed_text.h"

namespace ductora::cli {

namespace {

using json = nlohmann::ordered_json;

// The measured columns after index, file and KQ number: JSON key, table heading, value, and
// whether the table marks it when it comes from the nominal D/t.
struct MeasureColumn {
  const char* key;
  const char* heading;
  double ReportRow::*value;
  bool fromDOverT = false;
};

constexpr std::array<MeasureColumn, 11> kMeasureColumns = {{
    {"length", "Length", &ReportRow::length},
    {"minWall", "Min wall", &ReportRow::minWall},
    {"avgWall", "Avg wall", &ReportRow::avgWall},
    {"maxWall", "Max wall", &ReportRow::maxWall},
    {"minCsaPercent", "Min %CSA", &ReportRow::minCsaPercent},
    {"maxEccentricity", "Max ecc %", &ReportRow::maxEccentricity},
    {"maxOvality", "Max oval %", &ReportRow::maxOvality},
    {"minOd", "Min OD", &ReportRow::minOd},
    {"maxOd", "Max OD", &ReportRow::maxOd},
    {"maxDOverT", "Max D/t", &ReportRow::maxDOverT, true},
    {"apiBurst", "API burst", &ReportRow::apiBurst, true},
}};

// The grading columns after the measures: JSON key, table heading and text.
struct GradeColumn {
  const char* key;
  const char* heading;
  std::string (*text)(const ReportRow&);
};

const std::array<GradeColumn, 5> kGradeColumns = {{
    {"remainingBodyWall", "Remain %", [](const ReportRow& r) { return fixedText(r.remainingBodyWall); }},
    {"class", "Class", [](const ReportRow& r) { return r.className; }},
    {"minWallPosition", "Min at", [](const ReportRow& r) { return fixedText(r.thinnest.position); }},
    {"minWallAngle", "Min angle", [](const ReportRow& r) { return fixedText(r.thinnest.angle); }},
    {"yield", "Yield", [](const ReportRow& r) { return fixedText(r.yield.psi, 0); }},
}};

constexpr const char* kNominalMark = "*";
constexpr int kIndexWidth = 4;
constexpr int kKqWidth = 6;
constexpr int kMeasureWidth = 12;

// A CSV field, quoted when it holds a separator, a quote or a line break.
std::string csvField(const std::string& text) {
  if (text.find_first_of(",\"\r\n") == std::string::npos) {
    return text;
  }
  std::string quoted = "\"";
  for (const char c : text) {
    quoted += c;
    if (c == '"') {
      quoted += '"';
    }
  }
  return quoted + "\"";
}

}  // namespace

void printReportTable(std::ostream& out, const Report& report) {
  std::size_t fileWidth = 4;
  for (const ReportRow& row : report.rows) {
    fileWidth = std::max(fileWidth, row.file.size());
  }
  const auto fileColumn = static_cast<int>(fileWidth + 2);
  out << std::right << std::setw(kIndexWidth) << "#"
      << "  " << std::left << std::setw(fileColumn) << "File" << std::right << std::setw(kKqWidth) << "KQ";
  for (const MeasureColumn& column : kMeasureColumns) {
    out << std::setw(kMeasureWidth) << column.heading;
  }
  out << std::setw(kMeasureWidth) << "No reading";
  for (const GradeColumn& column : kGradeColumns) {
    out << std::setw(kMeasureWidth) << column.heading;
  }
  out << '\n';
  for (const ReportRow& row : report.rows) {
    out << std::right << std::setw(kIndexWidth) << row.index << "  " << std::left << std::setw(fileColumn)
        << row.file << std::right << std::setw(kKqWidth) << row.kqNumber;
    const bool nominal = row.dOverTSource == DOverTSource::kNominal;
    for (const MeasureColumn& column : kMeasureColumns) {
      out << std::setw(kMeasureWidth)
          << fixedText(row.*column.value) + (nominal && column.fromDOverT ? kNominalMark : "");
    }
    out << std::setw(kMeasureWidth) << (row.noReadingCells ? std::to_string(*row.noReadingCells) : "-");
    for (const GradeColumn& column : kGradeColumns) {
      out << std::setw(kMeasureWidth) << column.text(row);
    }
    out << '\n';
  }
  if (std::any_of(report.rows.begin(), report.rows.end(),
                  [](const ReportRow& row) { return row.dOverTSource == DOverTSource::kNominal; })) {
    out << kNominalMark
        << " at the nominal D/t (calibration OD / nominal wall): the pipe has no measured D/t\n";
  }
}

void printReportCsv(std::ostream& out, const Report& report) {
  out << "index,file,kqNumber";
  for (const MeasureColumn& column : kMeasureColumns) {
    out << ',' << column.key;
  }
  out << ",dOverTSource,noReadingCells";
  for (const GradeColumn& column : kGradeColumns) {
    out << ',' << column.key;
  }
  out << '\n';
  for (const ReportRow& row : report.rows) {
    out << row.index << ',' << csvField(row.file) << ',' << row.kqNumber;
    for (const MeasureColumn& column : kMeasureColumns) {
      out << ',' << fixedText(row.*column.value);
    }
    out << ',' << dOverTSourceName(row.dOverTSource) << ','
        << (row.noReadingCells ? std::to_string(*row.noReadingCells) : "");
    for (const GradeColumn& column : kGradeColumns) {
      out << ',' << csvField(column.text(row));
    }
    out << '\n';
  }
}

json reportJson(const Report& report, const ReportSettings& settings) {
  json pipes = json::array();
  for (const ReportRow& row : report.rows) {
    json j = {{"index", row.index}, {"file", row.file}, {"kqNumber", row.kqNumber}};
    for (const MeasureColumn& column : kMeasureColumns) {
      j[column.key] = row.*column.value;
    }
    j["dOverTSource"] = dOverTSourceName(row.dOverTSource);
    j["noReadingCells"] = row.noReadingCells ? json(*row.noReadingCells) : json(nullptr);
    j["remainingBodyWall"] = row.remainingBodyWall;
    j["class"] = row.className;
    j["minWallPosition"] = row.thinnest.position;
    j["minWallAngle"] = row.thinnest.angle;
    j["yield"] = row.yield.psi;
    j["yieldSource"] = YieldSourceText(row.yield);
    j["notVerified"] = row.notVerified;
    pipes.push_back(std::move(j));
  }
  return {{"yield", settings.yield ? json(ApiYield(*settings.yield)) : json(nullptr)},
          {"grading", settings.rule.name},
          {"pipes", std::move(pipes)},
          {"unreadable", report.unreadable},
          {"emptyLists", report.emptyLists}};
}

}  // namespace ductora::cli
