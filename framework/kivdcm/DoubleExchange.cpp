#include "framework/kivdcm/DoubleExchange.h"

#include <algorithm>
#include <cmath>

namespace {

double RoundToDecimals(double value, int decimals)
{
    if (decimals < 0 || decimals > 15)
        return value;
    const double scale = std::pow(10.0, decimals);
    const double rounded = std::round(value * scale) / scale;
    return std::isfinite(rounded) ? rounded : value;
}

void ReadDouble(CDataExchange* pDX, int nIDC, double& value, int nMaxDecimals)
{
    const HWND hControl = pDX->PrepareEditCtrl(nIDC);
    CString text;
    const int length = ::GetWindowTextLengthW(hControl);
    ::GetWindowTextW(hControl, text.GetBuffer(length + 1), length + 1);
    text.ReleaseBuffer();
    double parsed = 0.0;
    if (!AfxParseDouble(text, parsed))
        pDX->Fail(AFX_IDP_PARSE_REAL);
    value = RoundToDecimals(parsed, nMaxDecimals);
}

}  // namespace

CString FormatDoubleTrimmed(double value, int nMinDecimals, int nMaxDecimals)
{
    nMaxDecimals = std::clamp(nMaxDecimals, 0, 15);
    nMinDecimals = std::clamp(nMinDecimals, 0, nMaxDecimals);
    CString text;
    text.Format(L"%.*f", nMaxDecimals, value);
    const int point = text.Find(L'.');
    if (point < 0)
        return text;
    int keep = text.GetLength();
    while (keep > point + 1 + nMinDecimals && text[keep - 1] == L'0')
        --keep;
    if (keep == point + 1)
        keep = point;
    return text.Left(keep);
}

void DDX_Double(CDataExchange* pDX, int nIDC, double& value, int nMinDecimals, int nMaxDecimals)
{
    if (pDX->m_bSaveAndValidate)
        ReadDouble(pDX, nIDC, value, nMaxDecimals);
    else
        AfxSetNumberText(pDX->PrepareEditCtrl(nIDC), FormatDoubleTrimmed(value, nMinDecimals, nMaxDecimals), value);
}

void DDX_DoubleFmt(CDataExchange* pDX, int nIDC, double& value, const wchar_t* lpszFormat, int nMaxDecimals)
{
    if (pDX->m_bSaveAndValidate) {
        ReadDouble(pDX, nIDC, value, nMaxDecimals);
    } else {
        CString text;
        text.Format(lpszFormat, value);
        AfxSetWindowText(pDX->PrepareEditCtrl(nIDC), text);
    }
}
