#include "cli/output/pipe_summary.h"

#include <array>
#include <cstdarg>
#include <cstdio>
#include <ctime>
#include <string>

#include "analysis/measures/revolution_metrics.h"

namespace ductora::cli {

namespace {

std::string format(const char* pattern, ...) __attribute__((format(printf, 1, 2)));

std::string format(const char* pattern, ...) {
  std::array<char, 512> buffer{};
  va_list args;
  va_start(args, pattern);
  std::vsnprintf(buffer.data(), buffer.size(), pattern, args);
  va_end(args);
  return buffer.data();
}

std::string utcTime(std::uint32_t seconds) {
  const std::time_t time = seconds;
  std::tm parts{};
  gmtime_r(&time, &parts);
  std::array<char, 32> text{};
  std::strftime(text.data(), text.size(), "%Y-%m-%d %H:%M:%S UTC", &parts);
  return text.data();
}

constexpr std::array<const char*, 10> kBlockNames = {"Job Info 1", "Raw Wall",    "Matrix Wall", "CSA",
                                                     "Wall Start", "Job Info 2",  "Raw OD",      "Matrix OD",
                                                     "",           "Straightness"};

std::string blocksPresent(const PipeFile& pipe) {
  std::string text;
  for (std::size_t i = 0; i < kBlockNames.size(); ++i) {
    if (pipe.dataPresent[i] != 0 && kBlockNames[i][0] != '\0') {
      text += text.empty() ? "" : ", ";
      text += kBlockNames[i];
    }
  }
  return text.empty() ? "none" : text;
}

void printJob(std::ostream& out, const PipeFile& pipe) {
  const PipeHeader& h = pipe.header;
  out << format("File:          %s\n", pipe.path.c_str());
  out << format("Job:           WO No. %s  KQ No. %u  Unit No. %u  Run No. %u  Range %u\n",
                h.woNumber.c_str(), h.kqNumber, h.unitNumber, h.runNumber, h.range);
  out << "Created:       " << utcTime(h.created) << '\n';
  out << format("Pipe:          OD %.3f\"  Wall %.3f\"  Weight %.2f#  Grade %s  Cal. OD %.3f\"\n",
                h.nominalOd, h.nominalWall / 1000.0, h.weight, h.grade.c_str(), h.calibrationOd);
  out << format("Orientation:   Start %s  Rotation %s  From %s  Wall Angle %u\n",
                h.startEnd != 0 ? "PIN" : "BOX", h.rotation != 0 ? "CC" : "C", h.from != 0 ? "AWAY" : "HOME",
                h.wallAngle);
  out << format("Length:        %.3f\"  Wall start %.3f\"\n", pipe.pipeLength(), pipe.wallStart);
  out << "Blocks:        " << blocksPresent(pipe) << '\n';
}

void printMatrices(std::ostream& out, const PipeFile& pipe) {
  const WallMatrix& w = pipe.wallMatrix;
  if (w.present()) {
    out << format("Wall matrix:   %u x %u  Delta X %.4f\"  Delta Y %.3f deg  Length %.3f\"\n", w.rows,
                  w.columns, w.deltaX, w.deltaY, w.length);
    out << format("  Wall:        min %.3f\"  avg %.3f\"  max %.3f\"\n", w.minWall, w.avgWall, w.maxWall);
    out << format("  Eccentricity: min %.3f%%  avg %.3f%%  max %.3f%%\n", w.minEccentricity,
                  w.avgEccentricity, w.maxEccentricity);
  } else {
    out << "Wall matrix:   none\n";
  }
  const CsaTable& c = pipe.csa;
  if (c.present() || pipe.dataPresent[kCsaPresent] != 0) {
    out << format("CSA:           nominal %.3f  min %.3f  avg %.3f  max %.3f  std dev %.4f sq in\n",
                  c.nominalCsa, c.minCsa, c.avgCsa, c.maxCsa, c.csaStdDev);
  }
  const OdMatrix& o = pipe.odMatrix;
  if (o.present()) {
    out << format("OD matrix:     %u x %u  Delta X %.4f\"  Delta Y %.3f deg  Length %.3f\"\n", o.rows,
                  o.columns, o.deltaX, o.deltaY, o.length);
    out << format("  OD:          min %.3f\"  avg %.3f\"  max %.3f\"\n", o.minOd, o.avgOd, o.maxOd);
    out << format("  Ovality:     min %.3f%%  avg %.3f%%  max %.3f%%\n", o.minOvality, o.avgOvality,
                  o.maxOvality);
  } else {
    out << "OD matrix:     none\n";
  }
  const IdMatrix& id = pipe.idMatrix;
  if (id.present()) {
    out << format("ID:            min %.3f\"  avg %.3f\"  max %.3f\"\n", id.minId, id.avgId, id.maxId);
  }
  const StraightnessMatrix& s = pipe.straightness;
  if (s.present()) {
    out << format("Straightness:  %u x %u\n", s.rows, s.columns);
  }
  out << format("Max D/t:       %.3f\n", MaxDOverT(pipe));
}

void printChannels(std::ostream& out, const PipeFile& pipe) {
  for (std::size_t i = 0; i + 1 < kWallChannelSlots; ++i) {
    const WallChannel& c = pipe.wallChannels[i];
    if (c.channel != 0) {
      out << format("WDM - Channel %u: %u records  Wall Scale %.4f  Velocity %.4f\n", c.channel,
                    c.sampleCount, c.wallScale, c.velocity);
    }
  }
  for (const OdChannel& c : pipe.odChannels) {
    if (c.channel != 0) {
      out << format("OD channel %u:  %u records  Inches/Pixel %.6f\n", c.channel, c.sampleCount,
                    c.inchesPerCount);
    }
  }
}

}  // namespace

void printPipeSummary(std::ostream& out, const PipeFile& pipe, const PipeReadResult& read) {
  printJob(out, pipe);
  if (!read.wallMatrixRead) {
    out << "Note:          the file holds no wall matrix\n";
  }
  printMatrices(out, pipe);
  printChannels(out, pipe);
}

}  // namespace ductora::cli
