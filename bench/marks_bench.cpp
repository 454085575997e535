// The mark lists at a size far beyond any real sky: the meteor dialog with 10,000 swarms and the
// spacecraft dialog with 10,000 craft, each opened and closed with OK in-process against the
// host's engine, channel and journal, driven by the host's driver. Each figure (opening plus OK)
// is set against a floor taken in the same run: the same queries through the same channel, in
// the same order, and the same command text that OK sends, with nothing else in between.
//
// Prints "marks_bench N=10000", then per dialog "<dialog> open <t> s ok <t> s floor <f> s" and
// "<dialog> open ratio <(open + ok) / floor>"; each time and each floor is the best of three.
#include "dialogs/meteor_spacecraft/DlgMeteor.h"
#include "dialogs/meteor_spacecraft/DlgSpacecraft.h"
#include "host/core/Driver.h"
#include "host/core/HostSession.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

using Clock = std::chrono::steady_clock;

namespace {

constexpr int kObjects = 10000;
constexpr int kRuns = 3;

double Seconds(Clock::duration d)
{
    return std::chrono::duration<double>(d).count();
}

std::string Sky()
{
    std::string state = "View.Coordinate = Horizon\nView.Projection = SolarSystem\nMeteor.Scatter.Visible = TRUE\n"
                        "Meteor.Multiplier = 1.5\n";
    for (int n = 1; n <= kObjects; ++n) {
        const std::string swarm = "Meteor.Swarm.Swarm" + std::to_string(n);
        state += "New " + swarm + "\n" + swarm + ".Name = \"流星群" + std::to_string(n) + "\"\n" + swarm +
                 ".Visible = " + (n % 3 ? "TRUE" : "FALSE") + "\n" + swarm + ".Radiant.Visible = TRUE\n" + swarm +
                 ".Radiant.JapaneseName.Visible = TRUE\n" + swarm + ".Radiant.EnglishName.Visible = FALSE\n";
        const std::string craft = "Solar.Spacecraft.#" + std::to_string(n);
        state += "New " + craft + "\n" + craft + ".JapaneseName = \"探査機" + std::to_string(n) + "\"\n" + craft +
                 ".Visible = TRUE\n" + craft + ".JapaneseName.Visible = TRUE\n" + craft +
                 ".EnglishName.Visible = FALSE\n" + craft + ".Trajectory.Visible = " + (n % 2 ? "TRUE" : "FALSE") +
                 "\n" + craft + ".data.start = 2451544.5\n" + craft + ".data.end = 2460000.5\n";
    }
    return state;
}

struct Figures {
    double open = 1e9;
    double ok = 1e9;
};

// The real dialog with clocks on its opening and on OK. The journal is emptied before each.
template <class TDialog>
class CTimed : public TDialog {
public:
    explicit CTimed(kivhost::HostSession& session)
        : TDialog(session.Channel(), session.Channel2(), &session.Window()), m_journal(session.GetJournal())
    {
    }

    Clock::time_point m_initDone{};
    double m_ok = 0;

protected:
    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override
    {
        const bool ok = message == WM_COMMAND && LOWORD(wParam) == IDOK;
        if (ok)
            m_journal.Clear();
        const Clock::time_point start = Clock::now();
        const BOOL handled = TDialog::OnWndMsg(message, wParam, lParam, pResult);
        if (ok)
            m_ok = Seconds(Clock::now() - start);
        if (message == WM_INITDIALOG)
            m_initDone = Clock::now();
        return handled;
    }

private:
    kivhost::Journal& m_journal;
};

// Opens the dialog and presses OK; okCommand receives the command text that OK sent.
template <class TDialog>
Figures RunDialogOnce(kivhost::HostSession& session, std::wstring& okCommand)
{
    std::vector<kivhost::Action> actions(1);
    actions[0].verb = L"ok";
    session.GetJournal().Clear();
    Figures figures;
    {
        kivhost::Driver driver(session.GetJournal(), actions, L"");
        const Clock::time_point start = Clock::now();
        CTimed<TDialog> dialog(session);
        dialog.DoModal();
        figures.open = Seconds(dialog.m_initDone - start);
        figures.ok = dialog.m_ok;
    }
    for (const std::wstring& line : session.GetJournal().Lines()) {
        if (line.rfind(L"> ;", 0) == 0)
            okCommand = line.substr(2);
    }
    session.GetJournal().Clear();
    return figures;
}

// The floor: every query of opening and the command text of OK, through the same channel.
double Floor(kivhost::HostSession& session, const std::vector<std::wstring>& queries, const std::wstring& okCommand)
{
    session.GetJournal().Clear();
    const Clock::time_point start = Clock::now();
    for (const std::wstring& query : queries)
        session.Channel()->Exec(query.c_str());
    session.Channel()->Exec(okCommand.c_str());
    const double seconds = Seconds(Clock::now() - start);
    session.GetJournal().Clear();
    return seconds;
}

// The four mark queries of every object, one object after the other.
void AskFlags(std::vector<std::wstring>& queries, const std::wstring& prefix,
              std::initializer_list<const wchar_t*> fields)
{
    for (int n = 1; n <= kObjects; ++n) {
        for (const wchar_t* field : fields)
            queries.push_back(L"? " + prefix + std::to_wstring(n) + field);
    }
}

std::vector<std::wstring> MeteorQueries()
{
    std::vector<std::wstring> queries = {L"? meteor.swarm.count"};
    for (int n = 1; n <= kObjects; ++n) {
        queries.push_back(L"? meteor.swarm.no" + std::to_wstring(n) + L".name");
        queries.push_back(L"? meteor.swarm.no" + std::to_wstring(n) + L".englishname");
    }
    queries.push_back(L"? Meteor.Scatter.Visible");
    AskFlags(queries, L"Meteor.Swarm.Swarm",
             {L".Visible", L".Radiant.Visible", L".Radiant.JapaneseName.Visible", L".Radiant.EnglishName.Visible"});
    queries.push_back(L"? Meteor.Multiplier");
    queries.push_back(L"? view.coordinate");
    return queries;
}

std::vector<std::wstring> SpacecraftQueries()
{
    std::vector<std::wstring> queries = {L"? View.Projection", L"? Solar.Spacecraft.Count"};
    for (int n = 1; n <= kObjects; ++n)
        queries.push_back(L"? Solar.Spacecraft.#" + std::to_wstring(n) + L".JapaneseName");
    AskFlags(queries, L"Solar.Spacecraft.#",
             {L".Visible", L".JapaneseName.Visible", L".EnglishName.Visible", L".Trajectory.Visible"});
    // The span of the first craft, selected when the dialog opens.
    queries.push_back(L"? Solar.Spacecraft.#1.data.start");
    queries.push_back(L"? Solar.Spacecraft.#1.data.end");
    return queries;
}

template <class TDialog>
void Measure(kivhost::HostSession& session, const char* name, const std::vector<std::wstring>& queries)
{
    Figures best;
    double floor = 1e9;
    for (int run = 0; run < kRuns; ++run) {
        std::wstring okCommand;
        const Figures figures = RunDialogOnce<TDialog>(session, okCommand);
        best.open = std::min(best.open, figures.open);
        best.ok = std::min(best.ok, figures.ok);
        floor = std::min(floor, Floor(session, queries, okCommand));
    }
    std::printf("%s open %.3f s ok %.3f s floor %.3f s\n", name, best.open, best.ok, floor);
    std::printf("%s open ratio %.2f\n", name, (best.open + best.ok) / floor);
    std::fflush(stdout);
}

}  // namespace

int main()
{
    std::printf("marks_bench N=%d\n", kObjects);
    std::fflush(stdout);
    kivhost::HostSession session;
    std::vector<std::wstring> problems;
    if (!session.LoadStateText(Sky(), problems) || !problems.empty()) {
        std::fprintf(stderr, "the sky cannot be loaded (%zu problems)\n", problems.size());
        return 1;
    }
    Measure<CDlgMeteor>(session, "meteor", MeteorQueries());
    Measure<CDlgSpacecraft>(session, "spacecraft", SpacecraftQueries());
    return 0;
}
