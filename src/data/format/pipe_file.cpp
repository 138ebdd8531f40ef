#include "data/format/pipe_file.h"

#include <algorithm>
#include <atomic>

namespace ductora {

void WallChannel::setWallScale(double scale) {
  wallScale = scale;
  velocity = scale / 1e6 * 1e8 * 2 / 1000;
}

void WallChannel::copyHeadFrom(const WallChannel& other) {
  channel = other.channel;
  sampleCount = other.sampleCount;
  wallScale = other.wallScale;
  velocity = other.velocity;
  parameters = other.parameters;
}

void OdChannel::copyHeadFrom(const OdChannel& other) {
  channel = other.channel;
  sampleCount = other.sampleCount;
  inchesPerCount = other.inchesPerCount;
}

namespace {

std::uint64_t nextPipeId() {
  static std::atomic<std::uint64_t> last{0};
  return ++last;
}

}  // namespace

PipeFile::PipeFile() : id(nextPipeId()) {}

PipeFile::PipeFile(const PipeFile& other)
    : path(other.path),
      rawSource(other.rawSource),
      stringIndex(other.stringIndex),
      wallStartCounts(other.wallStartCounts),
      viewState(other.viewState),
      wallStart(other.wallStart),
      burstSelection(other.burstSelection),
      header(other.header),
      wallMatrix(other.wallMatrix),
      idMatrix(other.idMatrix),
      csa(other.csa),
      odMatrix(other.odMatrix),
      straightness(other.straightness),
      revolutionMetrics(other.revolutionMetrics),
      dataPresent(other.dataPresent),
      collapseSelections(other.collapseSelections),
      yieldStrength(other.yieldStrength),
      id(nextPipeId()),
      revision(other.revision),
      unsavedChanges(other.unsavedChanges) {
  // Raw samples are reloaded from the file on demand; a copy carries only the channel heads.
  for (std::size_t i = 0; i + 1 < kWallChannelSlots; ++i) {
    wallChannels[i].copyHeadFrom(other.wallChannels[i]);
  }
  for (std::size_t i = 0; i < kOdChannelSlots; ++i) {
    odChannels[i].copyHeadFrom(other.odChannels[i]);
  }
}

PipeFile& PipeFile::operator=(const PipeFile& other) {
  if (this != &other) {
    PipeFile copy(other);
    *this = std::move(copy);
  }
  return *this;
}

float PipeFile::pipeLength() const {
  const float wallLength = wallMatrix.present() ? wallMatrix.length : 0.0F;
  const float odLength = odMatrix.present() ? odMatrix.length : 0.0F;
  return odLength > wallLength ? odLength : wallLength;
}

void PipeFile::moveCursor(float delta) {
  float& cursor = viewState[kCursorPosition];
  cursor += delta;
  const float length = pipeLength();
  if (cursor > length) {
    cursor = length;
  }
  if (cursor < 0.0F) {
    cursor = 0.0F;
  }
}

void PipeFile::setWallStartCounts(std::uint32_t counts) {
  wallStartCounts = counts;
  if (counts != 0) {
    wallStart = counts * kInchesPerCount - kWallStartOriginInches;
  }
}

void PipeFile::editWallStartCounts(std::uint32_t counts) {
  wallStart = 0.0;
  setWallStartCounts(counts);
}

void PipeFile::reduceWallStart(std::uint32_t counts) {
  if (counts == 0) {
    return;
  }
  // The count whose wall start is nearest 0.
  constexpr auto kLevelWithOd = static_cast<std::uint32_t>(kWallStartOriginInches * kCountsPerInch + 0.5);
  const std::uint32_t from = wallStartCounts != 0 ? wallStartCounts : kLevelWithOd;
  editWallStartCounts(from > counts ? from - counts : 1);
}

void PipeFile::dropRawSamples() {
  freeRevolutions();
  wallChannels[kRawDisplayChannel] = WallChannel{};
}

void PipeFile::freeRevolutions() {
  for (auto& channel : wallChannels) {
    RevolutionList().swap(channel.revolutions);
    channel.leftovers = {};
  }
  for (auto& channel : odChannels) {
    RevolutionList().swap(channel.revolutions);
    channel.leftovers = {};
  }
}

}  // namespace ductora
