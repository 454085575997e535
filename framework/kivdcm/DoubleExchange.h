// Numeric data exchange of the common-dialog library: doubles in edit controls.
#pragma once

#include "platform/afx/DataExchange.h"

// Writes value with at most nMaxDecimals decimals, dropping trailing zeros down to nMinDecimals
// (so 500.0 shows as "500" with 0 and 7), unless the edit already shows that number in another
// form ("500." while the user types); reads the edit as a number rounded to nMaxDecimals
// decimals, or shows the framework's prompt and fails.
KIVFW_API void DDX_Double(CDataExchange* pDX, int nIDC, double& value, int nMinDecimals, int nMaxDecimals);

// Writes value with lpszFormat (such as "%.2f"); reads like DDX_Double.
KIVFW_API void DDX_DoubleFmt(CDataExchange* pDX, int nIDC, double& value, const wchar_t* lpszFormat, int nMaxDecimals);

// The text DDX_Double writes.
KIVFW_API CString FormatDoubleTrimmed(double value, int nMinDecimals, int nMaxDecimals);
