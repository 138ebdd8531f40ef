#pragma once

#include <cstdint>
#include <span>

#include "analysis/rebuild/build_status.h"
#include "analysis/rebuild/correction/jump_filter.h"
#include "analysis/rebuild/filter_summary.h"
#include "data/format/pipe_file.h"

namespace ductora {

constexpr double kOdDeltaX = 0.3333333333333333;
constexpr double kOdDeltaY = 1.0;

// Both OD channels loaded with their scales, corrected and built; the matrix is half their
// difference over the rows both have, rotated by the wall angle, with its OD measures and the
// combined wall/OD measures recomputed. The channels' lists are freed afterwards. Anything but
// kBuilt leaves the matrix as it was. summary, when given, counts what the jump filter replaced.
BuildStatus BuildOdMatrix(PipeFile& pipe, std::int32_t odJumpSize,
                          JumpFilter filter = JumpFilter::kCorroborated, FilterSummary* summary = nullptr);

// Every row rotated so that column c moves to column (c + shift) mod columns.
void RotateMatrixRows(std::span<std::int16_t> data, std::uint32_t rows, std::uint32_t columns,
                      std::uint32_t shift);

// Length adjustments of the OD matrix; none does anything without OD data. Pads add
// (inches + 0.1) / deltaX rows of 0.
void PadOdStart(PipeFile& pipe, double inches);
void PadOdEnd(PipeFile& pipe, double inches);

// What a cut did. A cut that would leave less than one revolution (fewer than two rows, a length
// under deltaX) is refused: the pipe stays as it was.
enum class OdCut { kCut, kNoOdRows, kTooShort };
// Drops the rows in front of the cursor (plus 0.1 inch); the wall start counts move back by as
// much, never below 1 (see PipeFile::reduceWallStart).
OdCut CutOdStart(PipeFile& pipe, double cursor);
// Drops (length - cursor) / deltaX rows at the end.
OdCut CutOdEnd(PipeFile& pipe, double cursor);

}  // namespace ductora
