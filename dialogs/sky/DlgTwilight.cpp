#include "dialogs/sky/DlgTwilight.h"

#include "resources/ids_sky.h"

#include <iterator>

int StrengthToTenths(double dStrength)
{
    const int tenths = static_cast<int>(dStrength * 10.0 + 0.5);
    if (tenths < 0)
        return 0;
    if (tenths > 10)
        return 10;
    return tenths;
}

CDlgTwilight::CDlgTwilight(CCorZen* pChannel, CCorZen* pChannel2, CWnd* pParent)
    : CZenDialog(pChannel, pChannel2, IDD_TWILIGHT, pParent)
{
    m_strSection.LoadString(IDS_SECTION_TWILIGHT);
}

CDlgTwilight::CDlgTwilight(CWnd* pParent) : CZenDialog(IDD_TWILIGHT, pParent)
{
    m_strSection.LoadString(IDS_SECTION_TWILIGHT);
}

CDlgTwilight::~CDlgTwilight() = default;

const AFX_MSGMAP* CDlgTwilight::GetMessageMap() const
{
    static const AFX_MSGMAP_ENTRY entries[] = {
        MapHScroll<&CDlgTwilight::OnHScroll>(),
        MapClicked<&CDlgTwilight::OnCheckView>(IDC_TWILIGHT_CHK_VIEW),
        MapClicked<&CDlgTwilight::OnCheckLightpollution>(IDC_TWILIGHT_CHK_POLLUTION),
        MapClicked<&CDlgTwilight::OnCheckCitylight>(IDC_TWILIGHT_CHK_CITYLIGHT),
    };
    static const AFX_MSGMAP map{CZenDialog::GetMessageMap(), entries, std::size(entries)};
    return &map;
}

void CDlgTwilight::DoDataExchange(CDataExchange* pDX)
{
    CZenDialog::DoDataExchange(pDX);
    DDX_Check(pDX, IDC_TWILIGHT_CHK_CITYLIGHT, m_bCitylight);
    DDX_Check(pDX, IDC_TWILIGHT_CHK_TWILIGHT, m_bTwilight);
    DDX_Check(pDX, IDC_TWILIGHT_CHK_MOONLIGHT, m_bMoonlight);
    DDX_Check(pDX, IDC_TWILIGHT_CHK_POLLUTION, m_bLightPollution);
    DDX_Check(pDX, IDC_TWILIGHT_CHK_VIEW, m_bView);
}

void CDlgTwilight::AttachControls()
{
    CZenDialog::AttachControls();
    m_grpLightPollution.Attach(IDC_TWILIGHT_GRP_POLLUTION, this);
    m_sldStrength.Attach(IDC_TWILIGHT_SLD_STRENGTH, this);
    m_stcNone.Attach(IDC_TWILIGHT_STC_NONE, this);
    m_stcMiddle.Attach(IDC_TWILIGHT_STC_MIDDLE, this);
    m_stcStrong.Attach(IDC_TWILIGHT_STC_STRONG, this);
    m_chkView.Attach(IDC_TWILIGHT_CHK_VIEW, this);
    m_chkTwilight.Attach(IDC_TWILIGHT_CHK_TWILIGHT, this);
    m_chkMoonlight.Attach(IDC_TWILIGHT_CHK_MOONLIGHT, this);
    m_chkCitylight.Attach(IDC_TWILIGHT_CHK_CITYLIGHT, this);
    m_chkLightPollution.Attach(IDC_TWILIGHT_CHK_POLLUTION, this);
}

BOOL CDlgTwilight::OnInitDialog()
{
    CZenDialog::OnInitDialog();
    AttachControls();

    m_bView = m_pChannel->Exec(L"? SkyLight.Visible") == L"TRUE";
    m_bTwilight = m_pChannel->Exec(L"? SkyLight.Twilight.Visible") == L"TRUE";
    m_bMoonlight = m_pChannel->Exec(L"? SkyLight.Moonlight.Visible") == L"TRUE";
    m_bCitylight = m_pChannel->Exec(L"? SkyLight.Groundlight.Visible") == L"TRUE";
    m_bLightPollution = m_pChannel->Exec(L"? SkyLight.LightPollution.Visible") == L"TRUE";
    m_nStrength = StrengthToTenths(AfxTextToDouble(m_pChannel->Exec(L"? SkyLight.LightPollution.Strength")));

    UpdateData(FALSE);
    m_sldStrength.SetRange(0, 10, FALSE);
    m_sldStrength.SetPos(m_nStrength);
    m_sldStrength.SetTicFreq(1);
    UpdateStatus();
    return TRUE;
}

void CDlgTwilight::UpdateStatus()
{
    const UINT components[] = {IDC_TWILIGHT_CHK_TWILIGHT, IDC_TWILIGHT_CHK_MOONLIGHT, IDC_TWILIGHT_CHK_CITYLIGHT,
                               IDC_TWILIGHT_CHK_POLLUTION};
    const UINT strength[] = {IDC_TWILIGHT_SLD_STRENGTH, IDC_TWILIGHT_STC_NONE, IDC_TWILIGHT_STC_MIDDLE,
                             IDC_TWILIGHT_STC_STRONG};
    for (const UINT id : components)
        GetDlgItem(static_cast<int>(id))->EnableWindow(m_bView);
    // The strength follows the check box as the user sees it, not the member.
    const BOOL pollutionOn = m_bView && m_chkLightPollution.GetCheck() == BST_CHECKED;
    for (const UINT id : strength)
        GetDlgItem(static_cast<int>(id))->EnableWindow(pollutionOn);
}

void CDlgTwilight::OnHScroll(UINT, UINT, CWnd* pScrollBar)
{
    if (pScrollBar)
        m_nStrength = static_cast<int>(pScrollBar->SendMessage(TBM_GETPOS));
}

void CDlgTwilight::OnCheckView()
{
    UpdateData(TRUE);
    UpdateStatus();
}

void CDlgTwilight::OnCheckLightpollution()
{
    UpdateData(TRUE);
    UpdateStatus();
}

void CDlgTwilight::OnCheckCitylight() {}

void CDlgTwilight::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    DoitBool(L"SkyLight.Visible", m_bView);
    m_pChannel->Exec(m_bTwilight ? L"SkyLight.Twilight.Visible = TRUE" : L"SkyLight.Twilight.Visible = FALSE");
    m_pChannel->Exec(m_bMoonlight ? L"SkyLight.Moonlight.Visible = TRUE" : L"SkyLight.Moonlight.Visible = FALSE");
    m_pChannel->Exec(m_bCitylight ? L"SkyLight.Groundlight.Visible = TRUE" : L"SkyLight.Groundlight.Visible = FALSE");
    if (m_bLightPollution) {
        m_pChannel->Exec(L"SkyLight.LightPollution.Visible = TRUE");
        m_pChannel->ExecFormat(L"SkyLight.LightPollution.Strength = %.1f", m_nStrength * 0.1);
    } else {
        m_pChannel->Exec(L"SkyLight.LightPollution.Visible = FALSE");
    }
    m_pChannel->Exec(L"Show Stellar");
    EndDialog(IDOK);
}
