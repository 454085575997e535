// Resource ids of the meteor and spacecraft dialogs.
#pragma once

// Meteors
#define IDD_METEOR                          14025
#define IDS_SECTION_METEOR                  14253
#define IDS_METEOR_COLOR_KEY                14255
#define IDS_METEOR_MULTIPLIER_RANGE         14289
#define IDC_METEOR_GRP_SCATTER              1083
#define IDC_METEOR_CHK_SCATTER              1210
#define IDC_METEOR_GRP_SWARM                1082
#define IDC_METEOR_VST_VIEW                 1512
#define IDC_METEOR_VST_RADIANT              1513
#define IDC_METEOR_VST_NAME                 1514
#define IDC_METEOR_VST_JP                   1544
#define IDC_METEOR_VST_EN                   1545
#define IDC_METEOR_LIST_SWARM               1508
#define IDC_METEOR_STC_ALL                  1543
#define IDC_METEOR_BTN_VIEW_ON              1213
#define IDC_METEOR_BTN_VIEW_OFF             1214
#define IDC_METEOR_BTN_RADIANT_ON           1215
#define IDC_METEOR_BTN_RADIANT_OFF          1216
#define IDC_METEOR_BTN_NAME_ON              1218
#define IDC_METEOR_BTN_NAME_OFF             1219
#define IDC_METEOR_BTN_JP                   1546
#define IDC_METEOR_BTN_EN                   1547
#define IDC_METEOR_BTN_COLOR                1212
#define IDC_METEOR_STC_MULTIPLY             1542
#define IDC_METEOR_EDIT_MULTIPLY            1515
#define IDC_METEOR_SPIN_MULTIPLY            1534
#define IDC_METEOR_STC_MULTIPLY_UNIT        1541

// Spacecraft
#define IDD_SPACECRAFT                      14037
#define IDS_SECTION_SPACECRAFT              14401
#define IDS_SPACECRAFT_COLOR_KEY            14403
#define IDC_SPCRAFT_STC_LIST                1536
#define IDC_SPCRAFT_VST_VIEW                1101
#define IDC_SPCRAFT_VST_NAME                1105
#define IDC_SPCRAFT_VST_JP                  1108
#define IDC_SPCRAFT_VST_EN                  1109
#define IDC_SPCRAFT_VST_TRAJECTORY          1262
#define IDC_SPCRAFT_LIST_SPCRAFT            1537
#define IDC_SPCRAFT_STC_ALL                 1100
#define IDC_SPCRAFT_BTN_VIEW_ON             1220
#define IDC_SPCRAFT_BTN_VIEW_OFF            1221
#define IDC_SPCRAFT_BTN_NAME_ON             1008
#define IDC_SPCRAFT_BTN_NAME_OFF            1009
#define IDC_SPCRAFT_BTN_JP                  1014
#define IDC_SPCRAFT_BTN_EN                  1015
#define IDC_SPCRAFT_BTN_TRJ_ON              1017
#define IDC_SPCRAFT_BTN_TRJ_OFF             1019
#define IDC_SPCRAFT_GRP_SPAN                12103
#define IDC_SPCRAFT_STC_START               12104
#define IDC_SPCRAFT_STC_END                 12105
#define IDC_SPCRAFT_STC_START_DATE          12106
#define IDC_SPCRAFT_STC_END_DATE            12107
#define IDC_SPCRAFT_STC_DAYS                12108
#define IDC_SPCRAFT_STC_DAYS_COUNT          12109
#define IDC_SPCRAFT_BTN_COLOR               1150
// Texts the span shows
#define IDS_SPCRAFT_NO_DATE                 14440
#define IDS_SPCRAFT_NO_DAYS                 14441
#define IDS_SPCRAFT_DATE_FORMAT             14442
#define IDS_SPCRAFT_DAYS_UNIT               14443

// The marks as a screen reader reads them.
#define IDS_MARK_ON                         14450
#define IDS_MARK_OFF                        14451
#define IDS_MARK_JAPANESE                   14452
#define IDS_MARK_ENGLISH                    14453
