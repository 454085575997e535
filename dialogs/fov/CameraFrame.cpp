#include "dialogs/fov/CameraFrame.h"

#include "dialogs/fov/FovCommon.h"
#include "framework/kivreg/Registry.h"
#include "resources/ids_fov.h"

#include <cmath>
#include <iterator>

const wchar_t kNoCamera[] = L"None";

namespace {

const wchar_t kFovUnitKey[] = L"FovUnit";

constexpr int kMaxFocal = 100000;
constexpr double kMinSensor = 1.0;
constexpr double kMaxSensor = 1000.0;

// The place of a maker's first camera: the cameras of all makers before it.
long long FirstCameraOf(const CCameraDB& db, int nVendor)
{
    long long first = 0;
    for (int vendor = 0; vendor < nVendor && vendor < db.GetVendorNum(); ++vendor)
        first += db.GetVendor(vendor).nCameraCount;
    return first;
}

// The step of an up-down press: a negative delta is one step up.
int StepOf(const NMHDR* pNMHDR)
{
    const int delta = reinterpret_cast<const NMUPDOWN*>(pNMHDR)->iDelta;
    return delta < 0 ? 1 : (delta > 0 ? -1 : 0);
}

long long ClampToRange(long long value, long long low, long long high)
{
    return value < low ? low : (value > high ? high : value);
}

// A list asks for its item height before the dialog gives it its font, so the system font is
// measured; three quarters of it suit the dialog's font.
UINT ListItemHeight(HWND hList)
{
    return static_cast<UINT>((AfxListTextHeight(hList) * 3 + 2) / 4);
}

// The full angle, in degrees, that a sensor side of dSize mm covers behind a lens of dFocal mm.
double FullAngleOfField(double dSize, double dFocal)
{
    return std::atan2(dSize * 0.5, dFocal) * 2.0 * 180.0 / 3.141592653589793;
}

// The angle-of-field text: degrees for unit 0, arcminutes for unit 1, empty for any other.
CString FormatAngleOfField(double dHorizontal, double dVertical, int nUnit)
{
    CString text;
    if (nUnit == 0 || nUnit == 1) {
        const double scale = nUnit == 1 ? 60.0 : 1.0;
        text.Format(IDS_CAMERA_FOV_FORMAT, dHorizontal * scale, dVertical * scale);
    }
    return text;
}

}  // namespace

int CameraGlobalIndex(const CCameraDB& db, int nVendor, int nCamera)
{
    if (nVendor < 0 || nVendor >= db.GetVendorNum())
        return -1;
    const long long global = FirstCameraOf(db, nVendor) + nCamera;
    if (global < 0 || global >= db.GetCameraNum())
        return -1;
    return static_cast<int>(global);
}

BOOL SplitCameraIndex(const CCameraDB& db, int nGlobal, int& nVendor, int& nCamera)
{
    if (nGlobal < 0 || nGlobal >= db.GetCameraNum())
        return FALSE;
    int vendor = 0;
    int rest = nGlobal;
    while (vendor < db.GetVendorNum() && rest >= db.GetVendor(vendor).nCameraCount) {
        rest -= db.GetVendor(vendor).nCameraCount;
        ++vendor;
    }
    nVendor = vendor;
    nCamera = rest;
    return TRUE;
}

CCameraFrameDlg::CCameraFrameDlg(const CString& strAppDataPath, CCorZen* pChannel, CCorZen* pChannel2,
                                 UINT nIDTemplate, UINT nIDSection, CWnd* pParent)
    : CZenDialog(pChannel, pChannel2, nIDTemplate, pParent), m_strAppDataPath(strAppDataPath)
{
    m_strSection.LoadString(nIDSection);
}

CCameraFrameDlg::CCameraFrameDlg(UINT nIDTemplate, UINT nIDSection, CWnd* pParent)
    : CZenDialog(nIDTemplate, pParent)
{
    m_strSection.LoadString(nIDSection);
}

const AFX_MSGMAP* CCameraFrameDlg::GetMessageMap() const
{
    static const AFX_MSGMAP_ENTRY entries[] = {
        MapMeasureItem<&CCameraFrameDlg::OnMeasureItem>(),
        MapEnChange<&CCameraFrameDlg::OnEnChangeDspViewEditLens>(IDC_CAMERA_EDIT_LENS),
        MapEnChange<&CCameraFrameDlg::OnEnChangeDspViewEditCustomH>(IDC_CAMERA_EDIT_WIDTH),
        MapEnChange<&CCameraFrameDlg::OnEnChangeDspViewEditCustomV>(IDC_CAMERA_EDIT_HEIGHT),
        MapCbnSelChange<&CCameraFrameDlg::OnCbnSelchangeDspViewCmbFovUnit>(IDC_CAMERA_CMB_FOV_UNIT),
        MapNotify<&CCameraFrameDlg::OnDeltaposDspViewSpinLens>(UDN_DELTAPOS, IDC_CAMERA_SPIN_LENS),
        MapLbnSelChange<&CCameraFrameDlg::OnLbnSelchangeDspViewListVendor>(IDC_CAMERA_LIST_VENDOR),
        MapLbnSelChange<&CCameraFrameDlg::OnLbnSelchangeDspViewListCamera>(IDC_CAMERA_LIST_CAMERA),
        MapNotify<&CCameraFrameDlg::OnDeltaposDspViewSpinCustomH>(UDN_DELTAPOS, IDC_CAMERA_SPIN_WIDTH),
        MapNotify<&CCameraFrameDlg::OnDeltaposDspViewSpinCustomV>(UDN_DELTAPOS, IDC_CAMERA_SPIN_HEIGHT),
    };
    static const AFX_MSGMAP map{CZenDialog::GetMessageMap(), entries, std::size(entries)};
    return &map;
}

BOOL CCameraFrameDlg::OnInitDialog()
{
    // The unit entries are the combo box's initial data in the template. The resource compiler
    // takes no initial data for controls, so they are added here, before the first exchange
    // selects one of them, where the system would have added them.
    for (const UINT id : {IDS_CAMERA_UNIT_DEGREE, IDS_CAMERA_UNIT_MINUTE}) {
        CString unit;
        unit.LoadString(id);
        SendDlgItemMessage(IDC_CAMERA_CMB_FOV_UNIT, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(unit.GetString()));
    }
    return CZenDialog::OnInitDialog();
}

void CCameraFrameDlg::AttachControls()
{
    CZenDialog::AttachControls();
    m_stcLens.Attach(IDC_CAMERA_STC_LENS, this);
    m_edtLens.Attach(IDC_CAMERA_EDIT_LENS, this);
    m_spnLens.Attach(IDC_CAMERA_SPIN_LENS, this);
    m_stcLensUnit.Attach(IDC_CAMERA_STC_LENS_UNIT, this);
    m_stcFov.Attach(IDC_CAMERA_STC_FOV, this);
    m_stcFovValue.Attach(IDC_CAMERA_STC_FOV_VALUE, this);
    m_cmbFovUnit.Attach(IDC_CAMERA_CMB_FOV_UNIT, this);
    m_stcCoordinate.Attach(IDC_FOV_STC_COORDINATE, this);
    m_cmbCoordinate.Attach(IDC_FOV_CMB_COORDINATE, this);
    m_grpCamera.Attach(IDC_CAMERA_GRP_CAMERA, this);
    m_radList.Attach(IDC_CAMERA_RAD_LIST, this);
    m_radSize.Attach(IDC_CAMERA_RAD_SIZE, this);
    m_stcVendor.Attach(IDC_CAMERA_STC_VENDOR, this);
    m_lstVendor.Attach(IDC_CAMERA_LIST_VENDOR, this);
    m_stcCamera.Attach(IDC_CAMERA_STC_CAMERA, this);
    m_lstCamera.Attach(IDC_CAMERA_LIST_CAMERA, this);
    m_stcWidth.Attach(IDC_CAMERA_STC_WIDTH, this);
    m_edtWidth.Attach(IDC_CAMERA_EDIT_WIDTH, this);
    m_spnWidth.Attach(IDC_CAMERA_SPIN_WIDTH, this);
    m_stcWidthUnit.Attach(IDC_CAMERA_STC_WIDTH_UNIT, this);
    m_stcHeight.Attach(IDC_CAMERA_STC_HEIGHT, this);
    m_edtHeight.Attach(IDC_CAMERA_EDIT_HEIGHT, this);
    m_spnHeight.Attach(IDC_CAMERA_SPIN_HEIGHT, this);
    m_stcHeightUnit.Attach(IDC_CAMERA_STC_HEIGHT_UNIT, this);
    m_btnColor.Attach(IDC_FOV_BTN_COLOR, this);
    if (!m_bSystemLook) {
        CZenTheme::SetWindowTheme(m_lstVendor.m_hWnd, L"", L"");
        CZenTheme::SetWindowTheme(m_lstCamera.m_hWnd, L"", L"");
    }
}

void CCameraFrameDlg::TakeCustomGuider(const _ANGLE_OF_FIELD&) {}

void CCameraFrameDlg::TakeFovGuider(const _ANGLE_OF_FIELD&) {}

void CCameraFrameDlg::ExchangeLensAndMode(CDataExchange* pDX)
{
    DDX_Text(pDX, IDC_CAMERA_EDIT_LENS, m_nFocal);
    DDX_Radio(pDX, IDC_CAMERA_RAD_LIST, m_nSizeMode);
}

void CCameraFrameDlg::ExchangeSensor(CDataExchange* pDX)
{
    DDX_Text(pDX, IDC_CAMERA_EDIT_WIDTH, m_dWidth);
    DDX_Text(pDX, IDC_CAMERA_EDIT_HEIGHT, m_dHeight);
}

void CCameraFrameDlg::ExchangeUnitAndCoordinate(CDataExchange* pDX)
{
    DDX_CBIndex(pDX, IDC_CAMERA_CMB_FOV_UNIT, m_nFovUnit);
    DDX_CBIndex(pDX, IDC_FOV_CMB_COORDINATE, m_nCoordinate);
}

void CCameraFrameDlg::OpenFrame(const wchar_t* lpszFamily)
{
    m_camDB.Init(m_strAppDataPath);
    m_lstVendor.ResetContent();
    for (int vendor = 0; vendor < m_camDB.GetVendorNum(); ++vendor)
        m_lstVendor.AddString(m_camDB.GetVendor(vendor).strName);
    m_nVendor = 0;
    m_lstVendor.SetCurSel(0);

    const CString family(lpszFamily);
    m_bShow = m_pChannel->Exec(L"? " + family + L".Visible") == L"TRUE";
    m_nFocal = static_cast<UINT>(AfxTextToInt(m_pChannel->Exec(L"? " + family + L".FocalLength")));
    CRegistry::Read(m_strSection, kFovUnitKey, 0, &m_nFovUnit, 1);
}

bool CCameraFrameDlg::SelectHostCamera(const CString& strCamera)
{
    m_nCamera = -1;
    bool matched = false;
    for (int global = 0; global < m_camDB.GetCameraNum() && !matched; ++global) {
        if (m_camDB.GetCamera(global).strKey == strCamera) {
            GetVendorAndCameraIdx(global, &m_nVendor, &m_nCamera);
            m_nSizeMode = 0;
            matched = true;
        }
    }
    InitCameraList();
    SetCustomData();
    return matched;
}

void CCameraFrameDlg::QuerySensorSize(const wchar_t* lpszFamily)
{
    const CString family(lpszFamily);
    m_nSizeMode = 1;
    m_dWidth = AfxTextToDouble(m_pChannel->Exec(L"? " + family + L".HorizontalSize"));
    m_dHeight = AfxTextToDouble(m_pChannel->Exec(L"? " + family + L".VerticalSize"));
}

void CCameraFrameDlg::QueryCoordinate(const wchar_t* lpszFamily)
{
    FillCoordinateCombo(m_cmbCoordinate);
    m_nCoordinate = CoordinateIndex(m_pChannel->Exec(L"? " + CString(lpszFamily) + L".Coordinate"));
}

void CCameraFrameDlg::LimitFrameEdits()
{
    for (CZenEdit* edit : {&m_edtLens, &m_edtWidth, &m_edtHeight})
        edit->LimitText(6);
}

void CCameraFrameDlg::FinishInit()
{
    ChangeEdit();
    zendlg_UpdateData(FALSE);
    UpdateStatus();
}

int CCameraFrameDlg::GetCameraNum(int nVendor, int nCamera) const
{
    return CameraGlobalIndex(m_camDB, nVendor, nCamera);
}

BOOL CCameraFrameDlg::GetVendorAndCameraIdx(int nGlobal, int* pnVendor, int* pnCamera) const
{
    return SplitCameraIndex(m_camDB, nGlobal, *pnVendor, *pnCamera);
}

void CCameraFrameDlg::InitCameraList()
{
    m_lstCamera.ResetContent();
    const long long first = FirstCameraOf(m_camDB, m_nVendor);
    const int count = m_camDB.GetVendor(m_nVendor).nCameraCount;
    for (int i = 0; i < count; ++i)
        m_lstCamera.AddString(m_camDB.GetCamera(static_cast<int>(first + i)).strName);
    m_lstCamera.SetCurSel(0);
}

bool CCameraFrameDlg::TakeCamera(_ANGLE_OF_FIELD& camera)
{
    if (m_nCamera < 0)
        m_nCamera = 0;
    const int global = GetCameraNum(m_nVendor, m_nCamera);
    if (global < 0)
        return false;
    camera = m_camDB.GetCamera(global);
    return true;
}

void CCameraFrameDlg::SetCustomData()
{
    _ANGLE_OF_FIELD camera;
    if (m_nSizeMode != 0 || !TakeCamera(camera))
        return;
    m_dWidth = camera.dWidth;
    m_dHeight = camera.dHeight;
    TakeCustomGuider(camera);
}

BOOL CCameraFrameDlg::UpdateFov()
{
    _ANGLE_OF_FIELD camera;
    if (m_nSizeMode == 0 && TakeCamera(camera)) {
        m_dWidth = camera.dWidth;
        m_dHeight = camera.dHeight;
        TakeFovGuider(camera);
    }
    m_strFov.Empty();
    if (m_dWidth < kMinSensor || m_dWidth > kMaxSensor || m_dHeight < kMinSensor || m_dHeight > kMaxSensor)
        return FALSE;
    const double focal = static_cast<double>(m_nFocal);
    m_dFovH = FullAngleOfField(m_dWidth, focal);
    m_dFovV = FullAngleOfField(m_dHeight, focal);
    return TRUE;
}

void CCameraFrameDlg::ShowFovText()
{
    m_strFov = FormatAngleOfField(m_dFovH, m_dFovV, m_nFovUnit);
    m_stcFovValue.SetWindowTextW(m_strFov);
}

void CCameraFrameDlg::ChangeEdit()
{
    if (UpdateFov())
        ShowFovText();
}

BOOL CCameraFrameDlg::zendlg_UpdateData(BOOL bSaveAndValidate)
{
    const BOOL result = UpdateData(bSaveAndValidate);
    if (bSaveAndValidate) {
        m_nVendor = m_lstVendor.GetCurSel();
        m_nCamera = m_lstCamera.GetCurSel();
    } else {
        m_lstVendor.SetCurSel(m_nVendor);
        m_lstCamera.SetCurSel(m_nCamera);
    }
    return result;
}

BOOL CCameraFrameDlg::UpdateFrameStatus()
{
    const BOOL shown = m_bShow != 0;
    const BOOL custom = shown && m_nSizeMode == 1;
    EnableControls(*this,
                   {IDC_FOV_STC_COORDINATE, IDC_FOV_CMB_COORDINATE, IDC_CAMERA_STC_LENS, IDC_CAMERA_EDIT_LENS,
                    IDC_CAMERA_SPIN_LENS, IDC_CAMERA_STC_LENS_UNIT, IDC_CAMERA_GRP_CAMERA, IDC_CAMERA_RAD_SIZE,
                    IDC_CAMERA_STC_FOV, IDC_CAMERA_STC_FOV_VALUE, IDC_CAMERA_CMB_FOV_UNIT},
                   shown);
    EnableControls(*this, {IDC_CAMERA_RAD_LIST}, shown && m_camDB.GetCameraNum() > 0);
    EnableControls(*this, {IDC_CAMERA_STC_VENDOR, IDC_CAMERA_STC_CAMERA, IDC_CAMERA_LIST_VENDOR, IDC_CAMERA_LIST_CAMERA},
                   shown && m_nSizeMode == 0);
    EnableControls(*this,
                   {IDC_CAMERA_STC_HEIGHT, IDC_CAMERA_STC_HEIGHT_UNIT, IDC_CAMERA_EDIT_HEIGHT, IDC_CAMERA_SPIN_HEIGHT,
                    IDC_CAMERA_STC_WIDTH, IDC_CAMERA_STC_WIDTH_UNIT, IDC_CAMERA_EDIT_WIDTH, IDC_CAMERA_SPIN_WIDTH},
                   custom);
    return custom;
}

void CCameraFrameDlg::OnShowOrModeClicked()
{
    zendlg_UpdateData(TRUE);
    SetCustomData();
    UpdateStatus();
}

bool CCameraFrameDlg::ReportFrameErrors()
{
    bool reported = ReportIntRange(m_nFocal, 1, kMaxFocal, IDS_CAMERA_FOCAL_RANGE);
    if (m_nSizeMode == 1) {
        reported |= ReportRealRange(m_dHeight, kMinSensor, kMaxSensor, IDS_CAMERA_SENSOR_HEIGHT_RANGE);
        reported |= ReportRealRange(m_dWidth, kMinSensor, kMaxSensor, IDS_CAMERA_SENSOR_WIDTH_RANGE);
    }
    return reported;
}

bool CCameraFrameDlg::FrameFromCatalog(_ANGLE_OF_FIELD& frame)
{
    if (m_nSizeMode == 0 && TakeCamera(frame))
        return true;
    // Size mode 0 without a camera (an empty maker at the end of the catalogue) sends the
    // sizes shown, as size mode 1 does.
    frame = _ANGLE_OF_FIELD{};
    frame.strKey = kNoCamera;
    frame.dWidth = m_dWidth;
    frame.dHeight = m_dHeight;
    return false;
}

void CCameraFrameDlg::SaveFovUnit()
{
    CRegistry::Write(m_strSection, kFovUnitKey, m_nFovUnit, 1);
}

void CCameraFrameDlg::StepIntegerEdit(int nEditID, NMHDR* pNMHDR, LRESULT* pResult, int nMin, int nMax)
{
    const long long typed = AfxTextToInt(GetDlgItemText(nEditID));
    const long long value = ClampToRange(typed + StepOf(pNMHDR), nMin, nMax);
    CString text;
    text.Format(L"%d", static_cast<int>(value));
    SetDlgItemText(nEditID, text);
    *pResult = 0;
}

void CCameraFrameDlg::StepTenthsEdit(int nEditID, NMHDR* pNMHDR, LRESULT* pResult, int nMinTenths, int nMaxTenths)
{
    double tenths = std::floor(AfxTextToDouble(GetDlgItemText(nEditID)) * 10.0 + 0.5) + StepOf(pNMHDR);
    // Compared in floating point, so that a huge or unreadable number clamps instead of
    // overflowing an integer.
    if (!(tenths >= nMinTenths))
        tenths = nMinTenths;
    else if (tenths > nMaxTenths)
        tenths = nMaxTenths;
    CString text;
    text.Format(L"%.1f", tenths / 10.0);
    SetDlgItemText(nEditID, text);
    *pResult = 0;
}

void CCameraFrameDlg::OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpMeasureItemStruct)
{
    if (lpMeasureItemStruct && (nIDCtl == IDC_CAMERA_LIST_VENDOR || nIDCtl == IDC_CAMERA_LIST_CAMERA)) {
        if (const UINT height = ListItemHeight(::GetDlgItem(m_hWnd, nIDCtl)))
            lpMeasureItemStruct->itemHeight = height;
    }
    CWnd::OnMeasureItem(nIDCtl, lpMeasureItemStruct);
}

void CCameraFrameDlg::OnEnChangeDspViewEditLens()
{
    RecomputeAfterEdit(IDC_CAMERA_EDIT_LENS, m_nFocal, false);
}

void CCameraFrameDlg::OnEnChangeDspViewEditCustomH()
{
    RecomputeAfterEdit(IDC_CAMERA_EDIT_WIDTH, m_dWidth, true);
}

void CCameraFrameDlg::OnEnChangeDspViewEditCustomV()
{
    RecomputeAfterEdit(IDC_CAMERA_EDIT_HEIGHT, m_dHeight, true);
}

void CCameraFrameDlg::OnCbnSelchangeDspViewCmbFovUnit()
{
    zendlg_UpdateData(TRUE);
    ShowFovText();
}

void CCameraFrameDlg::OnDeltaposDspViewSpinLens(NMHDR* pNMHDR, LRESULT* pResult)
{
    StepIntegerEdit(IDC_CAMERA_EDIT_LENS, pNMHDR, pResult, 1, kMaxFocal);
}

void CCameraFrameDlg::OnLbnSelchangeDspViewListVendor()
{
    zendlg_UpdateData(TRUE);
    InitCameraList();
    m_nCamera = 0;
    SetCustomData();
    ChangeEdit();
    zendlg_UpdateData(FALSE);
}

void CCameraFrameDlg::OnLbnSelchangeDspViewListCamera()
{
    zendlg_UpdateData(TRUE);
    SetCustomData();
    ChangeEdit();
    zendlg_UpdateData(FALSE);
}

void CCameraFrameDlg::OnDeltaposDspViewSpinCustomH(NMHDR* pNMHDR, LRESULT* pResult)
{
    StepTenthsEdit(IDC_CAMERA_EDIT_WIDTH, pNMHDR, pResult, 10, 10000);
}

void CCameraFrameDlg::OnDeltaposDspViewSpinCustomV(NMHDR* pNMHDR, LRESULT* pResult)
{
    StepTenthsEdit(IDC_CAMERA_EDIT_HEIGHT, pNMHDR, pResult, 10, 10000);
}
