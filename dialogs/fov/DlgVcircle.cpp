#include "dialogs/fov/DlgVcircle.h"

#include "dialogs/fov/FovCommon.h"
#include "framework/kivdcm/DoubleExchange.h"
#include "framework/kivreg/Registry.h"
#include "resources/ids_fov.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace {

constexpr double kMinCircle = 0.01;
constexpr double kMaxCircle = 20.0;

const wchar_t kTelescopeKey[] = L"TelescopeFocalLength";
const wchar_t kEyepieceKey[] = L"EyepieceFocalLength";
const wchar_t kApparentKey[] = L"EyepieceFieldView";

// The eyepiece's apparent field kept within 1 to 100 degrees.
double ClampApparentField(double dField)
{
    if (dField <= 1.0)
        return 1.0;
    if (dField >= 100.0)
        return 100.0;
    return dField;
}

// Magnification and true field (degrees) of an eyepiece on a telescope; false, with both 0, when
// the focal lengths give no finite, nonzero magnification.
bool EyepieceView(double dTelescope, double dEyepiece, double dApparent, double& dMagnification, double& dTrueField)
{
    dMagnification = 0.0;
    dTrueField = 0.0;
    if (dEyepiece == 0.0)
        return false;
    const double magnification = dTelescope / dEyepiece;
    if (magnification == 0.0 || !std::isfinite(magnification))
        return false;
    const double trueField = dApparent / magnification;
    if (!std::isfinite(trueField))
        return false;
    dMagnification = magnification;
    dTrueField = trueField;
    return true;
}

// One press of the circle size's up-down: finer steps below a tenth of a degree.
double StepCircleSize(double dSize, int nDelta)
{
    if (nDelta < 0) {
        dSize += dSize < 0.1 ? 0.01 : 0.1;
        return dSize > kMaxCircle ? kMaxCircle : dSize;
    }
    if (nDelta > 0) {
        dSize -= dSize > 0.1 ? 0.1 : 0.01;
        return dSize < kMinCircle ? kMinCircle : dSize;
    }
    return dSize;
}

}  // namespace

CDlgVcircle::CDlgVcircle(CCorZen* pChannel, CCorZen* pChannel2, CWnd* pParent)
    : CZenDialog(pChannel, pChannel2, IDD_VCIRCLE, pParent), m_dCircle(7.0)
{
    m_strSection.LoadString(IDS_SECTION_VCIRCLE);
}

CDlgVcircle::CDlgVcircle(CWnd* pParent) : CZenDialog(IDD_VCIRCLE, pParent)
{
    m_strSection.LoadString(IDS_SECTION_VCIRCLE);
}

CDlgVcircle::~CDlgVcircle() = default;

void CDlgVcircle::SetAppDataPath(const CString& strPath)
{
    m_strAppDataPath = strPath;
}

const AFX_MSGMAP* CDlgVcircle::GetMessageMap() const
{
    static const AFX_MSGMAP_ENTRY entries[] = {
        MapClicked<&CDlgVcircle::OnCheckCircle>(IDC_VCIRCLE_CHK_VISIBLE),
        MapNotify<&CDlgVcircle::OnDeltaposDspViewSpinCircle>(UDN_DELTAPOS, IDC_VCIRCLE_SPIN_SIZE),
        MapClicked<&CDlgVcircle::OnDspViewButtonColor>(IDC_FOV_BTN_COLOR),
        MapEnChange<&CDlgVcircle::OnEnChangeDspViewEditCircle>(IDC_VCIRCLE_EDIT_SIZE),
        MapNotify<&CDlgVcircle::OnDeltaposSpin>(UDN_DELTAPOS, IDC_VCIRCLE_SPIN_TELESCOPE),
        MapNotify<&CDlgVcircle::OnDeltaposSpin>(UDN_DELTAPOS, IDC_VCIRCLE_SPIN_EYEPIECE),
        MapNotify<&CDlgVcircle::OnDeltaposSpin>(UDN_DELTAPOS, IDC_VCIRCLE_SPIN_APPARENT),
        MapEnChange<&CDlgVcircle::OnChangeEdit>(IDC_VCIRCLE_EDIT_TELESCOPE),
        MapEnChange<&CDlgVcircle::OnChangeEdit>(IDC_VCIRCLE_EDIT_EYEPIECE),
        MapEnChange<&CDlgVcircle::OnChangeEdit>(IDC_VCIRCLE_EDIT_APPARENT),
        MapClicked<&CDlgVcircle::OnBnClickedDspViewBtnApply>(IDC_VCIRCLE_BTN_APPLY),
    };
    static const AFX_MSGMAP map{CZenDialog::GetMessageMap(), entries, std::size(entries)};
    return &map;
}

void CDlgVcircle::DoDataExchange(CDataExchange* pDX)
{
    CZenDialog::DoDataExchange(pDX);
    DDX_Check(pDX, IDC_VCIRCLE_CHK_VISIBLE, m_bShow);
    DDX_DoubleFmt(pDX, IDC_VCIRCLE_EDIT_SIZE, m_dCircle, L"%.2f", 7);
    DDX_Double(pDX, IDC_VCIRCLE_EDIT_TELESCOPE, m_dTelescope, 0, 7);
    DDX_Double(pDX, IDC_VCIRCLE_EDIT_EYEPIECE, m_dEyepiece, 0, 7);
    DDX_Double(pDX, IDC_VCIRCLE_EDIT_APPARENT, m_dApparent, 0, 7);
    DDX_Text(pDX, IDC_VCIRCLE_STC_MAGNIFICATION_VALUE, m_strMagnification);
    DDX_Text(pDX, IDC_VCIRCLE_STC_TRUE_FIELD_VALUE, m_strTrueField);
    DDX_CBIndex(pDX, IDC_FOV_CMB_COORDINATE, m_nCoordinate);
}

void CDlgVcircle::AttachControls()
{
    CZenDialog::AttachControls();
    m_chkShow.Attach(IDC_VCIRCLE_CHK_VISIBLE, this);
    m_edtCircle.Attach(IDC_VCIRCLE_EDIT_SIZE, this);
    m_spnCircle.Attach(IDC_VCIRCLE_SPIN_SIZE, this);
    m_stcCircleUnit.Attach(IDC_VCIRCLE_STC_SIZE_UNIT, this);
    m_stcCoordinate.Attach(IDC_FOV_STC_COORDINATE, this);
    m_cmbCoordinate.Attach(IDC_FOV_CMB_COORDINATE, this);
    m_grpOptics.Attach(IDC_VCIRCLE_GRP_OPTICS, this);
    m_stcTelescope.Attach(IDC_VCIRCLE_STC_TELESCOPE, this);
    m_edtTelescope.Attach(IDC_VCIRCLE_EDIT_TELESCOPE, this);
    m_spnTelescope.Attach(IDC_VCIRCLE_SPIN_TELESCOPE, this);
    m_stcTelescopeUnit.Attach(IDC_VCIRCLE_STC_TELESCOPE_UNIT, this);
    m_stcEyepiece.Attach(IDC_VCIRCLE_STC_EYEPIECE, this);
    m_edtEyepiece.Attach(IDC_VCIRCLE_EDIT_EYEPIECE, this);
    m_spnEyepiece.Attach(IDC_VCIRCLE_SPIN_EYEPIECE, this);
    m_stcEyepieceUnit.Attach(IDC_VCIRCLE_STC_EYEPIECE_UNIT, this);
    m_stcApparent.Attach(IDC_VCIRCLE_STC_APPARENT, this);
    m_edtApparent.Attach(IDC_VCIRCLE_EDIT_APPARENT, this);
    m_spnApparent.Attach(IDC_VCIRCLE_SPIN_APPARENT, this);
    m_stcApparentUnit.Attach(IDC_VCIRCLE_STC_APPARENT_UNIT, this);
    m_grpResult.Attach(IDC_VCIRCLE_GRP_RESULT, this);
    m_stcMagnification.Attach(IDC_VCIRCLE_STC_MAGNIFICATION, this);
    m_stcMagnificationValue.Attach(IDC_VCIRCLE_STC_MAGNIFICATION_VALUE, this);
    m_stcMagnificationUnit.Attach(IDC_VCIRCLE_STC_MAGNIFICATION_UNIT, this);
    m_stcTrueField.Attach(IDC_VCIRCLE_STC_TRUE_FIELD, this);
    m_stcTrueFieldValue.Attach(IDC_VCIRCLE_STC_TRUE_FIELD_VALUE, this);
    m_stcTrueFieldUnit.Attach(IDC_VCIRCLE_STC_TRUE_FIELD_UNIT, this);
    m_btnApply.Attach(IDC_VCIRCLE_BTN_APPLY, this);
    m_btnColor.Attach(IDC_FOV_BTN_COLOR, this);
}

BOOL CDlgVcircle::OnInitDialog()
{
    CZenDialog::OnInitDialog();
    AttachControls();
    m_edtCircle.LimitText(5);

    m_bShow = m_pChannel->Exec(L"? FieldOfView.Visible") == L"TRUE";
    m_dCircle = AfxTextToDouble(m_pChannel->Exec(L"? FieldOfView.Angle"));
    FillCoordinateCombo(m_cmbCoordinate);
    m_nCoordinate = CoordinateIndex(m_pChannel->Exec(L"? FieldOfView.Coordinate"));

    m_dTelescope = ReadSetting(kTelescopeKey, 500.0);
    m_dEyepiece = ReadSetting(kEyepieceKey, 20.0);
    m_dApparent = ReadSetting(kApparentKey, 50.0);

    UpdateData(FALSE);
    OnChangeEdit();
    UpdateStatus();
    return TRUE;
}

double CDlgVcircle::ReadSetting(const wchar_t* lpszKey, double dDefault) const
{
    double value = dDefault;
    CRegistry::Read(m_strSection, lpszKey, dDefault, &value);
    // The store keeps a double's bits; a value that is no number would never leave the edit.
    return std::isfinite(value) ? value : dDefault;
}

void CDlgVcircle::UpdateStatus()
{
    EnableControls(*this,
                   {IDC_FOV_STC_COORDINATE, IDC_FOV_CMB_COORDINATE, IDC_VCIRCLE_EDIT_SIZE, IDC_VCIRCLE_SPIN_SIZE,
                    IDC_VCIRCLE_STC_SIZE_UNIT, IDC_VCIRCLE_BTN_APPLY, IDC_VCIRCLE_GRP_OPTICS, IDC_VCIRCLE_GRP_RESULT,
                    IDC_VCIRCLE_SPIN_TELESCOPE, IDC_VCIRCLE_SPIN_EYEPIECE, IDC_VCIRCLE_SPIN_APPARENT,
                    IDC_VCIRCLE_EDIT_TELESCOPE, IDC_VCIRCLE_EDIT_EYEPIECE, IDC_VCIRCLE_EDIT_APPARENT,
                    IDC_VCIRCLE_STC_TELESCOPE, IDC_VCIRCLE_STC_TELESCOPE_UNIT, IDC_VCIRCLE_STC_EYEPIECE,
                    IDC_VCIRCLE_STC_EYEPIECE_UNIT, IDC_VCIRCLE_STC_APPARENT, IDC_VCIRCLE_STC_APPARENT_UNIT,
                    IDC_VCIRCLE_STC_MAGNIFICATION_VALUE, IDC_VCIRCLE_STC_MAGNIFICATION,
                    IDC_VCIRCLE_STC_MAGNIFICATION_UNIT, IDC_VCIRCLE_STC_TRUE_FIELD_VALUE, IDC_VCIRCLE_STC_TRUE_FIELD,
                    IDC_VCIRCLE_STC_TRUE_FIELD_UNIT},
                   m_bShow);
}

bool CDlgVcircle::ComputeView()
{
    m_dApparent = ClampApparentField(m_dApparent);
    return EyepieceView(m_dTelescope, m_dEyepiece, m_dApparent, m_dMagnification, m_dTrueField);
}

void CDlgVcircle::OnChangeEdit()
{
    if (m_edtApparent.GetWindowTextLength() == 0)
        return;
    if (!UpdateData(TRUE))
        return;
    if (ComputeView()) {
        m_strMagnification.Format(L"%.0f", m_dMagnification);
        m_strTrueField.Format(L"%.2f", m_dTrueField);
    } else {
        // A zero focal length gives no magnification: both results show a dash mark rather
        // than a number, and the true field counts as 0, which Apply refuses as out of range.
        m_strMagnification.LoadString(IDS_VCIRCLE_NO_RESULT);
        m_strTrueField = m_strMagnification;
    }
    UpdateData(FALSE);
}

void CDlgVcircle::OnBnClickedDspViewBtnApply()
{
    if (!UpdateData(TRUE))
        return;
    ComputeView();
    if (ReportRealRange(m_dTrueField, kMinCircle, kMaxCircle, IDS_VCIRCLE_TRUE_FIELD_RANGE))
        return;
    CRegistry::Write(m_strSection, kTelescopeKey, m_dTelescope);
    CRegistry::Write(m_strSection, kEyepieceKey, m_dEyepiece);
    CRegistry::Write(m_strSection, kApparentKey, m_dApparent);
    // The circle takes the true field as shown, with its two decimals.
    m_dTrueField = AfxTextToDouble(m_strTrueField);
    m_dCircle = m_dTrueField;
    UpdateData(FALSE);
}

void CDlgVcircle::OnEnChangeDspViewEditCircle()
{
    // The user is still typing a small size.
    const CString text = m_edtCircle.GetWindowText();
    if (text.IsEmpty() || text == L"0" || text == L"0." || text == L"0.0")
        return;
    if (!UpdateData(TRUE))
        return;
    if (m_dCircle < kMinCircle || m_dCircle > kMaxCircle) {
        m_dCircle = std::clamp(m_dCircle, kMinCircle, kMaxCircle);
        UpdateData(FALSE);
    }
}

void CDlgVcircle::OnDeltaposDspViewSpinCircle(NMHDR* pNMHDR, LRESULT* pResult)
{
    *pResult = 0;
    if (!UpdateData(TRUE))
        return;
    m_dCircle = StepCircleSize(m_dCircle, reinterpret_cast<NMUPDOWN*>(pNMHDR)->iDelta);
    UpdateData(FALSE);
}

void CDlgVcircle::OnDeltaposSpin(NMHDR* pNMHDR, LRESULT* pResult)
{
    *pResult = 0;
    if (!UpdateData(TRUE))
        return;
    const double direction = reinterpret_cast<NMUPDOWN*>(pNMHDR)->iDelta < 0 ? 1.0 : -1.0;
    switch (pNMHDR->idFrom) {
    case IDC_VCIRCLE_SPIN_TELESCOPE:
        m_dTelescope = std::clamp(m_dTelescope + 10.0 * direction, 10.0, 1000000.0);
        break;
    case IDC_VCIRCLE_SPIN_EYEPIECE:
        m_dEyepiece = std::clamp(m_dEyepiece + direction, 1.0, 100.0);
        break;
    default:
        m_dApparent = std::clamp(m_dApparent + direction, 1.0, 100.0);
        break;
    }
    UpdateData(FALSE);
    OnChangeEdit();
}

void CDlgVcircle::OnCheckCircle()
{
    UpdateData(TRUE);
    UpdateStatus();
}

void CDlgVcircle::OnDspViewButtonColor()
{
    RunColorDialog(L"FieldOfView.Color");
}

void CDlgVcircle::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    if (m_bShow && ReportRealRange(m_dCircle, kMinCircle, kMaxCircle, IDS_VCIRCLE_SIZE_RANGE))
        return;
    if (m_bShow) {
        m_pChannel->Exec(L"FieldOfView.Visible = TRUE");
        m_pChannel->ExecFormat(L"FieldOfView.Angle = %.2f", m_dCircle);
    } else {
        m_pChannel->Exec(L"FieldOfView.Visible = FALSE");
    }
    static const wchar_t* const kCoordinate[] = {L"FieldOfView.Coordinate = Screen",
                                                 L"FieldOfView.Coordinate = EquatorialDateMean",
                                                 L"FieldOfView.Coordinate = Horizon"};
    m_pChannel->Exec(kCoordinate[m_nCoordinate == 1 || m_nCoordinate == 2 ? m_nCoordinate : 0]);
    m_pChannel->Exec(L"Show Sky");
    EndDialog(IDOK);
}
