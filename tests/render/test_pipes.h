#pragma once

#include <cmath>
#include <filesystem>
#include <string>

#include "analysis/measures/id_matrix.h"
#include "data/strings/pipe_string.h"

namespace ductora::testing {

// A pipe of the given length with a 4-inch nominal OD: wall and OD matrices of 36 samples at one
// revolution per inch, the wall between its gray limits, the OD oval.
inline PipeFile TestPipe(float length) {
  PipeFile pipe;
  pipe.path = "test.kqvw";
  pipe.header.nominalOd = 4.0;
  pipe.header.nominalWall = 300;
  pipe.header.upperWall = 400;
  pipe.header.lowerWall = 300;
  pipe.header.upperOdOffset = 20;
  pipe.header.lowerOdOffset = -20;
  const auto rows = static_cast<std::uint32_t>(length) + 1;
  WallMatrix& wall = pipe.wallMatrix;
  wall.rows = rows;
  wall.columns = 36;
  wall.deltaX = 1.0;
  wall.deltaY = 10.0;
  wall.length = length;
  wall.data.assign(std::size_t{rows} * wall.columns, 350);
  OdMatrix& od = pipe.odMatrix;
  od.rows = rows;
  od.columns = 36;
  od.deltaX = 1.0;
  od.deltaY = 10.0;
  od.length = length;
  for (std::uint32_t r = 0; r < rows; ++r) {
    for (std::uint32_t k = 0; k < od.columns; ++k)
      od.data.push_back(static_cast<std::int16_t>(15.0 * std::cos(2.0 * 3.14159265 * k / 18.0)));
  }
  BuildIdMatrix(pipe);
  return pipe;
}

// Loads "400.kqvw" as a 400-inch TestPipe, whatever the folder.
inline PipeReadResult LoadTestPipe(PipeFile& pipe, const std::string& path) {
  pipe = TestPipe(std::stof(std::filesystem::path(path).stem().string()));
  pipe.path = path;
  PipeReadResult result;
  result.opened = true;
  return result;
}

}  // namespace ductora::testing
