#pragma once

#include "data/exports/text_exports.h"
#include "data/format/pipe_file.h"

namespace ductora {

// The File > Export texts at the cursor, read where the display shows it: the wall column at the
// cursor angle, the wall row at the cursor position, and for Halden the wall row shown where each
// OD row is shown.
TextExport ExportLengthAtY(const PipeFile* pipe, double cursorAngle);
TextExport ExportRevAtX(const PipeFile* pipe, double cursorPosition);
TextExport ExportHalden(const PipeFile* pipe);

}  // namespace ductora
