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
