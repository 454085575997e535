// Resource ids of the sky display dialogs (sky light, coordinate lines).
#pragma once

// Sky light and light pollution
#define IDD_TWILIGHT                14033
#define IDS_SECTION_TWILIGHT        14269
#define IDC_TWILIGHT_CHK_VIEW       1500
#define IDC_TWILIGHT_CHK_TWILIGHT   1035
#define IDC_TWILIGHT_CHK_MOONLIGHT  1037
#define IDC_TWILIGHT_CHK_CITYLIGHT  1036
#define IDC_TWILIGHT_CHK_POLLUTION  1501
#define IDC_TWILIGHT_GRP_POLLUTION  1125
#define IDC_TWILIGHT_SLD_STRENGTH   1050
#define IDC_TWILIGHT_STC_NONE       1126
#define IDC_TWILIGHT_STC_MIDDLE     1127
#define IDC_TWILIGHT_STC_STRONG     1128

// Coordinate lines
#define IDD_GRID                        14023
#define IDS_SECTION_GRID                14249
// Row captions; the first takes the focus when the dialog opens.
#define IDC_GRID_STC_ALT                1048
#define IDC_GRID_STC_2000               1049
#define IDC_GRID_STC_APP                1056
#define IDC_GRID_STC_1950               1057
#define IDC_GRID_STC_ECL                1058
#define IDC_GRID_STC_GAL                1063
#define IDC_GRID_STC_ALT_LINE           1064
#define IDC_GRID_STC_2000_LINE          1065
#define IDC_GRID_STC_APP_LINE           1066
#define IDC_GRID_STC_1950_LINE          1071
#define IDC_GRID_STC_ECL_LINE           1072
#define IDC_GRID_STC_GAL_LINE           1073
// Show and scale boxes of the grid rows
#define IDC_GRID_CHK_ALT_VIEW           1183
#define IDC_GRID_CHK_ALT_NUMBER         1184
#define IDC_GRID_CHK_2000_VIEW          1186
#define IDC_GRID_CHK_2000_NUMBER        1187
#define IDC_GRID_CHK_APP_VIEW           1043
#define IDC_GRID_CHK_APP_NUMBER         1044
#define IDC_GRID_CHK_1950_VIEW          1051
#define IDC_GRID_CHK_1950_NUMBER        1052
#define IDC_GRID_CHK_ECL_VIEW           1059
#define IDC_GRID_CHK_ECL_NUMBER         1060
#define IDC_GRID_CHK_GAL_VIEW           1067
#define IDC_GRID_CHK_GAL_NUMBER         1068
// Show and scale boxes of the line rows
#define IDC_GRID_CHK_ALT_LINE_VIEW      1185
#define IDC_GRID_CHK_ALT_LINE_NUMBER    1040
#define IDC_GRID_CHK_2000_LINE_VIEW     1041
#define IDC_GRID_CHK_2000_LINE_NUMBER   1042
#define IDC_GRID_CHK_APP_LINE_VIEW      1045
#define IDC_GRID_CHK_APP_LINE_NUMBER    1046
#define IDC_GRID_CHK_1950_LINE_VIEW     1053
#define IDC_GRID_CHK_1950_LINE_NUMBER   1054
#define IDC_GRID_CHK_ECL_LINE_VIEW      1061
#define IDC_GRID_CHK_ECL_LINE_NUMBER    1062
#define IDC_GRID_CHK_GAL_LINE_VIEW      1069
#define IDC_GRID_CHK_GAL_LINE_NUMBER    1070
// Column headers
#define IDC_GRID_VST_GRID_VIEW          1075
#define IDC_GRID_VST_GRID_NUMBER        1076
#define IDC_GRID_VST_LINE_VIEW          1077
#define IDC_GRID_VST_LINE_NUMBER        1078
// Group boxes
#define IDC_GRID_GRP_EQUATORIAL         1050
#define IDC_GRID_GRP_EQUATOR            1055
#define IDC_GRID_GRP_GRADUATION         12094
#define IDC_GRID_GRP_GALCENTER          1530
#define IDC_GRID_GRP_SOLARMOTION        1531
#define IDC_GRID_GRP_PRECESSION         1534
#define IDC_GRID_GRP_ARROWS             1535
#define IDC_GRID_GRP_MOONORBIT          1536
// Interval and scale position
#define IDC_GRID_STC_INTERVAL           12107
#define IDC_GRID_CHK_AUTO               12095
#define IDC_GRID_RAD_10                 12096
#define IDC_GRID_RAD_5                  12097
#define IDC_GRID_RAD_2                  12098
#define IDC_GRID_RAD_1                  12099
#define IDC_GRID_STC_NUMBERPOS          12108
#define IDC_GRID_RAD_CROSSING           12101
#define IDC_GRID_RAD_BORDER             12102
// Marks
#define IDC_GRID_CHK_GALCENTER          1523
#define IDC_GRID_CHK_SOLARMOTION        1524
#define IDC_GRID_CHK_PRECESSION         1525
#define IDC_GRID_CHK_ECLIPTIC_AXIS      1526
#define IDC_GRID_CHK_MOONORBIT          1527
#define IDC_GRID_CHK_GALCENTER_NAME     1532
#define IDC_GRID_CHK_SOLARMOTION_NAME   1533
#define IDC_GRID_BTN_COLOR              1192
