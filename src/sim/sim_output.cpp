#include "sim/sim_output.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <map>
#include <nlohmann/json.hpp>
#include <numbers>

#include "data/files/text_file.h"
#include "data/format/block_file.h"
#include "data/format/pipe_blocks.h"
#include "sim/fault_rates.h"
#include "sim/field/field_fault_rates.h"

namespace ductora::sim {

namespace {

using json = nlohmann::ordered_json;

constexpr double kWallScale = 1.16;  // steel: 0.232 inch per microsecond
constexpr std::array<double, 4> kProbeParameters = {24.0, 1.5, 12.0, 30.0};
constexpr double kOdInchesPerCount = 0.001;

std::string format(const char* pattern, auto... values) {
  std::array<char, 256> buffer{};
  std::snprintf(buffer.data(), buffer.size(), pattern, values...);
  return buffer.data();
}

std::vector<Block> rawBlocks(const SimulatedPipe& pipe, ChannelKind kind) {
  std::vector<Block> blocks;
  if (kind == ChannelKind::kWall) {
    for (std::size_t k = 0; k < pipe.scan.wall.size(); ++k) {
      const RawWallHead head{static_cast<std::uint8_t>(k + 1), 0, kWallScale, kProbeParameters};
      blocks.push_back({kTagRawWall, *encodeRawWallRecords(head, pipe.scan.wall[k].records)});
    }
  } else {
    for (std::size_t k = 0; k < pipe.scan.od.size(); ++k) {
      if (!pipe.scan.od[k].records.empty()) {
        const RawOdHead head{static_cast<std::uint8_t>(k + 1), 0, kOdInchesPerCount};
        blocks.push_back({kTagRawOd, *encodeRawOdRecords(head, pipe.scan.od[k].records)});
      }
    }
  }
  return blocks;
}

json gridJson(const TrueGrid& grid, double deltaX, double deltaY) {
  return {{"firstZ", grid.firstZ},
          {"rows", grid.rows},
          {"columns", grid.columns},
          {"deltaX", deltaX},
          {"deltaY", deltaY}};
}

json alongPipeJson(const AlongPipe& value, double direction, double directionTurns) {
  return {{"mean", value.mean},   {"amplitude", value.amplitude}, {"wavelength", value.wavelength},
          {"phase", value.phase}, {"direction", direction},       {"directionTurns", directionTurns}};
}

json defectsJson(const SimulatedPipe& pipe) {
  json defects = json::array();
  int number = 1;
  for (const Defect& defect : pipe.model.defects) {
    defects.push_back({{"indication", number++},
                       {"kind", defectKindName(defect.kind)},
                       {"position", defect.position},
                       {"angle", defect.angle},
                       {"length", defect.length},
                       {"width", defect.width},
                       {"depth", defect.depth},
                       {"remainingWall", remainingWall(pipe.model, defect)}});
  }
  return defects;
}

json channelFaultsJson(const ChannelStream& stream, const std::string& name, bool fieldFaults) {
  std::map<std::string, int> counts{{"missedMark", 0}, {"falseMark", 0}, {"zeroReading", 0}, {"jump", 0}};
  if (fieldFaults) {
    counts.insert({{"echoLoss", 0}, {"spike", 0}, {"stuckReading", 0}});
  }
  json events = json::array();
  for (const FaultEvent& event : stream.faults) {
    ++counts[event.kind];
    events.push_back({{"kind", event.kind},
                      {"record", event.record},
                      {"axialCount", event.axialCount},
                      {"samples", event.samples},
                      {"size", event.size}});
  }
  return {{"channel", name},
          {"opportunities",
           {{"marks", stream.opportunities.marks},
            {"revolutions", stream.opportunities.revolutions},
            {"samples", stream.opportunities.samples}}},
          {"counts", counts},
          {"events", events}};
}

// The wall cells the primary probe has no reading for, as [row, column, lost readings in a row].
json lostCellsJson(const SimulatedPipe& pipe) {
  json cells = json::array();
  for (const LostCell& cell : pipe.lostWallCells) {
    cells.push_back({cell.row, cell.column, cell.run});
  }
  return {{"channel", pipe.scan.layout.wallProbes[0].name}, {"cells", cells}};
}

json faultsJson(const SimulatedPipe& pipe, const SimOptions& options) {
  const FaultRates rates = faultRatesFor(options.faults);
  json channels = json::array();
  for (std::size_t k = 0; k < pipe.scan.wall.size(); ++k) {
    channels.push_back(
        channelFaultsJson(pipe.scan.wall[k], pipe.scan.layout.wallProbes[k].name, options.fieldFaults));
  }
  for (std::size_t k = 0; k < pipe.scan.od.size(); ++k) {
    if (!pipe.scan.od[k].records.empty()) {
      channels.push_back(
          channelFaultsJson(pipe.scan.od[k], pipe.scan.layout.odSensors[k].name, options.fieldFaults));
    }
  }
  json faults = {{"level", faultLevelName(options.faults)},
                 {"rates",
                  {{"missedMark", rates.missedMark},
                   {"falseMark", rates.falseMark},
                   {"zeroReading", rates.zeroReading},
                   {"jump", rates.jump},
                   {"wallNoise", rates.wallNoise},
                   {"odNoise", rates.odNoise}}},
                 {"channels", channels}};
  if (options.fieldFaults) {
    const FieldFaultRates field = fieldFaultRatesFor(options.faults);
    faults["fieldRates"] = {{"echoLoss", field.echoLoss}, {"spike", field.spike}, {"stuck", field.stuck}};
    faults["lostWallCells"] = lostCellsJson(pipe);
  }
  return faults;
}

json sensorsJson(const SimulatedPipe& pipe) {
  json sensors = json::array();
  const auto add = [&sensors](const Sensor& sensor) {
    sensors.push_back({{"name", sensor.name},
                       {"angle", sensor.angle},
                       {"offset", sensor.offset},
                       {"firstZ", sensor.firstZ},
                       {"lastZ", sensor.lastZ}});
  };
  std::for_each(pipe.scan.layout.wallProbes.begin(), pipe.scan.layout.wallProbes.end(), add);
  std::for_each(pipe.scan.layout.odSensors.begin(), pipe.scan.layout.odSensors.end(), add);
  return sensors;
}

}  // namespace

std::string pipeBaseName(const std::string& job, int index) { return job + format("-%03d", index + 1); }

double remainingWall(const PipeModel& pipe, const Defect& defect) {
  const double radius = pipe.nominalOd / 2.0;
  const double halfAngle = defect.width / 2.0 / radius * 180.0 / std::numbers::pi;
  double thinnest = pipe.nominalOd;
  for (double z = defect.position - defect.length / 2; z <= defect.position + defect.length / 2; z += 0.02) {
    for (double a = defect.angle - halfAngle; a <= defect.angle + halfAngle; a += 0.2) {
      thinnest = std::min(thinnest, pipe.wall(z, a));
    }
  }
  return thinnest;
}

SaveResult writeSimulatedPipeFile(const std::string& path, const SimulatedPipe& pipe, bool withRaw) {
  std::vector<Block> blocks;
  blocks.push_back({kTagJobInfo1, encodeJobInfo1(pipe.header)});
  if (withRaw) {
    for (Block& block : rawBlocks(pipe, ChannelKind::kWall)) {
      blocks.push_back(std::move(block));
    }
  }
  blocks.push_back({kTagWallMatrix, encodeWallMatrix(pipe.wallMatrix)});
  blocks.push_back({kTagCsa, encodeCsa(pipe.csa)});
  blocks.push_back({kTagWallStart, encodeWallStart(pipe.wallStartCounts)});
  blocks.push_back({kTagJobInfo2, encodeJobInfo2(pipe.header)});
  if (withRaw) {
    for (Block& block : rawBlocks(pipe, ChannelKind::kOd)) {
      blocks.push_back(std::move(block));
    }
  }
  if (pipe.odMatrix.present()) {
    blocks.push_back({kTagOdMatrix, encodeOdMatrix(pipe.odMatrix)});
  }
  blocks.push_back({kTagStraightness, encodeStraightness(pipe.straightness)});
  return writeBlockFile(path, blocks);
}

SaveResult writeStringFile(const std::string& path, const std::vector<std::string>& pipeFileNames) {
  std::string text;
  for (const std::string& name : pipeFileNames) {
    text += name + "\n";
  }
  return writeTextFile(path, text);
}

SaveResult writeIndicationFile(const std::string& path, const SimulatedPipe& pipe) {
  std::string text = "Indication#  Channel#  Type  XLoc(ft)  XLocFRef(ft)  YLoc(deg)  Amplitude(%)\n";
  int number = 1;
  for (const Defect& defect : pipe.model.defects) {
    const double feet = defect.position / 12.0;
    const double fromFarEnd = (pipe.model.length - defect.position) / 12.0;
    const long angle = std::lround(defect.angle) % 360;
    const long amplitude = std::lround(defect.depth / pipe.model.nominalWall * 100.0);
    text += format("%d  1  %s  %.3f  %.3f  %ld  %ld\n", number++, defectKindName(defect.kind), feet,
                   fromFarEnd, angle, amplitude);
  }
  return writeTextFile(path, text);
}

SaveResult writeTruthFile(const std::string& path, const SimulatedPipe& pipe, const SimOptions& options) {
  const PipeModel& model = pipe.model;
  json truth = {{"seed", options.seed},
                {"index", pipe.index},
                {"kqNumber", pipe.header.kqNumber},
                {"parameters",
                 {{"nominalOd", model.nominalOd},
                  {"nominalWall", model.nominalWall},
                  {"length", model.length},
                  {"pitch", options.pitch},
                  {"samplesPerRev", options.samplesPerRev},
                  {"wallAngle", pipe.header.wallAngle},
                  {"calibrationOd", pipe.header.calibrationOd},
                  {"wallStart", pipe.wallStart},
                  {"wallStartCounts", pipe.wallStartCounts},
                  {"boreOffset", alongPipeJson(model.boreOffset, model.borePhase, model.borePhaseTurns)},
                  {"ovality", alongPipeJson(model.ovality, model.ovalityPhase, model.ovalityPhaseTurns)},
                  {"bow", {{"amplitude", model.bow}, {"angle", model.bowAngle}}}}},
                {"sensors", sensorsJson(pipe)},
                {"grid",
                 {{"wall", gridJson(pipe.wallGrid, pipe.wallMatrix.deltaX, pipe.wallMatrix.deltaY)},
                  {"od", gridJson(pipe.odGrid, pipe.odMatrix.deltaX, pipe.odMatrix.deltaY)}}},
                {"defects", defectsJson(pipe)},
                {"faults", faultsJson(pipe, options)}};
  if (options.fieldFaults) {
    truth["lostWallCells"] = lostCellsJson(pipe);
  }
  return writeTextFile(path, truth.dump(1) + "\n");
}

std::filesystem::path rdaqFolder(const std::filesystem::path& pipeFolder) {
  std::filesystem::path folder = std::filesystem::absolute(pipeFolder).lexically_normal();
  if (!folder.has_filename()) {
    folder = folder.parent_path();
  }
  return folder.parent_path() / "RDAQ";
}

}  // namespace ductora::sim
