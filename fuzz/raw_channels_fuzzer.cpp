// The raw channel loaders, rescaling and trimming on arbitrary files. The input starts with the
// settings (wall scale f64, inches per count f64, remove front u32, remove back u32, little-endian);
// the rest is the pipe file.
#include <cstddef>
#include <cstdint>
#include <limits>

#include "data/format/byte_codec.h"
#include "data/format/pipe_blocks.h"
#include "data/format/pipe_file_io.h"
#include "data/format/raw_channels.h"
#include "scratch_file.h"

namespace {

using ductora::fuzz::require;

constexpr std::size_t kSettingsBytes = 24;

std::size_t sampleCount(const ductora::RevolutionList& revolutions) {
  std::size_t count = 0;
  for (const auto& revolution : revolutions) {
    count += revolution.size();
  }
  return count;
}

void checkLoaded(const ductora::RevolutionList& revolutions, std::size_t loaded, std::size_t fileBytes,
                 std::int32_t low, std::int32_t high) {
  require(loaded == revolutions.size(), "the count returned is the count stored");
  require(loaded <= ductora::kMaxRevolutions, "at most 6000 revolutions");
  require(sampleCount(revolutions) <= fileBytes / ductora::kRawRecordBytes, "no more samples than records");
  for (const auto& revolution : revolutions) {
    require(!revolution.empty(), "no empty revolution is cut");
    for (const ductora::RawSample& sample : revolution) {
      require(sample.reading >= low && sample.reading <= high, "reading within its 16-bit range");
    }
  }
}

void checkTrim(ductora::RevolutionList& revolutions, std::uint32_t front, std::uint32_t back) {
  const std::size_t before = revolutions.size();
  ductora::TrimRevolutions(revolutions, front, back);
  require(revolutions.size() <= before, "trimming only removes");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < kSettingsBytes) {
    return 0;
  }
  ductora::ByteReader settings({data, kSettingsBytes});
  const double wallScale = settings.f64();
  const double inchesPerCount = settings.f64();
  const std::uint32_t front = settings.u32();
  const std::uint32_t back = settings.u32();
  const std::size_t fileBytes = size - kSettingsBytes;

  ductora::PipeFile pipe;
  ductora::readPipeFile(pipe, ductora::fuzz::writeScratchFile(data + kSettingsBytes, fileBytes));
  for (int number = 1; number <= 4; ++number) {
    auto& channel = pipe.wallChannels[static_cast<std::size_t>(number - 1)];
    auto& revolutions = channel.revolutions;
    ductora::LoadWallRevolutions(pipe, number, wallScale, ductora::RevolutionLimit::kAll);
    require(ductora::rawWallRecordCount(channel) == channel.sampleCount, "a save writes back every record");
    const std::size_t loaded = ductora::LoadWallRevolutions(pipe, number, wallScale);
    checkLoaded(revolutions, loaded, fileBytes, 0, std::numeric_limits<std::uint16_t>::max());
    checkTrim(revolutions, front, back);
  }
  for (int number = 1; number <= 2; ++number) {
    auto& channel = pipe.odChannels[static_cast<std::size_t>(number - 1)];
    auto& revolutions = channel.revolutions;
    ductora::LoadOdRevolutions(pipe, number, inchesPerCount, ductora::RevolutionLimit::kAll);
    require(ductora::rawOdRecordCount(channel) == channel.sampleCount, "a save writes back every record");
    const ductora::OdLoadResult loaded = ductora::LoadOdRevolutions(pipe, number, inchesPerCount);
    require(loaded.found || loaded.revolutions == 0, "revolutions only from a block");
    checkLoaded(revolutions, loaded.revolutions, fileBytes, std::numeric_limits<std::int16_t>::min(),
                std::numeric_limits<std::int16_t>::max());
    checkTrim(revolutions, front, back);
  }
  return 0;
}
