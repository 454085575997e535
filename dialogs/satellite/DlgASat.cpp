#include "dialogs/satellite/DlgASat.h"

#include "dialogs/satellite/SatelliteRules.h"
#include "platform/afx/ResourceChain.h"
#include "framework/kivreg/Registry.h"
#include "resources/ids_satellite.h"

#include <algorithm>
#include <cwchar>
#include <iterator>
#include <vector>

namespace {

// The station that the list always shows first.
constexpr LPARAM kPinnedSatellite = 25544;
// More positions than any catalogue of tracked objects holds: a larger count is a broken
// answer, and asking the host for billions of rows would never end.
constexpr int kMaxSatellites = 100000;

constexpr wchar_t kListFontFace[] = L"ＭＳ ゴシック";

// Stops a list from painting while many rows come and go, and repaints it once afterwards.
class CListRedrawOff {
public:
    explicit CListRedrawOff(CWnd& list) : m_list(list) { m_list.SendMessage(WM_SETREDRAW, FALSE); }
    ~CListRedrawOff()
    {
        m_list.SendMessage(WM_SETREDRAW, TRUE);
        m_list.Invalidate();
    }
    CListRedrawOff(const CListRedrawOff&) = delete;
    CListRedrawOff& operator=(const CListRedrawOff&) = delete;

private:
    CWnd& m_list;
};

// A label in upper case as an ordinal comparison without regard to case sees it, so that
// sorting compares code units only.
std::wstring SortKeyOf(const CString& strLabel)
{
    std::wstring key(static_cast<size_t>(strLabel.GetLength()), L'\0');
    if (!key.empty() && ::LCMapStringEx(LOCALE_NAME_INVARIANT, LCMAP_UPPERCASE, strLabel, strLabel.GetLength(),
                                        key.data(), static_cast<int>(key.size()), nullptr, nullptr, 0) == 0)
        key = strLabel.str();
    return key;
}

// One statement of the OK sequence; these keys take capitalised booleans.
CString FlagStatement(const wchar_t* lpszKey, BOOL bOn)
{
    return CString(lpszKey) + (bOn ? L" = True;" : L" = False;");
}

CString LoadText(UINT nID)
{
    CString text;
    text.LoadString(nID);
    return text;
}

void ShowInformation(const wchar_t* lpszText)
{
    AfxMessageBox(lpszText, MB_OK | MB_ICONINFORMATION);
}

}  // namespace

const CRuntimeClass CDlgASat::classCDlgASat{"CDlgASat", &CZenDialog::classCZenDialog};

const CRuntimeClass* CDlgASat::GetRuntimeClass() const
{
    return &classCDlgASat;
}

CDlgASat::CDlgASat(CCorZen* pChannel, CCorZen* pChannel2, CWnd* pParent)
    : CZenDialog(pChannel, pChannel2, IDD_ASAT, pParent)
{
    m_bName = CorZenBool(L"? ArtificialSatellite.Name.Visible");
    m_bNumber = CorZenBool(L"? ArtificialSatellite.Number.Visible");
    m_nCount = AfxTextToInt(m_pChannel->Exec(L"? ArtificialSatellite.Count"));
    m_bInShadow = CorZenBool(L"? ArtificialSatellite.Visible.InShadow");
    m_strSection.LoadString(IDS_SECTION_ASAT);
}

CDlgASat::CDlgASat(CWnd* pParent) : CZenDialog(IDD_ASAT, pParent)
{
    m_strSection.LoadString(IDS_SECTION_ASAT);
}

CDlgASat::~CDlgASat()
{
    if (m_hIconForward)
        ::DestroyIcon(m_hIconForward);
    if (m_hIconBackward)
        ::DestroyIcon(m_hIconBackward);
}

const AFX_MSGMAP* CDlgASat::GetMessageMap() const
{
    static const AFX_MSGMAP_ENTRY entries[] = {
        MapClicked<&CDlgASat::OnDspAsatBtnAllOn>(IDC_ASAT_BTN_ALL_ON),
        MapClicked<&CDlgASat::OnDspAsatBtnAllOff>(IDC_ASAT_BTN_ALL_OFF),
        MapClicked<&CDlgASat::OnBtnColor>(IDC_ASAT_BTN_COLOR),
        MapNotify<&CDlgASat::OnDeltaposDspAsatSpinMag>(UDN_DELTAPOS, IDC_ASAT_SPIN_MAGNITUDE),
        MapClicked<&CDlgASat::OnSearchForward>(IDC_ASAT_BTN_SEARCH_FORWARD),
        MapClicked<&CDlgASat::OnSearchBackword>(IDC_ASAT_BTN_SEARCH_BACKWARD),
        MapClicked<&CDlgASat::OnBnClickedDspAsatCheckMajor>(IDC_ASAT_CHK_MAJOR),
        MapNotify<&CDlgASat::OnLvnItemchangedDspAsatlist>(LVN_ITEMCHANGED, IDC_ASAT_LIST),
    };
    static const AFX_MSGMAP map{CZenDialog::GetMessageMap(), entries, std::size(entries)};
    return &map;
}

void CDlgASat::DoDataExchange(CDataExchange* pDX)
{
    CZenDialog::DoDataExchange(pDX);
    DDX_Check(pDX, IDC_ASAT_CHK_MAJOR, m_bMajor);
    DDX_Check(pDX, IDC_ASAT_CHK_NAME, m_bName);
    DDX_Check(pDX, IDC_ASAT_CHK_NUMBER, m_bNumber);
    DDX_Check(pDX, IDC_ASAT_CHK_INSHADOW, m_bInShadow);
}

void CDlgASat::AttachControls()
{
    CZenDialog::AttachControls();
    m_lstSat.Attach(IDC_ASAT_LIST, this);
    m_chkMajor.Attach(IDC_ASAT_CHK_MAJOR, this);
    m_grpDisplay.Attach(IDC_ASAT_GRP_DISPLAY, this);
    m_btnColor.Attach(IDC_ASAT_BTN_COLOR, this, 0x000000, 0xC4C4C4, 0x6B6B6B, 0xC4C4C4, 1);
    m_btnAllOn.Attach(IDC_ASAT_BTN_ALL_ON, this, 0x000000, 0xC4C4C4, 0x6B6B6B, 0xC4C4C4, 1);
    m_btnAllOff.Attach(IDC_ASAT_BTN_ALL_OFF, this, 0x000000, 0xC4C4C4, 0x6B6B6B, 0xC4C4C4, 1);
    m_btnSearchForward.Attach(IDC_ASAT_BTN_SEARCH_FORWARD, this, 0x000000, 0xC4C4C4, 0x6B6B6B, 0xC4C4C4, 1);
    m_btnSearchBackward.Attach(IDC_ASAT_BTN_SEARCH_BACKWARD, this, 0x000000, 0xC4C4C4, 0x6B6B6B, 0xC4C4C4, 1);
    m_edtMagnitude.Attach(IDC_ASAT_EDIT_MAGNITUDE, this);
    m_cmbSearch.Attach(IDC_ASAT_CMB_SEARCH, this);
    m_chkName.Attach(IDC_ASAT_CHK_NAME, this);
    m_chkNumber.Attach(IDC_ASAT_CHK_NUMBER, this);
    m_chkInShadow.Attach(IDC_ASAT_CHK_INSHADOW, this);
    m_spnMagnitude.Attach(IDC_ASAT_SPIN_MAGNITUDE, this);
    if (!m_bSystemLook)
        CZenTheme::SetWindowTheme(m_lstSat, L"", L"");
}

BOOL CDlgASat::OnInitDialog()
{
    CWaitCursor wait;
    CZenDialog::OnInitDialog();
    AttachControls();
    InitSatListCtrl();
    FillSatList();
    m_bSortAscending = TRUE;
    SortSatList();
    SetListFont();
    const int scale = ScreenScale();
    SetColumnWidths(scale);
    ShowMagnitude();
    SetSearchIcons(scale);
    InitSearchStringCombo();
    ReadMajorLimit();
    return TRUE;
}

BOOL CDlgASat::CorZenBool(const CString& strQuery)
{
    return SatelliteAnswerIsTrue(m_pChannel->Exec(strQuery));
}

BOOL CDlgASat::VisibleAt(int nPos)
{
    return SatelliteAnswerIsTrue(Query(L"? ArtificialSatellite.No%d.Visible", nPos));
}

// One query with one number in it. The dialog sends five per satellite, so the text is made
// with the C library's formatter, which costs less than the string class's general one.
CString CDlgASat::Query(const wchar_t* lpszFormat, int nValue)
{
    wchar_t text[96];
    std::swprintf(text, 96, lpszFormat, nValue);
    return m_pChannel->Exec(text);
}

void CDlgASat::InitSatListCtrl()
{
    m_lstSat.SetExtendedStyle(LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT);
    // The headings are one string-table entry, "|" between them.
    const CString headings = LoadText(IDS_ASAT_COLUMNS);
    static const int kFormats[] = {LVCFMT_CENTER, LVCFMT_LEFT, LVCFMT_LEFT, LVCFMT_LEFT};
    static const int kWidths[] = {30, 16, 8, 6};
    int begin = 0;
    for (int column = 0; column < 4; ++column) {
        int end = headings.Find(L'|', begin);
        if (end < 0)
            end = headings.GetLength();
        m_lstSat.InsertColumn(column, headings.Mid(begin, end - begin), kFormats[column], kWidths[column]);
        begin = std::min(end + 1, headings.GetLength());
    }
}

void CDlgASat::FillSatList()
{
    CListRedrawOff redrawOff(m_lstSat);
    const int count = std::min(m_nCount, kMaxSatellites);
    for (int p = 1; p <= count; ++p) {
        const BOOL visible = VisibleAt(p);
        // A position the host has no number for ends the list: the count promised more than
        // the host holds (a stale or broken answer), and reading on could take minutes.
        if (!InsertSatRow(p, p - 1, visible))
            break;
    }
}

// The one way a row comes into the list, at opening and when the major limit is lifted.
bool CDlgASat::InsertSatRow(int nPos, int nRow, BOOL bChecked)
{
    const CString name = Query(L"? ArtificialSatellite.No%d.TLEName", nPos);
    const CString numberText = Query(L"? ArtificialSatellite.No%d.Number", nPos);
    const CString label = SatelliteLabel(name, numberText);
    const int number = AfxTextToInt(numberText);
    const CString localName = Query(L"? ArtificialSatellite.%d.LocalName", number);
    const CString type = Query(L"? ArtificialSatellite.%d.Type", number);

    // The item data goes in with the row itself: one message instead of two. A list with
    // check boxes gives every new row an empty box, whatever state the row comes with.
    LVITEMW item{};
    item.mask = LVIF_TEXT | LVIF_PARAM;
    item.iItem = nRow;
    item.pszText = const_cast<wchar_t*>(L"");
    item.lParam = number;
    const int row = static_cast<int>(m_lstSat.SendMessage(LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
    if (row < 0)
        return !numberText.IsEmpty();
    if (bChecked)
        m_lstSat.SetCheck(row, TRUE);
    m_lstSat.SetItemText(row, 1, label);
    m_lstSat.SetItemText(row, 2, localName);
    m_lstSat.SetItemText(row, 3, type);
    m_sortKeys[number] = SortKeyOf(label);
    m_longest.label = std::max(m_longest.label, label.GetLength());
    m_longest.localName = std::max(m_longest.localName, localName.GetLength());
    m_longest.type = std::max(m_longest.type, type.GetLength());
    return !numberText.IsEmpty();
}

void CDlgASat::SortSatList()
{
    m_lstSat.SortItems(&CDlgASat::CompareFunc, reinterpret_cast<LPARAM>(this));
    const int rows = m_lstSat.GetItemCount();
    m_rowNumbers.resize(static_cast<size_t>(std::max(rows, 0)));
    for (int i = 0; i < rows; ++i)
        m_rowNumbers[static_cast<size_t>(i)] = static_cast<int>(m_lstSat.GetItemData(i));
}

int CDlgASat::RowNumber(int nRow) const
{
    const size_t row = static_cast<size_t>(nRow);
    return row < m_rowNumbers.size() ? m_rowNumbers[row] : static_cast<int>(m_lstSat.GetItemData(nRow));
}

int CALLBACK CDlgASat::CompareFunc(LPARAM lParam1, LPARAM lParam2, LPARAM lParamSort)
{
    if (lParam2 == kPinnedSatellite)
        return 1;
    if (lParam1 == kPinnedSatellite)
        return -1;
    const CDlgASat* dialog = reinterpret_cast<const CDlgASat*>(lParamSort);
    static const std::wstring none;
    const auto first = dialog->m_sortKeys.find(lParam1);
    const auto second = dialog->m_sortKeys.find(lParam2);
    const std::wstring& a = first != dialog->m_sortKeys.end() ? first->second : none;
    const std::wstring& b = second != dialog->m_sortKeys.end() ? second->second : none;
    const int compared = a.compare(b);
    const int order = compared < 0 ? -1 : compared > 0 ? 1 : 0;
    return dialog->m_bSortAscending ? order : -order;
}

void CDlgASat::SetListFont()
{
    LOGFONTW current{};
    const HFONT hFont = m_lstSat.GetFont();
    if (!hFont || !::GetObjectW(hFont, sizeof current, &current))
        ::GetObjectW(::GetStockObject(DEFAULT_GUI_FONT), sizeof current, &current);
    LOGFONTW font{};
    font.lfHeight = current.lfHeight;
    font.lfWidth = current.lfWidth;
    font.lfWeight = FW_NORMAL;
    font.lfCharSet = SHIFTJIS_CHARSET;
    font.lfPitchAndFamily = FIXED_PITCH | FF_MODERN;
    std::copy(std::begin(kListFontFace), std::end(kListFontFace), font.lfFaceName);
    m_fontList.DeleteObject();
    m_fontList.CreateFontIndirect(&font);
    m_lstSat.SetFont(m_fontList, TRUE);
}

// The screen's vertical pixels per inch as a percentage of 96.
int CDlgASat::ScreenScale()
{
    CClientDC dc(this);
    if (!dc.GetSafeHdc())
        return 100;
    return dc.GetDeviceCaps(LOGPIXELSY) * 100 / 96;
}

void CDlgASat::SetColumnWidths(int nScale)
{
    m_lstSat.SetColumnWidth(0, nScale * 36 / 100);
    m_lstSat.SetColumnWidth(1, nScale * m_longest.label * 7 / 100);
    m_lstSat.SetColumnWidth(2, nScale * m_longest.localName * 13 / 100);
    m_lstSat.SetColumnWidth(3, nScale * m_longest.type * 14 / 100);
}

void CDlgASat::ShowMagnitude()
{
    m_edtMagnitude.SetWindowText(MagnitudeText(AfxTextToDouble(m_pChannel->Exec(L"? ArtificialSatellite.Magnitude"))));
}

void CDlgASat::SetSearchIcons(int nScale)
{
    const int factor = nScale / 100;
    const UINT forward = m_bSystemLook ? IDI_ASAT_SEARCH_DOWN : IDI_ASAT_SEARCH_DOWN_DARK;
    const UINT backward = m_bSystemLook ? IDI_ASAT_SEARCH_UP : IDI_ASAT_SEARCH_UP_DARK;
    auto load = [&](UINT nID) {
        const LPCWSTR name = MAKEINTRESOURCEW(nID);
        return static_cast<HICON>(::LoadImageW(AfxFindResourceHandle(name, RT_GROUP_ICON), name, IMAGE_ICON,
                                               14 * factor, 18 * factor, 0));
    };
    m_hIconForward = load(forward);
    m_hIconBackward = load(backward);
    m_btnSearchForward.SetIcon(m_hIconForward);
    m_btnSearchBackward.SetIcon(m_hIconBackward);
}

void CDlgASat::ReadMajorLimit()
{
    int stored = 0;
    CRegistry::Read(m_strSection, LoadText(IDS_ASAT_KEY_LIMITTOMAJOR), 0, &stored, 0);
    m_bMajor = stored != 0;
    UpdateData(FALSE);
    if (m_bMajor)
        OnBnClickedDspAsatCheckMajor();
}

void CDlgASat::CheckAllRows(BOOL bCheck)
{
    CListRedrawOff redrawOff(m_lstSat);
    const int rows = m_lstSat.GetItemCount();
    for (int i = 0; i < rows; ++i)
        m_lstSat.SetCheck(i, bCheck);
}

void CDlgASat::OnDspAsatBtnAllOn()
{
    CheckAllRows(TRUE);
    m_bAllOn = TRUE;
}

void CDlgASat::OnDspAsatBtnAllOff()
{
    CheckAllRows(FALSE);
    m_bAllOff = TRUE;
    m_bAllOn = FALSE;
}

void CDlgASat::OnBtnColor()
{
    RunColorDialog(LoadText(IDS_ASAT_COLOR_KEY));
}

void CDlgASat::OnDeltaposDspAsatSpinMag(NMHDR* pNMHDR, LRESULT* pResult)
{
    const int tenths = StepMagnitudeTenths(AfxTextToDouble(m_edtMagnitude.GetWindowText()),
                                           reinterpret_cast<NMUPDOWN*>(pNMHDR)->iDelta);
    CString text;
    text.Format(L"%.1f", tenths / 10.0);
    m_edtMagnitude.SetWindowText(text);
    *pResult = 0;
}

void CDlgASat::OnBnClickedDspAsatCheckMajor()
{
    CWaitCursor wait;
    UpdateData(TRUE);
    CListRedrawOff redrawOff(m_lstSat);
    // Rows to take out, counted by catalogue number; they go after the walk over the host's
    // positions, so that each costs one deletion instead of a search through the list.
    std::unordered_map<LPARAM, int> leaving;
    const int count = std::min(m_nCount, kMaxSatellites);
    for (int p = 1; p <= count; ++p) {
        const CString numberText = Query(L"? ArtificialSatellite.No%d.Number", p);
        if (numberText.IsEmpty())
            break;  // the end of what the host holds, as when the list was filled
        const int number = AfxTextToInt(numberText);
        if (!Query(L"? ArtificialSatellite.%d.LocalName", number).IsEmpty())
            continue;
        if (m_bMajor) {
            ++leaving[number];
        } else {
            const BOOL checked = m_bAllOn    ? TRUE
                                 : m_bAllOff ? FALSE
                                             : VisibleAt(p);
            InsertSatRow(p, p - 1, checked);
        }
    }
    if (!leaving.empty()) {
        // The first rows that carry each number, as a search from the top would find them,
        // deleted from the bottom up so that the indices still to go stay valid.
        std::vector<int> rows;
        const int listed = m_lstSat.GetItemCount();
        for (int i = 0; i < listed; ++i) {
            const auto found = leaving.find(RowNumber(i));
            if (found != leaving.end() && found->second > 0) {
                --found->second;
                rows.push_back(i);
            }
        }
        for (auto row = rows.rbegin(); row != rows.rend(); ++row)
            m_lstSat.DeleteItem(*row);
    }
    SortSatList();
}

void CDlgASat::OnLvnItemchangedDspAsatlist(NMHDR*, LRESULT* pResult)
{
    *pResult = 0;
}

void CDlgASat::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    const HWND focus = ::GetFocus();
    if (focus && (focus == m_cmbSearch.m_hWnd || ::IsChild(m_cmbSearch.m_hWnd, focus))) {
        // Enter in the search field searches; Shift+Enter the other way.
        if (::GetKeyState(VK_SHIFT) < 0)
            OnSearchBackword();
        else
            OnSearchForward();
        return;
    }

    CString command = L";";
    command += FlagStatement(L"ArtificialSatellite.Name.Visible", m_bName);
    command += FlagStatement(L"ArtificialSatellite.Number.Visible", m_bNumber);
    command += FlagStatement(L"ArtificialSatellite.Visible.InShadow", m_bInShadow);
    const double magnitude = AfxTextToDouble(m_edtMagnitude.GetWindowText());
    if (!IsMagnitudeInRange(magnitude)) {
        CString message;
        message.Format(IDS_ASAT_MAGNITUDE_RANGE, kSatMagnitudeMin, kSatMagnitudeMax);
        ShowInformation(message);
        return;
    }
    command.AppendFormat(L"ArtificialSatellite.Magnitude = %.1f;", magnitude);
    const int rows = m_lstSat.GetItemCount();
    for (int i = 0; i < rows; ++i) {
        command.AppendFormat(L"ArtificialSatellite.%d.Visible = %s;", RowNumber(i),
                             m_lstSat.GetCheck(i) ? L"True" : L"False");
    }
    command += L"Show Sky;";
    m_pChannel->Exec(command);
    SaveRemembered();
    EndDialog(IDOK);
}

void CDlgASat::OnCancel()
{
    SaveRemembered();
    CZenDialog::OnCancel();
}

void CDlgASat::SaveRemembered()
{
    SaveSearchStringCombo();
    CRegistry::Write(m_strSection, LoadText(IDS_ASAT_KEY_LIMITTOMAJOR), m_bMajor, 0);
}

void CDlgASat::OnSearchForward()
{
    Search(0);
}

void CDlgASat::OnSearchBackword()
{
    Search(1);
}

void CDlgASat::InitSearchStringCombo()
{
    for (int k = 1; k <= kSatHistorySize; ++k) {
        CString key;
        key.Format(IDS_ASAT_KEY_SEARCHSTRING, k);
        CString value;
        if (!CRegistry::Read(m_strSection, key, L"", value) || value.IsEmpty())
            break;
        m_cmbSearch.AddString(value);
    }
    if (m_cmbSearch.GetCount() > 0)
        m_cmbSearch.SetCurSel(0);
}

void CDlgASat::SaveSearchStringCombo()
{
    const int entries = std::min(m_cmbSearch.GetCount(), kSatHistorySize);
    for (int k = 1; k <= entries; ++k) {
        CString key;
        key.Format(IDS_ASAT_KEY_SEARCHSTRING, k);
        CRegistry::Write(m_strSection, key, m_cmbSearch.GetLBText(k - 1));
    }
}

void CDlgASat::Search(int nDirection)
{
    const CString text = m_cmbSearch.GetWindowText();
    if (text.IsEmpty()) {
        ShowInformation(LoadText(IDS_ASAT_NO_SEARCH_TEXT));
        return;
    }
    std::vector<CString> history;
    for (int i = 0; i < m_cmbSearch.GetCount(); ++i)
        history.push_back(m_cmbSearch.GetLBText(i));
    AddSearchHistory(history, text);
    m_cmbSearch.ResetContent();
    for (const CString& entry : history)
        m_cmbSearch.AddString(entry);
    m_cmbSearch.SetCurSel(0);

    CString upper = text;
    upper.MakeUpper();
    if (!DoSearch(upper, nDirection))
        ShowInformation(LoadText(IDS_ASAT_NO_MATCH));
}

BOOL CDlgASat::DoSearch(const CString& strText, int nDirection)
{
    const int rows = m_lstSat.GetItemCount();
    if (rows == 0)
        return FALSE;
    const int start = m_lstSat.GetNextItem(-1, LVNI_SELECTED);
    for (const int i : SearchWalk(rows, start, nDirection)) {
        const int number = RowNumber(i);
        if (Query(L"? ArtificialSatellite.%d.TLEName", number).Find(strText) >= 0 ||
            Query(L"? ArtificialSatellite.%d.Name", number).Find(strText) >= 0) {
            m_lstSat.SetItemState(i, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
            m_lstSat.EnsureVisible(i, FALSE);
            return TRUE;
        }
    }
    return FALSE;
}
