// Resource ids of the framework tests' own program (apart from the host's and the module's).
#pragma once

#define IDD_TEST_NUMBER       31001
#define IDC_TEST_NUMBER       1001
#define IDD_TEST_CHECKLIST    31002
#define IDC_TEST_CHECKLIST    1002

#define IDS_TEST_COUNT_FORMAT 31010
#define IDS_TEST_APP_ONLY     31011
