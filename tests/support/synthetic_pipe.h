#pragma once

#include <cstdint>
#include <string>

namespace ductora::testing {

// A plausible single-pipe file of known geometry: job information, four raw wall channels and two
// raw OD channels cut at 12 o'clock markers, a wall matrix near the nominal wall with a little
// eccentricity, CSA statistics, wall start, job information 2, an OD matrix with two-lobed ovality
// and a straightness matrix. The same options always give the same bytes.
struct SyntheticPipeOptions {
  double lengthInches = 480.0;
  int samplesPerRev = 360;
  double pitchInches = 1.0 / 3;
  double nominalOd = 7.0;           // inches
  std::uint16_t nominalWall = 362;  // mils
  bool withRawWall = true;
  bool withRawOd = true;
  bool withOdMatrix = true;
  bool withStraightness = true;
  std::uint32_t seed = 1;
};

// Revolutions per raw channel: the pipe length over the helical pitch.
int syntheticRevolutions(const SyntheticPipeOptions& options);

void writeSyntheticPipe(const std::string& path, const SyntheticPipeOptions& options);

// A string of `pipes` synthetic pipes p1.kqvw .. pN.kqvw in `folder` (seeds 1..N, otherwise as
// `options`) and its list file string.kqstr there, whose path is returned.
std::string writeSyntheticString(const std::string& folder, int pipes, SyntheticPipeOptions options);

}  // namespace ductora::testing
