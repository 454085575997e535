// Resource ids of the sample host (kept apart from the module's ids, which share the chain).
#pragma once

#define IDR_DEFAULT_SKY         30001
#define IDS_HOST_TITLE          30100
#define IDS_HOST_COLOR_TITLE    30101
#define IDS_HOST_CUSTOM_COLORS  30102
#define IDS_HOST_MENU_FILE      30103
#define IDS_HOST_MENU_EXIT      30104
#define IDS_HOST_MENU_DIALOGS   30105
#define IDS_HOST_MENU_LOOK      30106
#define IDS_HOST_MENU_SYSTEM    30107
#define IDS_HOST_MENU_DARK      30108
#define IDS_HOST_TERRAIN_NOTE   30109

// Menu captions of the dialogs, in the order of the dialog catalogue.
#define IDS_HOST_DLG_TWILIGHT   30200
#define IDS_HOST_DLG_GRID       30201
#define IDS_HOST_DLG_ASAT       30202
#define IDS_HOST_DLG_METEOR     30203
#define IDS_HOST_DLG_SPACECRAFT 30204
#define IDS_HOST_DLG_VCIRCLE    30205
#define IDS_HOST_DLG_VFIELD     30206
#define IDS_HOST_DLG_VMOSAIC    30207
#define IDS_HOST_DLG_PANORAMA   30208
#define IDS_HOST_DLG_GEOGRAPHY  30209
#define IDS_HOST_DLG_MISC       30210
