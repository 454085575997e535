// The satellite dialog at catalogue scale: opening, the major limit on and off, and a search
// that finds nothing, each over a floor of the host queries and list work it cannot do
// without, measured in the same process. The sky holds the reference satellites extended with
// synthetic ones to N; the dialog runs in-process against the host's engine, channel and
// journal as kivhost.exe sets them up, driven by the host's driver.
//
// Runs the real catalogue's size N and four times it (the synthetic satellites numbered apart
// from the reference ones). Prints "sat_bench N=41325", then "<figure> <t> s floor <f> s ratio
// <t/f>" per figure, the same for 4N, then "growth <figure> G" with G the time at 4N over the
// time at N: 4 is linear. Each time and each floor is the best of five runs (the machine is
// shared).
#include "dialogs/satellite/DlgASat.h"
#include "dialogs/satellite/SatelliteList.h"
#include "dialogs/satellite/SatelliteRules.h"
#include "framework/kivreg/Registry.h"
#include "host/core/Driver.h"
#include "host/core/HostSession.h"
#include "host/core/Utf.h"

#include <commctrl.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

using Clock = std::chrono::steady_clock;

namespace {

constexpr size_t kSatellites = 41325;
constexpr size_t kGrowthFactor = 4;
constexpr int kRuns = 5;
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

// Called when the journal shows a message box.
std::function<void()> g_onMessageBox;

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
    g_onMessageBox = [&messageShown] { messageShown = Clock::now(); };
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
    g_onMessageBox = nullptr;
    session.GetJournal().Clear();
    return figures;
}

// The floors: the same query texts through the same channel, and a list of the same styles
// given the same rows, with every answer and the list's order known in advance: the rows are
// made in that order, so no sort is needed.
class Floor {
public:
    Floor(kivhost::HostSession& session, const std::vector<Sat>& sats) : m_session(session), m_sats(sats)
    {
        std::vector<CString> labels;
        for (const Sat& s : sats)
            labels.push_back(SatelliteLabel(CString(kivhost::FromUtf8(s.tleName)), std::to_wstring(s.number)));
        m_order.resize(sats.size());
        for (size_t i = 0; i < m_order.size(); ++i)
            m_order[i] = i;
        std::stable_sort(m_order.begin(), m_order.end(), [&](size_t a, size_t b) {
            if (sats[b].number == 25544)
                return false;
            if (sats[a].number == 25544)
                return true;
            return labels[a].CompareNoCase(labels[b]) < 0;
        });
        for (size_t i = 0; i < sats.size(); ++i) {
            CSatelliteList::Row row;
            row.number = sats[i].number;
            row.checked = sats[i].visible;
            row.label = labels[i];
            row.localName = kivhost::FromUtf8(sats[i].localName);
            row.type = kivhost::FromUtf8(sats[i].type);
            m_rows.push_back(row);
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
        Show(list, [](const Sat&) { return true; });
        const double seconds = Seconds(Clock::now() - start);
        Done(list);
        return seconds;
    }

    double MajorOn()
    {
        HWND list = MakeList();
        Show(list, [](const Sat&) { return true; });
        const Clock::time_point start = Clock::now();
        for (size_t i = 0; i < m_sats.size(); ++i) {
            Ask(L"? ArtificialSatellite.No%d.Number", static_cast<int>(i) + 1);
            Ask(L"? ArtificialSatellite.%d.LocalName", m_sats[i].number);
        }
        Show(list, [](const Sat& s) { return !s.localName.empty(); });
        const double seconds = Seconds(Clock::now() - start);
        Done(list);
        return seconds;
    }

    double MajorOff()
    {
        HWND list = MakeList();
        Show(list, [](const Sat& s) { return !s.localName.empty(); });
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
        }
        Show(list, [](const Sat&) { return true; });
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
                                            WS_CHILD | LVS_REPORT | LVS_OWNERDATA | LVS_SINGLESEL | LVS_SHOWSELALWAYS |
                                                LVS_NOSORTHEADER,
                                            0, 0, 700, 300, m_session.Window().m_hWnd, nullptr, nullptr, nullptr);
        ListView_SetExtendedListViewStyle(list, LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT);
        ListView_SetCallbackMask(list, LVIS_STATEIMAGEMASK);
        for (int column = 0; column < 4; ++column) {
            LVCOLUMNW c{};
            c.mask = LVCF_TEXT | LVCF_WIDTH;
            c.cx = 60;
            c.pszText = const_cast<wchar_t*>(L"");
            ListView_InsertColumn(list, column, &c);
        }
        return list;
    }

    // The rows that pass, in the list's order, become the list.
    template <class TKeep>
    void Show(HWND list, TKeep keep)
    {
        std::vector<CSatelliteList::Row> rows;
        rows.reserve(m_order.size());
        for (const size_t i : m_order) {
            if (keep(m_sats[i]))
                rows.push_back(m_rows[i]);
        }
        m_shown = std::move(rows);
        ListView_SetItemCountEx(list, static_cast<int>(m_shown.size()), 0);
    }

    void Done(HWND list)
    {
        ::DestroyWindow(list);
        m_shown.clear();
        m_session.GetJournal().Clear();
    }

    kivhost::HostSession& m_session;
    const std::vector<Sat>& m_sats;
    std::vector<size_t> m_order;  // the satellites in the dialog's list order
    std::vector<CSatelliteList::Row> m_rows;
    std::vector<CSatelliteList::Row> m_shown;
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

void PrintFigure(const char* name, double t, double floor)
{
    std::printf("%s %.3f s floor %.3f s ratio %.2f\n", name, t, floor, t / floor);
}

// One sky of these satellites with its own host session, and the best figures taken on it.
class Sky {
public:
    explicit Sky(const std::vector<Sat>& sats) : m_count(sats.size())
    {
        std::vector<std::wstring> problems;
        if (!m_session.LoadStateText(StateOf(sats), problems) || !problems.empty()) {
            std::fprintf(stderr, "the sky cannot be loaded (%zu problems)\n", problems.size());
            std::exit(1);
        }
        // As kivhost.exe runs a dialog from its command line with a journal file: every line is
        // made, none is kept in memory. The dialog and the floors alike pay for the lines.
        m_session.GetJournal().KeepLines(false);
        m_session.GetJournal().SetListener([](const std::wstring& line) {
            if (g_onMessageBox && line.rfind(L"! ", 0) == 0)
                g_onMessageBox();
        });
        m_floor = std::make_unique<Floor>(m_session, sats);
    }

    void RunOnce()
    {
        const Figures f = RunDialogOnce(m_session);
        m_best.open = std::min(m_best.open, f.open);
        m_best.majorOn = std::min(m_best.majorOn, f.majorOn);
        m_best.majorOff = std::min(m_best.majorOff, f.majorOff);
        m_best.searchMiss = std::min(m_best.searchMiss, f.searchMiss);
        m_floors.open = std::min(m_floors.open, m_floor->Open());
        m_floors.majorOn = std::min(m_floors.majorOn, m_floor->MajorOn());
        m_floors.majorOff = std::min(m_floors.majorOff, m_floor->MajorOff());
        m_floors.searchMiss = std::min(m_floors.searchMiss, m_floor->SearchMiss());
    }

    void Print() const
    {
        std::printf("sat_bench N=%zu\n", m_count);
        PrintFigure("open", m_best.open, m_floors.open);
        PrintFigure("major-on", m_best.majorOn, m_floors.majorOn);
        PrintFigure("major-off", m_best.majorOff, m_floors.majorOff);
        PrintFigure("search-miss", m_best.searchMiss, m_floors.searchMiss);
        std::fflush(stdout);
    }

    const Figures& Best() const { return m_best; }

private:
    size_t m_count;
    kivhost::HostSession m_session;
    std::unique_ptr<Floor> m_floor;
    Figures m_best{1e9, 1e9, 1e9, 1e9};
    Figures m_floors{1e9, 1e9, 1e9, 1e9};
};

}  // namespace

int main()
{
    std::vector<Sat> sats = ReadReference(kivhost::FromUtf8(KIV_SATELLITES_TSV));
    if (sats.empty()) {
        std::fprintf(stderr, "the reference satellites cannot be read from %s\n", KIV_SATELLITES_TSV);
        return 1;
    }
    const SavedSettings saved;
    std::vector<Sat> larger = sats;
    ExtendTo(sats, kSatellites);
    // The same synthetic satellites first, and more of them.
    ExtendTo(larger, kSatellites * kGrowthFactor);
    Sky small(sats);
    Sky large(larger);
    // The two sizes take turns, so that a busy spell of the machine falls on both.
    for (int run = 0; run < kRuns; ++run) {
        small.RunOnce();
        large.RunOnce();
    }
    small.Print();
    large.Print();
    std::printf("growth open %.2f\n", large.Best().open / small.Best().open);
    std::printf("growth major-on %.2f\n", large.Best().majorOn / small.Best().majorOn);
    std::printf("growth major-off %.2f\n", large.Best().majorOff / small.Best().majorOff);
    std::printf("growth search-miss %.2f\n", large.Best().searchMiss / small.Best().searchMiss);
    return 0;
}
