#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "data/format/pipe_file.h"

namespace ductora {

// The File > Export texts. Numbers are written in the stream's default general notation with six
// significant digits; every line ends with '\n'. Nothing is read outside the matrices.

enum class ExportStatus {
  kWritten,        // the text holds the export (Halden: possibly only nominal walls)
  kNoPipe,         // no current pipe: the text is empty
  kNoMatrix,       // the pipe lacks the matrix the export reads: the text is empty
  kOutsideMatrix,  // the cursor falls outside the wall matrix: the text is empty
};

struct TextExport {
  ExportStatus status = ExportStatus::kNoPipe;
  std::string text;
};

// Where the cursor and the OD rows fall in the wall matrix is the display placement's to say
// (analysis/placement/placed_exports.h); these take its answers, empty outside the matrix.

// "Length At Y": "row x deltaX, wall mils" for every wall row at the wall matrix column.
TextExport exportLengthAtY(const PipeFile* pipe, std::optional<std::int64_t> column);
// "Rev At X": the wall mils of every column of the wall matrix row.
TextExport exportRevAtX(const PipeFile* pipe, std::optional<std::int64_t> row);
// "Halden": "inner radius, outer radius, column, axial position" for every third OD row and every
// fifteenth column, the wall taken from the wall row wallRowOf gives for the OD row where there is
// one and the nominal wall elsewhere.
using WallRowOfOdRow = std::function<std::optional<std::int64_t>(std::int64_t)>;
TextExport exportHalden(const PipeFile* pipe, const WallRowOfOdRow& wallRowOf);

}  // namespace ductora
