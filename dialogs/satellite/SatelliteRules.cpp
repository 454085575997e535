#include "dialogs/satellite/SatelliteRules.h"

#include <algorithm>
#include <cmath>

CString SatelliteLabel(const CString& strName, const CString& strNumber)
{
    CString label = strName + L"(" + strNumber + L")";
    const int missing = kSatLabelWidth - label.GetLength();
    if (missing > 0)
        label.Insert(label.ReverseFind(L'('), CString(L' ', missing));
    return label;
}

BOOL SatelliteAnswerIsTrue(const CString& strAnswer)
{
    return strAnswer.CompareNoCase(L"TRUE") == 0;
}

CString MagnitudeText(double dMagnitude)
{
    CString text;
    text.Format(L"%.1f", std::floor(dMagnitude * 10.0 + 0.5) / 10.0);
    return text;
}

int StepMagnitudeTenths(double dValue, int nDelta)
{
    constexpr int kMinTenths = -20;
    constexpr int kMaxTenths = 200;
    const double tenths = std::floor(dValue * 10.0 + 0.5);
    // Text that is no number at all steps from 0; far-off values come back to the range.
    int t = std::isnan(tenths) ? 0 : static_cast<int>(std::clamp(tenths, -1.0e6, 1.0e6));
    t += nDelta < 0 ? 1 : -1;
    return std::clamp(t, kMinTenths, kMaxTenths);
}

bool IsMagnitudeInRange(double dMagnitude)
{
    // Written so that a text read as NaN is refused too.
    return dMagnitude >= kSatMagnitudeMin && dMagnitude <= kSatMagnitudeMax;
}

void AddSearchHistory(std::vector<CString>& history, const CString& strText)
{
    const auto same = std::find_if(history.begin(), history.end(),
                                   [&](const CString& entry) { return entry.CompareNoCase(strText) == 0; });
    if (same != history.end())
        history.erase(same);
    history.insert(history.begin(), strText);
    if (history.size() > static_cast<size_t>(kSatHistorySize))
        history.resize(kSatHistorySize);
}

std::vector<int> SearchWalk(int nCount, int nStart, int nDirection)
{
    std::vector<int> rows;
    if (nCount <= 0)
        return rows;
    rows.reserve(static_cast<size_t>(nCount));
    const int step = nDirection == 0 ? 1 : -1;
    int i = nStart;
    for (int visited = 0; visited < nCount; ++visited) {
        i += step;
        if (i < 0)
            i = nCount - 1;
        else if (i >= nCount)
            i = 0;
        rows.push_back(i);
        if (i == nStart)
            break;
    }
    return rows;
}
