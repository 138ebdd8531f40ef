#pragma once

#include <QImage>
#include <string>

namespace ductora::platform::qt {

// The whole primary screen as it shows now.
QImage grabScreen();
// False when the image cannot be written.
bool saveScreenshot(const std::string& path);

}  // namespace ductora::platform::qt
