// The collections behind the key paths: satellites by position and number, swarms by position and
// English name, spacecraft and ADF slots by "#", their counts and derived keys, and the keys that
// only look like item paths.
#include "host/engine/ScriptEngine.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using kiv::engine::ScriptEngine;

namespace {

void RunAll(ScriptEngine& engine, const std::vector<std::string>& commands)
{
    for (const std::string& command : commands)
        ASSERT_EQ(engine.Execute(command), "OK") << command;
}

struct QueryRow {
    const char* query;
    const char* answer;
};

void ExpectAnswers(ScriptEngine& engine, const std::vector<QueryRow>& rows)
{
    for (const QueryRow& row : rows)
        EXPECT_EQ(engine.Execute(row.query), row.answer) << row.query;
}

TEST(Satellites, PositionAndNumberNameTheSameItem)
{
    ScriptEngine engine;
    RunAll(engine, {"New ArtificialSatellite.694", "New ArtificialSatellite.25544", "New ArtificialSatellite.007",
                    "ArtificialSatellite.25544.TLEName = \"ISS (ZARYA)\"", "ArtificialSatellite.No1.Visible = False",
                    "artificialsatellite.no2.visible = True", "ArtificialSatellite.7.LocalName = \"\""});
    ExpectAnswers(engine, {
                              {"? ArtificialSatellite.Count", "3"},
                              {"? ArtificialSatellite.No1.Number", "694"},
                              {"? ArtificialSatellite.No2.Number", "25544"},
                              {"? ArtificialSatellite.No3.Number", "7"},
                              {"? ArtificialSatellite.0007.Number", "7"},
                              {"? ArtificialSatellite.No2.TLEName", "ISS (ZARYA)"},
                              {"? ArtificialSatellite.25544.Visible", "TRUE"},
                              {"? ArtificialSatellite.694.Visible", "FALSE"},
                              {"? ArtificialSatellite.No03.LocalName", ""},
                              {"? ArtificialSatellite.No3.Visible", ""},
                              {"? ArtificialSatellite.No4.Number", ""},
                              {"? ArtificialSatellite.12345.Number", ""},
                              {"? ArtificialSatellite.25544", ""},
                          });
}

TEST(Satellites, LookalikeKeysAreOrdinarySettings)
{
    ScriptEngine engine;
    RunAll(engine, {"New ArtificialSatellite.694", "ArtificialSatellite.Name.Visible = True",
                    "ArtificialSatellite.Number.Visible = False", "ArtificialSatellite.Visible.InShadow = True",
                    "ArtificialSatellite.Magnitude = 4.0", "ArtificialSatellite.Name.Color = \"#FFD700\"",
                    "ArtificialSatellite.Nox.Visible = TRUE"});
    ExpectAnswers(engine, {
                              {"? ArtificialSatellite.Name.Visible", "TRUE"},
                              {"? ArtificialSatellite.Number.Visible", "FALSE"},
                              {"? ArtificialSatellite.Visible.InShadow", "TRUE"},
                              {"? ArtificialSatellite.Magnitude", "4.0"},
                              {"? ArtificialSatellite.Name.Color", "#FFD700"},
                              {"? ArtificialSatellite.Nox.Visible", "TRUE"},
                              {"? ArtificialSatellite.No1.Visible", ""},
                              {"? ArtificialSatellite.Count", "1"},
                          });
}

TEST(Swarms, PositionAndEnglishNameNameTheSameItem)
{
    ScriptEngine engine;
    RunAll(engine, {"New Meteor.Swarm.Leonis Minorids", "New Meteor.Swarm.December Leonis Minorids",
                    "New Meteor.Swarm.α-Centaurids", "New Meteor.Swarm.Daytime Arietids",
                    "Meteor.Swarm.No1.Name = \"こじし座流星群\"",
                    "Meteor.Swarm.december leonis minorids.Visible = True",
                    "Meteor.Swarm.α-centaurids.Radiant.JapaneseName.Visible = True;"
                    "Meteor.Swarm.α-centaurids.Radiant.EnglishName.Visible = False;"});
    ExpectAnswers(engine, {
                              {"? meteor.swarm.count", "4"},
                              {"? meteor.swarm.no1.name", "こじし座流星群"},
                              {"? meteor.swarm.no1.englishname", "Leonis Minorids"},
                              {"? meteor.swarm.no3.englishname", "α-Centaurids"},
                              {"? Meteor.Swarm.Leonis Minorids.EnglishName", "Leonis Minorids"},
                              {"? Meteor.Swarm.No2.Visible", "TRUE"},
                              {"? Meteor.Swarm.Leonis Minorids.Visible", ""},
                              {"? Meteor.Swarm.α-Centaurids.Radiant.JapaneseName.Visible", "TRUE"},
                              {"? Meteor.Swarm.No3.Radiant.EnglishName.Visible", "FALSE"},
                              {"? Meteor.Swarm.No5.Visible", ""},
                              {"? Meteor.Swarm.Perseids.Visible", ""},
                          });
}

TEST(Swarms, TheLongestMatchingNameWinsAndRadiantIsOnlyASwarmWhenOneHasThatName)
{
    ScriptEngine engine;
    RunAll(engine, {"Meteor.Swarm.Radiant.Name.Color = \"#FF8C00\"", "New Meteor.Swarm.A", "New Meteor.Swarm.A.B",
                    "Meteor.Swarm.A.B.Visible = TRUE", "Meteor.Swarm.A.C = 1", "Meteor.Swarm.No1.B.Visible = FALSE"});
    ExpectAnswers(engine, {
                              {"? Meteor.Swarm.Radiant.Name.Color", "#FF8C00"},
                              {"? Meteor.Swarm.No2.Visible", "TRUE"},
                              {"? Meteor.Swarm.No1.Visible", ""},
                              {"? Meteor.Swarm.No1.C", "1"},
                              {"? Meteor.Swarm.No1.B.Visible", "FALSE"},
                              {"? Meteor.Swarm.A.B.Visible", "TRUE"},
                          });
    RunAll(engine, {"New Meteor.Swarm.Radiant", "Meteor.Swarm.Radiant.Name.Color = \"#000000\""});
    ExpectAnswers(engine, {{"? Meteor.Swarm.No3.Name.Color", "#000000"}});
    const std::string saved = engine.SaveState();
    EXPECT_NE(saved.find("\nMeteor.Swarm.Radiant.Name.Color = \"#FF8C00\"\n"), std::string::npos) << saved;
}

TEST(Spacecraft, NumberedInCreationOrder)
{
    ScriptEngine engine;
    RunAll(engine, {"New Solar.Spacecraft.#1", "New Solar.Spacecraft.#2",
                    "Solar.Spacecraft.#1.JapaneseName = \"ボイジャー1号\"", "Solar.Spacecraft.#2.data.start = 2443391.5",
                    ";Solar.Spacecraft.#2.Visible = True;Solar.Spacecraft.#2.Name.Visible = True;"
                    "Solar.Spacecraft.#2.JapaneseName.Visible = True;Solar.Spacecraft.#2.EnglishName.Visible = False;"
                    "Solar.Spacecraft.#2.Trajectory.Visible = False;Show Sky;",
                    "Solar.Spacecraft.Name.Color = \"#00BFFF\""});
    ExpectAnswers(engine, {
                              {"? Solar.Spacecraft.Count", "2"},
                              {"? Solar.Spacecraft.#1.JapaneseName", "ボイジャー1号"},
                              {"? solar.spacecraft.#2.DATA.START", "2443391.5"},
                              {"? Solar.Spacecraft.#2.Trajectory.Visible", "FALSE"},
                              {"? Solar.Spacecraft.#3.Visible", ""},
                              {"? Solar.Spacecraft.Name.Color", "#00BFFF"},
                          });
}

TEST(Counts, FollowCreationAndCannotBeAssigned)
{
    ScriptEngine engine;
    ExpectAnswers(engine, {{"? ArtificialSatellite.Count", "0"},
                           {"? Meteor.Swarm.Count", "0"},
                           {"? Solar.Spacecraft.Count", "0"}});
    RunAll(engine, {"New ArtificialSatellite.1; New ArtificialSatellite.2; New Meteor.Swarm.Perseids;"
                    "New Solar.Spacecraft.#1; New Solar.Spacecraft.#2; New Solar.Spacecraft.#3"});
    ExpectAnswers(engine, {{"? artificialsatellite.count", "2"},
                           {"? METEOR.SWARM.COUNT", "1"},
                           {"? Solar.Spacecraft.Count", "3"}});
    for (const char* statement : {"ArtificialSatellite.Count = 9", "meteor.swarm.count = 9",
                                  "default Solar.Spacecraft.Count = 9"})
        EXPECT_EQ(engine.Execute(statement).rfind("ERROR", 0), 0u) << statement;
}

TEST(Aliases, EquatorialGridNamesTheGridOfDate)
{
    ScriptEngine engine;
    RunAll(engine, {"CoordinatesLine.EquatorialDateGrid.Interval = 5"});
    ExpectAnswers(engine, {{"? CoordinatesLine.EquatorialGrid.Interval", "5"}});
    RunAll(engine, {"coordinatesline.equatorialgrid.interval = 2"});
    ExpectAnswers(engine, {{"? CoordinatesLine.EquatorialDateGrid.Interval", "2"},
                           {"? CoordinatesLine.EquatorialGridX.Interval", ""}});
    const std::string saved = engine.SaveState();
    EXPECT_NE(saved.find("\nCoordinatesLine.EquatorialDateGrid.Interval = 2\n"), std::string::npos) << saved;
    EXPECT_EQ(saved.find("equatorialgrid"), std::string::npos) << saved;
}

TEST(AdfSlots, FortySlotsExistFromTheStart)
{
    ScriptEngine engine;
    RunAll(engine, {"ADF.#1.File = \"A.TXT\"", "adf.#40.visible = TRUE", "ADF.#007.Name.Visible = TRUE",
                    "ADF.Visible = TRUE"});
    ExpectAnswers(engine, {{"? ADF.#1.File", "A.TXT"},
                           {"? ADF.#40.Visible", "TRUE"},
                           {"? ADF.#7.Name.Visible", "TRUE"},
                           {"? ADF.Visible", "TRUE"},
                           {"? ADF.#2.File", ""}});
    for (const char* statement : {"ADF.#0.File = \"x\"", "ADF.#41.File = \"x\"", "ADF.#-1.File = \"x\""})
        EXPECT_EQ(engine.Execute(statement).rfind("ERROR", 0), 0u) << statement;
}

}  // namespace
