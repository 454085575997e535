#include "dialogs/fov/DlgVmosaic.h"

#include "dialogs/fov/FovCommon.h"
#include "framework/kivreg/Registry.h"
#include "resources/ids_fov.h"

#include <climits>
#include <cmath>
#include <iterator>

namespace {

const wchar_t kFamily[] = L"MosaicOfField";
const wchar_t kCameraKey[] = L"Camera";

constexpr int kMaxFrames = 20;
constexpr int kMaxOverlap = 99;

// The host's overlap (a fraction) in whole percent, truncated toward zero.
UINT OverlapPercent(double dFraction)
{
    const double percent = std::trunc(dFraction * 100.0);
    // Kept within the int range, so that an absurd answer converts without overflow; a negative
    // one wraps as the integer would and fails the check on OK.
    if (!(percent >= INT_MIN))
        return static_cast<UINT>(INT_MIN);
    if (percent > INT_MAX)
        return static_cast<UINT>(INT_MAX);
    return static_cast<UINT>(static_cast<int>(percent));
}

}  // namespace

const CRuntimeClass CDlgVmosaic::classCDlgVmosaic{"CDlgVmosaic", &CDialog::classCDialog};

const CRuntimeClass* CDlgVmosaic::GetRuntimeClass() const
{
    return &classCDlgVmosaic;
}

CDlgVmosaic::CDlgVmosaic(CString strAppDataPath, CCorZen* pChannel, CCorZen* pChannel2, CWnd* pParent)
    : CCameraFrameDlg(strAppDataPath, pChannel, pChannel2, IDD_VMOSAIC, IDS_SECTION_VMOSAIC, pParent)
{
}

CDlgVmosaic::CDlgVmosaic(CWnd* pParent) : CCameraFrameDlg(IDD_VMOSAIC, IDS_SECTION_VMOSAIC, pParent) {}

CDlgVmosaic::~CDlgVmosaic() = default;

const AFX_MSGMAP* CDlgVmosaic::GetMessageMap() const
{
    static const AFX_MSGMAP_ENTRY entries[] = {
        MapClicked<&CDlgVmosaic::OnBnClickedDspViewButtonColor>(IDC_FOV_BTN_COLOR),
        MapClicked<&CDlgVmosaic::OnBnClickedDspViewCheckMosaic>(IDC_VMOSAIC_CHK_VISIBLE),
        MapClicked<&CDlgVmosaic::OnBnClickedDspViewCheckMosaic>(IDC_CAMERA_RAD_LIST),
        MapClicked<&CDlgVmosaic::OnBnClickedDspViewCheckMosaic>(IDC_CAMERA_RAD_SIZE),
        MapEnChange<&CDlgVmosaic::OnEnChangeDspViewEditRow>(IDC_VMOSAIC_EDIT_ROW),
        MapEnChange<&CDlgVmosaic::OnEnChangeDspViewEditColumn>(IDC_VMOSAIC_EDIT_COLUMN),
        MapEnChange<&CDlgVmosaic::OnEnChangeDspViewEditOverlap>(IDC_VMOSAIC_EDIT_OVERLAP),
        MapNotify<&CDlgVmosaic::OnDeltaposDspViewSpinRow>(UDN_DELTAPOS, IDC_VMOSAIC_SPIN_ROW),
        MapNotify<&CDlgVmosaic::OnDeltaposDspViewSpinColumn>(UDN_DELTAPOS, IDC_VMOSAIC_SPIN_COLUMN),
        MapNotify<&CDlgVmosaic::OnDeltaposDspViewSpinOverlap>(UDN_DELTAPOS, IDC_VMOSAIC_SPIN_OVERLAP),
    };
    static const AFX_MSGMAP map{CCameraFrameDlg::GetMessageMap(), entries, std::size(entries)};
    return &map;
}

void CDlgVmosaic::DoDataExchange(CDataExchange* pDX)
{
    CCameraFrameDlg::DoDataExchange(pDX);
    DDX_Check(pDX, IDC_VMOSAIC_CHK_VISIBLE, m_bShow);
    ExchangeLensAndMode(pDX);
    ExchangeSensor(pDX);
    DDX_Text(pDX, IDC_VMOSAIC_EDIT_ROW, m_nRow);
    DDX_Text(pDX, IDC_VMOSAIC_EDIT_COLUMN, m_nColumn);
    DDX_Text(pDX, IDC_VMOSAIC_EDIT_OVERLAP, m_nOverlap);
    // Exchanged, so that a frame without an angle shows an empty text at the next load.
    DDX_Text(pDX, IDC_CAMERA_STC_FOV_VALUE, m_strFov);
    ExchangeUnitAndCoordinate(pDX);
}

void CDlgVmosaic::AttachControls()
{
    CCameraFrameDlg::AttachControls();
    m_chkShow.Attach(IDC_VMOSAIC_CHK_VISIBLE, this);
    m_grpMosaic.Attach(IDC_VMOSAIC_GRP_MOSAIC, this);
    m_stcRow.Attach(IDC_VMOSAIC_STC_ROW, this);
    m_edtRow.Attach(IDC_VMOSAIC_EDIT_ROW, this);
    m_spnRow.Attach(IDC_VMOSAIC_SPIN_ROW, this);
    m_stcColumn.Attach(IDC_VMOSAIC_STC_COLUMN, this);
    m_edtColumn.Attach(IDC_VMOSAIC_EDIT_COLUMN, this);
    m_spnColumn.Attach(IDC_VMOSAIC_SPIN_COLUMN, this);
    m_stcOverlap.Attach(IDC_VMOSAIC_STC_OVERLAP, this);
    m_edtOverlap.Attach(IDC_VMOSAIC_EDIT_OVERLAP, this);
    m_spnOverlap.Attach(IDC_VMOSAIC_SPIN_OVERLAP, this);
    m_stcOverlapUnit.Attach(IDC_VMOSAIC_STC_OVERLAP_UNIT, this);
}

BOOL CDlgVmosaic::OnInitDialog()
{
    CCameraFrameDlg::OnInitDialog();
    AttachControls();
    OpenFrame(kFamily);
    // A host without a mosaic camera of its own opens on the camera used last.
    CString camera = m_pChannel->Exec(L"? MosaicOfField.Camera");
    if (camera.IsEmpty() || camera == kNoCamera)
        CRegistry::Read(m_strSection, kCameraKey, L"", camera);
    if (!SelectHostCamera(camera))
        QuerySensorSize(kFamily);
    QueryCoordinate(kFamily);
    LimitFrameEdits();
    m_nRow = static_cast<UINT>(AfxTextToInt(m_pChannel->Exec(L"? MosaicOfField.Row")));
    m_nColumn = static_cast<UINT>(AfxTextToInt(m_pChannel->Exec(L"? MosaicOfField.Column")));
    m_nOverlap = OverlapPercent(AfxTextToDouble(m_pChannel->Exec(L"? MosaicOfField.Overlap")));
    FinishInit();
    return TRUE;
}

void CDlgVmosaic::UpdateStatus()
{
    UpdateFrameStatus();
    EnableControls(*this,
                   {IDC_VMOSAIC_GRP_MOSAIC, IDC_VMOSAIC_STC_ROW, IDC_VMOSAIC_EDIT_ROW, IDC_VMOSAIC_SPIN_ROW,
                    IDC_VMOSAIC_STC_COLUMN, IDC_VMOSAIC_EDIT_COLUMN, IDC_VMOSAIC_SPIN_COLUMN, IDC_VMOSAIC_STC_OVERLAP,
                    IDC_VMOSAIC_EDIT_OVERLAP, IDC_VMOSAIC_SPIN_OVERLAP, IDC_VMOSAIC_STC_OVERLAP_UNIT},
                   m_bShow);
}

void CDlgVmosaic::OnBnClickedDspViewButtonColor()
{
    RunColorDialog(L"MosaicOfField.Color");
}

void CDlgVmosaic::OnBnClickedDspViewCheckMosaic()
{
    OnShowOrModeClicked();
}

void CDlgVmosaic::OnEnChangeDspViewEditRow()
{
    RecomputeAfterEdit(IDC_VMOSAIC_EDIT_ROW, m_nRow, false);
}

void CDlgVmosaic::OnEnChangeDspViewEditColumn()
{
    RecomputeAfterEdit(IDC_VMOSAIC_EDIT_COLUMN, m_nColumn, false);
}

void CDlgVmosaic::OnEnChangeDspViewEditOverlap()
{
    RecomputeAfterEdit(IDC_VMOSAIC_EDIT_OVERLAP, m_nOverlap, false);
}

void CDlgVmosaic::OnDeltaposDspViewSpinRow(NMHDR* pNMHDR, LRESULT* pResult)
{
    StepIntegerEdit(IDC_VMOSAIC_EDIT_ROW, pNMHDR, pResult, 1, kMaxFrames);
}

void CDlgVmosaic::OnDeltaposDspViewSpinColumn(NMHDR* pNMHDR, LRESULT* pResult)
{
    StepIntegerEdit(IDC_VMOSAIC_EDIT_COLUMN, pNMHDR, pResult, 1, kMaxFrames);
}

void CDlgVmosaic::OnDeltaposDspViewSpinOverlap(NMHDR* pNMHDR, LRESULT* pResult)
{
    StepIntegerEdit(IDC_VMOSAIC_EDIT_OVERLAP, pNMHDR, pResult, 0, kMaxOverlap);
}

bool CDlgVmosaic::ReportMosaicErrors()
{
    bool reported = ReportIntRange(m_nRow, 1, kMaxFrames, IDS_VMOSAIC_ROW_RANGE);
    reported |= ReportIntRange(m_nColumn, 1, kMaxFrames, IDS_VMOSAIC_COLUMN_RANGE);
    // The overlap is the last check: nothing after it is validated.
    reported |= ReportIntRange(m_nOverlap, 0, kMaxOverlap, IDS_VMOSAIC_OVERLAP_RANGE);
    return reported;
}

void CDlgVmosaic::OnOK()
{
    if (!zendlg_UpdateData(TRUE))
        return;
    if (m_bShow) {
        bool reported = ReportFrameErrors();
        reported |= ReportMosaicErrors();
        if (reported)
            return;
    }
    _ANGLE_OF_FIELD frame;
    FrameFromCatalog(frame);
    DoitBool(L"MosaicOfField.Visible", m_bShow);
    m_pChannel->ExecFormat(L"MosaicOfField.Camera = \"%s\"", frame.strKey.GetString());
    m_pChannel->ExecFormat(L"MosaicOfField.FocalLength = %d", m_nFocal);
    m_pChannel->ExecFormat(L"MosaicOfField.Row = %d", m_nRow);
    m_pChannel->ExecFormat(L"MosaicOfField.Column = %d", m_nColumn);
    m_pChannel->ExecFormat(L"MosaicOfField.Overlap = %f", m_nOverlap / 100.0);
    m_pChannel->ExecFormat(L"MosaicOfField.HorizontalSize = %f", frame.dWidth);
    m_pChannel->ExecFormat(L"MosaicOfField.VerticalSize = %f", frame.dHeight);
    static const wchar_t* const kCoordinate[] = {L"MosaicOfField.Coordinate = Screen",
                                                 L"MosaicOfField.Coordinate= EquatorialDateMean",
                                                 L"MosaicOfField.Coordinate = Horizon"};
    m_pChannel->Exec(kCoordinate[m_nCoordinate == 1 || m_nCoordinate == 2 ? m_nCoordinate : 0]);
    m_pChannel->Exec(L"Show Sky");
    CRegistry::Write(m_strSection, kCameraKey, frame.strKey);
    SaveFovUnit();
    EndDialog(IDOK);
}
