#include "dialogs/satellite/SatelliteRules.h"

#include <algorithm>
#include <cmath>

CString SatelliteLabel(const CString& strName, const CString& strNumber)
{
    // Made in one piece: the list asks for a label per satellite, a million of them at most.
    const std::wstring& name = strName.str();
    const std::wstring& number = strNumber.str();
    const size_t bare = name.size() + number.size() + 2;
    const size_t blanks = bare < static_cast<size_t>(kSatLabelWidth) ? kSatLabelWidth - bare : 0;
    // The blanks go before the label's last "(", which may lie inside the number text.
    const size_t inNumber = number.rfind(L'(');
    std::wstring label;
    label.reserve(bare + blanks);
    label += name;
    if (inNumber == std::wstring::npos) {
        label.append(blanks, L' ');
        label += L'(';
        label += number;
    } else {
        label += L'(';
        label.append(number, 0, inNumber);
        label.append(blanks, L' ');
        label.append(number, inNumber, std::wstring::npos);
    }
    label += L')';
    return CString(std::move(label));
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
