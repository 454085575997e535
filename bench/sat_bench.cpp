// The satellite dialog at catalogue scale: opening, the major limit on and off, and a search
// that finds nothing, each over a floor of the host queries and list operations it cannot do
// without, measured in the same process. The sky holds the reference satellites extended with
// synthetic ones to N; the dialog runs in-process against the host's engine, channel and
// journal as kivhost.exe sets them up, driven by the host's driver.
//
// Prints "sat_bench N=41325", then "<figure> <t> s floor <f> s ratio <t/f>" per figure; each
// time and each floor is the best of three runs.
#include "dialogs/satellite/DlgASat.h"
#include "dialogs/satellite/SatelliteRules.h"
#include "framework/kivreg/Registry.h"
#include "host/core/Driver.h"
#include "host/core/HostSession.h"
#include "host/core/Utf.h"

#include <commctrl.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <sstream>
#include <string>
#include <unordered_map>
#include <vector>

using Clock = std::chrono::steady_clock;

namespace {

constexpr size_t kSatellites = 41325;
constexpr int kRuns = 3;
constexpr UINT kMajorId = 1508;
constexpr UINT kSearchForwardId = 1713;
constexpr wchar_t kMissingText[] = L"QZQZ NO SUCH SATELLITE";
constexpr wchar_t kSection[] = L"Dialog\\ASat";

double Seconds(Clock::duration d)
{
    return std::chrono::duration<double>(d).count();
}

struct Sat {
    int number;
    std::string tleName;
    std::string localName;
    std::string type;
    bool visible;
};

std::vector<Sat> ReadReference(const std::wstring& path)
{
    std::string bytes;
    std::vector<Sat> sats;
    if (!kivhost::ReadFileBytes(path, bytes))
        return sats;
    std::istringstream lines(bytes);
    for (std::string line; std::getline(lines, line);) {
        if (line.empty() || line[0] == '#')
            continue;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        std::vector<std::string> fields;
        std::istringstream cells(line);
        for (std::string cell; std::getline(cells, cell, '\t');)
            fields.push_back(cell);
        fields.resize(4);
        const int number = std::atoi(fields[0].c_str());
        sats.push_back({number, fields[1], fields[2], fields[3], number % 23 == 0 || !fields[2].empty()});
    }
    return sats;
}

// Names as the public element sets spell them: constellations, debris and rocket bodies,
// bare international designators, and now and then a name in mixed case.
void ExtendTo(std::vector<Sat>& sats, size_t count)
{
    static const char* const kTypes[] = {"通信衛星", "その他", "地球観測衛星", "航法衛星", "放送衛星", "軍事衛星"};
    std::uint32_t seed = 20221;
    auto next = [&seed](std::uint32_t range) {
        seed = seed * 1664525u + 1013904223u;
        return (seed >> 8) % range;
    };
    char name[64];
    for (int i = 0; sats.size() < count; ++i) {
        const int number = 100000 + i;
        switch (next(8)) {
        case 0: std::snprintf(name, sizeof name, "STARLINK-%u", 1000 + next(4000)); break;
        case 1: std::snprintf(name, sizeof name, "ONEWEB-%04u", next(700)); break;
        case 2: std::snprintf(name, sizeof name, "COSMOS %u DEB", 1000 + next(1600)); break;
        case 3: std::snprintf(name, sizeof name, "FENGYUN 1C DEB %u", next(3000)); break;
        case 4: std::snprintf(name, sizeof name, "SL-%u R/B", 3 + next(25)); break;
        case 5: std::snprintf(name, sizeof name, "%u-%03u%c%c", 1990 + next(33), 1 + next(120), 'A' + next(26), 'A' + next(26)); break;
        case 6: std::snprintf(name, sizeof name, "IRIDIUM %u DEB", 1 + next(180)); break;
        default: std::snprintf(name, sizeof name, "Lemur-2-%u", next(120)); break;
        }
        const bool major = i % 9 == 0;
        sats.push_back({number, name, major ? "衛星" + std::to_string(i / 9) : "", kTypes[next(6)], next(20) == 0});
    }
}

std::string StateOf(const std::vector<Sat>& sats)
{
    std::string state =
        "ArtificialSatellite.Name.Visible = TRUE\nArtificialSatellite.Number.Visible = FALSE\n"
        "ArtificialSatellite.Visible.InShadow = FALSE\nArtificialSatellite.Magnitude = 4.0\n";
    for (const Sat& s : sats) {
        const std::string key = "ArtificialSatellite." + std::to_string(s.number);
        state += "New " + key + "\n" + key + ".TLEName = \"" + s.tleName + "\"\n" + key + ".Name = \"" + s.tleName +
                 "\"\n" + key + ".LocalName = \"" + s.localName + "\"\n" + key + ".Type = \"" + s.type + "\"\n" + key +
                 ".Visible = " + (s.visible ? "TRUE" : "FALSE") + "\n";
    }
    return state;
}

struct Figures {
    double open = 0;
    double majorOn = 0;
    double majorOff = 0;
    double searchMiss = 0;
};

// The real dialog with clocks on the messages the figures cover. The host keeps its journal in
// memory, and this sky makes it far longer than a session would; it is emptied before each
// measured step, as it is between the floors.
class CTimedASat : public CDlgASat {
public:
    explicit CTimedASat(kivhost::HostSession& session)
        : CDlgASat(session.Channel(), session.Channel2(), &session.Window()), m_journal(session.GetJournal())
    {
    }

    Clock::time_point m_initDone{};
    Clock::time_point m_searchStart{};
    double m_majorOn = 0;
    double m_majorOff = 0;
    int m_majorClicks = 0;

protected:
    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override
    {
        const bool command = message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED;
        if (command && (LOWORD(wParam) == kSearchForwardId || LOWORD(wParam) == kMajorId))
            m_journal.Clear();
        if (command && LOWORD(wParam) == kSearchForwardId)
            m_searchStart = Clock::now();
        const Clock::time_point start = Clock::now();
        const BOOL handled = CDlgASat::OnWndMsg(message, wParam, lParam, pResult);
        if (command && LOWORD(wParam) == kMajorId)
            (m_majorClicks++ == 0 ? m_majorOn : m_majorOff) = Seconds(Clock::now() - start);
        if (message == WM_INITDIALOG)
            m_initDone = Clock::now();
        return handled;
    }

private:
    kivhost::Journal& m_journal;
};

Figures RunDialogOnce(kivhost::HostSession& session)
{
    CRegistry::Write(kSection, L"LimitToMajorObjects", 0, 0);
    std::vector<kivhost::Action> actions;
    const std::vector<std::wstring> script = {L"click 1508", L"click 1508", std::wstring(L"type 1712 ") + kMissingText,
                                              L"click 1713", L"cancel"};
    for (const std::wstring& text : script) {
        kivhost::Action action;
        std::wstring error;
        kivhost::ParseAction(text, action, error);
        actions.push_back(action);
    }
    // The search ends where its message box is about to be shown.
    Clock::time_point messageShown{};
    session.GetJournal().SetListener([&messageShown](const std::wstring& line) {
        if (line.rfind(L"! ", 0) == 0)
            messageShown = Clock::now();
    });
    Figures figures;
    {
        kivhost::Driver driver(session.GetJournal(), actions, L"");
        const Clock::time_point start = Clock::now();
        CTimedASat dialog(session);
        dialog.DoModal();
        figures.open = Seconds(dialog.m_initDone - start);
        figures.majorOn = dialog.m_majorOn;
        figures.majorOff = dialog.m_majorOff;
        figures.searchMiss = Seconds(messageShown - dialog.m_searchStart);
    }
    session.GetJournal().SetListener(nullptr);
    session.GetJournal().Clear();
    return figures;
}

// The floors: the same query texts through the same channel, and the same list operations on a
// list view of the same styles, with every answer and every sort key known in advance.
class Floor {
public:
    Floor(kivhost::HostSession& session, const std::vector<Sat>& sats) : m_session(session), m_sats(sats)
    {
        // Sort keys: the rank of each satellite in the dialog's order.
        std::vector<size_t> order(sats.size());
        for (size_t i = 0; i < order.size(); ++i)
            order[i] = i;
        std::vector<CString> labels;
        for (const Sat& s : sats)
            labels.push_back(SatelliteLabel(CString(kivhost::FromUtf8(s.tleName)), std::to_wstring(s.number)));
        std::sort(order.begin(), order.end(), [&](size_t a, size_t b) {
            if (sats[b].number == 25544)
                return false;
            if (sats[a].number == 25544)
                return true;
            return labels[a].CompareNoCase(labels[b]) < 0;
        });
        m_order = order;
        m_rank.resize(sats.size());
        for (size_t r = 0; r < order.size(); ++r)
            m_rank[order[r]] = static_cast<LPARAM>(r);
        for (size_t i = 0; i < sats.size(); ++i) {
            m_labels.push_back(labels[i]);
            m_local.push_back(kivhost::FromUtf8(sats[i].localName));
            m_type.push_back(kivhost::FromUtf8(sats[i].type));
        }
    }

    double Open()
    {
        HWND list = MakeList();
        const Clock::time_point start = Clock::now();
        for (size_t i = 0; i < m_sats.size(); ++i) {
            const int p = static_cast<int>(i) + 1;
            const int n = m_sats[i].number;
            Ask(L"? ArtificialSatellite.No%d.Visible", p);
            Ask(L"? ArtificialSatellite.No%d.TLEName", p);
            Ask(L"? ArtificialSatellite.No%d.Number", p);
            Ask(L"? ArtificialSatellite.%d.LocalName", n);
            Ask(L"? ArtificialSatellite.%d.Type", n);
        }
        Fill(list);
        Sort(list);
        const double seconds = Seconds(Clock::now() - start);
        Done(list);
        return seconds;
    }

    double MajorOn()
    {
        HWND list = MakeList();
        Fill(list);
        Sort(list);
        std::vector<int> leaving;
        for (int row = 0; row < ListView_GetItemCount(list); ++row) {
            if (m_sats[Index(list, row)].localName.empty())
                leaving.push_back(row);
        }
        const Clock::time_point start = Clock::now();
        for (size_t i = 0; i < m_sats.size(); ++i) {
            Ask(L"? ArtificialSatellite.No%d.Number", static_cast<int>(i) + 1);
            Ask(L"? ArtificialSatellite.%d.LocalName", m_sats[i].number);
        }
        for (auto row = leaving.rbegin(); row != leaving.rend(); ++row)
            ListView_DeleteItem(list, *row);
        Sort(list);
        const double seconds = Seconds(Clock::now() - start);
        Done(list);
        return seconds;
    }

    double MajorOff()
    {
        HWND list = MakeList();
        for (size_t i = 0; i < m_sats.size(); ++i) {
            if (!m_sats[i].localName.empty())
                Insert(list, ListView_GetItemCount(list), i);
        }
        Sort(list);
        const Clock::time_point start = Clock::now();
        for (size_t i = 0; i < m_sats.size(); ++i) {
            const int p = static_cast<int>(i) + 1;
            const int n = m_sats[i].number;
            Ask(L"? ArtificialSatellite.No%d.Number", p);
            Ask(L"? ArtificialSatellite.%d.LocalName", n);
            if (!m_sats[i].localName.empty())
                continue;
            Ask(L"? ArtificialSatellite.No%d.Visible", p);
            Ask(L"? ArtificialSatellite.No%d.TLEName", p);
            Ask(L"? ArtificialSatellite.No%d.Number", p);
            Ask(L"? ArtificialSatellite.%d.LocalName", n);
            Ask(L"? ArtificialSatellite.%d.Type", n);
            Insert(list, static_cast<int>(i), i);
        }
        Sort(list);
        const double seconds = Seconds(Clock::now() - start);
        Done(list);
        return seconds;
    }

    double SearchMiss()
    {
        // In list order, as the search walks it from the top.
        const Clock::time_point start = Clock::now();
        for (const size_t i : m_order) {
            Ask(L"? ArtificialSatellite.%d.TLEName", m_sats[i].number);
            Ask(L"? ArtificialSatellite.%d.Name", m_sats[i].number);
        }
        const double seconds = Seconds(Clock::now() - start);
        m_session.GetJournal().Clear();
        return seconds;
    }

private:
    void Ask(const wchar_t* format, int value)
    {
        wchar_t text[96];
        std::swprintf(text, 96, format, value);
        m_session.Channel()->Exec(text);
    }

    HWND MakeList()
    {
        const HWND list = ::CreateWindowExW(0, WC_LISTVIEWW, L"",
                                            WS_CHILD | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_NOSORTHEADER,
                                            0, 0, 700, 300, m_session.Window().m_hWnd, nullptr, nullptr, nullptr);
        ListView_SetExtendedListViewStyle(list, LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT);
        for (int column = 0; column < 4; ++column) {
            LVCOLUMNW c{};
            c.mask = LVCF_TEXT | LVCF_WIDTH;
            c.cx = 60;
            c.pszText = const_cast<wchar_t*>(L"");
            ListView_InsertColumn(list, column, &c);
        }
        ::SendMessageW(list, WM_SETREDRAW, FALSE, 0);
        return list;
    }

    void Fill(HWND list)
    {
        for (size_t i = 0; i < m_sats.size(); ++i)
            Insert(list, static_cast<int>(i), i);
    }

    void Insert(HWND list, int at, size_t i)
    {
        LVITEMW item{};
        item.mask = LVIF_TEXT | LVIF_PARAM;
        item.iItem = at;
        item.pszText = const_cast<wchar_t*>(L"");
        item.lParam = static_cast<LPARAM>(i);
        const int row = ListView_InsertItem(list, &item);
        if (m_sats[i].visible)
            ListView_SetCheckState(list, row, TRUE);
        ListView_SetItemText(list, row, 1, const_cast<wchar_t*>(m_labels[i].GetString()));
        ListView_SetItemText(list, row, 2, const_cast<wchar_t*>(m_local[i].c_str()));
        ListView_SetItemText(list, row, 3, const_cast<wchar_t*>(m_type[i].c_str()));
    }

    static int CALLBACK ByRank(LPARAM a, LPARAM b, LPARAM floor)
    {
        const auto& rank = reinterpret_cast<const Floor*>(floor)->m_rank;
        return rank[static_cast<size_t>(a)] < rank[static_cast<size_t>(b)] ? -1 : 1;
    }

    void Sort(HWND list) { ::SendMessageW(list, LVM_SORTITEMS, reinterpret_cast<WPARAM>(this), reinterpret_cast<LPARAM>(&ByRank)); }

    static size_t Index(HWND list, int row)
    {
        LVITEMW item{};
        item.mask = LVIF_PARAM;
        item.iItem = row;
        ListView_GetItem(list, &item);
        return static_cast<size_t>(item.lParam);
    }

    void Done(HWND list)
    {
        ::DestroyWindow(list);
        m_session.GetJournal().Clear();
    }

    kivhost::HostSession& m_session;
    const std::vector<Sat>& m_sats;
    std::vector<size_t> m_order;  // the satellites in the dialog's list order
    std::vector<LPARAM> m_rank;
    std::vector<CString> m_labels;
    std::vector<std::wstring> m_local;
    std::vector<std::wstring> m_type;
};

// The bench opens the dialog with the settings it needs; what the store held is put back.
class SavedSettings {
public:
    SavedSettings()
    {
        for (int k = 0; k <= 5; ++k)
            m_found[k] = CRegistry::Read(kSection, Key(k).c_str(), L"", m_values[k]) && !m_values[k].IsEmpty();
    }
    ~SavedSettings()
    {
        for (int k = 0; k <= 5; ++k) {
            if (m_found[k])
                CRegistry::Write(kSection, Key(k).c_str(), m_values[k]);
            else
                ::RegDeleteKeyValueW(HKEY_CURRENT_USER, CRegistry::SectionPath(kSection), Key(k).c_str());
        }
    }

private:
    static std::wstring Key(int k) { return k == 0 ? L"LimitToMajorObjects" : L"SearchString" + std::to_wstring(k); }
    CString m_values[6];
    bool m_found[6] = {};
};

void Print(const char* name, double t, double floor)
{
    std::printf("%s %.3f s floor %.3f s ratio %.2f\n", name, t, floor, t / floor);
}

}  // namespace

int main()
{
    std::vector<Sat> sats = ReadReference(kivhost::FromUtf8(KIV_SATELLITES_TSV));
    if (sats.empty()) {
        std::fprintf(stderr, "the reference satellites cannot be read from %s\n", KIV_SATELLITES_TSV);
        return 1;
    }
    ExtendTo(sats, kSatellites);
    std::printf("sat_bench N=%zu\n", sats.size());
    std::fflush(stdout);

    kivhost::HostSession session;
    std::vector<std::wstring> problems;
    if (!session.LoadStateText(StateOf(sats), problems) || !problems.empty()) {
        std::fprintf(stderr, "the sky cannot be loaded (%zu problems)\n", problems.size());
        return 1;
    }
    const SavedSettings saved;
    Floor floor(session, sats);
    Figures best{1e9, 1e9, 1e9, 1e9};
    Figures floors{1e9, 1e9, 1e9, 1e9};
    for (int run = 0; run < kRuns; ++run) {
        const Figures f = RunDialogOnce(session);
        best.open = std::min(best.open, f.open);
        best.majorOn = std::min(best.majorOn, f.majorOn);
        best.majorOff = std::min(best.majorOff, f.majorOff);
        best.searchMiss = std::min(best.searchMiss, f.searchMiss);
        floors.open = std::min(floors.open, floor.Open());
        floors.majorOn = std::min(floors.majorOn, floor.MajorOn());
        floors.majorOff = std::min(floors.majorOff, floor.MajorOff());
        floors.searchMiss = std::min(floors.searchMiss, floor.SearchMiss());
    }
    Print("open", best.open, floors.open);
    Print("major-on", best.majorOn, floors.majorOn);
    Print("major-off", best.majorOff, floors.majorOff);
    Print("search-miss", best.searchMiss, floors.searchMiss);
    return 0;
}
