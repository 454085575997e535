// Resource ids of the additional data file dialogs (the list, its add panel and delete dialog).
#pragma once

// The list of additional data files
#define IDD_MISC                        14002
#define IDS_SECTION_MISC                14313
#define IDS_SECTION_ADF_LIST            14312
#define IDS_ADF_VALUE_FORMAT            14351
#define IDS_MISC_SELECT_TO_DELETE       14305
#define IDS_MISC_LIST_FULL              14306
#define IDS_MISC_ALREADY_REGISTERED     14307
#define IDS_MISC_ADD_FILTER             14308
#define IDS_MISC_ADD_TITLE              14314
#define IDS_MISC_COMMA_IN_PATH          14309
#define IDC_MISC_STC_LIST               1080
#define IDC_MISC_LIST                   1214
#define IDC_MISC_BTN_ADD                1217
#define IDC_MISC_BTN_DEL                1218
#define IDC_MISC_BTN_UP                 1307
#define IDC_MISC_BTN_DOWN               1308
#define IDC_MISC_CHK_NAMES              1001

// The panel of the add file dialog
#define IDD_MISC_ADD                    14003
#define IDS_SECTION_MISC_ADD            14347
#define IDS_MISC_ADD_KEY_USEFILENAME    14348
#define IDS_MISC_ADD_NO_NAME            14304
#define IDC_MISC_ADD_STC_PLACE          1119
#define IDC_MISC_ADD_RAD_FILENAME       1306
#define IDC_MISC_ADD_RAD_TYPED          1307
#define IDC_MISC_ADD_STC_NAME           1016
#define IDC_MISC_ADD_EDIT_NAME          1015

// The delete dialog, ordinary and protected
#define IDD_MISC_DEL                    14014
#define IDD_MISC_DEL_PROTECTED          14004
#define IDS_SECTION_MISC_DEL            14350
#define IDS_MISC_DEL_KEY_DELETEFILE     14349
#define IDC_MISC_DEL_GRP_NAME           1600
#define IDC_MISC_DEL_STC_NAME           1601
#define IDC_MISC_DEL_CHK_DELETE         1603
#define IDC_MISC_DEL_EDIT_FILE          1604
