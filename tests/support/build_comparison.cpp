#include "support/build_comparison.h"

#include <gtest/gtest.h>

#include "analysis/rebuild/correction/channel_correction.h"
#include "analysis/rebuild/od_build.h"
#include "data/format/pipe_file_io.h"
#include "data/format/raw_channels.h"
#include "support/reference_build_matrix.h"

namespace ductora::testing {

namespace {

void ExpectSameMatrix(const BuiltMatrix& expected, const BuiltMatrix& actual, const std::string& what) {
  ASSERT_EQ(expected.rows, actual.rows) << what;
  ASSERT_EQ(expected.columns, actual.columns) << what;
  ASSERT_EQ(expected.data.size(), actual.data.size()) << what;
  for (std::size_t i = 0; i < expected.data.size(); ++i) {
    ASSERT_EQ(expected.data[i], actual.data[i])
        << what << ": first difference at row " << i / expected.columns << ", column "
        << i % expected.columns;
  }
}

}  // namespace

void ExpectIdenticalBuilds(const RevolutionList& revolutions, double deltaX, double deltaY, MatrixKind kind) {
  RevolutionList forReference = revolutions;
  const BuiltMatrix expected = ReferenceBuildMatrix(forReference, deltaX, deltaY, kind);
  EXPECT_FALSE(expected.empty());
  for (const unsigned threads : {1U, 2U, 3U}) {
    RevolutionList copy = revolutions;
    const BuiltMatrix actual = BuildMatrix(copy, deltaX, deltaY, kind, threads);
    ExpectSameMatrix(expected, actual, std::to_string(threads) + " thread(s)");
  }
}

int ExpectIdenticalBuildsOfPipe(const std::string& path) {
  PipeFile pipe;
  const PipeReadResult read = readPipeFile(pipe, path);
  EXPECT_TRUE(read.opened) << path << ": " << read.error;
  int compared = 0;
  for (int number = 1; number <= 4; ++number) {
    WallChannel& channel = pipe.wallChannels[static_cast<std::size_t>(number - 1)];
    if (LoadWallRevolutions(pipe, number, channel.wallScale) == 0) {
      continue;
    }
    TrimRevolutions(channel.revolutions, pipe.wallMatrix.removeFront, pipe.wallMatrix.removeBack);
    CorrectWallChannel(channel.revolutions, {JumpFilter::kReplace, pipe.header.wallJumpSize}, "");
    SCOPED_TRACE("wall channel " + std::to_string(number));
    ExpectIdenticalBuilds(channel.revolutions, pipe.wallMatrix.deltaX, pipe.wallMatrix.deltaY,
                          MatrixKind::kWall);
    ++compared;
  }
  for (int number = 1; number <= 2; ++number) {
    OdChannel& channel = pipe.odChannels[static_cast<std::size_t>(number - 1)];
    if (LoadOdRevolutions(pipe, number, channel.inchesPerCount).revolutions == 0) {
      continue;
    }
    CorrectOdChannel(channel.revolutions, {JumpFilter::kReplace, pipe.header.odJumpSize});
    SCOPED_TRACE("OD channel " + std::to_string(number));
    ExpectIdenticalBuilds(channel.revolutions, kOdDeltaX, kOdDeltaY, MatrixKind::kOd);
    ++compared;
  }
  return compared;
}

}  // namespace ductora::testing
