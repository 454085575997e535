// The collections behind the key paths: satellites by position and number, swarms by position and
// English name, spacecraft and ADF slots by "#", their counts and derived keys, and the keys that
// only look like item paths.
#include "host/engine/ScriptEngine.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using kiv::engine::ScriptEngine;

namespace {

struct QueryRow {
    const char* query;
    const char* answer;
};

// Runs the commands on a fresh engine, then checks each query's answer.
void Expect(const std::vector<std::string>& commands, const std::vector<QueryRow>& rows)
{
    ScriptEngine engine;
    for (const std::string& command : commands)
        ASSERT_EQ(engine.Execute(command), "OK") << command;
    for (const QueryRow& row : rows)
        EXPECT_EQ(engine.Execute(row.query), row.answer) << row.query;
}

TEST(Satellites, PositionAndNumberNameTheSameItem)
{
    Expect({"New ArtificialSatellite.694", "New ArtificialSatellite.25544", "New ArtificialSatellite.007",
            "ArtificialSatellite.25544.TLEName = \"ISS (ZARYA)\"", "ArtificialSatellite.No1.Visible = False",
            "artificialsatellite.no2.visible = True", "ArtificialSatellite.7.LocalName = \"x\""},
           {
               {"? artificialsatellite.count", "3"}, {"? ArtificialSatellite.No1.Number", "694"},
               {"? ArtificialSatellite.No3.Number", "7"}, {"? ArtificialSatellite.0007.Number", "7"},
               {"? ArtificialSatellite.No2.TLEName", "ISS (ZARYA)"}, {"? ArtificialSatellite.25544.Visible", "TRUE"},
               {"? ArtificialSatellite.694.Visible", "FALSE"}, {"? ArtificialSatellite.No03.LocalName", "x"},
               {"? ArtificialSatellite.No3.Visible", ""}, {"? ArtificialSatellite.No4.Number", ""},
               {"? ArtificialSatellite.12345.Number", ""}, {"? ArtificialSatellite.25544", ""},
           });
}

TEST(Satellites, LookalikeKeysAreOrdinarySettings)
{
    Expect({"New ArtificialSatellite.694", "ArtificialSatellite.Name.Visible = True",
            "ArtificialSatellite.Number.Visible = False", "ArtificialSatellite.Visible.InShadow = True",
            "ArtificialSatellite.Nox.Visible = TRUE"},
           {
               {"? ArtificialSatellite.Name.Visible", "TRUE"}, {"? ArtificialSatellite.Number.Visible", "FALSE"},
               {"? ArtificialSatellite.Visible.InShadow", "TRUE"}, {"? ArtificialSatellite.Nox.Visible", "TRUE"},
               {"? ArtificialSatellite.No1.Visible", ""}, {"? ArtificialSatellite.Count", "1"},
           });
}

TEST(Swarms, PositionAndEnglishNameNameTheSameItem)
{
    Expect({"New Meteor.Swarm.Leonis Minorids", "New Meteor.Swarm.December Leonis Minorids",
            "New Meteor.Swarm.α-Centaurids", "Meteor.Swarm.No1.Name = \"こじし座流星群\"",
            "Meteor.Swarm.december leonis minorids.Visible = True",
            "Meteor.Swarm.α-centaurids.Radiant.EnglishName.Visible = False;"},
           {
               {"? meteor.swarm.count", "3"}, {"? meteor.swarm.no1.name", "こじし座流星群"},
               {"? meteor.swarm.no3.englishname", "α-Centaurids"},
               {"? Meteor.Swarm.Leonis Minorids.EnglishName", "Leonis Minorids"},
               {"? Meteor.Swarm.No2.Visible", "TRUE"}, {"? Meteor.Swarm.Leonis Minorids.Visible", ""},
               {"? Meteor.Swarm.No3.Radiant.EnglishName.Visible", "FALSE"}, {"? Meteor.Swarm.No4.Visible", ""},
               {"? Meteor.Swarm.Perseids.Visible", ""},
           });
}

TEST(Swarms, TheLongestMatchingNameWins)
{
    Expect({"Meteor.Swarm.Radiant.Name.Color = \"#FF8C00\"", "New Meteor.Swarm.A", "New Meteor.Swarm.A.B",
            "Meteor.Swarm.A.B.Visible = TRUE", "Meteor.Swarm.A.C = 1", "Meteor.Swarm.No1.B.Visible = FALSE"},
           {
               {"? Meteor.Swarm.Radiant.Name.Color", "#FF8C00"}, {"? Meteor.Swarm.No2.Visible", "TRUE"},
               {"? Meteor.Swarm.No1.Visible", ""}, {"? Meteor.Swarm.No1.C", "1"},
               {"? Meteor.Swarm.No1.B.Visible", "FALSE"},
           });
}

TEST(Swarms, ASwarmNamedRadiantLeavesTheSettingOfThatNameAlone)
{
    ScriptEngine engine;
    ASSERT_EQ(engine.Execute("Meteor.Swarm.Radiant.Name.Color = \"#FF8C00\""), "OK");
    ASSERT_EQ(engine.Execute("New Meteor.Swarm.Radiant; Meteor.Swarm.Radiant.Name.Color = \"#000000\""), "OK");
    EXPECT_EQ(engine.Execute("? Meteor.Swarm.No1.Name.Color"), "#000000");
    const std::string saved = engine.SaveState();
    EXPECT_NE(saved.find("\nMeteor.Swarm.Radiant.Name.Color = \"#FF8C00\"\n"), std::string::npos) << saved;
}

TEST(Spacecraft, NumberedInCreationOrder)
{
    Expect({"New Solar.Spacecraft.#1", "New Solar.Spacecraft.#2", "Solar.Spacecraft.#1.JapaneseName = \"ボイジャー1号\"",
            "Solar.Spacecraft.#2.data.start = 2443391.5", "Solar.Spacecraft.Name.Color = \"#00BFFF\""},
           {
               {"? Solar.Spacecraft.Count", "2"}, {"? Solar.Spacecraft.#1.JapaneseName", "ボイジャー1号"},
               {"? solar.spacecraft.#2.DATA.START", "2443391.5"}, {"? Solar.Spacecraft.#3.Visible", ""},
               {"? Solar.Spacecraft.Name.Color", "#00BFFF"},
           });
}

TEST(Aliases, EquatorialGridNamesTheGridOfDate)
{
    ScriptEngine engine;
    ASSERT_EQ(engine.Execute("CoordinatesLine.EquatorialDateGrid.Interval = 5"), "OK");
    EXPECT_EQ(engine.Execute("? CoordinatesLine.EquatorialGrid.Interval"), "5");
    ASSERT_EQ(engine.Execute("coordinatesline.equatorialgrid.interval = 2"), "OK");
    EXPECT_EQ(engine.Execute("? CoordinatesLine.EquatorialDateGrid.Interval"), "2");
    EXPECT_EQ(engine.Execute("? CoordinatesLine.EquatorialGridX.Interval"), "");
    const std::string saved = engine.SaveState();
    EXPECT_NE(saved.find("\nCoordinatesLine.EquatorialDateGrid.Interval = 2\n"), std::string::npos) << saved;
    EXPECT_EQ(saved.find("equatorialgrid"), std::string::npos) << saved;
}

TEST(AdfSlots, FortySlotsExistFromTheStart)
{
    Expect({"ADF.#1.File = \"A.TXT\"", "adf.#40.visible = TRUE", "ADF.#007.Name.Visible = TRUE", "ADF.Visible = TRUE"},
           {{"? ADF.#1.File", "A.TXT"},
            {"? ADF.#40.Visible", "TRUE"}, {"? ADF.#7.Name.Visible", "TRUE"}, {"? ADF.Visible", "TRUE"},
            {"? ADF.#2.File", ""}});
}

}  // namespace
