#include "dialogs/meteor_spacecraft/DlgSpacecraft.h"

#include <string>

#include "framework/kivacl/Calendar.h"
#include "resources/ids_meteor_spacecraft.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <iterator>

CString FormatSpanDate(double dJulianDay, const wchar_t* lpszFormat)
{
    ACL_DATETIME date;
    JdToDate2(dJulianDay, &date);
    ACL_DATETIME half;
    half.dSecond = 0.5;
    ChangeDate(&date, &half, 0);
    CString text;
    text.Format(lpszFormat, date.nYear, date.nMonth, date.nDay, date.nHour, date.nMinute, static_cast<int>(date.dSecond));
    return text;
}

CString FormatSpanDays(double dStart, double dEnd)
{
    const double span = std::floor(dEnd - dStart);
    const int days = std::isnan(span) ? 0 : static_cast<int>(std::clamp(span, double(INT_MIN), double(INT_MAX)));
    CString text;
    text.Format(L"%d", days);
    // Right to left, so that each insertion leaves the positions still to come where they were.
    const int length = text.GetLength();
    for (int index = length - 3; index > 0 && text[index - 1] != L'-'; index -= 3)
        text.Insert(index, L',');
    return text;
}

const CRuntimeClass CDlgSpacecraft::classCDlgSpacecraft{"CDlgSpacecraft", &CDialog::classCDialog};

const CRuntimeClass* CDlgSpacecraft::GetRuntimeClass() const
{
    return &classCDlgSpacecraft;
}

CDlgSpacecraft::CDlgSpacecraft(CCorZen* pChannel, CCorZen* pChannel2, CWnd* pParent)
    : CCheckListDialog(pChannel, pChannel2, IDD_SPACECRAFT, IDS_SECTION_SPACECRAFT, IDS_SPACECRAFT_COLOR_KEY, pParent)
{
}

CDlgSpacecraft::CDlgSpacecraft(CWnd* pParent)
    : CCheckListDialog(IDD_SPACECRAFT, IDS_SECTION_SPACECRAFT, IDS_SPACECRAFT_COLOR_KEY, pParent)
{
}

CDlgSpacecraft::~CDlgSpacecraft() = default;

const AFX_MSGMAP* CDlgSpacecraft::GetMessageMap() const
{
    static const AFX_MSGMAP_ENTRY entries[] = {
        MapClicked<&CDlgSpacecraft::OnDspSpcraftBtnViewOn>(IDC_SPCRAFT_BTN_VIEW_ON),
        MapClicked<&CDlgSpacecraft::OnDspSpcraftBtnViewOff>(IDC_SPCRAFT_BTN_VIEW_OFF),
        MapClicked<&CDlgSpacecraft::OnDspSpcraftBtnNameOn>(IDC_SPCRAFT_BTN_NAME_ON),
        MapClicked<&CDlgSpacecraft::OnDspSpcraftBtnNameOff>(IDC_SPCRAFT_BTN_NAME_OFF),
        MapClicked<&CDlgSpacecraft::OnDspSpcraftBtnJp>(IDC_SPCRAFT_BTN_JP),
        MapClicked<&CDlgSpacecraft::OnDspSpcraftBtnEn>(IDC_SPCRAFT_BTN_EN),
        MapClicked<&CDlgSpacecraft::OnDspSpcraftBtnTrjOn>(IDC_SPCRAFT_BTN_TRJ_ON),
        MapClicked<&CDlgSpacecraft::OnDspSpcraftBtnTrjOff>(IDC_SPCRAFT_BTN_TRJ_OFF),
        MapClicked<&CDlgSpacecraft::OnBtnColor>(IDC_SPCRAFT_BTN_COLOR),
        MapLbnSelChange<&CDlgSpacecraft::OnLbnSelchangeDspSpcraftListSpcraft>(IDC_SPCRAFT_LIST_SPCRAFT),
    };
    static const AFX_MSGMAP map{CCheckListDialog::GetMessageMap(), entries, std::size(entries)};
    return &map;
}

void CDlgSpacecraft::DoDataExchange(CDataExchange* pDX)
{
    CCheckListDialog::DoDataExchange(pDX);
}

void CDlgSpacecraft::AttachControls()
{
    CCheckListDialog::AttachControls();
    AttachButtons({{&m_btnViewOn, IDC_SPCRAFT_BTN_VIEW_ON},
                   {&m_btnViewOff, IDC_SPCRAFT_BTN_VIEW_OFF},
                   {&m_btnNameOn, IDC_SPCRAFT_BTN_NAME_ON},
                   {&m_btnNameOff, IDC_SPCRAFT_BTN_NAME_OFF},
                   {&m_btnJp, IDC_SPCRAFT_BTN_JP},
                   {&m_btnEn, IDC_SPCRAFT_BTN_EN},
                   {&m_btnTrjOn, IDC_SPCRAFT_BTN_TRJ_ON},
                   {&m_btnTrjOff, IDC_SPCRAFT_BTN_TRJ_OFF},
                   {&m_btnColor, IDC_SPCRAFT_BTN_COLOR}});
    m_grpSpan.Attach(IDC_SPCRAFT_GRP_SPAN, this);
    AttachColumnHeaders();
    // The list itself is attached when the dialog opens, once it knows the projection.
    UnthemeListInDarkSkin();
}

BOOL CDlgSpacecraft::OnInitDialog()
{
    CCheckListDialog::OnInitDialog();
    AttachControls();
    PrepareList(m_arSpacecraft);

    m_bSolar = m_pChannel->Exec(L"? View.Projection").CompareNoCase(L"SolarSystem") == 0;
    m_lbSpacecraft.SetSolar(m_bSolar);
    m_lbSpacecraft.SetColorScheme(m_bSystemLook);
    m_lbSpacecraft.Attach(IDC_SPCRAFT_LIST_SPCRAFT, this);
    m_nSpacecraftCount = FillList(L"? Solar.Spacecraft.Count", kMaxSpacecraft, [this](CCheckSpacecraft& craft, int n) {
        craft.m_strName = ListText(m_pChannel->ExecFormat(L"? Solar.Spacecraft.#%d.JapaneseName", n));
    });
    for (int n = 1; n <= m_nSpacecraftCount; ++n) {
        CCheckSpacecraft& craft = m_arSpacecraft[n - 1];
        CString key;
        key.Format(L"Solar.Spacecraft.#%d", n);
        craft.m_bVisible = AskFlag(L"? %s.Visible", key);
        AskNameFlags(key, craft.m_bName, craft.m_bJapanese);
        craft.m_bTrajectory = AskFlag(L"? %s.Trajectory.Visible", key);
    }

    UpdateData(FALSE);
    if (m_nSpacecraftCount > 0)
        m_lbSpacecraft.SetCurSel(0);
    OnLbnSelchangeDspSpcraftListSpcraft();
    UpdateStatus();
    return TRUE;
}

UINT CDlgSpacecraft::TextAnchorID() const
{
    return IDC_SPCRAFT_STC_LIST;
}

void CDlgSpacecraft::UpdateStatus()
{
    GetDlgItem(IDC_SPCRAFT_BTN_TRJ_ON)->EnableWindow(m_bSolar);
    GetDlgItem(IDC_SPCRAFT_BTN_TRJ_OFF)->EnableWindow(m_bSolar);
}

void CDlgSpacecraft::OnLbnSelchangeDspSpcraftListSpcraft()
{
    const int sel = m_lbSpacecraft.GetCurSel();
    if (sel < 0 || sel >= m_lbSpacecraft.GetCount()) {
        EnableDataSpan(0);
        SetSpanString(IDC_SPCRAFT_STC_START_DATE, 0, 0.0);
        SetSpanString(IDC_SPCRAFT_STC_END_DATE, 0, 0.0);
        CString noDays;
        noDays.LoadString(IDS_SPCRAFT_NO_DAYS);
        SetDlgItemText(IDC_SPCRAFT_STC_DAYS_COUNT, noDays);
        return;
    }
    EnableDataSpan(1);
    const double start = AfxTextToDouble(m_pChannel->ExecFormat(L"? Solar.Spacecraft.#%d.data.start", sel + 1));
    SetSpanString(IDC_SPCRAFT_STC_START_DATE, 1, start);
    const double end = AfxTextToDouble(m_pChannel->ExecFormat(L"? Solar.Spacecraft.#%d.data.end", sel + 1));
    SetSpanString(IDC_SPCRAFT_STC_END_DATE, 1, end);
    CString unit;
    unit.LoadString(IDS_SPCRAFT_DAYS_UNIT);
    SetDlgItemText(IDC_SPCRAFT_STC_DAYS_COUNT, FormatSpanDays(start, end) + unit);
}

void CDlgSpacecraft::EnableDataSpan(int nEnable)
{
    const UINT span[] = {IDC_SPCRAFT_GRP_SPAN, IDC_SPCRAFT_STC_START, IDC_SPCRAFT_STC_END, IDC_SPCRAFT_STC_START_DATE,
                         IDC_SPCRAFT_STC_END_DATE};
    for (const UINT id : span)
        GetDlgItem(static_cast<int>(id))->EnableWindow(nEnable != 0);
}

void CDlgSpacecraft::SetSpanString(UINT nID, int nValid, double dJulianDay)
{
    CString text;
    if (!nValid) {
        text.LoadString(IDS_SPCRAFT_NO_DATE);
    } else {
        CString format;
        format.LoadString(IDS_SPCRAFT_DATE_FORMAT);
        text = FormatSpanDate(dJulianDay, format);
    }
    SetDlgItemText(static_cast<int>(nID), text);
}

void CDlgSpacecraft::OnOK()
{
    CWaitCursor wait;
    if (!UpdateData(TRUE))
        return;
    CString command = L";";
    for (int i = 0; i < m_nSpacecraftCount; ++i) {
        const CCheckSpacecraft& craft = m_arSpacecraft[i];
        const CString key = L"Solar.Spacecraft.#" + CString(std::to_wstring(i + 1));
        AppendStatement(command, key, craft.m_bVisible ? L".Visible = True;" : L".Visible = False;");
        AppendNameStatements(command, key, craft.m_bName, craft.m_bJapanese);
        AppendStatement(command, key,
                        craft.m_bTrajectory ? L".Trajectory.Visible = True;" : L".Trajectory.Visible = False;");
    }
    command += L"Show Sky;";
    m_pChannel->Exec(command);
    EndDialog(IDOK);
}
