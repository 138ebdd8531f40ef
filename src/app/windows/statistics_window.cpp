#include "app/windows/statistics_window.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>

#include "analysis/measures/cursor_measures.h"
#include "app/state/input_recording.h"
#include "resources/statistics_dialogs.h"

namespace ductora {
namespace {

using namespace resources;
using Kind = platform::DialogEvent::Kind;

// How far the gray-scale sliders reach either side of the limit they start at (mils).
constexpr int kOdOffsetReach = 1000;
constexpr int kWallReach = 200;
constexpr int kMinDisplayScale = 1;
constexpr int kMaxDisplayScale = 20;

// A slider around value, kept to what the limit's 16 bits can hold: a wall limit of 100 goes
// from 0, not from -100, which would be stored as 65436.
void setUpLimitSlider(platform::Dialog& dialog, int id, int value, int reach, int lowest, int highest) {
  dialog.setSliderRange(id, std::max(lowest, value - reach), std::min(highest, value + reach));
  dialog.setSliderPosition(id, value);
  dialog.setSliderTickFrequency(id, 1);
  dialog.setSliderPageSize(id, 1);
}

// The whole part of a display scale read from a file, whatever its bits.
int wholeScale(float scale) {
  if (!std::isfinite(scale)) return kMinDisplayScale;
  return static_cast<int>(std::clamp(std::trunc(scale), static_cast<float>(kMinDisplayScale),
                                     static_cast<float>(kMaxDisplayScale)));
}

// A slider let go where it was changes nothing to save.
template <typename Value>
void storeValue(PipeFile& pipe, Value& field, Value value) {
  if (field == value) return;
  field = value;
  pipe.edited();
}

// A released slider stores its limits in the current pipe; the next frame draws its map again.
void storeSlider(AppState& app, const platform::Dialog& dialog, int id) {
  PipeFile* pipe = app.pipeString.current();
  if (pipe == nullptr) return;
  PipeHeader& header = pipe->header;
  switch (id) {
    case kStatUpperOffset:
    case kStatLowerOffset:
      storeValue(*pipe, header.upperOdOffset,
                 static_cast<std::int16_t>(dialog.sliderPosition(kStatUpperOffset)));
      storeValue(*pipe, header.lowerOdOffset,
                 static_cast<std::int16_t>(dialog.sliderPosition(kStatLowerOffset)));
      break;
    case kStatUpperWall:
    case kStatLowerWall:
      storeValue(*pipe, header.upperWall, static_cast<std::uint16_t>(dialog.sliderPosition(kStatUpperWall)));
      storeValue(*pipe, header.lowerWall, static_cast<std::uint16_t>(dialog.sliderPosition(kStatLowerWall)));
      break;
    case kStatDisplayScale:
      storeValue(*pipe, header.displayScale, static_cast<float>(dialog.sliderPosition(kStatDisplayScale)));
      break;
    default:
      break;
  }
}

void statisticsProcedure(AppState& app, platform::Dialog& dialog, const platform::DialogEvent& event) {
  if (handleToolWindowEvent(app, dialog, event)) return;
  switch (event.kind) {
    case Kind::kSliderReleased:
      storeSlider(app, dialog, event.id);
      break;
    default:
      break;
  }
}

// The overlay's angle as the view turns it against the current pipe, once wrapped.
float overlayAngle(const PipeString& string) {
  const PipeFile* overlay = string.overlay();
  if (overlay == nullptr) return 0.0F;
  const PipeFile* current = string.current();
  const float currentTurn = current == nullptr ? 0.0F : current->rotationZ();
  float angle = 360.0F - currentTurn + overlay->rotationZ() + string.angle;
  if (angle > 359.0F) angle -= 360.0F;
  return angle;
}

// Writes readouts in the window's formats.
class StatisticsWriter {
 public:
  StatisticsWriter(AppState& app, platform::Dialog& dialog)
      : cache_(app.statisticsReadouts), dialog_(dialog) {}

  void inches(int id, double value) { write(id, "%.3f\"", value); }
  void degrees(int id, double value) { write(id, "%.3f \u00b0", value); }
  void percent(int id, double value) { write(id, "%.3f%%", value); }
  void wall(int id, const CursorMeasures& m) { write(id, "%.3f\" (%.3f%%)", m.wall, m.wallPercent); }
  void position(int id, int value) { write(id, "%i", value); }

 private:
  template <typename... Values>
  void write(int id, const char* format, Values... values) {
    char text[96];
    std::snprintf(text, sizeof text, format, values...);
    cache_.write(dialog_, id, text);
  }

  ReadoutCache& cache_;
  platform::Dialog& dialog_;
};

void fillOdAndId(StatisticsWriter& out, const platform::Dialog& dialog, const CursorMeasures& current,
                 const CursorMeasures& overlay) {
  out.inches(kStatOd, current.od);
  out.inches(kStatOverlayOd, overlay.od);
  out.inches(kStatMinOd, current.minOd);
  out.inches(kStatMaxOd, current.maxOd);
  out.inches(kStatAvgOd, current.averageOd);
  out.percent(kStatOvality, current.ovality);
  out.percent(kStatOverlayOvality, overlay.ovality);
  out.position(kStatUpperOffsetReadout, dialog.sliderPosition(kStatUpperOffset));
  out.position(kStatLowerOffsetReadout, dialog.sliderPosition(kStatLowerOffset));
  out.inches(kStatStraightness, current.straightness);
  out.inches(kStatId, current.id);
  out.inches(kStatMinId, current.minId);
  out.inches(kStatMaxId, current.maxId);
  out.inches(kStatAvgId, current.averageId);
}

}  // namespace

void createStatisticsWindow(AppState& app) {
  app.dialogs.destroy(Modeless::kStatistics);
  app.statisticsReadouts.clear();
  const PipeFile* pipe = app.pipeString.current();
  const int layout =
      pipe != nullptr && pipe->odMatrix.present() ? kDialogStatistics : kDialogStatisticsWallOnly;
  platform::Dialog* window = app.dialogs.keep(
      Modeless::kStatistics,
      app.platform.createDialog(layout, [&app](platform::Dialog& dialog, const platform::DialogEvent& event) {
        statisticsProcedure(app, dialog, event);
      }));
  if (window == nullptr) return;
  window->move(2, app.windows.height(kMainWindowPanel) - 100);
  window->show();
}

void initStatisticsSliders(AppState& app) {
  platform::Dialog* dialog = app.dialogs.get(Modeless::kStatistics);
  if (dialog == nullptr) return;
  const PipeFile* pipe = app.pipeString.current();
  const PipeHeader header = pipe == nullptr ? PipeHeader{} : pipe->header;
  constexpr int kOffsetLowest = std::numeric_limits<std::int16_t>::min();
  constexpr int kOffsetHighest = std::numeric_limits<std::int16_t>::max();
  constexpr int kWallHighest = std::numeric_limits<std::uint16_t>::max();
  setUpLimitSlider(*dialog, kStatUpperOffset, header.upperOdOffset, kOdOffsetReach, kOffsetLowest,
                   kOffsetHighest);
  setUpLimitSlider(*dialog, kStatLowerOffset, header.lowerOdOffset, kOdOffsetReach, kOffsetLowest,
                   kOffsetHighest);
  setUpLimitSlider(*dialog, kStatUpperWall, header.upperWall, kWallReach, 0, kWallHighest);
  setUpLimitSlider(*dialog, kStatLowerWall, header.lowerWall, kWallReach, 0, kWallHighest);
  dialog->setSliderRange(kStatDisplayScale, kMinDisplayScale, kMaxDisplayScale);
  dialog->setSliderPosition(kStatDisplayScale, wholeScale(header.displayScale));
  dialog->setSliderTickFrequency(kStatDisplayScale, 1);
  dialog->setSliderPageSize(kStatDisplayScale, 1);
}

void FillStatistics(AppState& app) {
  platform::Dialog* dialog = app.dialogs.get(Modeless::kStatistics);
  if (dialog == nullptr) return;
  const PipeString& string = app.pipeString;
  const PipeFile* pipe = string.current();
  const PipeFile* overlay = string.overlay();
  const float overlayX = overlay == nullptr ? 0.0F : overlay->cursorPosition();
  const float overlayY = overlayAngle(string);
  const CursorMeasures current =
      pipe == nullptr ? CursorMeasures{} : MeasuresAtCursor(*pipe, string.position, string.angle);
  const CursorMeasures other =
      overlay == nullptr ? CursorMeasures{} : MeasuresAtCursor(*overlay, overlayX, overlayY);

  StatisticsWriter out(app, *dialog);
  out.inches(kStatX, string.position);
  out.inches(kStatOverlayX, overlayX);
  out.degrees(kStatY, string.angle);
  out.degrees(kStatOverlayY, overlayY);
  out.wall(kStatWall, current);
  out.wall(kStatOverlayWall, other);
  out.percent(kStatCsa, current.csaPercent);
  out.percent(kStatOverlayCsa, other.csaPercent);
  out.percent(kStatEccentricity, current.eccentricity);
  out.percent(kStatOverlayEccentricity, other.eccentricity);
  out.inches(kStatMinWall, current.minWall);
  out.inches(kStatMaxWall, current.maxWall);
  out.inches(kStatAvgWall, current.averageWall);
  out.position(kStatUpperWallReadout, dialog->sliderPosition(kStatUpperWall));
  out.position(kStatLowerWallReadout, dialog->sliderPosition(kStatLowerWall));
  if (dialog->resourceId() == kDialogStatistics) fillOdAndId(out, *dialog, current, other);
}

}  // namespace ductora
