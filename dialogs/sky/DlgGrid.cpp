#include "dialogs/sky/DlgGrid.h"

#include "framework/kivreg/Registry.h"
#include "resources/ids_sky.h"

#include <iterator>

namespace {

constexpr wchar_t kNumber[] = L".Number";
constexpr wchar_t kNumberOnBorder[] = L".NumberOnBorder";

// Projections that map the whole sky at once; their scale numbers can only stand at the crossings.
bool IsWholeSkyProjection(const CString& strProjection)
{
    static const wchar_t* const wholeSky[] = {L"Equirectangle",  L"Aitoff",         L"Aitof",
                                              L"Planisphere",    L"CelestialGlobe", L"HemisphereGlobe"};
    for (const wchar_t* name : wholeSky) {
        if (strProjection.CompareNoCase(name) == 0)
            return true;
    }
    return false;
}

// The solar-system views are named "SolarSystem" followed by their variant.
bool IsSolarSystemView(const CString& strProjection)
{
    return strProjection.Left(11).CompareNoCase(L"SolarSystem") == 0;
}

}  // namespace

int GridIntervalToRadio(int nDegrees)
{
    switch (nDegrees) {
    case 0:
        return -1;
    case 1:
        return 3;
    case 2:
        return 2;
    case 5:
        return 1;
    default:
        return 0;
    }
}

CString GridIntervalText(BOOL bAuto, int nRadio)
{
    if (bAuto)
        return L"0";
    switch (nRadio) {
    case 1:
        return L"5";
    case 2:
        return L"2";
    case 3:
        return L"1";
    default:
        return L"10";
    }
}

const CDlgGrid::DisplayRow CDlgGrid::kDisplayRows[12] = {
    {L"CoordinatesLine.AltAzimuthGrid", true, IDC_GRID_CHK_ALT_VIEW, IDC_GRID_CHK_ALT_NUMBER, &CDlgGrid::m_bAltView,
     &CDlgGrid::m_bAltNumber},
    {L"CoordinatesLine.Meridian", false, IDC_GRID_CHK_ALT_LINE_VIEW, IDC_GRID_CHK_ALT_LINE_NUMBER,
     &CDlgGrid::m_bAltLineView, &CDlgGrid::m_bAltLineNumber},
    {L"CoordinatesLine.Equatorial2000Grid", true, IDC_GRID_CHK_2000_VIEW, IDC_GRID_CHK_2000_NUMBER,
     &CDlgGrid::m_b2000View, &CDlgGrid::m_b2000Number},
    {L"CoordinatesLine.Equator2000", false, IDC_GRID_CHK_2000_LINE_VIEW, IDC_GRID_CHK_2000_LINE_NUMBER,
     &CDlgGrid::m_b2000LineView, &CDlgGrid::m_b2000LineNumber},
    {L"CoordinatesLine.EquatorialDateGrid", true, IDC_GRID_CHK_APP_VIEW, IDC_GRID_CHK_APP_NUMBER,
     &CDlgGrid::m_bAppView, &CDlgGrid::m_bAppNumber},
    {L"CoordinatesLine.EquatorDate", false, IDC_GRID_CHK_APP_LINE_VIEW, IDC_GRID_CHK_APP_LINE_NUMBER,
     &CDlgGrid::m_bAppLineView, &CDlgGrid::m_bAppLineNumber},
    {L"CoordinatesLine.Equatorial1950Grid", true, IDC_GRID_CHK_1950_VIEW, IDC_GRID_CHK_1950_NUMBER,
     &CDlgGrid::m_b1950View, &CDlgGrid::m_b1950Number},
    {L"CoordinatesLine.Equator1950", false, IDC_GRID_CHK_1950_LINE_VIEW, IDC_GRID_CHK_1950_LINE_NUMBER,
     &CDlgGrid::m_b1950LineView, &CDlgGrid::m_b1950LineNumber},
    {L"CoordinatesLine.EclipticGrid", true, IDC_GRID_CHK_ECL_VIEW, IDC_GRID_CHK_ECL_NUMBER, &CDlgGrid::m_bEclView,
     &CDlgGrid::m_bEclNumber},
    {L"CoordinatesLine.Ecliptic", false, IDC_GRID_CHK_ECL_LINE_VIEW, IDC_GRID_CHK_ECL_LINE_NUMBER,
     &CDlgGrid::m_bEclLineView, &CDlgGrid::m_bEclLineNumber},
    {L"CoordinatesLine.GalacticGrid", true, IDC_GRID_CHK_GAL_VIEW, IDC_GRID_CHK_GAL_NUMBER, &CDlgGrid::m_bGalView,
     &CDlgGrid::m_bGalNumber},
    {L"CoordinatesLine.GalacticEquator", false, IDC_GRID_CHK_GAL_LINE_VIEW, IDC_GRID_CHK_GAL_LINE_NUMBER,
     &CDlgGrid::m_bGalLineView, &CDlgGrid::m_bGalLineNumber},
};

CDlgGrid::CDlgGrid(CCorZen* pChannel, CCorZen* pChannel2, CWnd* pParent)
    : CZenDialog(pChannel, pChannel2, IDD_GRID, pParent),
      m_pFocusCheck(std::make_unique<CFocusCheckBox[]>(kFocusCheckCount))
{
    m_strSection.LoadString(IDS_SECTION_GRID);
}

CDlgGrid::CDlgGrid(CWnd* pParent)
    : CZenDialog(IDD_GRID, pParent), m_pFocusCheck(std::make_unique<CFocusCheckBox[]>(kFocusCheckCount))
{
    m_strSection.LoadString(IDS_SECTION_GRID);
}

CDlgGrid::~CDlgGrid() = default;

const AFX_MSGMAP* CDlgGrid::GetMessageMap() const
{
    static const AFX_MSGMAP_ENTRY entries[] = {
        MapClicked<&CDlgGrid::OnCheck1950LineView>(IDC_GRID_CHK_1950_LINE_VIEW),
        MapClicked<&CDlgGrid::OnCheck1950View>(IDC_GRID_CHK_1950_VIEW),
        MapClicked<&CDlgGrid::OnCheck2000LineView>(IDC_GRID_CHK_2000_LINE_VIEW),
        MapClicked<&CDlgGrid::OnCheck2000View>(IDC_GRID_CHK_2000_VIEW),
        MapClicked<&CDlgGrid::OnCheckAltLineView>(IDC_GRID_CHK_ALT_LINE_VIEW),
        MapClicked<&CDlgGrid::OnCheckAltView>(IDC_GRID_CHK_ALT_VIEW),
        MapClicked<&CDlgGrid::OnCheckAppLineView>(IDC_GRID_CHK_APP_LINE_VIEW),
        MapClicked<&CDlgGrid::OnCheckAppView>(IDC_GRID_CHK_APP_VIEW),
        MapClicked<&CDlgGrid::OnCheckEclLineView>(IDC_GRID_CHK_ECL_LINE_VIEW),
        MapClicked<&CDlgGrid::OnCheckEclView>(IDC_GRID_CHK_ECL_VIEW),
        MapClicked<&CDlgGrid::OnCheckGalLineView>(IDC_GRID_CHK_GAL_LINE_VIEW),
        MapClicked<&CDlgGrid::OnCheckGalView>(IDC_GRID_CHK_GAL_VIEW),
        MapClicked<&CDlgGrid::OnCheckSolarmotion>(IDC_GRID_CHK_SOLARMOTION),
        MapClicked<&CDlgGrid::OnCheckGalcenter>(IDC_GRID_CHK_GALCENTER),
        MapClicked<&CDlgGrid::OnCheckAuto>(IDC_GRID_CHK_AUTO),
        MapClicked<&CDlgGrid::OnButtonLine>(IDC_GRID_BTN_COLOR),
    };
    static const AFX_MSGMAP map{CZenDialog::GetMessageMap(), entries, std::size(entries)};
    return &map;
}

void CDlgGrid::DoDataExchange(CDataExchange* pDX)
{
    CZenDialog::DoDataExchange(pDX);
    DDX_Check(pDX, IDC_GRID_CHK_1950_LINE_NUMBER, m_b1950LineNumber);
    DDX_Check(pDX, IDC_GRID_CHK_1950_LINE_VIEW, m_b1950LineView);
    DDX_Check(pDX, IDC_GRID_CHK_1950_NUMBER, m_b1950Number);
    DDX_Check(pDX, IDC_GRID_CHK_1950_VIEW, m_b1950View);
    DDX_Check(pDX, IDC_GRID_CHK_2000_LINE_NUMBER, m_b2000LineNumber);
    DDX_Check(pDX, IDC_GRID_CHK_2000_LINE_VIEW, m_b2000LineView);
    DDX_Check(pDX, IDC_GRID_CHK_2000_NUMBER, m_b2000Number);
    DDX_Check(pDX, IDC_GRID_CHK_2000_VIEW, m_b2000View);
    DDX_Check(pDX, IDC_GRID_CHK_ALT_LINE_NUMBER, m_bAltLineNumber);
    DDX_Check(pDX, IDC_GRID_CHK_ALT_LINE_VIEW, m_bAltLineView);
    DDX_Check(pDX, IDC_GRID_CHK_ALT_NUMBER, m_bAltNumber);
    DDX_Check(pDX, IDC_GRID_CHK_ALT_VIEW, m_bAltView);
    DDX_Check(pDX, IDC_GRID_CHK_APP_LINE_NUMBER, m_bAppLineNumber);
    DDX_Check(pDX, IDC_GRID_CHK_APP_LINE_VIEW, m_bAppLineView);
    DDX_Check(pDX, IDC_GRID_CHK_APP_NUMBER, m_bAppNumber);
    DDX_Check(pDX, IDC_GRID_CHK_APP_VIEW, m_bAppView);
    DDX_Check(pDX, IDC_GRID_CHK_ECL_LINE_NUMBER, m_bEclLineNumber);
    DDX_Check(pDX, IDC_GRID_CHK_ECL_LINE_VIEW, m_bEclLineView);
    DDX_Check(pDX, IDC_GRID_CHK_ECL_NUMBER, m_bEclNumber);
    DDX_Check(pDX, IDC_GRID_CHK_ECL_VIEW, m_bEclView);
    DDX_Check(pDX, IDC_GRID_CHK_GAL_LINE_NUMBER, m_bGalLineNumber);
    DDX_Check(pDX, IDC_GRID_CHK_GAL_LINE_VIEW, m_bGalLineView);
    DDX_Check(pDX, IDC_GRID_CHK_GAL_NUMBER, m_bGalNumber);
    DDX_Check(pDX, IDC_GRID_CHK_GAL_VIEW, m_bGalView);
    DDX_Check(pDX, IDC_GRID_CHK_PRECESSION, m_bPrecession);
    DDX_Check(pDX, IDC_GRID_CHK_GALCENTER, m_bGalcenter);
    DDX_Check(pDX, IDC_GRID_CHK_SOLARMOTION, m_bSolarmotion);
    DDX_Check(pDX, IDC_GRID_CHK_GALCENTER_NAME, m_bGalcenterName);
    DDX_Check(pDX, IDC_GRID_CHK_SOLARMOTION_NAME, m_bSolarmotionName);
    DDX_Check(pDX, IDC_GRID_CHK_ECLIPTIC_AXIS, m_bEclipticAxis);
    DDX_Check(pDX, IDC_GRID_CHK_MOONORBIT, m_bMoonOrbit);
    DDX_Check(pDX, IDC_GRID_CHK_AUTO, m_bAutoInterval);
    DDX_Radio(pDX, IDC_GRID_RAD_10, m_nInterval);
    DDX_Radio(pDX, IDC_GRID_RAD_CROSSING, m_nNumberPos);
}

void CDlgGrid::AttachControls()
{
    CZenDialog::AttachControls();
    m_grpEquatorial.Attach(IDC_GRID_GRP_EQUATORIAL, this);
    m_grpEquator.Attach(IDC_GRID_GRP_EQUATOR, this);
    m_grpGraduation.Attach(IDC_GRID_GRP_GRADUATION, this);
    m_grpPrecession.Attach(IDC_GRID_GRP_PRECESSION, this);
    m_grpGalcenter.Attach(IDC_GRID_GRP_GALCENTER, this);
    m_grpSolarmotion.Attach(IDC_GRID_GRP_SOLARMOTION, this);
    m_grpArrows.Attach(IDC_GRID_GRP_ARROWS, this);
    m_grpMoonOrbit.Attach(IDC_GRID_GRP_MOONORBIT, this);
    m_btnColor.Attach(IDC_GRID_BTN_COLOR, this, 0x000000, 0xC4C4C4, 0x6B6B6B, 0xC4C4C4, 1);
    m_vstGridView.Attach(IDC_GRID_VST_GRID_VIEW, this);
    m_vstGridNumber.Attach(IDC_GRID_VST_GRID_NUMBER, this);
    m_vstLineView.Attach(IDC_GRID_VST_LINE_VIEW, this);
    m_vstLineNumber.Attach(IDC_GRID_VST_LINE_NUMBER, this);
    m_chkAuto.Attach(IDC_GRID_CHK_AUTO, this);
    m_radInterval[0].Attach(IDC_GRID_RAD_10, this);
    m_radInterval[1].Attach(IDC_GRID_RAD_5, this);
    m_radInterval[2].Attach(IDC_GRID_RAD_2, this);
    m_radInterval[3].Attach(IDC_GRID_RAD_1, this);
    m_radNumberPos[0].Attach(IDC_GRID_RAD_CROSSING, this);
    m_radNumberPos[1].Attach(IDC_GRID_RAD_BORDER, this);
    m_chkMoonOrbit.Attach(IDC_GRID_CHK_MOONORBIT, this);
    m_chkPrecession.Attach(IDC_GRID_CHK_PRECESSION, this);
    m_chkGalcenter.Attach(IDC_GRID_CHK_GALCENTER, this);
    m_chkGalcenterName.Attach(IDC_GRID_CHK_GALCENTER_NAME, this);
    m_chkSolarmotion.Attach(IDC_GRID_CHK_SOLARMOTION, this);
    m_chkSolarmotionName.Attach(IDC_GRID_CHK_SOLARMOTION_NAME, this);
    m_chkEclipticAxis.Attach(IDC_GRID_CHK_ECLIPTIC_AXIS, this);
}

BOOL CDlgGrid::OnInitDialog()
{
    CZenDialog::OnInitDialog();
    AttachControls();

    m_bWholeSky = IsWholeSkyProjection(m_pChannel->Exec(L"? View.Projection"));
    if (m_bWholeSky)
        KeepNumbersAtCrossings();
    else
        ReadNumberPos();
    ReadDisplayRows();
    ReadMarks();
    ReadInterval();

    UpdateData(FALSE);
    AttachFocusChecks();
    UpdateStatus();
    GetDlgItem(IDC_GRID_STC_ALT)->SetFocus();
    return FALSE;
}

void CDlgGrid::KeepNumbersAtCrossings()
{
    m_nNumberPos = 0;
    const UINT numberPos[] = {IDC_GRID_STC_NUMBERPOS, IDC_GRID_RAD_CROSSING, IDC_GRID_RAD_BORDER};
    for (const UINT id : numberPos)
        GetDlgItem(static_cast<int>(id))->EnableWindow(FALSE);
}

void CDlgGrid::ReadNumberPos()
{
    int stored = 0;
    CRegistry::Read(m_strSection, L"NumberPos", 0, &stored, 1);
    // Any nonzero value means the screen edge, so a stray stored value still selects a radio.
    m_nNumberPos = stored != 0 ? 1 : 0;
}

void CDlgGrid::ReadDisplayRows()
{
    const wchar_t* gridSuffix = m_nNumberPos ? kNumberOnBorder : kNumber;
    for (const DisplayRow& row : kDisplayRows) {
        const CString path(row.path);
        this->*row.show = IsVisible(path);
        this->*row.number = IsVisible(path + (row.grid ? gridSuffix : kNumber));
    }
}

void CDlgGrid::ReadMarks()
{
    m_bPrecession = IsVisible(L"CoordinatesLine.PrecessionDial");
    m_bGalcenter = IsVisible(L"GalacticCenterAndPole");
    m_bGalcenterName = IsVisible(L"GalacticCenterAndPole.Name");
    m_bSolarmotion = IsVisible(L"SolarMotion");
    m_bSolarmotionName = IsVisible(L"SolarMotion.Name");
    // The two axes are one option here: both are asked, and either one shown turns it on.
    const BOOL axisX = IsVisible(L"CoordinatesLine.EclipticAxis.X");
    const BOOL axisZ = IsVisible(L"CoordinatesLine.EclipticAxis.Z");
    m_bEclipticAxis = axisX || axisZ;
    m_bMoonOrbit = IsVisible(L"Solar.Planet.Earth.Satellite.Moon.Orbit");
}

void CDlgGrid::ReadInterval()
{
    const int degrees = AfxTextToInt(m_pChannel->Exec(L"? CoordinatesLine.EquatorialGrid.Interval"));
    m_bAutoInterval = degrees == 0;
    m_nInterval = GridIntervalToRadio(degrees);
}

// Show boxes of the grids, their scale boxes, then the same two columns of the lines.
void CDlgGrid::AttachFocusChecks()
{
    int next = 0;
    for (const bool grid : {true, false}) {
        for (const bool number : {false, true}) {
            for (const DisplayRow& row : kDisplayRows) {
                if (row.grid == grid)
                    m_pFocusCheck[next++].Attach(number ? row.numberId : row.showId, this);
            }
        }
    }
}

void CDlgGrid::UpdateStatus()
{
    for (const DisplayRow& row : kDisplayRows)
        GetDlgItem(static_cast<int>(row.numberId))->EnableWindow(this->*row.show);
    for (CZenRadioButton& radio : m_radInterval)
        radio.EnableWindow(!m_bAutoInterval);
    m_chkGalcenterName.EnableWindow(m_bGalcenter);
    m_chkSolarmotionName.EnableWindow(m_bSolarmotion);
    if (!IsSolarSystemView(m_pChannel->Exec(L"? View.Projection"))) {
        m_grpArrows.EnableWindow(FALSE);
        m_chkEclipticAxis.EnableWindow(FALSE);
    }
}

void CDlgGrid::OnCheckChanged()
{
    UpdateData(TRUE);
    UpdateStatus();
}

void CDlgGrid::OnButtonLine()
{
    RunColorDialog(L"CoordinatesLine.AltAzimuthGrid.Color");
}

void CDlgGrid::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    CRegistry::Write(m_strSection, L"NumberPos", m_nNumberPos, 1);
    SendDisplayRows();
    SendMarks();
    SendInterval();
    m_pChannel->Exec(L"Show Stellar");
    CZenDialog::OnOK();
}

void CDlgGrid::SendDisplayRows()
{
    for (const DisplayRow& row : kDisplayRows) {
        const CString path(row.path);
        const BOOL number = this->*row.number;
        DoitVisible(path, this->*row.show);
        if (row.grid) {
            DoitVisible(path + kNumber, m_nNumberPos == 0 && number);
            DoitVisible(path + kNumberOnBorder, m_nNumberPos != 0 && number);
        } else {
            DoitVisible(path + kNumber, number);
            DoitVisible(path + L".Scale", TRUE);
        }
    }
}

void CDlgGrid::SendMarks()
{
    DoitVisible(L"CoordinatesLine.PrecessionDial", m_bPrecession);
    DoitVisible(L"GalacticCenterAndPole", m_bGalcenter);
    DoitVisible(L"GalacticCenterAndPole.Name", m_bGalcenterName);
    DoitVisible(L"SolarMotion", m_bSolarmotion);
    DoitVisible(L"SolarMotion.Name", m_bSolarmotionName);
    DoitVisible(L"CoordinatesLine.EclipticAxis.X", m_bEclipticAxis);
    DoitVisible(L"CoordinatesLine.EclipticAxis.Z", m_bEclipticAxis);
    DoitVisible(L"Solar.Planet.Earth.Satellite.Moon.Orbit", m_bMoonOrbit);
}

void CDlgGrid::SendInterval()
{
    static const wchar_t* const grids[] = {
        L"CoordinatesLine.AltAzimuthGrid.Interval = ",     L"CoordinatesLine.Equatorial2000Grid.Interval = ",
        L"CoordinatesLine.EquatorialDateGrid.Interval = ", L"CoordinatesLine.Equatorial1950Grid.Interval = ",
        L"CoordinatesLine.EclipticGrid.Interval = ",       L"CoordinatesLine.GalacticGrid.Interval = ",
    };
    const CString interval = GridIntervalText(m_bAutoInterval, m_nInterval);
    for (const wchar_t* grid : grids)
        m_pChannel->Exec(grid + interval);
}
