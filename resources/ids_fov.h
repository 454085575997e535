// Resource ids of the field-of-view dialogs (circle, camera frame, mosaic).
#pragma once

// Shared by the three dialogs
#define IDC_FOV_BTN_COLOR                   1006
#define IDC_FOV_STC_COORDINATE              1132
#define IDC_FOV_CMB_COORDINATE              1133
#define IDS_FOV_COORDINATE_SCREEN           14410
#define IDS_FOV_COORDINATE_EQUATORIAL       14411
#define IDS_FOV_COORDINATE_HORIZON          14412

// Field-of-view circle
#define IDD_VCIRCLE                         14042
#define IDS_SECTION_VCIRCLE                 14271
#define IDS_VCIRCLE_SIZE_RANGE              14237
#define IDS_VCIRCLE_TRUE_FIELD_RANGE        14413
#define IDS_VCIRCLE_NO_RESULT               14414
#define IDC_VCIRCLE_CHK_VISIBLE             1120
#define IDC_VCIRCLE_EDIT_SIZE               1121
#define IDC_VCIRCLE_SPIN_SIZE               1018
#define IDC_VCIRCLE_STC_SIZE_UNIT           1271
#define IDC_VCIRCLE_GRP_OPTICS              1558
#define IDC_VCIRCLE_STC_TELESCOPE           12123
#define IDC_VCIRCLE_EDIT_TELESCOPE          1401
#define IDC_VCIRCLE_SPIN_TELESCOPE          1402
#define IDC_VCIRCLE_STC_TELESCOPE_UNIT      12124
#define IDC_VCIRCLE_STC_EYEPIECE            12125
#define IDC_VCIRCLE_EDIT_EYEPIECE           1403
#define IDC_VCIRCLE_SPIN_EYEPIECE           1404
#define IDC_VCIRCLE_STC_EYEPIECE_UNIT       12126
#define IDC_VCIRCLE_STC_APPARENT            12127
#define IDC_VCIRCLE_EDIT_APPARENT           1405
#define IDC_VCIRCLE_SPIN_APPARENT           1406
#define IDC_VCIRCLE_STC_APPARENT_UNIT       12128
#define IDC_VCIRCLE_GRP_RESULT              1559
#define IDC_VCIRCLE_STC_MAGNIFICATION       12129
#define IDC_VCIRCLE_STC_MAGNIFICATION_VALUE 1408
#define IDC_VCIRCLE_STC_MAGNIFICATION_UNIT  12130
#define IDC_VCIRCLE_STC_TRUE_FIELD          12131
#define IDC_VCIRCLE_STC_TRUE_FIELD_VALUE    1407
#define IDC_VCIRCLE_STC_TRUE_FIELD_UNIT     12132
#define IDC_VCIRCLE_BTN_APPLY               12122

// Camera frame: the controls that the angle-of-field and mosaic dialogs share
#define IDS_CAMERA_FOCAL_RANGE              14238
#define IDS_CAMERA_SENSOR_HEIGHT_RANGE      14242
#define IDS_CAMERA_SENSOR_WIDTH_RANGE       14243
#define IDS_CAMERA_UNIT_DEGREE              14415
#define IDS_CAMERA_UNIT_MINUTE              14416
#define IDS_CAMERA_FOV_FORMAT               14417
#define IDC_CAMERA_STC_LENS                 1010
#define IDC_CAMERA_EDIT_LENS                1123
#define IDC_CAMERA_SPIN_LENS                1022
#define IDC_CAMERA_STC_LENS_UNIT            1272
#define IDC_CAMERA_STC_FOV                  1632
#define IDC_CAMERA_STC_FOV_VALUE            1633
#define IDC_CAMERA_CMB_FOV_UNIT             1634
#define IDC_CAMERA_GRP_CAMERA               1274
#define IDC_CAMERA_RAD_LIST                 1011
#define IDC_CAMERA_RAD_SIZE                 1012
#define IDC_CAMERA_STC_VENDOR               1561
#define IDC_CAMERA_LIST_VENDOR              1560
#define IDC_CAMERA_STC_CAMERA               1562
#define IDC_CAMERA_LIST_CAMERA              1124
#define IDC_CAMERA_STC_WIDTH                1014
#define IDC_CAMERA_EDIT_WIDTH               1126
#define IDC_CAMERA_SPIN_WIDTH               1020
#define IDC_CAMERA_STC_WIDTH_UNIT           1275
#define IDC_CAMERA_STC_HEIGHT               1013
#define IDC_CAMERA_EDIT_HEIGHT              1125
#define IDC_CAMERA_SPIN_HEIGHT              1019
#define IDC_CAMERA_STC_HEIGHT_UNIT          1273

// Camera angle of field
#define IDD_VFIELD                          14040
#define IDS_SECTION_VFIELD                  14212
#define IDS_VFIELD_GUIDER_HEIGHT_RANGE      14244
#define IDS_VFIELD_GUIDER_WIDTH_RANGE       14245
#define IDS_VFIELD_GUIDER_DISTANCE_RANGE    14246
#define IDC_VFIELD_CHK_VISIBLE              1122
#define IDC_VFIELD_CHK_GUIDER               1509
#define IDC_VFIELD_STC_GUIDER_WIDTH         1016
#define IDC_VFIELD_EDIT_GUIDER_WIDTH        1128
#define IDC_VFIELD_SPIN_GUIDER_WIDTH        1023
#define IDC_VFIELD_STC_GUIDER_WIDTH_UNIT    1277
#define IDC_VFIELD_STC_GUIDER_HEIGHT        1015
#define IDC_VFIELD_EDIT_GUIDER_HEIGHT       1127
#define IDC_VFIELD_SPIN_GUIDER_HEIGHT       1021
#define IDC_VFIELD_STC_GUIDER_HEIGHT_UNIT   1276
#define IDC_VFIELD_STC_GUIDER_DISTANCE      1510
#define IDC_VFIELD_EDIT_GUIDER_DISTANCE     1131
#define IDC_VFIELD_SPIN_GUIDER_DISTANCE     1024
#define IDC_VFIELD_STC_GUIDER_DISTANCE_UNIT 1278

// Mosaic of fields
#define IDD_VMOSAIC                         14041
#define IDS_SECTION_VMOSAIC                 14213
#define IDS_VMOSAIC_ROW_RANGE               14405
#define IDS_VMOSAIC_COLUMN_RANGE            14406
#define IDS_VMOSAIC_OVERLAP_RANGE           14407
#define IDC_VMOSAIC_CHK_VISIBLE             1621
#define IDC_VMOSAIC_GRP_MOSAIC              1620
#define IDC_VMOSAIC_STC_ROW                 1622
#define IDC_VMOSAIC_EDIT_ROW                1623
#define IDC_VMOSAIC_SPIN_ROW                1624
#define IDC_VMOSAIC_STC_COLUMN              1625
#define IDC_VMOSAIC_EDIT_COLUMN             1626
#define IDC_VMOSAIC_SPIN_COLUMN             1627
#define IDC_VMOSAIC_STC_OVERLAP             1628
#define IDC_VMOSAIC_EDIT_OVERLAP            1629
#define IDC_VMOSAIC_SPIN_OVERLAP            1630
#define IDC_VMOSAIC_STC_OVERLAP_UNIT        1631
