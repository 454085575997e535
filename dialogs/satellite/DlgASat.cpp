#include "dialogs/satellite/DlgASat.h"

#include "dialogs/satellite/SatelliteRules.h"
#include "platform/afx/ResourceChain.h"
#include "framework/kivreg/Registry.h"
#include "framework/module/ListCeilings.h"
#include "resources/ids_satellite.h"

#include <algorithm>
#include <cwchar>
#include <iterator>
#include <vector>

namespace {

// The station that the list always shows first.
constexpr int kPinnedSatellite = 25544;

constexpr wchar_t kListFontFace[] = L"ＭＳ ゴシック";

// Labels are compared without regard to case: as code units after folding to upper case. Most
// are plain ASCII, which folds while it is compared; any other label is folded once, by the
// system, before the sort.
bool IsAscii(const std::wstring& text)
{
    return std::all_of(text.begin(), text.end(), [](wchar_t c) { return c < 0x80; });
}

std::wstring SystemUpper(const CString& strLabel)
{
    std::wstring upper(static_cast<size_t>(strLabel.GetLength()), L'\0');
    if (!upper.empty() && ::LCMapStringEx(LOCALE_NAME_INVARIANT, LCMAP_UPPERCASE, strLabel, strLabel.GetLength(),
                                          upper.data(), static_cast<int>(upper.size()), nullptr, nullptr, 0) == 0)
        upper = strLabel.str();
    return upper;
}

wchar_t AsciiUpper(wchar_t c)
{
    return c >= L'a' && c <= L'z' ? static_cast<wchar_t>(c - L'a' + L'A') : c;
}

int CompareLabels(const std::wstring& a, const std::wstring& b)
{
    const size_t common = std::min(a.size(), b.size());
    for (size_t i = 0; i < common; ++i) {
        const wchar_t x = AsciiUpper(a[i]);
        const wchar_t y = AsciiUpper(b[i]);
        if (x != y)
            return x < y ? -1 : 1;
    }
    return a.size() < b.size() ? -1 : a.size() > b.size() ? 1 : 0;
}

// The first 32 code units of a label, folded, in words that compare as the units do; a shorter
// label is padded with zeros, which only the whole label can tell from a real zero. Labels are
// padded to the list's width, so 32 units tell almost every pair apart without reading the
// labels themselves, which lie all over memory.
std::array<std::uint64_t, 8> LabelHead(const std::wstring& label)
{
    std::array<std::uint64_t, 8> head{};
    for (size_t i = 0; i < 32 && i < label.size(); ++i)
        head[i / 4] |= static_cast<std::uint64_t>(AsciiUpper(label[i])) << (16 * (3 - i % 4));
    return head;
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
    m_nCount = ListCount(m_pChannel->Exec(L"? ArtificialSatellite.Count"), kMaxSatellites);
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
    // The list takes its rows once they are sorted (ShowSatRows).
    m_bSortAscending = TRUE;
    FillSatList();
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
    std::vector<SatRow> rows;
    rows.reserve(static_cast<size_t>(m_nCount));
    for (int p = 1; p <= m_nCount; ++p) {
        const BOOL visible = VisibleAt(p);
        rows.push_back(AskSatRow(p, visible));
        const SatRow& row = rows.back();
        m_longest.label = std::max(m_longest.label, row.label.GetLength());
        m_longest.localName = std::max(m_longest.localName, row.localName.GetLength());
        m_longest.type = std::max(m_longest.type, row.type.GetLength());
    }
    ShowSatRows(std::move(rows), -1);
}

// A position whose number answer is empty or no number is listed as satellite 0.
CDlgASat::SatRow CDlgASat::AskSatRow(int nPos, BOOL bChecked)
{
    SatRow row;
    row.checked = bChecked;
    const CString name = ListText(Query(L"? ArtificialSatellite.No%d.TLEName", nPos));
    const CString numberText = ListText(Query(L"? ArtificialSatellite.No%d.Number", nPos));
    row.label = ListText(SatelliteLabel(name, numberText));
    row.number = AfxTextToInt(numberText);
    row.localName = ListText(Query(L"? ArtificialSatellite.%d.LocalName", row.number));
    row.type = ListText(Query(L"? ArtificialSatellite.%d.Type", row.number));
    return row;
}

void CDlgASat::ShowSatRows(std::vector<SatRow> rows, int nSelected)
{
    std::vector<std::wstring> folded;
    folded.reserve(static_cast<size_t>(
        std::count_if(rows.begin(), rows.end(), [](const SatRow& row) { return !IsAscii(row.label.str()); })));
    std::vector<SortKey> keys;
    keys.reserve(rows.size());
    for (const SatRow& row : rows) {
        const std::wstring* label = &row.label.str();
        if (!IsAscii(*label)) {
            folded.push_back(SystemUpper(row.label));
            label = &folded.back();
        }
        keys.push_back({LabelHead(*label), label, row.number, static_cast<int>(keys.size())});
    }
    // A stable sort, so that rows the order cannot tell apart stay as they came.
    std::stable_sort(keys.begin(), keys.end(),
                     [this](const SortKey& a, const SortKey& b) { return CompareFunc(a, b) < 0; });

    std::vector<SatRow> sorted;
    sorted.reserve(rows.size());
    int selected = -1;
    for (const SortKey& key : keys) {
        if (key.row == nSelected)
            selected = static_cast<int>(sorted.size());
        sorted.push_back(std::move(rows[static_cast<size_t>(key.row)]));
    }
    m_lstSat.SetRows(std::move(sorted), selected);
}

int CDlgASat::CompareFunc(const SortKey& a, const SortKey& b) const
{
    if (b.number == kPinnedSatellite)
        return 1;
    if (a.number == kPinnedSatellite)
        return -1;
    const int order = a.head != b.head ? (a.head < b.head ? -1 : 1) : CompareLabels(*a.label, *b.label);
    return m_bSortAscending ? order : -order;
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

void CDlgASat::OnDspAsatBtnAllOn()
{
    m_lstSat.CheckAllRows(TRUE);
    m_bAllOn = TRUE;
}

void CDlgASat::OnDspAsatBtnAllOff()
{
    m_lstSat.CheckAllRows(FALSE);
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
    // The catalogue numbers of the rows to take out, once for each: the first rows in the list
    // that carry a number go.
    std::vector<int> leaving;
    std::vector<SatRow> returning;
    for (int p = 1; p <= m_nCount; ++p) {
        const int number = AfxTextToInt(Query(L"? ArtificialSatellite.No%d.Number", p));
        if (!Query(L"? ArtificialSatellite.%d.LocalName", number).IsEmpty())
            continue;
        if (m_bMajor) {
            leaving.push_back(number);
        } else {
            const BOOL checked = m_bAllOn    ? TRUE
                                 : m_bAllOff ? FALSE
                                             : VisibleAt(p);
            returning.push_back(AskSatRow(p, checked));
        }
    }
    if (leaving.empty() && returning.empty())
        return;
    int selected = m_lstSat.GetSelectedRow();
    std::vector<SatRow> rows = RowsLeft(std::move(leaving), selected);
    std::move(returning.begin(), returning.end(), std::back_inserter(rows));
    ShowSatRows(std::move(rows), selected);
}

std::vector<CDlgASat::SatRow> CDlgASat::RowsLeft(std::vector<int> leaving, int& nSelected)
{
    std::sort(leaving.begin(), leaving.end());
    // At the first place of each number in the sorted numbers: how many of its rows have gone.
    std::vector<size_t> gone(leaving.size());
    std::vector<SatRow> listed = m_lstSat.TakeRows();
    std::vector<SatRow> rows;
    rows.reserve(listed.size());
    int selected = -1;
    for (size_t i = 0; i < listed.size(); ++i) {
        const int number = listed[i].number;
        const auto place = std::lower_bound(leaving.begin(), leaving.end(), number);
        const size_t first = static_cast<size_t>(place - leaving.begin());
        if (place != leaving.end() && first + gone[first] < leaving.size() && leaving[first + gone[first]] == number) {
            ++gone[first];
            continue;
        }
        if (static_cast<int>(i) == nSelected)
            selected = static_cast<int>(rows.size());
        rows.push_back(std::move(listed[i]));
    }
    nSelected = selected;
    return rows;
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
    // Joined rather than formatted: there may be a million of them.
    for (int i = 0; i < m_lstSat.GetRowCount(); ++i) {
        const SatRow& row = m_lstSat.GetRow(i);
        wchar_t number[16];
        std::swprintf(number, 16, L"%d", row.number);
        command += L"ArtificialSatellite.";
        command += number;
        command += row.checked ? L".Visible = True;" : L".Visible = False;";
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
    const int rows = m_lstSat.GetRowCount();
    if (rows == 0)
        return FALSE;
    const int start = m_lstSat.GetSelectedRow();
    for (const int i : SearchWalk(rows, start, nDirection)) {
        const int number = m_lstSat.GetRow(i).number;
        if (Query(L"? ArtificialSatellite.%d.TLEName", number).Find(strText) >= 0 ||
            Query(L"? ArtificialSatellite.%d.Name", number).Find(strText) >= 0) {
            m_lstSat.SetItemState(i, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
            m_lstSat.EnsureVisible(i, FALSE);
            return TRUE;
        }
    }
    return FALSE;
}
