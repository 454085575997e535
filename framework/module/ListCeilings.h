// How far the module's object lists go with what the host reports. Each ceiling lies far above
// any real catalogue (tens of thousands of tracked satellites, hundreds of meteor showers,
// spacecraft in the dozens): a larger count can only be a broken answer, and reading it as the
// ceiling lets the dialog end in bounded time and memory while every position below it is listed.
#pragma once

#include "platform/afx/CString.h"

#include <algorithm>
#include <cwctype>

inline constexpr int kMaxSatellites = 1000000;
inline constexpr int kMaxSwarms = 100000;
inline constexpr int kMaxSpacecraft = 100000;

// The most of one name or label a list keeps: a list view draws no more than 259 characters of
// a cell, and a real name is a few dozen long. Without a limit, a host that answered names with
// 64 KB each would fill gigabytes in a list of a million rows.
inline constexpr int kMaxListText = 259;

// A count answer read as a leading integer (as _wtoi reads it: blanks, a sign, digits), negative
// as 0 and beyond the list's ceiling as the ceiling, however many digits it has.
inline int ListCount(const CString& strAnswer, int nCeiling)
{
    const wchar_t* p = strAnswer.GetString();
    while (std::iswspace(*p))
        ++p;
    const bool negative = *p == L'-';
    if (*p == L'-' || *p == L'+')
        ++p;
    long long count = 0;
    for (; *p >= L'0' && *p <= L'9' && count <= nCeiling; ++p)
        count = count * 10 + (*p - L'0');
    return negative ? 0 : static_cast<int>(std::min<long long>(count, nCeiling));
}

// A name for a list: the host's answer, cut at kMaxListText characters.
inline CString ListText(CString strAnswer)
{
    if (strAnswer.GetLength() > kMaxListText)
        strAnswer = strAnswer.Left(kMaxListText);
    return strAnswer;
}
