#include "dialogs/meteor_spacecraft/DlgMeteor.h"

#include "resources/ids_meteor_spacecraft.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace {

constexpr double kMinMultiplier = 0.1;
constexpr double kMaxMultiplier = 1000.0;

}  // namespace

double StepMeteorMultiplier(double dMultiplier, int nDelta)
{
    // A value no int holds (or no number at all) steps from the nearer end of the range.
    const double scaled = std::isnan(dMultiplier) ? 0.0 : std::clamp(dMultiplier * 10.0 + 0.5, -1.0, 100000.0);
    int tenths = static_cast<int>(scaled);
    const int step = tenths < 100 ? 1 : 10;
    tenths += nDelta < 0 ? -step : step;
    return std::clamp(tenths, 1, 10000) / 10.0;
}

const CRuntimeClass CDlgMeteor::classCDlgMeteor{"CDlgMeteor", &CDialog::classCDialog};

const CRuntimeClass* CDlgMeteor::GetRuntimeClass() const
{
    return &classCDlgMeteor;
}

CDlgMeteor::CDlgMeteor(CCorZen* pChannel, CCorZen* pChannel2, CWnd* pParent)
    : CCheckListDialog(pChannel, pChannel2, IDD_METEOR, IDS_SECTION_METEOR, IDS_METEOR_COLOR_KEY, pParent)
{
}

CDlgMeteor::CDlgMeteor(CWnd* pParent) : CCheckListDialog(IDD_METEOR, IDS_SECTION_METEOR, IDS_METEOR_COLOR_KEY, pParent) {}

CDlgMeteor::~CDlgMeteor() = default;

const AFX_MSGMAP* CDlgMeteor::GetMessageMap() const
{
    static const AFX_MSGMAP_ENTRY entries[] = {
        MapNotify<&CDlgMeteor::OnDeltaposDspMeteorSpinMultiply>(UDN_DELTAPOS, IDC_METEOR_SPIN_MULTIPLY),
        MapClicked<&CDlgMeteor::OnDspMeteorBtnViewOn>(IDC_METEOR_BTN_VIEW_ON),
        MapClicked<&CDlgMeteor::OnDspMeteorBtnViewOff>(IDC_METEOR_BTN_VIEW_OFF),
        MapClicked<&CDlgMeteor::OnDspMeteorBtnRadiantOn>(IDC_METEOR_BTN_RADIANT_ON),
        MapClicked<&CDlgMeteor::OnDspMeteorBtnRadiantOff>(IDC_METEOR_BTN_RADIANT_OFF),
        MapClicked<&CDlgMeteor::OnDspMeteorBtnNameOn>(IDC_METEOR_BTN_NAME_ON),
        MapClicked<&CDlgMeteor::OnDspMeteorBtnNameOff>(IDC_METEOR_BTN_NAME_OFF),
        MapClicked<&CDlgMeteor::OnDspMeteorBtnJp>(IDC_METEOR_BTN_JP),
        MapClicked<&CDlgMeteor::OnDspMeteorBtnEn>(IDC_METEOR_BTN_EN),
        MapClicked<&CDlgMeteor::OnBtnColor>(IDC_METEOR_BTN_COLOR),
        MapEnChange<&CDlgMeteor::OnEnChangeDspMeteorEditMultiply>(IDC_METEOR_EDIT_MULTIPLY),
    };
    static const AFX_MSGMAP map{CCheckListDialog::GetMessageMap(), entries, std::size(entries)};
    return &map;
}

void CDlgMeteor::DoDataExchange(CDataExchange* pDX)
{
    CCheckListDialog::DoDataExchange(pDX);
    DDX_Check(pDX, IDC_METEOR_CHK_SCATTER, m_bScatterVisible);
    DDX_Text(pDX, IDC_METEOR_EDIT_MULTIPLY, m_dMultiplier);
}

void CDlgMeteor::AttachControls()
{
    CCheckListDialog::AttachControls();
    m_grpScatter.Attach(IDC_METEOR_GRP_SCATTER, this);
    m_grpSwarm.Attach(IDC_METEOR_GRP_SWARM, this);
    AttachButtons({{&m_btnColor, IDC_METEOR_BTN_COLOR},
                   {&m_btnViewOn, IDC_METEOR_BTN_VIEW_ON},
                   {&m_btnViewOff, IDC_METEOR_BTN_VIEW_OFF},
                   {&m_btnRadiantOn, IDC_METEOR_BTN_RADIANT_ON},
                   {&m_btnRadiantOff, IDC_METEOR_BTN_RADIANT_OFF},
                   {&m_btnNameOn, IDC_METEOR_BTN_NAME_ON},
                   {&m_btnNameOff, IDC_METEOR_BTN_NAME_OFF},
                   {&m_btnJp, IDC_METEOR_BTN_JP},
                   {&m_btnEn, IDC_METEOR_BTN_EN}});
    AttachColumnHeaders();
    m_chkScatter.Attach(IDC_METEOR_CHK_SCATTER, this);
    m_spinMultiply.Attach(IDC_METEOR_SPIN_MULTIPLY, this);
    m_lbSwarm.Attach(IDC_METEOR_LIST_SWARM, this);
    m_editMultiply.Attach(IDC_METEOR_EDIT_MULTIPLY, this);
    m_stcMultiply.Attach(IDC_METEOR_STC_MULTIPLY, this);
    m_stcMultiplyUnit.Attach(IDC_METEOR_STC_MULTIPLY_UNIT, this);
    UnthemeListInDarkSkin();
}

BOOL CDlgMeteor::OnInitDialog()
{
    CCheckListDialog::OnInitDialog();
    AttachControls();
    PrepareList(m_arSwarm);
    m_nSwarmCount = FillList(L"? meteor.swarm.count", kMaxSwarms, [this](CCheckMeteorSwarm& swarm, int n) {
        swarm.m_strName = ListText(m_pChannel->ExecFormat(L"? meteor.swarm.no%d.name", n));
        swarm.m_strEnglishName = ListText(m_pChannel->ExecFormat(L"? meteor.swarm.no%d.englishname", n));
    });

    m_bScatterVisible = m_pChannel->Exec(L"? Meteor.Scatter.Visible") == L"TRUE";
    for (int i = 0; i < m_nSwarmCount; ++i) {
        CCheckMeteorSwarm& swarm = m_arSwarm[i];
        CString key;
        key.Format(L"Meteor.Swarm.%s", swarm.m_strEnglishName.GetString());
        swarm.m_bVisible = AskFlag(L"? %s.Visible", key);
        swarm.m_bRadiant = AskFlag(L"? %s.Radiant.Visible", key);
        AskNameFlags(key + L".Radiant", swarm.m_bRadiantName, swarm.m_bJapanese);
    }
    m_dMultiplier = AfxTextToDouble(m_pChannel->Exec(L"? Meteor.Multiplier"));

    m_spinMultiply.SendMessage(UDM_SETRANGE32, 0, 10000);
    m_spinMultiply.SendMessage(UDM_SETPOS32, 0, 5000);

    const BOOL horizon = IsHorizon();
    const UINT horizonOnly[] = {IDC_METEOR_CHK_SCATTER,        IDC_METEOR_STC_MULTIPLY,  IDC_METEOR_EDIT_MULTIPLY,
                                IDC_METEOR_SPIN_MULTIPLY,      IDC_METEOR_STC_MULTIPLY_UNIT, IDC_METEOR_BTN_VIEW_ON,
                                IDC_METEOR_BTN_VIEW_OFF};
    for (const UINT id : horizonOnly)
        GetDlgItem(static_cast<int>(id))->EnableWindow(horizon);

    UpdateData(FALSE);
    return TRUE;
}

BOOL CDlgMeteor::IsHorizon()
{
    return m_pChannel->Exec(L"? view.coordinate").CompareNoCase(L"Horizon") == 0;
}

BOOL CDlgMeteor::MarkViewFlag()
{
    return IsHorizon();
}

UINT CDlgMeteor::TextAnchorID() const
{
    return IDC_METEOR_GRP_SWARM;
}

int CDlgMeteor::TextIndent() const
{
    return ::MulDiv(m_lbSwarm.m_nBaseUnitX, 5, 2);
}

void CDlgMeteor::OnDeltaposDspMeteorSpinMultiply(NMHDR* pNMHDR, LRESULT* pResult)
{
    UpdateData(TRUE);
    m_dMultiplier = StepMeteorMultiplier(m_dMultiplier, reinterpret_cast<NMUPDOWN*>(pNMHDR)->iDelta);
    UpdateData(FALSE);
    *pResult = 0;
}

void CDlgMeteor::OnEnChangeDspMeteorEditMultiply()
{
    if (m_editMultiply.GetWindowTextLength() == 0)
        return;
    UpdateData(TRUE);
    if (m_dMultiplier > kMaxMultiplier) {
        m_dMultiplier = kMaxMultiplier;
        UpdateData(FALSE);
    }
}

void CDlgMeteor::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    if (!(m_dMultiplier >= kMinMultiplier && m_dMultiplier <= kMaxMultiplier)) {
        CString message;
        message.Format(IDS_METEOR_MULTIPLIER_RANGE, kMinMultiplier, kMaxMultiplier);
        AfxMessageBox(message, MB_ICONINFORMATION);
        return;
    }

    CString command = L";";
    command += m_bScatterVisible ? L"Meteor.Scatter.Visible = True;" : L"Meteor.Scatter.Visible = False;";
    for (int i = 0; i < m_nSwarmCount; ++i) {
        const CCheckMeteorSwarm& swarm = m_arSwarm[i];
        CString key(L"Meteor.Swarm.");
        key += swarm.m_strEnglishName.GetString();
        AppendStatement(command, key, swarm.m_bVisible ? L".Visible = True;" : L".Visible = False;");
        AppendStatement(command, key, swarm.m_bRadiant ? L".Radiant.Visible = True;" : L".Radiant.Visible = False;");
        AppendNameStatements(command, key + L".Radiant", swarm.m_bRadiantName, swarm.m_bJapanese);
    }
    command.AppendFormat(L"Meteor.Multiplier = %.1f;", m_dMultiplier);
    command += L"Show Sky;";
    m_pChannel->Exec(command);
    EndDialog(IDOK);
}
