// Resource ids of the satellite dialog and its search.
#pragma once

#define IDD_ASAT                        14035
#define IDS_SECTION_ASAT                14356
// The four column headings of the list, separated by "|".
#define IDS_ASAT_COLUMNS                14357
#define IDS_ASAT_COLOR_KEY              14358
#define IDS_ASAT_MAGNITUDE_RANGE        14408
#define IDS_ASAT_KEY_SEARCHSTRING       14501
#define IDS_ASAT_NO_SEARCH_TEXT         14502
#define IDS_ASAT_NO_MATCH               14503
#define IDS_ASAT_KEY_LIMITTOMAJOR       14504

// Search buttons: a magnifier with a downward arrow (forward) and with an upward arrow
// (backward), each for the system look and for the dark skin.
#define IDI_ASAT_SEARCH_DOWN            20001
#define IDI_ASAT_SEARCH_DOWN_DARK       20002
#define IDI_ASAT_SEARCH_UP              20003
#define IDI_ASAT_SEARCH_UP_DARK         20004

#define IDC_ASAT_CHK_MAJOR              1508
#define IDC_ASAT_STC_LIST               1501
#define IDC_ASAT_LIST                   1129
#define IDC_ASAT_BTN_ALL_ON             1505
#define IDC_ASAT_BTN_ALL_OFF            1506
#define IDC_ASAT_STC_SEARCH             1711
#define IDC_ASAT_CMB_SEARCH             1712
#define IDC_ASAT_BTN_SEARCH_FORWARD     1713
#define IDC_ASAT_BTN_SEARCH_BACKWARD    1714
#define IDC_ASAT_GRP_DISPLAY            12135
#define IDC_ASAT_CHK_NAME               1503
#define IDC_ASAT_CHK_NUMBER             1504
#define IDC_ASAT_CHK_INSHADOW           1550
#define IDC_ASAT_STC_MAGNITUDE          1552
#define IDC_ASAT_EDIT_MAGNITUDE         1548
#define IDC_ASAT_SPIN_MAGNITUDE         1549
#define IDC_ASAT_STC_MAGNITUDE_UNIT     1553
#define IDC_ASAT_BTN_COLOR              1507
