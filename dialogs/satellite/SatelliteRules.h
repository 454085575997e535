// The rules of the satellite dialog that need no window: the row label, the magnitude's
// rounding, steps and range, the search history and the order in which a search walks the list.
#pragma once

#include "platform/afx/CString.h"
#include "framework/module/ModuleExport.h"

#include <vector>

// Width the labels of the list are padded to, so that the catalogue numbers line up.
constexpr int kSatLabelWidth = 32;
// How many search texts the history keeps.
constexpr int kSatHistorySize = 5;

// The TLE name followed by "(number)"; a shorter label gets blanks before its last "(" until
// it is kSatLabelWidth characters long, longer ones stay as they are.
KIVD04_API CString SatelliteLabel(const CString& strName, const CString& strNumber);

// A host boolean as this dialog reads it: "TRUE" in any letter case.
KIVD04_API BOOL SatelliteAnswerIsTrue(const CString& strAnswer);

// The magnitude as shown: floor(m x 10 + 0.5) / 10 with one decimal, so that a value on a half
// tenth always goes up (printf's own rounding would send 2.25 down to 2.2).
KIVD04_API CString MagnitudeText(double dMagnitude);
// One step of the up-down control, in tenths of the value typed: up (a negative delta) adds
// one, down takes one away; the result stays within -20..200.
KIVD04_API int StepMagnitudeTenths(double dValue, int nDelta);
// What OK accepts: -2.0 to 20.0.
constexpr double kSatMagnitudeMin = -2.0;
constexpr double kSatMagnitudeMax = 20.0;
KIVD04_API bool IsMagnitudeInRange(double dMagnitude);

// The history after a search for strText: an entry equal to it without regard to case goes,
// the text comes first, and at most kSatHistorySize entries stay.
KIVD04_API void AddSearchHistory(std::vector<CString>& history, const CString& strText);

// The rows a search visits, in order, in a list of nCount rows: from the row after nStart
// (the selected row, -1 for none) towards higher indices when nDirection is 0, lower ones when
// it is 1, wrapping at the ends; a selected row comes last.
KIVD04_API std::vector<int> SearchWalk(int nCount, int nStart, int nDirection);
