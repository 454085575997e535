#include "dialogs/fov/FovCommon.h"

#include "platform/afx/MessageBox.h"
#include "resources/ids_fov.h"

void FillCoordinateCombo(CComboBox& combo)
{
    for (const UINT id : {IDS_FOV_COORDINATE_SCREEN, IDS_FOV_COORDINATE_EQUATORIAL, IDS_FOV_COORDINATE_HORIZON}) {
        CString text;
        text.LoadString(id);
        combo.AddString(text);
    }
}

int CoordinateIndex(const wchar_t* lpszAnswer)
{
    const CString answer(lpszAnswer);
    if (answer.CompareNoCase(L"EquatorialDateMean") == 0)
        return 1;
    if (answer.CompareNoCase(L"Horizon") == 0)
        return 2;
    return 0;
}

void EnableControls(CWnd& dialog, std::initializer_list<UINT> ids, BOOL bEnable)
{
    for (const UINT id : ids)
        ::EnableWindow(::GetDlgItem(dialog.m_hWnd, static_cast<int>(id)), bEnable);
}

namespace {

template <class T>
bool ReportUnless(bool bInside, UINT nFormatID, T low, T high)
{
    if (bInside)
        return false;
    CString text;
    text.Format(nFormatID, low, high);
    AfxMessageBox(text, MB_ICONINFORMATION);
    return true;
}

}  // namespace

bool ReportRealRange(double dValue, double dMin, double dMax, UINT nFormatID)
{
    return ReportUnless(dValue >= dMin && dValue <= dMax, nFormatID, dMin, dMax);
}

bool ReportIntRange(long long nValue, int nMin, int nMax, UINT nFormatID)
{
    return ReportUnless(nValue >= nMin && nValue <= nMax, nFormatID, nMin, nMax);
}
