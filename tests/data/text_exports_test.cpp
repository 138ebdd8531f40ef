#include "data/exports/text_exports.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "data/files/text_file.h"
#include "data/format/byte_codec.h"
#include "data/format/pipe_blocks.h"
#include "data/format/pipe_file_io.h"
#include "support/block_fixtures.h"
#include "support/matrix_builders.h"
#include "support/temp_dir.h"

namespace ductora {
namespace {

using ductora::testing::TempDir;
using ductora::testing::writeBytes;
using testing::MakeOdMatrix;
using testing::MakePipe;
using testing::MakeWallMatrix;
using testing::PipeShape;

// Three rows a third of an inch apart, four columns of 90 degrees; cell (r, c) = 100 r + c + 10.
PipeFile WallPipe(double deltaX = 1.0 / 3) {
  PipeShape plan;
  plan.wall = MakeWallMatrix(
      3, 4, [](std::uint32_t r, std::uint32_t c) { return static_cast<std::uint16_t>(100 * r + c + 10); },
      deltaX);
  return MakePipe(std::move(plan));
}

TextExport LengthAtYOf(const PipeFile& pipe, std::optional<std::int64_t> column) {
  return exportLengthAtY(&pipe, column);
}

TEST(LengthAtY, OneLinePerRowAtTheColumnInGeneralNotationNothingOutside) {
  const PipeFile pipe = WallPipe();
  const TextExport zero = exportLengthAtY(&pipe, 0);
  EXPECT_EQ(zero.status, ExportStatus::kWritten);
  EXPECT_EQ(zero.text, "0, 10\n0.333333, 110\n0.666667, 210\n");
  EXPECT_EQ(exportLengthAtY(&pipe, 3).text, "0, 13\n0.333333, 113\n0.666667, 213\n");
  // General notation with six digits.
  EXPECT_EQ(LengthAtYOf(WallPipe(12.5), 0).text, "0, 10\n12.5, 110\n25, 210\n");
  EXPECT_EQ(LengthAtYOf(WallPipe(617283.5), 0).text, "0, 10\n617284, 110\n1.23457e+06, 210\n");
  // Nothing outside the matrix.
  for (const std::optional<std::int64_t> column :
       {std::optional<std::int64_t>(4), std::optional<std::int64_t>(-1), std::optional<std::int64_t>()}) {
    const TextExport result = exportLengthAtY(&pipe, column);
    EXPECT_EQ(result.status, ExportStatus::kOutsideMatrix);
    EXPECT_TRUE(result.text.empty());
  }
  EXPECT_EQ(exportLengthAtY(nullptr, 0).status, ExportStatus::kNoPipe);
  EXPECT_EQ(LengthAtYOf(PipeFile{}, 0).status, ExportStatus::kNoMatrix);
}

TEST(RevAtX, EveryColumnOfTheRowAndNothingOutsideTheMatrix) {
  PipeFile pipe = WallPipe();
  EXPECT_EQ(exportRevAtX(&pipe, 0).text, "10\n11\n12\n13\n");
  EXPECT_EQ(exportRevAtX(&pipe, 2).text, "210\n211\n212\n213\n");
  for (const std::optional<std::int64_t> row :
       {std::optional<std::int64_t>(3), std::optional<std::int64_t>(-1), std::optional<std::int64_t>()}) {
    EXPECT_EQ(exportRevAtX(&pipe, row).status, ExportStatus::kOutsideMatrix);
  }
  // A damaged record declaring more rows than it holds: only the held rows are read.
  pipe.wallMatrix.rows = 9;
  EXPECT_EQ(exportRevAtX(&pipe, 4).status, ExportStatus::kOutsideMatrix);
  EXPECT_EQ(exportRevAtX(nullptr, 0).status, ExportStatus::kNoPipe);
}

// OD cells (r, c) = 10 r + c mils around a 6.000" calibration, rows 0.5" apart; a wall matrix of
// two rows with cells 300 + 10 r + c; nominal wall 0.320".
PipeShape HaldenSpec(std::uint32_t odRows, std::uint32_t odColumns, std::uint32_t wallColumns = 30) {
  PipeShape plan;
  plan.od = MakeOdMatrix(
      odRows, odColumns,
      [](std::uint32_t r, std::uint32_t c) { return static_cast<std::int16_t>(10 * r + c); }, 0.5);
  plan.wall = MakeWallMatrix(
      2, wallColumns,
      [](std::uint32_t r, std::uint32_t c) { return static_cast<std::uint16_t>(300 + 10 * r + c); }, 0.5);
  plan.calibrationOd = 6.0F;
  plan.nominalWall = 320;
  return plan;
}

// Wall row r - shift for OD row r.
WallRowOfOdRow Shifted(std::int64_t shift) {
  return [shift](std::int64_t odRow) { return std::optional<std::int64_t>(odRow - shift); };
}

TextExport HaldenOf(const PipeShape& plan, std::int64_t shift = 0) {
  const PipeFile pipe = MakePipe(plan);
  return exportHalden(&pipe, Shifted(shift));
}

TEST(Halden, WallFromTheRowItIsGivenAndTheNominalWallElsewhere) {
  // OD row 0 reads wall row 0; OD row 3 lies past the two wall rows.
  const TextExport result = HaldenOf(HaldenSpec(4, 30));
  EXPECT_EQ(result.status, ExportStatus::kWritten);
  EXPECT_EQ(result.text,
            "2.7, 3, 0, -18\n"
            "2.7, 3.015, 15, -18\n"
            "2.71, 3.03, 0, -16.5\n"
            "2.725, 3.045, 15, -16.5\n");
  // Shifted rows: row 0 is before the wall, row 3 reads wall row 1.
  EXPECT_EQ(HaldenOf(HaldenSpec(4, 30), 2).text,
            "2.68, 3, 0, -18\n"
            "2.695, 3.015, 15, -18\n"
            "2.72, 3.03, 0, -16.5\n"
            "2.72, 3.045, 15, -16.5\n");
  // Nominal wall where the wall matrix is missing or narrower, or no wall row is given.
  PipeShape narrow = HaldenSpec(1, 30, 10);  // column 15 is beyond the wall's 10 columns
  EXPECT_EQ(HaldenOf(narrow).text, "2.7, 3, 0, -18\n2.695, 3.015, 15, -18\n");
  PipeShape odOnly = HaldenSpec(1, 30);
  odOnly.wall = {};
  EXPECT_EQ(HaldenOf(odOnly).text, "2.68, 3, 0, -18\n2.695, 3.015, 15, -18\n");
  const PipeFile pipe = MakePipe(HaldenSpec(1, 30));
  EXPECT_EQ(exportHalden(&pipe, [](std::int64_t) { return std::optional<std::int64_t>(); }).text,
            "2.68, 3, 0, -18\n2.695, 3.015, 15, -18\n");
}

TEST(Halden, TenBy360MatrixGives96LinesAndEmptyWithoutOdData) {
  const std::string text = HaldenOf(HaldenSpec(10, 360)).text;
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 96);
  EXPECT_EQ(text.substr(text.rfind('\n', text.size() - 2) + 1), "3.115, 3.435, 345, -13.5\n");
  // Empty without OD data.
  PipeShape plan = HaldenSpec(4, 30);
  plan.od = {};
  const TextExport result = HaldenOf(plan);
  EXPECT_EQ(result.status, ExportStatus::kNoMatrix);
  EXPECT_TRUE(result.text.empty());
  EXPECT_EQ(exportHalden(nullptr, Shifted(0)).status, ExportStatus::kNoPipe);
  // Declared rows beyond the data are not read.
  PipeFile damaged = MakePipe(HaldenSpec(4, 30));
  damaged.odMatrix.rows = 40;
  EXPECT_EQ(exportHalden(&damaged, Shifted(0)).text, HaldenOf(HaldenSpec(4, 30)).text);
}

std::vector<std::uint8_t> straightnessFile(std::uint32_t rows, std::uint32_t columns, std::size_t values) {
  ByteWriter out;
  out.f64(24.0);
  out.u32(rows);
  out.f64(10.0);
  out.u32(columns);
  for (std::size_t i = 0; i < values; ++i) out.i16(static_cast<std::int16_t>(i) - 3);
  return out.take();
}

TEST(StraightnessImport, BarePayloadReplacesTheMatrix) {
  TempDir dir;
  const std::string path = dir.file("bow.str");
  writeBytes(path, testing::kStraightnessBlock.payload);
  PipeFile pipe;
  pipe.straightness.rows = 9;
  pipe.straightness.columns = 1;
  pipe.straightness.data = std::vector<std::int16_t>(9, 1);
  const StraightnessImportResult result = importStraightnessFile(pipe, path);
  ASSERT_TRUE(result.ok) << result.error;
  EXPECT_EQ(pipe.dataPresent[kStraightnessPresent], 1);
  EXPECT_EQ(pipe.straightness.deltaX, 12.0);
  EXPECT_EQ(pipe.straightness.deltaY, 180.0);
  EXPECT_EQ(pipe.straightness.columns, 2U);
  EXPECT_EQ(pipe.straightness.data, (std::vector<std::int16_t>{-60, 60}));
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

TEST(ByteCodec, TextFieldsStopAtTheFirstNulAndArePadded) {
  ByteWriter out;
  out.text("L80", 10);
  out.text("0123456789AB", 10);  // too long: cut to the field, no terminator
  out.text("", 4);
  const std::vector<std::uint8_t> bytes = out.take();
  ASSERT_EQ(bytes.size(), 24U);
  EXPECT_EQ(bytes[3], 0);
  EXPECT_EQ(bytes[9], 0);

  std::vector<std::uint8_t> withTail = bytes;
  withTail[5] = 'x';  // bytes after the terminator are ignored
  ByteReader in(withTail);
  EXPECT_EQ(in.text(10), "L80");
  EXPECT_EQ(in.text(10), "0123456789");
  EXPECT_EQ(in.text(4), "");
}

}  // namespace
}  // namespace ductora
