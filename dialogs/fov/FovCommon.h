// What the three field-of-view dialogs share: the frame the overlay is fixed to, switching a set
// of controls on or off together, and the range messages of their checks.
#pragma once

#include "platform/afx/Controls.h"
#include "framework/module/ModuleExport.h"

#include <initializer_list>

// The frame combo box's entries, in index order: screen, equatorial frame of date, horizon.
void FillCoordinateCombo(CComboBox& combo);

// The host's frame name as a combo index: "EquatorialDateMean" 1, "Horizon" 2 (any letter
// case), anything else 0.
KIVD04_API int CoordinateIndex(const wchar_t* lpszAnswer);

void EnableControls(CWnd& dialog, std::initializer_list<UINT> ids, BOOL bEnable);

// When the value lies outside the bounds, shows the range message nFormatID formatted with the
// two bounds (information icon) and returns true.
bool ReportRealRange(double dValue, double dMin, double dMax, UINT nFormatID);
bool ReportIntRange(long long nValue, int nMin, int nMax, UINT nFormatID);
