#include "cli/output/pipe_json.h"

#include "analysis/measures/revolution_metrics.h"
#include "analysis/placement/no_reading_areas.h"

namespace ductora::cli {

namespace {

using json = nlohmann::ordered_json;

json headerJson(const PipeHeader& h) {
  return {{"created", h.created},
          {"woNumber", h.woNumber},
          {"kqNumber", h.kqNumber},
          {"unitNumber", h.unitNumber},
          {"note", h.note},
          {"runNumber", h.runNumber},
          {"startEnd", h.startEnd},
          {"nominalOdMils", h.nominalOdMils},
          {"nominalOd", h.nominalOd},
          {"weightHundredths", h.weightHundredths},
          {"weight", h.weight},
          {"grade", h.grade},
          {"nominalWall", h.nominalWall},
          {"upperWall", h.upperWall},
          {"lowerWall", h.lowerWall},
          {"wallJumpSize", h.wallJumpSize},
          {"range", h.range},
          {"calibrationOdMils", h.calibrationOdMils},
          {"calibrationOd", h.calibrationOd},
          {"wallAngle", h.wallAngle},
          {"rotation", h.rotation},
          {"from", h.from},
          {"upperOdOffset", h.upperOdOffset},
          {"lowerOdOffset", h.lowerOdOffset},
          {"odJumpSize", h.odJumpSize},
          {"displayScale", h.displayScale}};
}

json wallChannelsJson(const PipeFile& pipe) {
  json channels = json::array();
  for (std::size_t i = 0; i + 1 < kWallChannelSlots; ++i) {
    const WallChannel& c = pipe.wallChannels[i];
    channels.push_back({{"channel", c.channel},
                        {"sampleCount", c.sampleCount},
                        {"wallScale", c.wallScale},
                        {"velocity", c.velocity},
                        {"parameters", c.parameters}});
  }
  return channels;
}

json odChannelsJson(const PipeFile& pipe) {
  json channels = json::array();
  for (const OdChannel& c : pipe.odChannels) {
    channels.push_back(
        {{"channel", c.channel}, {"sampleCount", c.sampleCount}, {"inchesPerCount", c.inchesPerCount}});
  }
  return channels;
}

// Where the no-reading cells lie, as the views place them; null without a mask.
void addNoReading(const PipeFile& pipe, const PipeJsonDetail& detail, json& j) {
  const auto cells = NoReadingCellCount(pipe);
  j["jumpFilter"] = pipe.wallMatrix.jumpFilter.empty() ? json(nullptr) : json(pipe.wallMatrix.jumpFilter);
  j["noReadingCells"] = cells ? json(*cells) : json(nullptr);
  if (!cells) {
    j["noReadingAreas"] = nullptr;
    return;
  }
  json areas = json::array();
  for (const NoReadingArea& area : NoReadingAreas(pipe)) {
    areas.push_back({{"position", area.position},
                     {"length", area.length},
                     {"angle", area.angle},
                     {"width", area.width},
                     {"cells", area.cells}});
  }
  j["noReadingAreas"] = std::move(areas);
  if (detail.matrices) {
    j["noReading"] = pipe.wallMatrix.noReading;
  }
}

json wallMatrixJson(const PipeFile& pipe, const PipeJsonDetail& detail) {
  const WallMatrix& m = pipe.wallMatrix;
  if (!m.present()) {
    return nullptr;
  }
  json j = {{"deltaX", m.deltaX},
            {"rows", m.rows},
            {"deltaY", m.deltaY},
            {"columns", m.columns},
            {"length", m.length},
            {"removeFront", m.removeFront},
            {"removeBack", m.removeBack},
            {"avgWall", m.avgWall},
            {"minWall", m.minWall},
            {"maxWall", m.maxWall},
            {"avgEccentricity", m.avgEccentricity},
            {"minEccentricity", m.minEccentricity},
            {"maxEccentricity", m.maxEccentricity}};
  if (detail.series) {
    j["eccentricityPerRev"] = m.eccentricityPerRev;
    j["minWallPerRev"] = m.minWallPerRev;
    j["maxWallPerRev"] = m.maxWallPerRev;
    j["avgWallPerRev"] = m.avgWallPerRev;
  }
  if (detail.matrices) {
    j["data"] = m.data;
  }
  addNoReading(pipe, detail, j);
  return j;
}

json csaJson(const PipeFile& pipe, const PipeJsonDetail& detail) {
  const CsaTable& csa = pipe.csa;
  if (!csa.present() && pipe.dataPresent[kCsaPresent] == 0) {
    return nullptr;
  }
  json j = {{"nominalCsa", csa.nominalCsa}, {"minCsa", csa.minCsa},       {"maxCsa", csa.maxCsa},
            {"avgCsa", csa.avgCsa},         {"csaStdDev", csa.csaStdDev}, {"rows", csa.rows}};
  if (detail.series) {
    j["csaPerRev"] = csa.csaPerRev;
  }
  return j;
}

json odMatrixJson(const OdMatrix& m, const PipeJsonDetail& detail) {
  if (!m.present()) {
    return nullptr;
  }
  json j = {{"deltaX", m.deltaX},         {"rows", m.rows},
            {"deltaY", m.deltaY},         {"columns", m.columns},
            {"length", m.length},         {"maxOd", m.maxOd},
            {"minOd", m.minOd},           {"avgOd", m.avgOd},
            {"maxOvality", m.maxOvality}, {"minOvality", m.minOvality},
            {"avgOvality", m.avgOvality}};
  if (detail.series) {
    j["ovalityPerRev"] = m.ovalityPerRev;
    j["minOdPerRev"] = m.minOdPerRev;
    j["maxOdPerRev"] = m.maxOdPerRev;
    j["avgOdPerRev"] = m.avgOdPerRev;
  }
  if (detail.matrices) {
    j["data"] = m.data;
  }
  return j;
}

json idMatrixJson(const IdMatrix& m, const PipeJsonDetail& detail) {
  if (!m.present()) {
    return nullptr;
  }
  json j = {
      {"rows", m.rows}, {"columns", m.columns}, {"maxId", m.maxId}, {"minId", m.minId}, {"avgId", m.avgId}};
  if (detail.matrices) {
    j["data"] = m.data;
  }
  return j;
}

json straightnessJson(const StraightnessMatrix& m, const PipeJsonDetail& detail) {
  if (!m.present()) {
    return nullptr;
  }
  json j = {{"deltaX", m.deltaX}, {"rows", m.rows}, {"deltaY", m.deltaY}, {"columns", m.columns}};
  if (detail.matrices) {
    j["data"] = m.data;
  }
  return j;
}

}  // namespace

json pipeToJson(const PipeFile& pipe, const PipeReadResult& read, const PipeJsonDetail& detail) {
  json j = {{"path", pipe.path},
            {"wallMatrixRead", read.wallMatrixRead},
            {"dataPresent", pipe.dataPresent},
            {"length", pipe.pipeLength()},
            {"wallStartCounts", pipe.wallStartCounts},
            {"wallStart", pipe.wallStart},
            {"maxDOverT", MaxDOverT(pipe)},
            {"header", headerJson(pipe.header)},
            {"wallChannels", wallChannelsJson(pipe)},
            {"odChannels", odChannelsJson(pipe)},
            {"wallMatrix", wallMatrixJson(pipe, detail)},
            {"csa", csaJson(pipe, detail)},
            {"odMatrix", odMatrixJson(pipe.odMatrix, detail)},
            {"idMatrix", idMatrixJson(pipe.idMatrix, detail)},
            {"straightness", straightnessJson(pipe.straightness, detail)}};
  if (detail.series) {
    j["revolutionMetrics"] = pipe.revolutionMetrics;
  }
  return j;
}

std::string dumpJson(const nlohmann::ordered_json& value) {
  return value.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
}

}  // namespace ductora::cli
