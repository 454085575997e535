#include "dialogs/landscape/DlgGeography81.h"

#include "platform/afx/Gdi.h"
#include "resources/ids_landscape.h"

#include <shlobj.h>

#include <algorithm>
#include <iterator>

namespace {

constexpr int kMinRadius = 1;
constexpr int kMaxRadius = 300;
constexpr UINT kTerrainDataMissing = WM_USER + 1021;

const wchar_t kResolutionQuery[] = L"? Solar.Planet.Earth.Landscape.Resolution";

}  // namespace

int ResolutionToSlider(double dResolution)
{
    const double tenths = dResolution * 10.0;
    // Out of the int range the truncation is undefined; such answers sit at the ends anyway.
    if (!(tenths < 1000.0))
        return 10;
    if (!(tenths > -1000.0))
        return 1;
    const int position = static_cast<int>(tenths);
    if (position > 9)
        return 10;
    if (position < 2)
        return 1;
    return position;
}

int BrightnessToOpacity(double dBrightness)
{
    const double percent = dBrightness * 100.0 + 0.5;
    if (!(percent < 1000.0))
        return COpacityTrio::kMax;
    if (!(percent > -1000.0))
        return COpacityTrio::kMin;
    return std::clamp(static_cast<int>(percent), COpacityTrio::kMin, COpacityTrio::kMax);
}

const CRuntimeClass CDlgGeography81::classCDlgGeography81{"CDlgGeography81", &CDialog::classCDialog};

const CRuntimeClass* CDlgGeography81::GetRuntimeClass() const
{
    return &classCDlgGeography81;
}

CDlgGeography81::CDlgGeography81(CCorZen* pChannel, CCorZen* pChannel2, int bTerrainData, CWnd* pParent)
    : CZenDialog(pChannel, pChannel2, IDD_GEOGRAPHY, pParent),
      m_bTerrainData(bTerrainData),
      m_sizes{{512, 256}, {512, 512}, {1024, 512}, {1024, 1024}, {2048, 1024}, {2048, 2048}},
      m_opacity(*this, m_nOpacity, m_sldOpacity, m_edtOpacity)
{
    m_strSection.LoadString(IDS_SECTION_GEOGRAPHY);
}

CDlgGeography81::CDlgGeography81(CWnd* pParent)
    : CZenDialog(IDD_GEOGRAPHY, pParent),
      m_sizes{{512, 256}, {512, 512}, {1024, 512}, {1024, 1024}, {2048, 1024}, {2048, 2048}},
      m_opacity(*this, m_nOpacity, m_sldOpacity, m_edtOpacity)
{
    m_strSection.LoadString(IDS_SECTION_GEOGRAPHY);
}

CDlgGeography81::~CDlgGeography81() = default;

const AFX_MSGMAP* CDlgGeography81::GetMessageMap() const
{
    static const AFX_MSGMAP_ENTRY entries[] = {
        MapClicked<&CDlgGeography81::OnBnClickedDspGeo81ChkGeo>(IDC_GEO_CHK_VISIBLE),
        MapClicked<&CDlgGeography81::OnBnClickedDspGeo81ChkBitmap>(IDC_GEO_CHK_BITMAP),
        MapClicked<&CDlgGeography81::OnBnClickedDspGeo81ChkUpdateIfLocChange>(IDC_GEO_CHK_UPDATE),
        MapEnChange<&CDlgGeography81::OnEnChangeDspGeo81EdtRadius>(IDC_GEO_EDIT_RADIUS),
        MapNotify<&CDlgGeography81::OnDeltaposDspGeo81SpnRadius>(UDN_DELTAPOS, IDC_GEO_SPIN_RADIUS),
        MapClicked<&CDlgGeography81::OnBnClickedDspGeo81RdAutoAlt>(IDC_GEO_RAD_AUTO_ALTITUDE),
        MapClicked<&CDlgGeography81::OnBnClickedDspGeo81RdConstAlt>(IDC_GEO_RAD_CONST_ALTITUDE),
        MapEnChange<&CDlgGeography81::OnEnChangeDspGeo81EdtOpacity>(IDC_GEO_EDIT_OPACITY),
        MapNotify<&CDlgGeography81::OnDeltaposDspGeo81SpnOpacity>(UDN_DELTAPOS, IDC_GEO_SPIN_OPACITY),
        MapHScroll<&CDlgGeography81::OnHScroll>(),
    };
    static const AFX_MSGMAP map{CZenDialog::GetMessageMap(), entries, std::size(entries)};
    return &map;
}

void CDlgGeography81::DoDataExchange(CDataExchange* pDX)
{
    CZenDialog::DoDataExchange(pDX);
    DDX_Check(pDX, IDC_GEO_CHK_VISIBLE, m_bShow);
    DDX_Check(pDX, IDC_GEO_CHK_BITMAP, m_bBitmap);
    DDX_Check(pDX, IDC_GEO_CHK_UPDATE, m_bUpdate);
    DDX_Slider(pDX, IDC_GEO_SLD_RESOLUTION, m_nResolution);
    DDX_Text(pDX, IDC_GEO_EDIT_RADIUS, m_nRadius);
    DDX_Radio(pDX, IDC_GEO_RAD_AUTO_ALTITUDE, m_nAltitude);
    DDX_Text(pDX, IDC_GEO_EDIT_OPACITY, m_nOpacity);
}

void CDlgGeography81::AttachControls()
{
    CZenDialog::AttachControls();
    m_chkShow.Attach(IDC_GEO_CHK_VISIBLE, this);
    m_grpResolution.Attach(IDC_GEO_GRP_RESOLUTION, this);
    m_sldResolution.Attach(IDC_GEO_SLD_RESOLUTION, this);
    m_stcCoarse.Attach(IDC_GEO_STC_COARSE, this);
    m_stcDetailed.Attach(IDC_GEO_STC_DETAILED, this);
    m_grpRange.Attach(IDC_GEO_GRP_RANGE, this);
    m_edtRadius.Attach(IDC_GEO_EDIT_RADIUS, this);
    m_spnRadius.Attach(IDC_GEO_SPIN_RADIUS, this);
    m_stcKm.Attach(IDC_GEO_STC_KM, this);
    m_grpBitmap.Attach(IDC_GEO_GRP_BITMAP, this);
    m_chkBitmap.Attach(IDC_GEO_CHK_BITMAP, this);
    m_stcSize.Attach(IDC_GEO_STC_SIZE, this);
    m_cmbSize.Attach(IDC_GEO_CMB_SIZE, this);
    m_stcPixels.Attach(IDC_GEO_STC_PIXELS, this);
    m_chkUpdate.Attach(IDC_GEO_CHK_UPDATE, this);
    m_grpAltitude.Attach(IDC_GEO_GRP_ALTITUDE, this);
    m_radAutoAltitude.Attach(IDC_GEO_RAD_AUTO_ALTITUDE, this);
    m_radConstAltitude.Attach(IDC_GEO_RAD_CONST_ALTITUDE, this);
    m_grpOpacity.Attach(IDC_GEO_GRP_OPACITY, this);
    m_stcTransparent.Attach(IDC_GEO_STC_TRANSPARENT, this);
    m_sldOpacity.Attach(IDC_GEO_SLD_OPACITY, this);
    m_stcOpaque.Attach(IDC_GEO_STC_OPAQUE, this);
    m_edtOpacity.Attach(IDC_GEO_EDIT_OPACITY, this);
    m_spnOpacity.Attach(IDC_GEO_SPIN_OPACITY, this);
    m_stcPercent.Attach(IDC_GEO_STC_PERCENT, this);
}

BOOL CDlgGeography81::OnInitDialog()
{
    CZenDialog::OnInitDialog();
    AttachControls();

    m_bShow = IsIt(L"Solar.Planet.Earth.Landscape.Visible", L"TRUE");
    m_nResolution = ResolutionToSlider(AfxTextToDouble(m_pChannel->Exec(kResolutionQuery)));
    m_sldResolution.SetRange(1, 10);
    m_sldResolution.SetTicFreq(1);

    m_nRadius = AfxTextToInt(m_pChannel->Exec(L"? Solar.Planet.Earth.Landscape.Radius"));
    m_bBitmap = IsIt(L"Solar.Planet.Earth.Landscape.Bitmap.Visible", L"TRUE");
    InitCombo();

    m_bUpdate = IsIt(L"Solar.Planet.Earth.Landscape.Bitmap.UpdateByLocation", L"TRUE");
    m_nAltitude = IsIt(L"Solar.Planet.Earth.Landscape.AutoGetAltitude", L"TRUE") ? 0 : 1;
    m_nOpacity = BrightnessToOpacity(AfxTextToDouble(m_pChannel->Exec(L"? Solar.Planet.Earth.Landscape.Brightness")));
    m_opacity.SetUpSlider();

    UpdateData(FALSE);
    UpdateStatus();
    return TRUE;
}

void CDlgGeography81::InitCombo()
{
    const int hostWidth = AfxTextToInt(m_pChannel->Exec(L"? Solar.Planet.Earth.Landscape.Bitmap.Width"));
    const int hostHeight = AfxTextToInt(m_pChannel->Exec(L"? Solar.Planet.Earth.Landscape.Bitmap.Height"));
    int selected = -1;
    for (const BitmapSize& size : m_sizes) {
        CString text;
        text.Format(L"%dx%d", size.width, size.height);
        const int index = m_cmbSize.AddString(text);
        const DWORD packed = (static_cast<DWORD>(size.height) << 16) | static_cast<DWORD>(size.width);
        m_cmbSize.SendMessage(CB_SETITEMDATA, static_cast<WPARAM>(index), static_cast<LPARAM>(packed));
        if ((size.width & 0xFFFF) == (hostWidth & 0xFFFF) && (size.height & 0xFFFF) == (hostHeight & 0xFFFF))
            selected = index;
    }
    m_cmbSize.SetCurSel(selected >= 0 ? selected : m_cmbSize.GetCount() - 1);
}

void CDlgGeography81::UpdateStatus()
{
    static const UINT kShown[] = {IDC_GEO_GRP_RESOLUTION, IDC_GEO_SLD_RESOLUTION,    IDC_GEO_STC_COARSE,
                                  IDC_GEO_STC_DETAILED,   IDC_GEO_GRP_RANGE,         IDC_GEO_EDIT_RADIUS,
                                  IDC_GEO_SPIN_RADIUS,    IDC_GEO_STC_KM,            IDC_GEO_CHK_BITMAP,
                                  IDC_GEO_GRP_ALTITUDE,   IDC_GEO_RAD_AUTO_ALTITUDE, IDC_GEO_RAD_CONST_ALTITUDE,
                                  IDC_GEO_GRP_OPACITY,    IDC_GEO_SLD_OPACITY,       IDC_GEO_EDIT_OPACITY,
                                  IDC_GEO_SPIN_OPACITY,   IDC_GEO_STC_TRANSPARENT,   IDC_GEO_STC_OPAQUE,
                                  IDC_GEO_STC_PERCENT};
    for (UINT id : kShown)
        GetDlgItem(static_cast<int>(id))->EnableWindow(m_bShow);
    for (UINT id : {IDC_GEO_STC_SIZE, IDC_GEO_CMB_SIZE, IDC_GEO_STC_PIXELS, IDC_GEO_CHK_UPDATE})
        GetDlgItem(static_cast<int>(id))->EnableWindow(m_bShow && m_bBitmap);
}

void CDlgGeography81::OnBnClickedDspGeo81ChkGeo()
{
    if (m_bBusy)
        return;
    m_bBusy = 1;
    if (m_bTerrainData) {
        UpdateData(TRUE);
        UpdateStatus();
        m_bBusy = 0;
        return;
    }
    // Without terrain data the box cannot be ticked: the application tells the user why.
    m_bShow = 0;
    UpdateData(FALSE);
    CString terrainData;
    terrainData.LoadString(IDS_GEOGRAPHY_TERRAIN_DATA);
    const HWND mainWindow = ::GetAncestor(GetSafeHwnd(), GA_ROOTOWNER);
    if (mainWindow && mainWindow != GetSafeHwnd()) {
        const auto text = reinterpret_cast<const wchar_t*>(terrainData.GetString());
        ::SendMessageW(mainWindow, kTerrainDataMissing, reinterpret_cast<WPARAM>(text), reinterpret_cast<LPARAM>(text));
    }
    m_chkShow.EnableWindow(FALSE);
}

void CDlgGeography81::OnBnClickedDspGeo81ChkBitmap()
{
    UpdateData(TRUE);
    UpdateStatus();
}

void CDlgGeography81::OnBnClickedDspGeo81ChkUpdateIfLocChange() { UpdateData(TRUE); }

void CDlgGeography81::OnBnClickedDspGeo81RdAutoAlt() { UpdateData(TRUE); }

void CDlgGeography81::OnBnClickedDspGeo81RdConstAlt() { UpdateData(TRUE); }

void CDlgGeography81::OnDeltaposDspGeo81SpnRadius(NMHDR* pNMHDR, LRESULT* pResult)
{
    *pResult = 0;
    if (!UpdateData(TRUE))
        return;
    m_nRadius = StepClamped(m_nRadius, reinterpret_cast<NMUPDOWN*>(pNMHDR)->iDelta, 1, kMinRadius, kMaxRadius);
    UpdateData(FALSE);
}

void CDlgGeography81::OnEnChangeDspGeo81EdtRadius()
{
    if (m_edtRadius.GetWindowTextLength() == 0 || !UpdateData(TRUE))
        return;
    m_nRadius = std::clamp(m_nRadius, kMinRadius, kMaxRadius);
    UpdateData(FALSE);
}

void CDlgGeography81::OnEnChangeDspGeo81EdtOpacity() { m_opacity.OnEditChange(); }

void CDlgGeography81::OnDeltaposDspGeo81SpnOpacity(NMHDR* pNMHDR, LRESULT* pResult)
{
    m_opacity.OnDeltapos(pNMHDR, pResult);
}

void CDlgGeography81::OnHScroll(UINT nSBCode, UINT nPos, CWnd* pScrollBar)
{
    m_opacity.OnHScroll(nSBCode, nPos, pScrollBar);
}

void CDlgGeography81::OnOK()
{
    CWaitCursor wait;
    if (!UpdateData(TRUE))
        return;
    DoitBool(L"Solar.Planet.Earth.Landscape.Visible", m_bShow);
    m_pChannel->ExecFormat(L"Solar.Planet.Earth.Landscape.Resolution = %.1f", m_nResolution / 10.0);
    m_pChannel->ExecFormat(L"Solar.Planet.Earth.Landscape.Radius = %d", m_nRadius);
    DoitBool(L"Solar.Planet.Earth.Landscape.Bitmap.Visible", m_bBitmap);
    DoitBool(L"Solar.Planet.Earth.Landscape.Bitmap.UpdateByLocation", m_bUpdate);
    const int selected = m_cmbSize.GetCurSel();
    if (selected >= 0) {
        const auto packed = static_cast<DWORD>(m_cmbSize.SendMessage(CB_GETITEMDATA, static_cast<WPARAM>(selected)));
        m_pChannel->ExecFormat(L"Solar.Planet.Earth.Landscape.Bitmap.Width = %d; Solar.Planet.Earth.Landscape.Bitmap.Height = %d",
                               static_cast<int>(LOWORD(packed)), static_cast<int>(HIWORD(packed)));
    }
    DoitBool(L"Solar.Planet.Earth.Landscape.AutoGetAltitude", !m_bFlightMode && m_nAltitude == 0);
    m_pChannel->ExecFormat(L"Solar.Planet.Earth.Landscape.Brightness = %.2f", m_nOpacity / 100.0);
    if (m_pShown)
        *m_pShown = m_bShow;
    m_pChannel->Exec(L"Show Sky");
    EndDialog(IDOK);
}

CString CDlgGeography81::LongToShort(CString strPath)
{
    wchar_t shortPath[MAX_PATH] = {};
    const DWORD length = ::GetShortPathNameW(strPath, shortPath, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return CString();
    return CString(shortPath);
}

CString CDlgGeography81::ShortToLong(CString strPath)
{
    wchar_t longPath[MAX_PATH] = {};
    if (!GetLongPathName95(strPath, longPath, MAX_PATH))
        return CString();
    return CString(longPath);
}

BOOL CDlgGeography81::GetLongPathName95(const wchar_t* pszShortPath, wchar_t* pszLongPath, DWORD nSize)
{
    if (!pszShortPath || !pszLongPath || nSize == 0)
        return FALSE;
    IMalloc* allocator = nullptr;
    if (FAILED(::SHGetMalloc(&allocator)))
        return FALSE;
    IShellFolder* desktop = nullptr;
    if (FAILED(::SHGetDesktopFolder(&desktop))) {
        allocator->Release();
        return FALSE;
    }
    wchar_t buffer[MAX_PATH] = {};
    lstrcpynW(buffer, pszShortPath, static_cast<int>(std::min<DWORD>(nSize, MAX_PATH)));
    LPITEMIDLIST items = nullptr;
    BOOL done = FALSE;
    if (SUCCEEDED(desktop->ParseDisplayName(nullptr, nullptr, buffer, nullptr, &items, nullptr)) && items) {
        wchar_t path[MAX_PATH] = {};
        if (::SHGetPathFromIDListW(items, path) && lstrlenW(path) < static_cast<int>(nSize)) {
            lstrcpynW(pszLongPath, path, static_cast<int>(nSize));
            done = TRUE;
        }
        allocator->Free(items);
    }
    desktop->Release();
    allocator->Release();
    return done;
}
