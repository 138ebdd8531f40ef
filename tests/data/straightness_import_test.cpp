#include <gtest/gtest.h>

#include <vector>

#include "data/byte_codec.h"
#include "data/pipe_blocks.h"
#include "data/pipe_file_io.h"
#include "support/temp_dir.h"

namespace ductora {
namespace {

using ductora::testing::TempDir;
using ductora::testing::writeBytes;

std::vector<std::uint8_t> straightnessFile(std::uint32_t rows, std::uint32_t columns, std::size_t values) {
  ByteWriter out;
  out.f64(24.0);
  out.u32(rows);
  out.f64(10.0);
  out.u32(columns);
  for (std::size_t i = 0; i < values; ++i) {
    out.i16(static_cast<std::int16_t>(i) - 3);
  }
  return out.take();
}

TEST(StraightnessImport, BarePayloadReplacesTheMatrix) {
  TempDir dir;
  const std::string path = dir.file("bow.str");
  writeBytes(path, straightnessFile(2, 3, 6));
  PipeFile pipe;
  pipe.straightness.rows = 9;
  pipe.straightness.columns = 1;
  pipe.straightness.data = std::vector<std::int16_t>(9, 1);
  const StraightnessImportResult result = importStraightnessFile(pipe, path);
  ASSERT_TRUE(result.ok) << result.error;
  EXPECT_EQ(pipe.dataPresent[kStraightnessPresent], 1);
  EXPECT_EQ(pipe.straightness.deltaX, 24.0);
  EXPECT_EQ(pipe.straightness.rows, 2U);
  EXPECT_EQ(pipe.straightness.deltaY, 10.0);
  EXPECT_EQ(pipe.straightness.columns, 3U);
  EXPECT_EQ(pipe.straightness.data, (std::vector<std::int16_t>{-3, -2, -1, 0, 1, 2}));

  // The same bytes the pipe file carries in its tag-22 block.
  EXPECT_EQ(encodeStraightness(pipe.straightness), straightnessFile(2, 3, 6));
}

TEST(StraightnessImport, BadFilesAreRefusedAndChangeNothing) {
  TempDir dir;
  const std::vector<std::vector<std::uint8_t>> bad = {
      {},                                           // empty
      std::vector<std::uint8_t>(23, 0),             // head cut short
      straightnessFile(2, 3, 5),                    // one value missing
      straightnessFile(0x10000, 0x10000, 4),        // gigabytes announced
      straightnessFile(0xFFFFFFFF, 0xFFFFFFFF, 4),  // would overflow a 64-bit byte count
      straightnessFile(0, 36, 0),                   // nothing to import
  };
  for (std::size_t i = 0; i < bad.size(); ++i) {
    const std::string path = dir.file("bad" + std::to_string(i));
    writeBytes(path, bad[i]);
    PipeFile pipe;
    const StraightnessImportResult result = importStraightnessFile(pipe, path);
    EXPECT_FALSE(result.ok) << i;
    EXPECT_FALSE(result.error.empty()) << i;
    EXPECT_FALSE(pipe.straightness.present()) << i;
    EXPECT_EQ(pipe.dataPresent[kStraightnessPresent], 0) << i;
  }
  PipeFile pipe;
  EXPECT_FALSE(importStraightnessFile(pipe, dir.file("missing")).ok);
}

}  // namespace
}  // namespace ductora
