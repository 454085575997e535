#include "dialogs/fov/DlgVfield.h"

#include "dialogs/fov/FovCommon.h"
#include "resources/ids_fov.h"

#include <iterator>

namespace {

const wchar_t kFamily[] = L"AngleOfField";

constexpr double kMinGuider = 1.0;
constexpr double kMaxGuider = 1000.0;

}  // namespace

const CRuntimeClass CDlgVfield::classCDlgVfield{"CDlgVfield", &CDialog::classCDialog};

const CRuntimeClass* CDlgVfield::GetRuntimeClass() const
{
    return &classCDlgVfield;
}

CDlgVfield::CDlgVfield(CString strAppDataPath, CCorZen* pChannel, CCorZen* pChannel2, CWnd* pParent)
    : CCameraFrameDlg(strAppDataPath, pChannel, pChannel2, IDD_VFIELD, IDS_SECTION_VFIELD, pParent)
{
}

CDlgVfield::CDlgVfield(CWnd* pParent) : CCameraFrameDlg(IDD_VFIELD, IDS_SECTION_VFIELD, pParent)
{
    m_nVendor = 0;
}

CDlgVfield::~CDlgVfield() = default;

const AFX_MSGMAP* CDlgVfield::GetMessageMap() const
{
    static const AFX_MSGMAP_ENTRY entries[] = {
        MapClicked<&CDlgVfield::OnBnClickedDspViewCheckField>(IDC_VFIELD_CHK_VISIBLE),
        MapClicked<&CDlgVfield::OnBnClickedDspViewCheckField>(IDC_CAMERA_RAD_LIST),
        MapClicked<&CDlgVfield::OnBnClickedDspViewCheckField>(IDC_CAMERA_RAD_SIZE),
        MapClicked<&CDlgVfield::OnBnClickedDspViewCheckGuide>(IDC_VFIELD_CHK_GUIDER),
        MapNotify<&CDlgVfield::OnDeltaposDspViewSpinGuideH>(UDN_DELTAPOS, IDC_VFIELD_SPIN_GUIDER_WIDTH),
        MapNotify<&CDlgVfield::OnDeltaposDspViewSpinGuideV>(UDN_DELTAPOS, IDC_VFIELD_SPIN_GUIDER_HEIGHT),
        MapNotify<&CDlgVfield::OnDeltaposDspViewSpinGuideDis>(UDN_DELTAPOS, IDC_VFIELD_SPIN_GUIDER_DISTANCE),
        MapClicked<&CDlgVfield::OnBnClickedDspViewButtonColor>(IDC_FOV_BTN_COLOR),
    };
    static const AFX_MSGMAP map{CCameraFrameDlg::GetMessageMap(), entries, std::size(entries)};
    return &map;
}

void CDlgVfield::DoDataExchange(CDataExchange* pDX)
{
    CCameraFrameDlg::DoDataExchange(pDX);
    DDX_Check(pDX, IDC_VFIELD_CHK_VISIBLE, m_bShow);
    ExchangeLensAndMode(pDX);
    DDX_Check(pDX, IDC_VFIELD_CHK_GUIDER, m_bGuider);
    DDX_Text(pDX, IDC_VFIELD_EDIT_GUIDER_HEIGHT, m_dGuiderHeight);
    DDX_Text(pDX, IDC_VFIELD_EDIT_GUIDER_WIDTH, m_dGuiderWidth);
    DDX_Text(pDX, IDC_VFIELD_EDIT_GUIDER_DISTANCE, m_dGuiderDistance);
    ExchangeSensor(pDX);
    ExchangeUnitAndCoordinate(pDX);
}

void CDlgVfield::AttachControls()
{
    CCameraFrameDlg::AttachControls();
    m_chkShow.Attach(IDC_VFIELD_CHK_VISIBLE, this);
    m_chkGuider.Attach(IDC_VFIELD_CHK_GUIDER, this);
    m_stcGuiderWidth.Attach(IDC_VFIELD_STC_GUIDER_WIDTH, this);
    m_edtGuiderWidth.Attach(IDC_VFIELD_EDIT_GUIDER_WIDTH, this);
    m_spnGuiderWidth.Attach(IDC_VFIELD_SPIN_GUIDER_WIDTH, this);
    m_stcGuiderWidthUnit.Attach(IDC_VFIELD_STC_GUIDER_WIDTH_UNIT, this);
    m_stcGuiderHeight.Attach(IDC_VFIELD_STC_GUIDER_HEIGHT, this);
    m_edtGuiderHeight.Attach(IDC_VFIELD_EDIT_GUIDER_HEIGHT, this);
    m_spnGuiderHeight.Attach(IDC_VFIELD_SPIN_GUIDER_HEIGHT, this);
    m_stcGuiderHeightUnit.Attach(IDC_VFIELD_STC_GUIDER_HEIGHT_UNIT, this);
    m_stcGuiderDistance.Attach(IDC_VFIELD_STC_GUIDER_DISTANCE, this);
    m_edtGuiderDistance.Attach(IDC_VFIELD_EDIT_GUIDER_DISTANCE, this);
    m_spnGuiderDistance.Attach(IDC_VFIELD_SPIN_GUIDER_DISTANCE, this);
    m_stcGuiderDistanceUnit.Attach(IDC_VFIELD_STC_GUIDER_DISTANCE_UNIT, this);
}

BOOL CDlgVfield::OnInitDialog()
{
    CCameraFrameDlg::OnInitDialog();
    AttachControls();
    OpenFrame(kFamily);
    if (!SelectHostCamera(m_pChannel->Exec(L"? AngleOfField.Camera"))) {
        QuerySensorSize(kFamily);
        m_bGuider = m_pChannel->Exec(L"? AngleOfField.Guider.Visible") == L"TRUE";
        m_dGuiderWidth = AfxTextToDouble(m_pChannel->Exec(L"? AngleOfField.Guider.HorizontalSize"));
        m_dGuiderHeight = AfxTextToDouble(m_pChannel->Exec(L"? AngleOfField.Guider.VerticalSize"));
        m_dGuiderDistance = AfxTextToDouble(m_pChannel->Exec(L"? AngleOfField.Guider.Distance"));
    }
    QueryCoordinate(kFamily);
    LimitFrameEdits();
    for (CZenEdit* edit : {&m_edtGuiderWidth, &m_edtGuiderHeight, &m_edtGuiderDistance})
        edit->LimitText(6);
    FinishInit();
    return TRUE;
}

void CDlgVfield::TakeCustomGuider(const _ANGLE_OF_FIELD& camera)
{
    m_bGuider = camera.dGuiderDistance >= 0.0;
    m_dGuiderDistance = m_bGuider ? camera.dGuiderDistance : 0.0;
    m_dGuiderWidth = m_bGuider ? camera.dGuiderWidth : 0.0;
    m_dGuiderHeight = m_bGuider ? camera.dGuiderHeight : 0.0;
}

void CDlgVfield::TakeFovGuider(const _ANGLE_OF_FIELD& camera)
{
    m_dGuiderHeight = camera.dGuiderHeight;
    m_dGuiderWidth = camera.dGuiderWidth;
    m_dGuiderDistance = camera.dGuiderDistance;
    m_bGuider = camera.dGuiderWidth > 0.0;
}

void CDlgVfield::UpdateStatus()
{
    const BOOL custom = UpdateFrameStatus();
    EnableControls(*this, {IDC_VFIELD_CHK_GUIDER}, custom);
    EnableControls(*this,
                   {IDC_VFIELD_STC_GUIDER_WIDTH, IDC_VFIELD_STC_GUIDER_WIDTH_UNIT, IDC_VFIELD_EDIT_GUIDER_WIDTH,
                    IDC_VFIELD_SPIN_GUIDER_WIDTH, IDC_VFIELD_STC_GUIDER_HEIGHT, IDC_VFIELD_STC_GUIDER_HEIGHT_UNIT,
                    IDC_VFIELD_EDIT_GUIDER_HEIGHT, IDC_VFIELD_SPIN_GUIDER_HEIGHT, IDC_VFIELD_STC_GUIDER_DISTANCE,
                    IDC_VFIELD_STC_GUIDER_DISTANCE_UNIT, IDC_VFIELD_EDIT_GUIDER_DISTANCE,
                    IDC_VFIELD_SPIN_GUIDER_DISTANCE},
                   custom && m_bGuider);
}

void CDlgVfield::OnBnClickedDspViewCheckField()
{
    OnShowOrModeClicked();
}

void CDlgVfield::OnBnClickedDspViewCheckGuide()
{
    zendlg_UpdateData(TRUE);
    UpdateStatus();
}

void CDlgVfield::OnDeltaposDspViewSpinGuideH(NMHDR* pNMHDR, LRESULT* pResult)
{
    StepTenthsEdit(IDC_VFIELD_EDIT_GUIDER_WIDTH, pNMHDR, pResult, 10, 10000);
}

void CDlgVfield::OnDeltaposDspViewSpinGuideV(NMHDR* pNMHDR, LRESULT* pResult)
{
    StepTenthsEdit(IDC_VFIELD_EDIT_GUIDER_HEIGHT, pNMHDR, pResult, 10, 10000);
}

void CDlgVfield::OnDeltaposDspViewSpinGuideDis(NMHDR* pNMHDR, LRESULT* pResult)
{
    StepTenthsEdit(IDC_VFIELD_EDIT_GUIDER_DISTANCE, pNMHDR, pResult, 0, 10000);
}

void CDlgVfield::OnBnClickedDspViewButtonColor()
{
    RunColorDialog(L"AngleOfField.Color");
}

bool CDlgVfield::ReportGuiderErrors()
{
    bool reported = ReportRealRange(m_dGuiderHeight, kMinGuider, kMaxGuider, IDS_VFIELD_GUIDER_HEIGHT_RANGE);
    reported |= ReportRealRange(m_dGuiderWidth, kMinGuider, kMaxGuider, IDS_VFIELD_GUIDER_WIDTH_RANGE);
    // The distance is the last check: nothing after it is validated.
    reported |= ReportRealRange(m_dGuiderDistance, 0.0, kMaxGuider, IDS_VFIELD_GUIDER_DISTANCE_RANGE);
    return reported;
}

void CDlgVfield::OnOK()
{
    if (!zendlg_UpdateData(TRUE))
        return;
    if (m_bShow) {
        bool reported = ReportFrameErrors();
        if (m_nSizeMode == 1 && m_bGuider)
            reported |= ReportGuiderErrors();
        if (reported)
            return;
    }
    _ANGLE_OF_FIELD frame;
    BOOL bGuider = m_bGuider;
    if (FrameFromCatalog(frame)) {
        bGuider = frame.dGuiderDistance >= 0.0;
    } else {
        frame.dGuiderWidth = m_dGuiderWidth;
        frame.dGuiderHeight = m_dGuiderHeight;
        frame.dGuiderDistance = m_dGuiderDistance;
    }
    SendFrame(frame, bGuider);
    SaveFovUnit();
    EndDialog(IDOK);
}

void CDlgVfield::SendFrame(const _ANGLE_OF_FIELD& frame, BOOL bGuider)
{
    DoitBool(L"AngleOfField.Visible", m_bShow);
    // Each setting goes to the host once as it stands and once as the default of new views.
    for (const wchar_t* prefix : {L"", L"default "}) {
        m_pChannel->ExecFormat(L"%sAngleOfField.Camera = \"%s\"", prefix, frame.strKey.GetString());
        m_pChannel->ExecFormat(L"%sAngleOfField.FocalLength = %d", prefix, m_nFocal);
        m_pChannel->ExecFormat(L"%sAngleOfField.HorizontalSize = %.1f", prefix, frame.dWidth);
        m_pChannel->ExecFormat(L"%sAngleOfField.VerticalSize = %.1f", prefix, frame.dHeight);
    }
    for (const wchar_t* prefix : {L"", L"default "}) {
        if (!bGuider) {
            m_pChannel->ExecFormat(L"%sAngleOfField.Guider.Visible = FALSE", prefix);
            continue;
        }
        m_pChannel->ExecFormat(L"%sAngleOfField.Guider.Visible = TRUE", prefix);
        m_pChannel->ExecFormat(L"%sAngleOfField.Guider.HorizontalSize = %.1f", prefix, frame.dGuiderWidth);
        m_pChannel->ExecFormat(L"%sAngleOfField.Guider.VerticalSize = %.1f", prefix, frame.dGuiderHeight);
        m_pChannel->ExecFormat(L"%sAngleOfField.Guider.Distance = %.1f", prefix, frame.dGuiderDistance);
    }
    static const wchar_t* const kCoordinate[] = {L"AngleOfField.Coordinate = Screen",
                                                 L"AngleOfField.Coordinate = EquatorialDateMean",
                                                 L"AngleOfField.Coordinate = Horizon"};
    m_pChannel->Exec(kCoordinate[m_nCoordinate == 1 || m_nCoordinate == 2 ? m_nCoordinate : 0]);
    m_pChannel->Exec(L"Show Sky");
}
