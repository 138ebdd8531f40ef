#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace ductora {

// Indication files: the defects the acquisition side found on a pipe, a header line then records
// of seven whitespace-separated fields (number, channel, type, position in feet, position from the
// reference, angle in degrees, amplitude). A record may run across line ends.

// At most this many indications are listed or stored.
constexpr std::size_t kMaxIndications = 3000;
// Fields are display text; longer ones are cut so one damaged field cannot make a huge line.
constexpr std::size_t kMaxIndicationFieldLength = 64;

struct IndicationFileNames {
  std::string primary;      // in the RDAQ folder beside the pipe's folder
  std::string alternative;  // beside the pipe file
};

// The two places the indication file of the pipe file may be: its name with the extension "ind".
IndicationFileNames indicationFileNames(const std::string& pipePath);
// The primary name when that file exists, else the alternative when it exists, else empty.
std::optional<std::string> findIndicationFile(const std::string& pipePath);

struct IndicationListResult {
  bool opened = false;
  std::vector<std::string> lines;  // at most kMaxIndications
  // Reading stopped early: a position that is not a number, a record cut by the end of the
  // file, or more records than are listed.
  bool stoppedEarly = false;
};

// The lines of the Indication dialog, one per complete record, the position shown in inches.
IndicationListResult readIndicationList(const std::string& path);

struct IndicationRecords {
  bool opened = false;
  // Record n is stored at index n - 1; the others stay 0.
  std::array<float, kMaxIndications> positionsInches{};
  std::array<float, kMaxIndications> anglesDegrees{};
  std::size_t count = 0;    // records stored, at most kMaxIndications
  std::size_t ignored = 0;  // complete records numbered outside 1 .. kMaxIndications
};

// The records the indication circles are drawn from, read until a record cannot be read (a number
// or position that is not a number, or the end of the file).
IndicationRecords readIndicationRecords(const std::string& path);

}  // namespace ductora
