#pragma once

#include <string>

#include "analysis/rebuild/grid/matrix_build.h"
#include "data/format/pipe_file.h"

namespace ductora::testing {

// The production build (one, two and three threads) and the reference build of copies of the
// same revolutions must give the same matrix to the last bit. Reports the first differing cell.
void ExpectIdenticalBuilds(const RevolutionList& revolutions, double deltaX, double deltaY, MatrixKind kind);

// Every raw channel of a pipe file (wall channels 1-4 with their stored scale, trims and jump size
// at the wall matrix's pitches; OD channels 1-2 with the OD jump size at 1/3 inch and 1 degree),
// corrected as the builders correct them, through ExpectIdenticalBuilds. Any pipe file will do,
// the simulator's included. Writes EncoderCount.tab in the working directory. Returns how many
// channels were compared.
int ExpectIdenticalBuildsOfPipe(const std::string& path);

}  // namespace ductora::testing
