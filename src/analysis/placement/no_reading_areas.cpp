#include "analysis/placement/no_reading_areas.h"

#include <algorithm>
#include <cstdint>

#include "analysis/placement/display_rows.h"

namespace ductora {

namespace {

struct Component {
  std::int64_t firstRow = 0;
  std::int64_t lastRow = 0;
  std::vector<std::uint8_t> columns;  // which columns the area touches
  std::size_t cells = 0;
};

// Flood fill over 4-neighbours, the columns closing into a ring.
std::vector<Component> Components(const WallMatrix& wall) {
  const std::int64_t rows = wall.rows;
  const std::int64_t columns = wall.columns;
  std::vector<std::uint8_t> seen(wall.noReading.size(), 0);
  std::vector<Component> found;
  std::vector<std::int64_t> stack;
  for (std::int64_t start = 0; start < rows * columns; ++start) {
    if (wall.noReading[static_cast<std::size_t>(start)] == 0 || seen[static_cast<std::size_t>(start)] != 0)
      continue;
    Component area{start / columns, start / columns,
                   std::vector<std::uint8_t>(static_cast<std::size_t>(columns), 0)};
    seen[static_cast<std::size_t>(start)] = 1;
    stack.assign(1, start);
    while (!stack.empty()) {
      const std::int64_t cell = stack.back();
      stack.pop_back();
      const std::int64_t r = cell / columns;
      const std::int64_t c = cell % columns;
      ++area.cells;
      area.firstRow = std::min(area.firstRow, r);
      area.lastRow = std::max(area.lastRow, r);
      area.columns[static_cast<std::size_t>(c)] = 1;
      const std::int64_t neighbours[] = {r > 0 ? cell - columns : -1, r + 1 < rows ? cell + columns : -1,
                                         r * columns + (c + columns - 1) % columns,
                                         r * columns + (c + 1) % columns};
      for (const std::int64_t next : neighbours) {
        if (next < 0 || wall.noReading[static_cast<std::size_t>(next)] == 0 ||
            seen[static_cast<std::size_t>(next)] != 0)
          continue;
        seen[static_cast<std::size_t>(next)] = 1;
        stack.push_back(next);
      }
    }
    found.push_back(std::move(area));
  }
  return found;
}

// The shortest arc holding every touched column: it starts after the widest gap. {first, count}.
std::pair<std::int64_t, std::int64_t> Arc(const std::vector<std::uint8_t>& touched) {
  const auto columns = static_cast<std::int64_t>(touched.size());
  const auto count = static_cast<std::int64_t>(std::count(touched.begin(), touched.end(), 1));
  if (count == columns) return {0, columns};
  std::int64_t bestGap = 0;
  std::int64_t first = 0;
  for (std::int64_t c = 0; c < columns; ++c) {
    if (touched[static_cast<std::size_t>(c)] == 0) continue;
    // The gap before c, walking back to the previous touched column.
    std::int64_t gap = 0;
    while (touched[static_cast<std::size_t>((c - gap - 1 + columns) % columns)] == 0) ++gap;
    if (gap > bestGap) {
      bestGap = gap;
      first = c;
    }
  }
  return {first, columns - bestGap};
}

}  // namespace

std::optional<std::size_t> NoReadingCellCount(const PipeFile& pipe) {
  const WallMatrix& wall = pipe.wallMatrix;
  if (!wall.hasNoReadingMask()) return std::nullopt;
  return static_cast<std::size_t>(std::count(wall.noReading.begin(), wall.noReading.end(), 1));
}

std::vector<NoReadingArea> NoReadingAreas(const PipeFile& pipe) {
  const WallMatrix& wall = pipe.wallMatrix;
  std::vector<NoReadingArea> areas;
  if (!wall.hasNoReadingMask() || wall.columns == 0) return areas;
  const DisplayRows rows = WallDisplayRows(pipe);
  const auto columns = static_cast<std::int64_t>(wall.columns);
  for (const Component& area : Components(wall)) {
    const std::int64_t a = rows.IndexOf(area.firstRow);
    const std::int64_t b = rows.IndexOf(area.lastRow);
    const auto [first, count] = Arc(area.columns);
    // Mirrored, the arc's last column is shown first.
    const std::int64_t shownFirst =
        pipe.flipped() ? FlipColumn((first + count - 1) % columns, columns) : first;
    areas.push_back({std::min(a, b) * wall.deltaX, (std::abs(b - a) + 1) * wall.deltaX,
                     ColumnAngle(shownFirst, columns), static_cast<double>(count) * 360.0 / columns,
                     area.cells});
  }
  std::sort(areas.begin(), areas.end(), [](const NoReadingArea& x, const NoReadingArea& y) {
    return x.position != y.position ? x.position < y.position : x.angle < y.angle;
  });
  return areas;
}

}  // namespace ductora
