#include "app/dialogs/info_dialog.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <ctime>
#include <limits>

#include "analysis/measures/pipe_measures.h"
#include "app/dialogs/help_dialogs.h"
#include "resources/data_dialogs.h"
#include "resources/shell_dialogs.h"

namespace ductora {
namespace {

using namespace resources;
using Kind = platform::DialogEvent::Kind;

std::string formatted(const char* format, double value) {
  char text[64];
  std::snprintf(text, sizeof text, format, value);
  return text;
}

void showFlags(platform::Dialog& dialog, const PipeHeader& header) {
  dialog.setText(kInfoRotation, header.rotation != 0 ? "CC" : "C");
  dialog.setText(kInfoFrom, header.from != 0 ? "AWAY" : "HOME");
}

void fill(platform::Dialog& dialog, const PipeFile& pipe) {
  const PipeHeader& header = pipe.header;
  dialog.setText(kInfoFile, pipe.path);
  dialog.setText(kInfoCreated, createdText(header.created));
  dialog.setInt(kInfoUnitNumber, header.unitNumber);
  dialog.setText(kInfoWoNumber, header.woNumber);
  dialog.setInt(kInfoKqNumber, header.kqNumber);
  dialog.setInt(kInfoRunNumber, header.runNumber);
  dialog.setText(kInfoNominalOd, formatted("%.3f", header.nominalOd));
  dialog.setText(kInfoWeight, formatted("%.2f#", header.weight));
  dialog.setInt(kInfoNominalWall, header.nominalWall);
  dialog.setText(kInfoGrade, header.grade);
  dialog.setInt(kInfoRange, header.range);
  dialog.setText(kInfoStartEnd, header.startEnd != 0 ? "PIN" : "BOX");
  showFlags(dialog, header);
  dialog.setInt(kInfoWallAngle, header.wallAngle);
  dialog.setText(kInfoCalibrationOd, formatted("%.3f", header.calibrationOd));
  dialog.setText(kInfoWallStart, std::to_string(pipe.wallStartCounts));
  for (int flag = 0; flag < kInfoPresentFlagCount; ++flag)
    dialog.setText(kInfoFirstPresentFlag + flag,
                   pipe.dataPresent[static_cast<std::size_t>(flag)] != 0 ? "Y" : "N");
}

// The leading integer, held to what the field stores instead of wrapping round: 70000 is no
// KQ number 4464.
template <typename Field>
Field fieldValue(const platform::Dialog& dialog, int id) {
  const long long value = dialog.intValue(id);
  return static_cast<Field>(std::clamp<long long>(value, 0, std::numeric_limits<Field>::max()));
}

// Inches as the setters take them; a number beyond a float is held to the largest one.
float inchesValue(const platform::Dialog& dialog, int id) {
  constexpr double kLargest = std::numeric_limits<float>::max();
  return static_cast<float>(std::clamp(dialog.numberValue(id), -kLargest, kLargest));
}

// At most nine bytes: the file's field is ten with its terminator. A character is never split.
std::string woNumber(std::string text) {
  constexpr std::size_t kMaxWoNumber = kWoNumberBytes - 1;
  if (text.size() <= kMaxWoNumber) return text;
  std::size_t end = kMaxWoNumber;
  while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
  text.resize(end);
  return text;
}

void store(const platform::Dialog& dialog, PipeFile& pipe) {
  PipeHeader& header = pipe.header;
  header.woNumber = woNumber(dialog.text(kInfoWoNumber));
  header.kqNumber = fieldValue<std::uint16_t>(dialog, kInfoKqNumber);
  header.runNumber = fieldValue<std::uint8_t>(dialog, kInfoRunNumber);
  SetNominalOd(pipe, inchesValue(dialog, kInfoNominalOd));
  SetNominalWall(pipe, fieldValue<std::uint16_t>(dialog, kInfoNominalWall));
  header.wallAngle = fieldValue<std::uint16_t>(dialog, kInfoWallAngle);
  SetCalibrationOd(pipe, inchesValue(dialog, kInfoCalibrationOd));
  SetWallStartCounts(pipe, fieldValue<std::uint32_t>(dialog, kInfoWallStart));
  pipe.edited();
}

}  // namespace

std::string createdText(std::uint32_t created) {
  static constexpr std::array<const char*, 7> kDays = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
  static constexpr std::array<const char*, 12> kMonths = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                          "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  const std::time_t time = created;
  std::tm local{};
  if (localtime_r(&time, &local) == nullptr) return "";
  char text[64];
  std::snprintf(text, sizeof text, "%s %s %2d %02d:%02d:%02d %d",
                kDays[static_cast<std::size_t>(local.tm_wday)],
                kMonths[static_cast<std::size_t>(local.tm_mon)], local.tm_mday, local.tm_hour, local.tm_min,
                local.tm_sec, local.tm_year + 1900);
  return text;
}

void runInfoDialog(AppState& app) { app.platform.runModalDialog(kDialogInfo, InfoProcedure(app)); }

void InfoProcedure::operator()(platform::Dialog& dialog, const platform::DialogEvent& event) {
  PipeFile* pipe = app_.pipeString.current();
  if (event.kind == Kind::kPaint) {
    if (!filled_ && pipe != nullptr) fill(dialog, *pipe);
    filled_ = true;
    return;
  }
  if (event.kind == Kind::kClose) return dialog.end(kIdCancel);
  if (event.kind != Kind::kCommand) return;
  switch (event.id) {
    case kIdOk:
      if (pipe != nullptr) store(dialog, *pipe);
      dialog.end(kIdOk);
      break;
    case kIdCancel:
      dialog.end(kIdCancel);
      break;
    case kIdHelp:
      showHelpDialog(app_, kHelpInfo);
      break;
    case kInfoToggleRotation:
    case kInfoToggleFrom:
      if (pipe == nullptr) break;
      if (event.id == kInfoToggleRotation) {
        pipe->header.rotation = pipe->header.rotation != 0 ? 0 : 1;
      } else {
        pipe->header.from = pipe->header.from != 0 ? 0 : 1;
      }
      // Kept even on Cancel, so leaving the program must offer to save it.
      pipe->edited();
      showFlags(dialog, pipe->header);
      break;
    default:
      break;
  }
}

}  // namespace ductora
