#include "support/matrix_builders.h"

#include <utility>

#include "analysis/measures/pipe_measures.h"

namespace ductora::testing {

namespace {

template <typename Matrix, typename Value>
Matrix FromFunction(std::uint32_t rows, std::uint32_t columns,
                    const std::function<Value(std::uint32_t, std::uint32_t)>& value, double deltaX) {
  Matrix matrix;
  matrix.rows = rows;
  matrix.columns = columns;
  matrix.deltaX = deltaX;
  matrix.deltaY = columns > 0 ? 360.0 / columns : 0.0;
  matrix.length = rows > 0 ? static_cast<float>((rows - 1) * deltaX) : 0.0F;
  matrix.data.reserve(static_cast<std::size_t>(rows) * columns);
  for (std::uint32_t r = 0; r < rows; ++r) {
    for (std::uint32_t c = 0; c < columns; ++c) matrix.data.push_back(value(r, c));
  }
  return matrix;
}

template <typename Matrix, typename Value>
Matrix FromRows(const std::vector<std::vector<Value>>& rows, double deltaX) {
  const auto columns = rows.empty() ? 0U : static_cast<std::uint32_t>(rows.front().size());
  return FromFunction<Matrix, Value>(
      static_cast<std::uint32_t>(rows.size()), columns,
      [&rows](std::uint32_t r, std::uint32_t c) { return rows[r][c]; }, deltaX);
}

}  // namespace

WallMatrix MakeWallMatrix(const WallRows& rows, double deltaX) {
  return FromRows<WallMatrix, std::uint16_t>(rows, deltaX);
}

OdMatrix MakeOdMatrix(const OdRows& rows, double deltaX) {
  return FromRows<OdMatrix, std::int16_t>(rows, deltaX);
}

WallMatrix MakeWallMatrix(std::uint32_t rows, std::uint32_t columns,
                          const std::function<std::uint16_t(std::uint32_t, std::uint32_t)>& value,
                          double deltaX) {
  return FromFunction<WallMatrix, std::uint16_t>(rows, columns, value, deltaX);
}

OdMatrix MakeOdMatrix(std::uint32_t rows, std::uint32_t columns,
                      const std::function<std::int16_t(std::uint32_t, std::uint32_t)>& value, double deltaX) {
  return FromFunction<OdMatrix, std::int16_t>(rows, columns, value, deltaX);
}

PipeFile MakePipe(PipeShape plan) {
  PipeFile pipe;
  pipe.header.nominalOd = plan.nominalOd;
  pipe.header.nominalOdMils = static_cast<std::uint16_t>(plan.nominalOd * 1000.0F);
  pipe.header.nominalWall = plan.nominalWall;
  pipe.header.calibrationOd = plan.calibrationOd;
  pipe.header.calibrationOdMils = static_cast<std::uint16_t>(plan.calibrationOd * 1000.0F);
  pipe.header.from = plan.reversed ? 1 : 0;
  pipe.header.rotation = plan.flipped ? 1 : 0;
  pipe.wallStart = plan.wallStart;
  pipe.wallMatrix = std::move(plan.wall);
  pipe.odMatrix = std::move(plan.od);
  pipe.dataPresent[kWallMatrixPresent] = pipe.wallMatrix.present() ? 1 : 0;
  pipe.dataPresent[kOdMatrixPresent] = pipe.odMatrix.present() ? 1 : 0;
  return pipe;
}

PipeFile MakeMeasuredPipe(PipeShape plan) {
  PipeFile pipe = MakePipe(std::move(plan));
  ComputePipeMeasures(pipe);
  return pipe;
}

}  // namespace ductora::testing
