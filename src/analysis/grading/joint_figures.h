#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "analysis/grading/grading_rule.h"
#include "analysis/grading/joint_yield.h"
#include "analysis/pressures/api5c3.h"
#include "analysis/pressures/pressure_series.h"
#include "data/format/pipe_file.h"

namespace ductora {

// Where a joint's thinnest wall is, as the Pipe window's Min button finds it over the whole pipe:
// inches along the displayed pipe (the middle of its revolution) and degrees around.
struct ThinnestSpot {
  double wall = 0.0;  // inches
  double position = 0.0;
  double angle = 0.0;
  std::int64_t row = 0;  // wall matrix row and column
  std::int64_t column = 0;
  bool found = false;
};
ThinnestSpot FindThinnestSpot(const PipeFile& pipe);

// The figures an inspection report gives for one joint. Walls and ODs in inches, percentages in
// percent, pressures in psi; all at the one yield of the joint.
struct JointFigures {
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
  double apiBurst = 0.0;  // the API burst formula at maxDOverT
  ThinnestSpot thinnest;
  double remainingBodyWall = 0.0;  // percent of nominal; NaN without a nominal wall
  std::string className;
  BandColour classColour;
  int classBands = 1;
  JointYield yield;
  Api5c3Rating collapseNominal;               // at nominal OD / nominal wall
  Api5c3Rating collapseAtMinimum;             // at nominal OD / minimum wall
  std::optional<std::size_t> noReadingCells;  // empty when the file has no no-reading mask
  bool notVerified = false;                   // more than kVerifiedNoReadingCells without a reading
  std::string jumpFilter;                     // the wall matrix's, as the file names it
};

// A joint with more no-reading cells than this is "not verified" beside its class: more than a
// 4 x 4 patch (about 1.3 inches along and a quarter inch around at the usual pitch) can hide a
// pit, while a few stray cells are what a clean scan leaves.
constexpr std::size_t kVerifiedNoReadingCells = 16;

// A joint of a string report: its place in the string (from 1), its file and its job information
// beside its figures.
struct JointRow : JointFigures {
  std::uint32_t index = 0;
  std::string file;
  PipeHeader header;
};

// The class of a joint without wall data or nominal wall.
constexpr const char* kNotGraded = "not graded";

// A joint's figures under a grading rule (checked) and a given yield, if any.
JointFigures ComputeJointFigures(const PipeFile& pipe, const GradingRule& rule,
                                 std::optional<double> givenYield);

}  // namespace ductora
