#pragma once

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

// "Length At Y": "row x deltaX, wall mils" for every wall row at the cursor angle's column.
TextExport exportLengthAtY(const PipeFile* pipe, double cursorAngle);
// "Rev At X": the wall mils of every column of the row at the cursor position.
TextExport exportRevAtX(const PipeFile* pipe, double cursorPosition);
// "Halden": "inner radius, outer radius, column, axial position" for every third OD row and every
// fifteenth column, the wall taken from the wall matrix where it covers the OD row and column and
// the nominal wall elsewhere.
TextExport exportHalden(const PipeFile* pipe);

}  // namespace ductora
