#pragma once

#include <array>
#include <span>

#include "dialog_table.h"

namespace ductora::resources {

// Statistics at the cursor: with the OD and ID groups, or the narrow one without.
constexpr int kDialogStatistics = 157;
constexpr int kDialogStatisticsWallOnly = 162;
// Extremes over a stretch of the pipe: every measure, or wall, CSA, 64-point and low wall only.
constexpr int kDialogPipeWindow = 163;
constexpr int kDialogPipeWindowWallOnly = 164;

enum StatisticsControl : int {
  kStatX = 1005,
  kStatY = 1006,
  kStatWall = 1007,
  kStatOverlayX = 1008,
  kStatOverlayY = 1009,
  kStatCsa = 1011,
  kStatOverlayWall = 1012,
  kStatOverlayCsa = 1014,
  kStatEccentricity = 1018,
  kStatOverlayEccentricity = 1020,
  kStatOvality = 1022,
  kStatOverlayOvality = 1024,
  kStatOd = 1032,
  kStatId = 1033,
  kStatOverlayOd = 1035,
  kStatMinOd = 1038,
  kStatMaxOd = 1039,
  kStatMinId = 1040,
  kStatAvgOd = 1041,
  kStatMaxId = 1042,
  kStatAvgId = 1043,
  kStatMinWall = 1045,
  kStatMaxWall = 1047,
  kStatAvgWall = 1049,
  kStatStraightness = 1051,
  // Gray-scale limits of the current pipe's maps (mils) and the 3D relief's display scale.
  kStatLowerOffset = 1089,
  kStatUpperOffset = 1091,
  kStatUpperOffsetReadout = 1092,
  kStatLowerWall = 1093,
  kStatUpperWall = 1094,
  kStatUpperWallReadout = 1095,
  kStatLowerWallReadout = 1096,
  kStatLowerOffsetReadout = 1097,
  kStatDisplayScale = 1130,
};

enum PipeWindowControl : int {
  kPipeLeft = 1105,
  kPipeRight = 1106,
  kPipeLeftReadout = 1107,
  kPipeRightReadout = 1109,
  kPipeClass = 1196,      // the pipe's class by the tubing rule
  kPipeNoReading = 1303,  // ours: the wall matrix's no-reading cells
};

// One measure's fields and buttons in the Pipe window.
struct PipeWindowGroup {
  const char* title;
  int minValue;
  int maxValue;
  int average;
  int minPosition;
  int maxPosition;
  int minButton;
  int maxButton;
};

// In the order of the window; the layout without OD data has the first four.
constexpr std::array<PipeWindowGroup, 8> kPipeWindowGroups = {{
    {"Wall Thickness", 1149, 1150, 1165, 1154, 1157, 1108, 1110},
    {"CSA", 1151, 1152, 1167, 1169, 1172, 1112, 1114},
    {"64 Point Average", 1155, 1158, 1166, 1160, 1163, 1117, 1120},
    {"Low Wall", 1161, 1164, 1170, 1173, 1174, 1123, 1127},
    {"Eccentricity", 1177, 1178, 1180, 1188, 1189, 1124, 1126},
    {"Ovality", 1159, 1162, 1171, 1184, 1185, 1122, 1125},
    {"OD", 1153, 1156, 1168, 1182, 1183, 1116, 1119},
    {"ID", 1175, 1176, 1179, 1186, 1187, 1118, 1121},
}};

// The Statistics and Pipe windows in both layouts.
std::span<const DialogTable> StatisticsDialogs();

}  // namespace ductora::resources
