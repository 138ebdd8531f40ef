#pragma once

#include <cstdint>
#include <optional>

#include "analysis/placement/display_rows.h"
#include "data/format/pipe_file.h"

namespace ductora {

// Reads the wall and OD matrices as the display addresses them (wall start offset, reversed
// rows, mirrored columns). Built once per pass; rows are looked up once and their cells read
// inline. Every read outside a matrix counts as outside the data.
class PipeSampler {
 public:
  explicit PipeSampler(const PipeFile& pipe);

  // The wall row shown at a display row (display index at the wall pitch); null outside the data.
  const std::uint16_t* WallRow(std::int64_t displayRow) const;
  // The OD row shown at a display row at the OD pitch (reversed when the pipe is); null outside.
  const std::int16_t* OdRow(std::int64_t row) const;
  // The matrix rows behind WallRow and OdRow, for those who write what the display shows.
  std::optional<std::int64_t> WallRowIndex(std::int64_t displayRow) const;
  std::optional<std::int64_t> OdRowIndex(std::int64_t row) const;
  // The matrix column shown at a display column: mirrored when flipped.
  std::int64_t ShownColumn(std::int64_t column, std::int64_t columns) const {
    return flipped_ ? FlipColumn(column, columns) : column;
  }

  // Wall (thousandths) of a wall row at a display column, mirrored when flipped; 0 outside.
  std::uint16_t WallIn(const std::uint16_t* row, std::int64_t column) const {
    if (flipped_) {
      column = FlipColumn(column, wallColumns_);
    }
    return row != nullptr && column >= 0 && column < wallColumns_ ? row[column] : 0;
  }

  // Diameter (inches, single precision) of an OD row through a column and its opposite
  // column + columns/2 (wrapped), both mirrored when flipped; empty outside the data.
  std::optional<float> DiameterIn(const std::int16_t* row, std::int64_t column) const {
    if (row == nullptr || column < 0 || column >= odColumns_) {
      return std::nullopt;
    }
    std::int64_t opposite = column + odColumns_ / 2;
    if (opposite >= odColumns_) {
      opposite -= odColumns_;
    }
    if (flipped_) {
      column = FlipColumn(column, odColumns_);
      opposite = FlipColumn(opposite, odColumns_);
    }
    return row[column] / 1000.0F + row[opposite] / 1000.0F + calibrationOd_;
  }

  std::uint16_t WallAt(std::int64_t displayRow, std::int64_t column) const {
    return WallIn(WallRow(displayRow), column);
  }
  // Takes the OD row itself, never a position, so no row is lost to rounding.
  std::optional<float> OdDiameterAtRow(std::int64_t row, std::int64_t column) const {
    return DiameterIn(OdRow(row), column);
  }

  std::int64_t odRows() const { return odRows_.rows; }
  std::int64_t odColumns() const { return odColumns_; }

 private:
  const WallMatrix& wall_;
  const OdMatrix& od_;
  DisplayRows wallRows_;
  DisplayRows odRows_;
  std::int64_t wallColumns_ = 0;
  std::int64_t odColumns_ = 0;
  bool flipped_ = false;
  float calibrationOd_ = 0.0F;
};

// The diameter (inches) at a position along the pipe (inches) and an angle (degrees), through the
// cell the display shows there (PlaceAtCursor); 0 without OD data there.
float OdDiameterAt(const PipeFile& pipe, double position, double angle);

// The wall value (thousandths) at a display row and column; 0 outside the wall data.
std::uint16_t WallAt(const PipeFile& pipe, std::int32_t displayRow, std::int32_t column);

}  // namespace ductora
