#pragma once

#include <cstddef>
#include <string>

#include "report/page_canvas.h"

namespace ductora::report {

// Where the body of every page starts, below its title and rule.
constexpr double kTitleRoom = 19.0;
constexpr double kBodyTop = kMargin + kTitleRoom + 10.0;

// The furniture of every page: a heading rule with the page's title, and a foot line with the
// job on the left, the software on the right and "page N of M" in the middle. Returns kBodyTop.
double DrawPageFrame(const Canvas& canvas, const std::string& title, const std::string& job, std::size_t page,
                     std::size_t pages);

// The software and its version, as the cover and the foot line name it.
std::string SoftwareName();

}  // namespace ductora::report
