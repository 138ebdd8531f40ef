#pragma once

#include "data/format/pipe_file.h"

namespace ductora {

// One pipe's measures under the cursor: the cell, the revolution and the places the OD, ID and
// straightness matrices hold there. Inches, percent of nominal (wall, CSA) or percent
// (eccentricity, ovality); 0 wherever the pipe lacks the data or the cursor is outside it.
struct CursorMeasures {
  double wall = 0.0;
  double wallPercent = 0.0;
  double csaPercent = 0.0;
  double eccentricity = 0.0;
  double minWall = 0.0;
  double maxWall = 0.0;
  double averageWall = 0.0;
  double od = 0.0;
  double minOd = 0.0;
  double maxOd = 0.0;
  double averageOd = 0.0;
  double ovality = 0.0;
  double straightness = 0.0;
  double id = 0.0;
  double minId = 0.0;
  double maxId = 0.0;
  double averageId = 0.0;
};

// Position in inches along the displayed pipe, angle in degrees: every matrix is read at the cell
// the maps show there (PlaceAtCursor); the ID matrix and its revolution records are kept in
// display order already.
CursorMeasures MeasuresAtCursor(const PipeFile& pipe, double position, double angle);

}  // namespace ductora
