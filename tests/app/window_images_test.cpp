#include "resources/window_images.h"

#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "app/open_data_file.h"
#include "app/panels.h"
#include "shell_fixture.h"

namespace ductora::testing {
namespace {

using namespace resources;

// An XPM image read the way an image loader reads it, with every count checked against the
// lines present. Colours are "#RRGGBB" or "None".
struct Xpm {
  int width = 0;
  int height = 0;
  std::map<char, std::string> colours;
  std::vector<std::string> rows;

  bool opaque(int x, int y) const { return colours.at(rows.at(y).at(x)) != "None"; }
};

::testing::AssertionResult Parse(const WindowImage& image, Xpm& xpm) {
  if (image.xpm.empty()) return ::testing::AssertionFailure() << "no header";
  std::istringstream header(image.xpm[0]);
  int colourCount = 0;
  int charsPerPixel = 0;
  if (!(header >> xpm.width >> xpm.height >> colourCount >> charsPerPixel) || charsPerPixel != 1)
    return ::testing::AssertionFailure() << "header \"" << image.xpm[0] << "\"";
  if (image.xpm.size() != static_cast<std::size_t>(1 + colourCount + xpm.height))
    return ::testing::AssertionFailure()
           << image.xpm.size() << " lines for " << colourCount << " colours and " << xpm.height << " rows";
  for (int i = 1; i <= colourCount; ++i) {
    const std::string line = image.xpm[static_cast<std::size_t>(i)];
    const std::string colour = line.size() > 4 ? line.substr(4) : "";
    const bool hex = colour.size() == 7 && colour[0] == '#' &&
                     colour.find_first_not_of("0123456789ABCDEFabcdef", 1) == std::string::npos;
    if (line.substr(1, 3) != " c " || (colour != "None" && !hex))
      return ::testing::AssertionFailure() << "colour line \"" << line << "\"";
    if (!xpm.colours.emplace(line[0], colour).second)
      return ::testing::AssertionFailure() << "colour '" << line[0] << "' given twice";
  }
  for (int y = 0; y < xpm.height; ++y) {
    const std::string row = image.xpm[static_cast<std::size_t>(1 + colourCount + y)];
    if (static_cast<int>(row.size()) != xpm.width)
      return ::testing::AssertionFailure() << "row " << y << " has " << row.size() << " pixels";
    for (const char pixel : row) {
      if (!xpm.colours.contains(pixel))
        return ::testing::AssertionFailure() << "row " << y << ": '" << pixel << "'";
    }
    xpm.rows.push_back(row);
  }
  return ::testing::AssertionSuccess();
}

TEST(WindowImages, TheIconAndTheCursorAre32By32WithATransparentColour) {
  EXPECT_EQ(FindWindowImage(103), nullptr);
  EXPECT_EQ(FindWindowImage(0), nullptr);
  for (const int id : {kProgramIconId, kCrosshairCursorId}) {
    SCOPED_TRACE(id);
    const WindowImage* image = FindWindowImage(id);
    ASSERT_NE(image, nullptr);
    Xpm xpm;
    ASSERT_TRUE(Parse(*image, xpm));
    EXPECT_EQ(xpm.width, 32);
    EXPECT_EQ(xpm.height, 32);
    EXPECT_GE(xpm.colours.size(), 3U);
    // Transparent around the drawing.
    for (const auto& [x, y] : {std::pair{0, 0}, {31, 0}, {0, 31}, {31, 31}}) EXPECT_FALSE(xpm.opaque(x, y));
  }
}

TEST(WindowImages, TheCursorIsACrosshairPointingAtItsCentre) {
  const WindowImage* cursor = FindWindowImage(kCrosshairCursorId);
  ASSERT_NE(cursor, nullptr);
  Xpm xpm;
  ASSERT_TRUE(Parse(*cursor, xpm));
  EXPECT_GE(cursor->hotX, 15);
  EXPECT_LE(cursor->hotX, 16);
  EXPECT_GE(cursor->hotY, 15);
  EXPECT_LE(cursor->hotY, 16);
  EXPECT_TRUE(xpm.opaque(cursor->hotX, cursor->hotY));
  EXPECT_EQ(FindWindowImage(kProgramIconId)->hotX, 0);
}

using WindowImageSlotTest = ShellTest;

TEST_F(WindowImageSlotTest, EveryGlWindowIsMadeWithTheIconAndTheCursor) {
  start();
  openDataFile(app, pipe("p.kqvw", PipeData::kComplete, 7, true), false);
  for (const PanelId id : kFrameOrder) createPanel(app, id);
  int windows = 0;
  for (int slot = 0; slot <= 18; ++slot) {
    if (surface(slot) == nullptr) continue;
    ++windows;
    EXPECT_EQ(surface(slot)->iconId(), kProgramIconId) << slot;
    EXPECT_EQ(surface(slot)->cursorId(), kCrosshairCursorId) << slot;
  }
  EXPECT_GE(windows, 1 + static_cast<int>(kFrameOrder.size()));
}

}  // namespace
}  // namespace ductora::testing
