// Prints how many commands per second pass through the host command channel (CCorZen::Exec ->
// IDispatch::Invoke -> the sample host's engine, journal included) with the bundled default sky,
// for the query and statement mixes the dialogs send, beside the engine called directly.
#include "channel/CorZen.h"
#include "host/core/HostSession.h"
#include "host/core/Utf.h"

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

using Clock = std::chrono::steady_clock;

namespace {

double SecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

struct Mix {
    const char* name;
    std::vector<std::wstring> commands;
};

// Runs the commands in rounds until at least a second has passed; returns commands per second.
// The journal is emptied between rounds: the host keeps it in memory, and a benchmark sends far
// more than a dialog session would.
template <typename Send>
double Rate(const std::vector<std::wstring>& commands, kivhost::Journal& journal, Send send, std::size_t& checksum)
{
    std::size_t done = 0;
    const Clock::time_point start = Clock::now();
    double elapsed = 0;
    do {
        for (const std::wstring& command : commands)
            checksum += send(command);
        done += commands.size();
        journal.Clear();
        elapsed = SecondsSince(start);
    } while (elapsed < 1.0);
    return static_cast<double>(done) / elapsed;
}

std::wstring Number(int n)
{
    return std::to_wstring(n);
}

}  // namespace

int main()
{
    kivhost::HostSession session;
    std::vector<std::wstring> problems;
    const Clock::time_point loadStart = Clock::now();
    if (!session.LoadBundledSky(problems)) {
        std::fprintf(stderr, "the bundled default sky cannot be loaded\n");
        return 1;
    }
    const double loadSeconds = SecondsSince(loadStart);
    CCorZen& channel = *session.Channel();
    kiv::engine::ScriptEngine& engine = session.Engine();
    kivhost::Journal& journal = session.GetJournal();

    const int satellites = AfxTextToInt(channel.Exec(L"? ArtificialSatellite.Count"));
    const int swarms = AfxTextToInt(channel.Exec(L"? Meteor.Swarm.Count"));
    if (satellites <= 0 || swarms <= 0) {
        std::fprintf(stderr, "the default sky has no satellites or swarms\n");
        return 1;
    }
    std::vector<std::wstring> satelliteNumbers;
    for (int p = 1; p <= satellites; ++p)
        satelliteNumbers.push_back(channel.Exec((L"? ArtificialSatellite.No" + Number(p) + L".Number").c_str()).str());
    std::vector<std::wstring> swarmKeys;
    for (int n = 1; n <= swarms; ++n)
        swarmKeys.push_back(L"Meteor.Swarm." + channel.Exec((L"? meteor.swarm.no" + Number(n) + L".englishname").c_str()).str());

    Mix queries{"queries (dialog mix)", {}};
    const std::vector<std::wstring> ordinary = {L"? SkyLight.Visible", L"? SkyLight.LightPollution.Strength",
                                                L"? CoordinatesLine.AltAzimuthGrid.Visible", L"? view.coordinate",
                                                L"? AngleOfField.FocalLength", L"? Solar.Planet.Earth.Landscape.Bitmap.Width"};
    for (std::size_t i = 0; i < 3000; ++i) {
        queries.commands.push_back(ordinary[i % ordinary.size()]);
        queries.commands.push_back(L"? ArtificialSatellite.No" + Number(static_cast<int>(i % satellites) + 1) + L".Visible");
        queries.commands.push_back(L"? " + swarmKeys[i % swarmKeys.size()] + L".Radiant.JapaneseName.Visible");
    }

    Mix statements{"statements (dialog mix)", {}};
    for (std::size_t i = 0; i < 3000; ++i) {
        statements.commands.push_back(L"ArtificialSatellite." + satelliteNumbers[i % satelliteNumbers.size()] +
                                      (i % 2 ? L".Visible = True;" : L".Visible = False;"));
        statements.commands.push_back(L"SkyLight.LightPollution.Strength = 0." + Number(static_cast<int>(i % 10)));
        statements.commands.push_back(swarmKeys[i % swarmKeys.size()] + L".Radiant.Visible = " + (i % 3 ? L"True" : L"False"));
    }

    std::wstring sequence = L";ArtificialSatellite.Name.Visible = True;";
    for (std::size_t i = 0; i < satelliteNumbers.size(); ++i)
        sequence += L"ArtificialSatellite." + satelliteNumbers[i] + (i % 2 ? L".Visible = True;" : L".Visible = False;");
    sequence += L"ArtificialSatellite.Magnitude = 4.5;Show Sky;";
    Mix okSequence{"satellite OK sequence (one command)", {sequence}};

    const std::wstring bigText(1 << 20, L'星');
    Mix bigTexts{"1 MB text, set and read back", {L"Bench.Text = \"" + bigText + L"\"", L"? Bench.Text"}};

    std::size_t checksum = 0;
    const auto viaChannel = [&](const std::wstring& command) {
        return static_cast<std::size_t>(channel.Exec(command.c_str()).GetLength());
    };
    const auto direct = [&](const std::wstring& command) { return engine.Execute(kivhost::ToUtf8(command)).size(); };

    std::printf("default sky: loaded in %.1f ms, %d satellites, %d meteor swarms, %zu load problems\n",
                loadSeconds * 1e3, satellites, swarms, problems.size());
    std::printf("%-38s %14s %14s %12s\n", "mix", "channel /s", "engine /s", "channel us");
    for (const Mix* mix : {&queries, &statements, &okSequence, &bigTexts}) {
        const double throughChannel = Rate(mix->commands, journal, viaChannel, checksum);
        const double throughEngine = Rate(mix->commands, journal, direct, checksum);
        std::printf("%-38s %14.0f %14.0f %12.2f\n", mix->name, throughChannel, throughEngine, 1e6 / throughChannel);
    }
    std::printf("(\"engine\" calls ScriptEngine::Execute with the UTF-8 text, without automation or journal;\n"
                " checksum %zu)\n",
                checksum);
    return 0;
}
