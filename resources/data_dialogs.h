#pragma once

#include <span>

#include "dialog_table.h"

namespace ductora::resources {

constexpr int kDialogInfo = 106;
constexpr int kDialogDataDisplay = 167;
constexpr int kDialogIndication = 185;

enum InfoControl : int {
  kInfoFile = 1012,
  kInfoKqNumber = 1013,
  kInfoWoNumber = 1015,
  kInfoNominalOd = 1017,
  kInfoWeight = 1019,
  kInfoNominalWall = 1021,
  kInfoGrade = 1023,
  kInfoRange = 1025,
  kInfoUnitNumber = 1027,
  kInfoRunNumber = 1028,
  kInfoStartEnd = 1029,
  kInfoCalibrationOd = 1033,
  kInfoFrom = 1036,
  kInfoCreated = 1037,
  kInfoRotation = 1040,
  kInfoWallAngle = 1042,
  kInfoWallStart = 1044,
  kInfoToggleRotation = 1098,
  kInfoToggleFrom = 1099,
};
// Data-present flags 0 to 7, one control each.
constexpr int kInfoFirstPresentFlag = 1131;
constexpr int kInfoPresentFlagCount = 8;

enum DataDisplayControl : int {
  kDataTable = 1184,
  kDataShiftUp = 1185,    // "< Change"
  kDataShiftDown = 1186,  // "Change >"
  kDataFixedValue = 1187,
  kDataStartButton = 1191,
  kDataStart = 1192,
  kDataEndButton = 1193,
  kDataEnd = 1194,
  kDataCount = 1195,
  kDataWallButton = 1196,
  kDataOdButton = 1197,
  kDataCopyLastAngle = 1198,    // "Change V"
  kDataFirstAngleLabel = 1199,  // .. 1212
  kDataMode = 1213,
  kDataFillDown = 1214,  // "Change >"
  kDataFillUp = 1215,    // "< Change "
  kDataRevolution = 1216,
  kDataCopyFirstAngle = 1217,  // "Change ^"
  kDataHelp = 1222,
};
constexpr int kDataTableLines = 14;

enum IndicationControl : int {
  kIndicationList = 1184,
  kIndicationOff = 3,
  kIndicationOn = 1234,
};

// The Info, Data Display and Indication dialogs.
std::span<const DialogTable> DataDialogs();

}  // namespace ductora::resources
