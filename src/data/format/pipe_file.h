#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace ductora {

constexpr double kCountsPerInch = 195.35;
constexpr double kInchesPerCount = 0.005119017148707448;
// Wall start is stored relative to a point 34 inches before the encoder's zero.
constexpr double kWallStartOriginInches = 34.0;
constexpr std::size_t kMaxRevolutions = 6000;
constexpr std::size_t kWallChannelSlots = 5;  // WDM 1-4 and the merged display channel
constexpr std::size_t kRawDisplayChannel = 4;
constexpr std::size_t kOdChannelSlots = 2;
constexpr std::size_t kMaxPathLength = 255;

// One raw record of a channel. `reading` holds the 16-bit value: unsigned mils for
// wall channels, signed mils for OD channels. Position and angle are filled by PlaceSamples.
struct RawSample {
  std::int32_t reading = 0;
  std::uint32_t axialCount = 0;
  std::uint32_t rotationCount = 0;
  double position = 0.0;
  double angle = 0.0;

  friend bool operator==(const RawSample&, const RawSample&) = default;
};

// The samples of one revolution, between two 12 o'clock marks.
using RevolutionSamples = std::vector<RawSample>;
// At most kMaxRevolutions entries for use; a list loaded for saving holds every revolution.
using RevolutionList = std::vector<RevolutionSamples>;

// The records of a channel that are in no revolution, loaded beside its revolutions so that a
// save writes back every record it read: the lead runs up to the first revolution (its markers
// included), the tail follows the marker that closes the last one, and a marker that directly
// follows another between two revolutions is counted before the later one. A channel without a
// revolution has all its records in the lead.
struct ChannelLeftovers {
  RevolutionSamples lead;
  RevolutionSamples tail;
  std::vector<std::uint32_t> repeatedMarks;  // by revolution; empty when there are none

  friend bool operator==(const ChannelLeftovers&, const ChannelLeftovers&) = default;
};

struct WallChannel {
  std::uint8_t channel = 0;
  std::uint32_t sampleCount = 0;
  double wallScale = 0.0;
  double velocity = 0.0;
  std::array<double, 4> parameters{};
  RevolutionList revolutions;
  ChannelLeftovers leftovers;

  void setWallScale(double scale);
  // The channel head: everything but the revolution lists.
  void copyHeadFrom(const WallChannel& other);
};

struct OdChannel {
  std::uint8_t channel = 0;
  std::uint32_t sampleCount = 0;
  double inchesPerCount = 0.0;
  RevolutionList revolutions;
  ChannelLeftovers leftovers;

  void copyHeadFrom(const OdChannel& other);
};

struct PipeHeader {
  // Job information 1 (block 0).
  std::uint32_t created = 0;
  std::string woNumber;  // 10-byte field
  std::uint16_t kqNumber = 0;
  std::uint8_t unitNumber = 0;
  std::string note;  // 16-byte field, carried along unchanged
  std::uint8_t runNumber = 0;
  std::uint8_t startEnd = 0;
  std::uint16_t nominalOdMils = 0;
  double nominalOd = 0.0;
  std::uint16_t weightHundredths = 0;
  double weight = 0.0;
  std::string grade;  // 10-byte field
  std::uint16_t nominalWall = 0;
  std::uint16_t upperWall = 0;
  std::uint16_t lowerWall = 0;
  std::uint8_t wallJumpSize = 0;
  std::uint8_t range = 0;
  // Job information 2 (block 10).
  std::uint16_t calibrationOdMils = 0;
  float calibrationOd = 0.0F;
  std::uint16_t wallAngle = 0;
  std::uint8_t rotation = 0;
  std::uint8_t from = 0;
  std::int16_t upperOdOffset = 0;
  std::int16_t lowerOdOffset = 0;
  std::uint8_t odJumpSize = 0;
  float displayScale = 1.0F;

  friend bool operator==(const PipeHeader&, const PipeHeader&) = default;
};

constexpr std::size_t kWoNumberBytes = 10;
constexpr std::size_t kNoteBytes = 16;
constexpr std::size_t kGradeBytes = 10;

struct WallMatrix {
  double avgEccentricity = 0.0;
  double minEccentricity = 0.0;
  double maxEccentricity = 0.0;
  double avgWall = 0.0;  // inches
  double minWall = 0.0;
  double maxWall = 0.0;
  double deltaX = 0.0;  // inches per row
  std::uint32_t rows = 0;
  float length = 0.0F;
  double deltaY = 0.0;  // degrees per column
  std::uint32_t columns = 0;
  std::vector<std::uint16_t> data;  // rows x columns, mils, row-major
  std::uint32_t removeFront = 0;    // encoder counts
  std::uint32_t removeBack = 0;
  std::vector<float> eccentricityPerRev;
  std::vector<std::uint16_t> minWallPerRev;
  std::vector<std::uint16_t> maxWallPerRev;
  std::vector<std::uint16_t> avgWallPerRev;
  // How the matrix was built, kept in a block of its own: the jump filter's name (empty when the
  // file does not say) and one flag per cell, 1 where the channel had no reading (empty when no
  // mask is known). The cells there hold filled values, so every measure is computed as before.
  std::string jumpFilter;
  std::vector<std::uint8_t> noReading;

  bool present() const { return !data.empty(); }
  bool hasNoReadingMask() const { return !noReading.empty() && noReading.size() == data.size(); }
  std::uint16_t at(std::size_t row, std::size_t column) const { return data[row * columns + column]; }
};

struct OdMatrix {
  double maxOd = 0.0;  // inches
  double minOd = 0.0;
  double avgOd = 0.0;
  double maxOvality = 0.0;  // percent
  double minOvality = 0.0;
  double avgOvality = 0.0;
  double deltaX = 0.0;
  std::uint32_t rows = 0;
  float length = 0.0F;
  double deltaY = 0.0;
  std::uint32_t columns = 0;
  std::vector<std::int16_t> data;  // OD offset, mils
  std::vector<float> ovalityPerRev;
  std::vector<float> minOdPerRev;
  std::vector<float> maxOdPerRev;
  std::vector<float> avgOdPerRev;

  bool present() const { return !data.empty(); }
  std::int16_t at(std::size_t row, std::size_t column) const { return data[row * columns + column]; }
};

struct IdMatrix {
  double deltaX = 0.0;
  std::uint32_t rows = 0;
  double deltaY = 0.0;
  std::uint32_t columns = 0;
  double maxId = 0.0;  // inches
  double minId = 0.0;
  double avgId = 0.0;
  std::vector<std::int16_t> data;  // mils

  bool present() const { return !data.empty(); }
  std::int16_t at(std::size_t row, std::size_t column) const { return data[row * columns + column]; }
};

struct CsaTable {
  double nominalCsa = 0.0;  // square inches
  double minCsa = 0.0;
  double maxCsa = 0.0;
  double avgCsa = 0.0;
  double csaStdDev = 0.0;
  std::uint32_t rows = 0;
  std::vector<double> csaPerRev;

  bool present() const { return !csaPerRev.empty(); }
};

struct StraightnessMatrix {
  double deltaX = 0.0;
  std::uint32_t rows = 0;
  double deltaY = 0.0;
  std::uint32_t columns = 0;
  std::vector<std::int16_t> data;

  bool present() const { return !data.empty(); }
};

// The sixteen per-revolution values (see RevolutionMetricField).
using RevolutionMetric = std::array<float, 16>;

// Index = which block kind was read or built.
enum DataPresentIndex : std::size_t {
  kJobInfo1Present = 0,
  kRawWallPresent = 1,
  kWallMatrixPresent = 2,
  kCsaPresent = 3,
  kWallStartPresent = 4,
  kJobInfo2Present = 5,
  kRawOdPresent = 6,
  kOdMatrixPresent = 7,
  kUnusedPresent = 8,
  kStraightnessPresent = 9,
};
using DataPresentFlags = std::array<std::uint8_t, 10>;

// View state values kept per pipe: its own position offset and rotations (degrees).
enum ViewStateIndex : std::size_t { kCursorPosition = 0, kRotationX = 1, kRotationY = 2, kRotationZ = 3 };

// One inspected pipe, data only. Copies are deep, except that the raw revolution lists are not
// copied: a copy carries the channel heads only (see the copy constructor). A copy is another
// pipe with an id of its own; a move keeps the id.
class PipeFile {
 public:
  PipeFile();
  PipeFile(const PipeFile& other);
  PipeFile& operator=(const PipeFile& other);
  PipeFile(PipeFile&&) noexcept = default;
  PipeFile& operator=(PipeFile&&) noexcept = default;
  ~PipeFile() = default;

  std::string path;
  // Where the raw samples are read back from: the file read, or the last one saved with them
  // (a copy saved without them leaves them where they were).
  std::string rawSource;
  std::uint32_t stringIndex = 0;
  std::uint32_t wallStartCounts = 0;
  std::array<float, 5> viewState{};
  double wallStart = 0.0;
  std::uint32_t burstSelection = 0;
  PipeHeader header;
  std::array<WallChannel, kWallChannelSlots> wallChannels{};
  WallMatrix wallMatrix;
  IdMatrix idMatrix;
  CsaTable csa;
  std::array<OdChannel, kOdChannelSlots> odChannels{};
  OdMatrix odMatrix;
  StraightnessMatrix straightness;
  std::vector<RevolutionMetric> revolutionMetrics;
  DataPresentFlags dataPresent{};
  std::array<std::uint32_t, 5> collapseSelections{};
  double yieldStrength = 0.0;
  // Unique among the records of a run and never reused, so what others keep for a pipe (its
  // textures, its windows' readouts) is keyed by it rather than by an address a freed record
  // may pass on.
  std::uint64_t id = 0;
  // Counts the changes of the record's contents: reading, measuring, rebuilding and every edit
  // call changed() or edited(), so whatever was derived from an older revision is made again.
  std::uint64_t revision = 0;
  // Edited since it was read or last saved over its own path. Whoever edits the record sets it
  // through edited(); a successful save clears it.
  bool unsavedChanges = false;

  // Display state derived from the header: counter-clockwise rotation mirrors the
  // circumference, "away" mirrors the length.
  bool flipped() const { return header.rotation != 0; }
  bool reversed() const { return header.from != 0; }

  // The larger of the wall and OD matrix lengths.
  float pipeLength() const;
  float cursorPosition() const { return viewState[kCursorPosition]; }
  float rotationZ() const { return viewState[kRotationZ]; }
  void changed() { ++revision; }
  // An operator's edit: a change that is not saved yet.
  void edited() {
    changed();
    unsavedChanges = true;
  }
  // Moves the cursor by delta inches, clamped to [0, pipe length].
  void moveCursor(float delta);

  // Stores the count as the reader does: a non-zero count also sets wallStart.
  void setWallStartCounts(std::uint32_t counts);
  // An edit of the count: wallStart becomes what reading a saved file back gives, so a count of
  // 0 (no wall start) puts the wall level with the OD.
  void editWallStartCounts(std::uint32_t counts);
  // An edit that reduces the count, no further than to 1: 0 would read back as no wall start.
  // A pipe without a wall start has its wall level with the OD.
  void reduceWallStart(std::uint32_t counts);

  // Frees every raw revolution list of every channel, and the records beside them.
  void freeRevolutions();
  // Leaves what a copy carries of the channels: the heads of the four wall and two OD channels.
  void dropRawSamples();
};

}  // namespace ductora
