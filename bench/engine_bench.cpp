// Prints how fast the script engine answers with the bundled default sky loaded: queries and
// statements per second in the mixes the dialogs send, and the time to save and load the sky.
#include "host/engine/ScriptEngine.h"

#include <chrono>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

using kiv::engine::ScriptEngine;
using Clock = std::chrono::steady_clock;

namespace {

double SecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// Runs the commands in rounds until at least a second has passed; returns commands per second.
double Rate(ScriptEngine& engine, const std::vector<std::string>& commands, std::size_t& checksum)
{
    std::size_t done = 0;
    const Clock::time_point start = Clock::now();
    double elapsed = 0;
    do {
        for (const std::string& command : commands)
            checksum += engine.Execute(command).size();
        done += commands.size();
        elapsed = SecondsSince(start);
    } while (elapsed < 1.0);
    return static_cast<double>(done) / elapsed;
}

}  // namespace

int main()
{
    std::ifstream stream(KIV_DEFAULT_SKY, std::ios::binary);
    std::ostringstream buffer;
    buffer << stream.rdbuf();
    const std::string sky = buffer.str();
    if (sky.empty()) {
        std::fprintf(stderr, "cannot read %s\n", KIV_DEFAULT_SKY);
        return 1;
    }

    ScriptEngine engine;
    Clock::time_point start = Clock::now();
    const auto errors = engine.LoadState(sky);
    const double loadSeconds = SecondsSince(start);
    start = Clock::now();
    const std::string saved = engine.SaveState();
    const double saveSeconds = SecondsSince(start);

    const int satellites = std::stoi(engine.Execute("? ArtificialSatellite.Count"));
    const int swarms = std::stoi(engine.Execute("? Meteor.Swarm.Count"));
    std::vector<std::string> swarmKeys;
    for (int n = 1; n <= swarms; ++n)
        swarmKeys.push_back("Meteor.Swarm." + engine.Execute("? meteor.swarm.no" + std::to_string(n) + ".englishname"));
    std::vector<std::string> numbers;
    for (int p = 1; p <= satellites; ++p)
        numbers.push_back(engine.Execute("? ArtificialSatellite.No" + std::to_string(p) + ".Number"));

    std::vector<std::string> ordinary = {"? SkyLight.Visible", "? SkyLight.LightPollution.Strength",
                                         "? CoordinatesLine.EquatorialGrid.Interval", "? view.coordinate",
                                         "? AngleOfField.FocalLength", "? Solar.Planet.Earth.Landscape.Bitmap.Width"};
    std::vector<std::string> byPosition;
    std::vector<std::string> byNumber;
    for (int p = 1; p <= satellites; ++p) {
        byPosition.push_back("? ArtificialSatellite.No" + std::to_string(p) + ".Visible");
        byNumber.push_back("? ArtificialSatellite." + numbers[static_cast<std::size_t>(p - 1)] + ".LocalName");
    }
    std::vector<std::string> bySwarmName;
    for (const std::string& key : swarmKeys) {
        for (const char* suffix : {".Visible", ".Radiant.Visible", ".Radiant.JapaneseName.Visible",
                                   ".Radiant.EnglishName.Visible"})
            bySwarmName.push_back("? " + key + suffix);
    }
    std::vector<std::string> mixed;
    for (std::size_t i = 0; i < 6000; ++i) {
        mixed.push_back(ordinary[i % ordinary.size()]);
        mixed.push_back(byPosition[i % byPosition.size()]);
        mixed.push_back(bySwarmName[i % bySwarmName.size()]);
    }

    std::vector<std::string> statements;
    for (int p = 0; p < satellites; ++p)
        statements.push_back("ArtificialSatellite." + numbers[static_cast<std::size_t>(p)] + ".Visible = " +
                             (p % 2 ? "True;" : "False;"));
    std::string dialogSequence = ";ArtificialSatellite.Name.Visible = True;ArtificialSatellite.Number.Visible = False;";
    for (const std::string& statement : statements)
        dialogSequence += statement;
    dialogSequence += "ArtificialSatellite.Magnitude = 4.5;Show Sky;";

    std::size_t checksum = 0;
    std::printf("default sky: %zu bytes, %zu load errors, %d satellites, %d swarms\n", sky.size(), errors.size(),
                satellites, swarms);
    std::printf("load default sky:            %8.1f ms\n", loadSeconds * 1e3);
    std::printf("save default sky:            %8.1f ms (%zu bytes)\n", saveSeconds * 1e3, saved.size());
    std::printf("queries, ordinary keys:      %10.0f /s\n", Rate(engine, ordinary, checksum));
    std::printf("queries, satellite No%%d:     %10.0f /s\n", Rate(engine, byPosition, checksum));
    std::printf("queries, satellite number:   %10.0f /s\n", Rate(engine, byNumber, checksum));
    std::printf("queries, swarm English name: %10.0f /s\n", Rate(engine, bySwarmName, checksum));
    std::printf("queries, mixed:              %10.0f /s\n", Rate(engine, mixed, checksum));
    std::printf("statements, one per command: %10.0f /s\n", Rate(engine, statements, checksum));
    start = Clock::now();
    int rounds = 0;
    do {
        checksum += engine.Execute(dialogSequence).size();
        ++rounds;
    } while (SecondsSince(start) < 1.0);
    const double perSequence = SecondsSince(start) / rounds;
    std::printf("satellite dialog OK sequence (%d statements, %zu bytes): %.2f ms, %10.0f statements/s\n",
                satellites + 3, dialogSequence.size(), perSequence * 1e3, (satellites + 3) / perSequence);
    std::printf("(checksum %zu)\n", checksum);
    return 0;
}
