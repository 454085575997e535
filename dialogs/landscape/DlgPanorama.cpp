#include "dialogs/landscape/DlgPanorama.h"

#include "platform/afx/MessageBox.h"
#include "framework/kivcom/CommonFile.h"
#include "framework/kivdcm/ZenFileDialog.h"
#include "framework/kivreg/Registry.h"
#include "resources/ids_landscape.h"

#include <iterator>

namespace {

const wchar_t kDirectoryKey[] = L"Directory";
const wchar_t kUseNightKey[] = L"UseNightFile";

bool IsPowerOfTwo(int n) { return n > 0 && (n & (n - 1)) == 0; }

}  // namespace

CDlgPanorama::CDlgPanorama(CCorZen* pChannel, CCorZen* pChannel2, CWnd* pParent)
    : CZenDialog(pChannel, pChannel2, IDD_PANORAMA, pParent), m_opacity(*this, m_nOpacity, m_sldOpacity, m_edtOpacity)
{
    m_strSection.LoadString(IDS_SECTION_PANORAMA);
}

CDlgPanorama::CDlgPanorama(CWnd* pParent)
    : CZenDialog(IDD_PANORAMA, pParent), m_opacity(*this, m_nOpacity, m_sldOpacity, m_edtOpacity)
{
    m_strSection.LoadString(IDS_SECTION_PANORAMA);
}

CDlgPanorama::~CDlgPanorama()
{
    delete m_pMaskImage;
    delete m_pDayImage;
    delete m_pNightImage;
}

const AFX_MSGMAP* CDlgPanorama::GetMessageMap() const
{
    static const AFX_MSGMAP_ENTRY entries[] = {
        MapSimple<&CDlgPanorama::OnPaint>(WM_PAINT),
        MapClicked<&CDlgPanorama::OnButtonDayFile>(IDC_PANORAMA_BTN_DAY_FILE),
        MapClicked<&CDlgPanorama::OnButtonMaskFile>(IDC_PANORAMA_BTN_MASK_FILE),
        MapClicked<&CDlgPanorama::OnButtonNightFile>(IDC_PANORAMA_BTN_NIGHT_FILE),
        MapClicked<&CDlgPanorama::OnCheckNight>(IDC_PANORAMA_CHK_NIGHT),
        MapEnChange<&CDlgPanorama::OnEnChangeEdtOpacity>(IDC_PANORAMA_EDIT_OPACITY),
        MapNotify<&CDlgPanorama::OnDeltaposSpnOpacity>(UDN_DELTAPOS, IDC_PANORAMA_SPIN_OPACITY),
        MapHScroll<&CDlgPanorama::OnHScroll>(),
        MapClicked<&CDlgPanorama::OnBnClickedDspLndChkVisible>(IDC_PANORAMA_CHK_VISIBLE),
        MapClicked<&CDlgPanorama::OnBnClickedDspLndChkOriginNorth>(IDC_PANORAMA_CHK_CENTRE_SOUTH),
    };
    static const AFX_MSGMAP map{CZenDialog::GetMessageMap(), entries, std::size(entries)};
    return &map;
}

void CDlgPanorama::DoDataExchange(CDataExchange* pDX)
{
    CZenDialog::DoDataExchange(pDX);
    DDX_Check(pDX, IDC_PANORAMA_CHK_VISIBLE, m_bShow);
    DDX_Text(pDX, IDC_PANORAMA_EDIT_DAY_FILE, m_strDayFileText);
    DDX_Text(pDX, IDC_PANORAMA_EDIT_NIGHT_FILE, m_strNightFileText);
    DDX_Text(pDX, IDC_PANORAMA_EDIT_MASK_FILE, m_strMaskFileText);
    DDX_Check(pDX, IDC_PANORAMA_CHK_NIGHT, m_bNightFile);
    DDX_Text(pDX, IDC_PANORAMA_EDIT_OPACITY, m_nOpacity);
    DDX_Check(pDX, IDC_PANORAMA_CHK_CENTRE_SOUTH, m_bCentreSouth);
}

void CDlgPanorama::AttachControls()
{
    CZenDialog::AttachControls();
    m_chkShow.Attach(IDC_PANORAMA_CHK_VISIBLE, this);
    m_grpDay.Attach(IDC_PANORAMA_GRP_DAY, this);
    m_stcDayPreview.Attach(IDC_PANORAMA_STC_DAY_PREVIEW, this);
    m_stcDayFile.Attach(IDC_PANORAMA_STC_DAY_FILE, this);
    m_edtDayFile.Attach(IDC_PANORAMA_EDIT_DAY_FILE, this);
    m_btnDayFile.Attach(IDC_PANORAMA_BTN_DAY_FILE, this, 0, 0xC4C4C4, 0x6B6B6B, 0xC4C4C4, 1);
    m_grpMask.Attach(IDC_PANORAMA_GRP_MASK, this);
    m_stcMaskPreview.Attach(IDC_PANORAMA_STC_MASK_PREVIEW, this);
    m_stcMaskFile.Attach(IDC_PANORAMA_STC_MASK_FILE, this);
    m_edtMaskFile.Attach(IDC_PANORAMA_EDIT_MASK_FILE, this);
    m_btnMaskFile.Attach(IDC_PANORAMA_BTN_MASK_FILE, this, 0, 0xC4C4C4, 0x6B6B6B, 0xC4C4C4, 1);
    m_grpNight.Attach(IDC_PANORAMA_GRP_NIGHT, this);
    m_chkNight.Attach(IDC_PANORAMA_CHK_NIGHT, this);
    m_stcNightPreview.Attach(IDC_PANORAMA_STC_NIGHT_PREVIEW, this);
    m_stcNightFile.Attach(IDC_PANORAMA_STC_NIGHT_FILE, this);
    m_edtNightFile.Attach(IDC_PANORAMA_EDIT_NIGHT_FILE, this);
    m_btnNightFile.Attach(IDC_PANORAMA_BTN_NIGHT_FILE, this, 0, 0xC4C4C4, 0x6B6B6B, 0xC4C4C4, 1);
    for (int i = 0; i < 5; ++i) {
        m_stcDayLabels[i].Attach(IDC_PANORAMA_STC_DAY_LABEL1 + i, this);
        m_stcMaskLabels[i].Attach(IDC_PANORAMA_STC_MASK_LABEL1 + i, this);
        m_stcNightLabels[i].Attach(IDC_PANORAMA_STC_NIGHT_LABEL1 + i, this);
    }
    m_grpOpacity.Attach(IDC_PANORAMA_GRP_OPACITY, this);
    m_stcTransparent.Attach(IDC_PANORAMA_STC_TRANSPARENT, this);
    m_sldOpacity.Attach(IDC_PANORAMA_SLD_OPACITY, this);
    m_stcOpaque.Attach(IDC_PANORAMA_STC_OPAQUE, this);
    m_edtOpacity.Attach(IDC_PANORAMA_EDIT_OPACITY, this);
    m_spnOpacity.Attach(IDC_PANORAMA_SPIN_OPACITY, this);
    m_stcPercent.Attach(IDC_PANORAMA_STC_PERCENT, this);
    m_chkCentreSouth.Attach(IDC_PANORAMA_CHK_CENTRE_SOUTH, this);
}

CDlgPanorama::Picture CDlgPanorama::Get(Kind kind)
{
    switch (kind) {
    case kDay:
        return {m_strDayFile, m_pDayImage, m_nDayWidth, m_nDayHeight, m_previewDay, IDS_PANORAMA_DAY_LOAD,
                IDS_PANORAMA_DAY_POWER, IDS_PANORAMA_DAY_ASPECT, IDS_PANORAMA_TITLE_DAY, IDC_PANORAMA_STC_DAY_PREVIEW};
    case kMask:
        return {m_strMaskFile, m_pMaskImage, m_nMaskWidth, m_nMaskHeight, m_previewMask, IDS_PANORAMA_MASK_LOAD,
                IDS_PANORAMA_MASK_POWER, IDS_PANORAMA_MASK_ASPECT, IDS_PANORAMA_TITLE_MASK,
                IDC_PANORAMA_STC_MASK_PREVIEW};
    default:
        return {m_strNightFile, m_pNightImage, m_nNightWidth, m_nNightHeight, m_previewNight, IDS_PANORAMA_NIGHT_LOAD,
                IDS_PANORAMA_NIGHT_POWER, IDS_PANORAMA_NIGHT_ASPECT, IDS_PANORAMA_TITLE_NIGHT,
                IDC_PANORAMA_STC_NIGHT_PREVIEW};
    }
}

BOOL CDlgPanorama::OnInitDialog()
{
    CZenDialog::OnInitDialog();
    AttachControls();

    if (m_strNightFile.IsEmpty())
        m_bNightFile = 0;
    else
        CRegistry::Read(m_strSection, kUseNightKey, 0, &m_bNightFile, 0);

    if (!m_strDayFile.IsEmpty() && !m_strMaskFile.IsEmpty()) {
        LoadImageFile(m_strMaskFile, &m_pMaskImage, &m_nMaskWidth, &m_nMaskHeight);
        LoadImageFile(m_strDayFile, &m_pDayImage, &m_nDayWidth, &m_nDayHeight);
        if (!m_strNightFile.IsEmpty())
            LoadImageFile(m_strNightFile, &m_pNightImage, &m_nNightWidth, &m_nNightHeight);
        CheckDayFile();
        CheckMaskFile();
        CheckNightFile();
    }
    m_strDayFileText = m_strDayFile;
    m_strMaskFileText = m_strMaskFile;
    m_strNightFileText = m_strNightFile;

    m_opacity.SetUpSlider();
    UpdateData(FALSE);
    UpdateStatus(0);
    OnBnClickedDspLndChkOriginNorth();
    return TRUE;
}

BOOL CDlgPanorama::LoadImageFile(CString strPath, CImage** ppImage, int* pnWidth, int* pnHeight)
{
    if (!*ppImage)
        *ppImage = new CImage;
    if (FAILED((*ppImage)->Load(strPath))) {
        delete *ppImage;
        *ppImage = nullptr;
        return FALSE;
    }
    *pnWidth = (*ppImage)->GetWidth();
    *pnHeight = (*ppImage)->GetHeight();
    return TRUE;
}

int CDlgPanorama::CheckPicture(Kind kind)
{
    Picture picture = Get(kind);
    CString text;
    if (!picture.image) {
        text.LoadString(picture.idsLoad);
        AfxMessageBox(text + L"\r\n" + picture.path, MB_ICONEXCLAMATION);
        picture.path.Empty();
        return 0;
    }
    UINT idsRefusal = 0;
    if (!IsPowerOfTwo(picture.width) || !IsPowerOfTwo(picture.height))
        idsRefusal = picture.idsPower;
    else if (picture.width < 4 * picture.height)
        idsRefusal = picture.idsAspect;
    if (!idsRefusal)
        return 1;
    picture.path.Empty();
    picture.width = 0;
    picture.height = 0;
    delete picture.image;
    picture.image = nullptr;
    AfxMessageBox(idsRefusal, MB_ICONEXCLAMATION);
    return 0;
}

int CDlgPanorama::CheckDayFile() { return CheckPicture(kDay); }

int CDlgPanorama::CheckMaskFile() { return CheckPicture(kMask); }

int CDlgPanorama::CheckNightFile() { return m_bNightFile ? CheckPicture(kNight) : 1; }

void CDlgPanorama::BrowsePicture(Kind kind)
{
    Picture picture = Get(kind);
    CString filter, title;
    filter.LoadString(IDS_PANORAMA_FILTER);
    title.LoadString(picture.idsTitle);
    CZenFileDialog dialog(TRUE, nullptr, L"", OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST, filter, nullptr);
    dialog.SetTitle(title);

    CString directory;
    CRegistry::Read(m_strSection, kDirectoryKey, CCommonFile::GetModulePath() + L"LndPic\\", directory);
    // The folder buffer holds MAX_PATH characters; a longer folder is cut there.
    wchar_t folder[MAX_PATH] = {};
    lstrcpynW(folder, directory, MAX_PATH);
    dialog.m_ofn.lpstrInitialDir = folder;

    if (dialog.DoModal() == IDOK) {
        const CString chosen = dialog.GetPathName();
        lstrcpynW(folder, CCommonFile::GetPathName(chosen), MAX_PATH);
        delete picture.image;
        picture.image = nullptr;
        picture.path = chosen;
        LoadImageFile(picture.path, &picture.image, &picture.width, &picture.height);
        if (kind == kDay)
            CheckDayFile();
        else if (kind == kMask)
            CheckMaskFile();
        else
            CheckNightFile();
        (kind == kDay ? m_strDayFileText : kind == kMask ? m_strMaskFileText : m_strNightFileText) = picture.path;
        UpdateData(FALSE);
        InvalidatePreview(picture.idPreview);
    }
    CRegistry::Write(m_strSection, kDirectoryKey, folder);
}

void CDlgPanorama::InvalidatePreview(UINT nID)
{
    CWnd* preview = GetDlgItem(static_cast<int>(nID));
    if (!preview)
        return;
    CRect rect;
    preview->GetWindowRect(rect);
    ScreenToClient(rect);
    InvalidateRect(rect, TRUE);
}

void CDlgPanorama::OnButtonDayFile() { BrowsePicture(kDay); }

void CDlgPanorama::OnButtonMaskFile() { BrowsePicture(kMask); }

void CDlgPanorama::OnButtonNightFile() { BrowsePicture(kNight); }

void CDlgPanorama::OnBnClickedDspLndChkOriginNorth()
{
    UpdateData(TRUE);
    static const UINT kCentreSouth[] = {IDS_PANORAMA_NORTH, IDS_PANORAMA_EAST, IDS_PANORAMA_SOUTH, IDS_PANORAMA_WEST,
                                        IDS_PANORAMA_NORTH};
    static const UINT kCentreNorth[] = {IDS_PANORAMA_SOUTH, IDS_PANORAMA_WEST, IDS_PANORAMA_NORTH, IDS_PANORAMA_EAST,
                                        IDS_PANORAMA_SOUTH};
    const UINT* labels = m_bCentreSouth ? kCentreSouth : kCentreNorth;
    for (int i = 0; i < 5; ++i) {
        CString text;
        text.LoadString(labels[i]);
        m_stcDayLabels[i].SetWindowTextW(text);
        m_stcMaskLabels[i].SetWindowTextW(text);
        m_stcNightLabels[i].SetWindowTextW(text);
    }
    Invalidate(TRUE);
}

void CDlgPanorama::OnBnClickedDspLndChkVisible()
{
    UpdateData(TRUE);
    UpdateStatus(0);
    for (CZenStatic* preview : {&m_stcDayPreview, &m_stcMaskPreview, &m_stcNightPreview})
        preview->Invalidate(TRUE);
    PostMessage(WM_PAINT);
}

void CDlgPanorama::OnCheckNight()
{
    UpdateData(TRUE);
    UpdateStatus(1);
    m_stcNightPreview.Invalidate(TRUE);
    PostMessage(WM_PAINT);
}

void CDlgPanorama::OnEnChangeEdtOpacity() { m_opacity.OnEditChange(); }

void CDlgPanorama::OnDeltaposSpnOpacity(NMHDR* pNMHDR, LRESULT* pResult) { m_opacity.OnDeltapos(pNMHDR, pResult); }

void CDlgPanorama::OnHScroll(UINT nSBCode, UINT nPos, CWnd* pScrollBar) { m_opacity.OnHScroll(nSBCode, nPos, pScrollBar); }

void CDlgPanorama::PaintPreview(Kind kind, bool bShown)
{
    Picture picture = Get(kind);
    CWnd* control = GetDlgItem(static_cast<int>(picture.idPreview));
    if (!control)
        return;
    // Painting on the preview's own paint context validates it, so that the static does not
    // draw its caption over the picture afterwards.
    CPaintDC dc(control);
    CRect rect;
    control->GetClientRect(rect);
    if (!bShown)
        dc.FillSolidRect(rect, m_bSystemLook ? ::GetSysColor(COLOR_WINDOW) : RGB(40, 40, 40));
    else if (picture.image)
        picture.preview.Paint(dc, rect, *picture.image);
}

void CDlgPanorama::OnPaint()
{
    {
        CPaintDC dc(this);
    }
    PaintPreview(kMask, m_bShow != 0);
    PaintPreview(kDay, m_bShow != 0);
    PaintPreview(kNight, m_bShow && m_bNightFile);
}

void CDlgPanorama::UpdateStatus(int nNightOnly)
{
    const BOOL night = m_bShow && m_bNightFile;
    for (UINT id = IDC_PANORAMA_STC_NIGHT_LABEL1; id <= IDC_PANORAMA_STC_NIGHT_LABEL5; ++id)
        GetDlgItem(static_cast<int>(id))->EnableWindow(night);
    for (UINT id : {IDC_PANORAMA_STC_NIGHT_FILE, IDC_PANORAMA_EDIT_NIGHT_FILE, IDC_PANORAMA_BTN_NIGHT_FILE})
        GetDlgItem(static_cast<int>(id))->EnableWindow(night);
    if (nNightOnly)
        return;
    static const UINT kShown[] = {IDC_PANORAMA_GRP_MASK,        IDC_PANORAMA_STC_MASK_LABEL1, IDC_PANORAMA_STC_MASK_LABEL2,
                                  IDC_PANORAMA_STC_MASK_LABEL3, IDC_PANORAMA_STC_MASK_LABEL4, IDC_PANORAMA_STC_MASK_LABEL5,
                                  IDC_PANORAMA_STC_MASK_FILE,   IDC_PANORAMA_EDIT_MASK_FILE,  IDC_PANORAMA_BTN_MASK_FILE,
                                  IDC_PANORAMA_GRP_DAY,         IDC_PANORAMA_STC_DAY_LABEL1,  IDC_PANORAMA_STC_DAY_LABEL2,
                                  IDC_PANORAMA_STC_DAY_LABEL3,  IDC_PANORAMA_STC_DAY_LABEL4,  IDC_PANORAMA_STC_DAY_LABEL5,
                                  IDC_PANORAMA_STC_DAY_FILE,    IDC_PANORAMA_EDIT_DAY_FILE,   IDC_PANORAMA_BTN_DAY_FILE,
                                  IDC_PANORAMA_CHK_NIGHT,       IDC_PANORAMA_GRP_NIGHT,       IDC_PANORAMA_GRP_OPACITY,
                                  IDC_PANORAMA_STC_TRANSPARENT, IDC_PANORAMA_SLD_OPACITY,     IDC_PANORAMA_STC_OPAQUE,
                                  IDC_PANORAMA_EDIT_OPACITY,    IDC_PANORAMA_SPIN_OPACITY,    IDC_PANORAMA_STC_PERCENT,
                                  IDC_PANORAMA_CHK_CENTRE_SOUTH};
    for (UINT id : kShown)
        GetDlgItem(static_cast<int>(id))->EnableWindow(m_bShow);
}

void CDlgPanorama::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    if (m_bShow) {
        UINT idsProblem = 0;
        if (m_strDayFile.IsEmpty())
            idsProblem = IDS_PANORAMA_NO_DAY;
        else if (m_strMaskFile.IsEmpty())
            idsProblem = IDS_PANORAMA_NO_MASK;
        else if (m_bNightFile && m_strNightFile.IsEmpty())
            idsProblem = IDS_PANORAMA_NO_NIGHT;
        else if (m_nMaskWidth != m_nDayWidth || m_nMaskHeight != m_nDayHeight)
            idsProblem = IDS_PANORAMA_SIZE_MISMATCH;
        else if (m_bNightFile && (m_nNightWidth != m_nMaskWidth || m_nNightHeight != m_nMaskHeight))
            idsProblem = IDS_PANORAMA_SIZE_MISMATCH;
        if (idsProblem) {
            AfxMessageBox(idsProblem, MB_ICONINFORMATION);
            return;
        }
    }
    CRegistry::Write(m_strSection, kUseNightKey, m_bNightFile, 0);
    EndDialog(IDOK);
}
