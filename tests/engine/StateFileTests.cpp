// State files: loading reports bad lines and keeps the good ones; saving and loading again gives
// the same state and the same text (reals bit for bit, whatever their size); the bundled default
// sky loads cleanly and answers the dialogs.
#include "host/engine/ScriptEngine.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

using kiv::engine::ScriptEngine;

namespace {

void ExpectRoundTrip(const ScriptEngine& engine)
{
    const std::string saved = engine.SaveState();
    ScriptEngine reloaded;
    const auto errors = reloaded.LoadState(saved);
    for (const auto& error : errors)
        ADD_FAILURE() << "line " << error.line << ": " << error.message;
    EXPECT_TRUE(reloaded.SameState(engine));
    EXPECT_EQ(reloaded.SaveState(), saved);
}

TEST(StateFile, EveryKindOfStateSurvivesSaveAndLoad)
{
    using namespace std::string_literals;
    ScriptEngine engine;
    const std::vector<std::string> commands = {
        "Flag = TRUE", "Count = -42", "Big = 9223372036854775808", "Tiny = 4.9e-324", "Zero = -0.0",
        "Ratio = 0.1", "Whole = 1234567890123456.0", "Edge = 999999999999999.9", "Small = 9.999999999999999e-6",
        "Min = 2.2250738585072014e-308", "Max = -1.7976931348623157e308", "Huge = 1.0e22", "Date = 2451544.123456789",
        "Text = \"a;b = c # d\"", "Empty = \"\"",
        "Mode = EquatorialDateMean", "Path = \"C:\\KIVDATA\\COMETS.TXT\"", "Nul = \"a\0b\""s,
        "Bytes\xff.\xed\xa0\x80 = \"\xc3(\"", "default Focal = 200", "Focal = 300", "default Same = TRUE",
        "CoordinatesLine.EquatorialGrid.Interval = 5", "Show = 1", "New.X = 2",
        "New ArtificialSatellite.25544", "New ArtificialSatellite.694", "ArtificialSatellite.No2.Visible = FALSE",
        "ArtificialSatellite.25544.Name = \"国際宇宙ステーション\"", "default ArtificialSatellite.694.Visible = TRUE",
        "Meteor.Swarm.A.Visible = TRUE", "New Meteor.Swarm.A.B", "New Meteor.Swarm.A",
        "Meteor.Swarm.No2.B.Visible = TRUE", "Meteor.Swarm.A.B.Visible = FALSE", "New Meteor.Swarm.α-Centaurids",
        "New Solar.Spacecraft.#1", "Solar.Spacecraft.#1.data.end = 2462866.5", "ADF.#3.File = \"X.TXT\"",
        "ADF.#40.Visible = FALSE", "Show Sky",
    };
    for (const std::string& command : commands)
        ASSERT_EQ(engine.Execute(command), "OK") << command;
    ExpectRoundTrip(engine);
    ExpectRoundTrip(ScriptEngine());
}

TEST(StateFile, SameStateSeesEveryDifference)
{
    const std::vector<std::pair<std::string, std::string>> pairs = {
        {"K = 1", "K = 1.0"}, {"K = \"x\"", "K = x"}, {"K = 1", "default K = 1"}, {"K = 1", "k = 1"},
        {"K = 0.0", "K = -0.0"}, {"New Meteor.Swarm.A; New Meteor.Swarm.B", "New Meteor.Swarm.B; New Meteor.Swarm.A"},
        {"New ArtificialSatellite.1", "New ArtificialSatellite.2"}, {"ADF.#1.File = \"x\"", "ADF.#2.File = \"x\""},
        {"New Solar.Spacecraft.#1", "Solar.Spacecraft.Count.X = 1"},
    };
    for (const auto& [left, right] : pairs) {
        ScriptEngine a;
        ScriptEngine b;
        ASSERT_EQ(a.Execute(left), "OK") << left;
        ASSERT_EQ(b.Execute(right), "OK") << right;
        EXPECT_FALSE(a.SameState(b)) << left << " vs " << right;
        ScriptEngine c;
        ASSERT_EQ(c.Execute(left), "OK");
        EXPECT_TRUE(a.SameState(c)) << left;
    }
}

TEST(StateFile, LoadSkipsCommentsAndReportsBadLinesByNumber)
{
    ScriptEngine engine;
    const auto errors = engine.LoadState(
        "# a comment\r\n"
        "\r\n"
        "a = 1\r\n"
        "b = \r\n"
        "   # indented comment\n"
        "? a\n"
        "New Meteor.Swarm.Perseids; Meteor.Swarm.Perseids.Visible = TRUE\n"
        "c = \"no newline at the end\"");
    ASSERT_EQ(errors.size(), 2u);
    EXPECT_EQ(errors[0].line, 4);
    EXPECT_EQ(errors[0].message.rfind("ERROR", 0), 0u);
    EXPECT_EQ(errors[1].line, 6);
    EXPECT_EQ(errors[1].message.rfind("ERROR", 0), 0u);
    EXPECT_EQ(engine.Execute("? a"), "1");
    EXPECT_EQ(engine.Execute("? b"), "");
    EXPECT_EQ(engine.Execute("? Meteor.Swarm.No1.Visible"), "TRUE");
    EXPECT_EQ(engine.Execute("? c"), "no newline at the end");
}

std::string ReadDefaultSky()
{
    std::ifstream stream(KIV_DEFAULT_SKY, std::ios::binary);
    std::ostringstream text;
    text << stream.rdbuf();
    return text.str();
}

TEST(DefaultSky, LoadsWithoutErrorsAndAnswersEveryDialogQuery)
{
    const std::string text = ReadDefaultSky();
    ASSERT_FALSE(text.empty()) << KIV_DEFAULT_SKY;
    ScriptEngine engine;
    for (const auto& error : engine.LoadState(text))
        ADD_FAILURE() << "line " << error.line << ": " << error.message;
    EXPECT_EQ(engine.RedrawCount("Sky") + engine.RedrawCount("Stellar"), 0);
    EXPECT_EQ(engine.Execute("? ArtificialSatellite.Count"), "5018");

    // An empty answer would leave a dialog's control blank, and its OK would refuse to read it.
    const auto expectAnswered = [&](const std::string& prefix, std::initializer_list<const char*> suffixes) {
        for (const char* suffix : suffixes)
            EXPECT_FALSE(engine.Execute("? " + prefix + suffix).empty()) << prefix << suffix;
    };
    expectAnswered("ArtificialSatellite.",
                   {"Name.Visible", "Number.Visible", "Magnitude", "Visible.InShadow", "Name.Color"});
    expectAnswered("Meteor.", {"Scatter.Visible", "Multiplier", "Swarm.Radiant.Name.Color"});
    expectAnswered("SkyLight.", {"Visible", "Twilight.Visible", "Moonlight.Visible", "Groundlight.Visible",
                                 "LightPollution.Visible", "LightPollution.Strength"});
    expectAnswered("FieldOfView.", {"Visible", "Angle", "Coordinate", "Color"});
    expectAnswered("AngleOfField.", {"Visible", "Camera", "FocalLength", "HorizontalSize", "VerticalSize", "Coordinate",
                                     "Color", "Guider.Visible", "Guider.HorizontalSize", "Guider.VerticalSize",
                                     "Guider.Distance"});
    expectAnswered("MosaicOfField.", {"Visible", "Camera", "FocalLength", "HorizontalSize", "VerticalSize", "Row",
                                      "Column", "Overlap", "Coordinate", "Color"});
    expectAnswered("Solar.Planet.Earth.Landscape.", {"Visible", "Resolution", "Radius", "Bitmap.Visible", "Bitmap.Width",
                                                     "Bitmap.Height", "Bitmap.UpdateByLocation", "AutoGetAltitude",
                                                     "Brightness"});
    expectAnswered("", {"View.Coordinate", "View.Projection", "CoordinatesLine.PrecessionDial.Visible",
                        "CoordinatesLine.EclipticAxis.Z.Visible", "CoordinatesLine.AltAzimuthGrid.Color",
                        "GalacticCenterAndPole.Name.Visible", "SolarMotion.Visible",
                        "Solar.Planet.Earth.Satellite.Moon.Orbit.Visible", "Solar.Spacecraft.Name.Color",
                        "ADF.#1.File", "ADF.#1.Visible", "ADF.#1.Name.Visible"});
    // Every row of the coordinate-lines dialog, and every swarm and spacecraft of the lists.
    for (const char* grid : {"AltAzimuthGrid", "Equatorial2000Grid", "EquatorialDateGrid", "Equatorial1950Grid",
                             "EclipticGrid", "GalacticGrid"})
        expectAnswered(std::string("CoordinatesLine.") + grid,
                       {".Visible", ".Number.Visible", ".NumberOnBorder.Visible", ".Interval"});
    for (const char* line : {"Meridian", "Equator2000", "EquatorDate", "Equator1950", "Ecliptic", "GalacticEquator"})
        expectAnswered(std::string("CoordinatesLine.") + line, {".Visible", ".Number.Visible", ".Scale.Visible"});
    const int swarms = std::stoi(engine.Execute("? meteor.swarm.count"));
    EXPECT_EQ(swarms, 44);
    for (int n = 1; n <= swarms; ++n) {
        const std::string name = engine.Execute("? meteor.swarm.no" + std::to_string(n) + ".englishname");
        expectAnswered("Meteor.Swarm." + name, {".Visible", ".Radiant.Visible", ".Radiant.JapaneseName.Visible",
                                                ".Radiant.EnglishName.Visible", ".Name"});
    }
    const int craft = std::stoi(engine.Execute("? Solar.Spacecraft.Count"));
    EXPECT_GE(craft, 12);
    for (int n = 1; n <= craft; ++n) {
        const std::string key = "Solar.Spacecraft.#" + std::to_string(n);
        expectAnswered(key, {".JapaneseName", ".Visible", ".JapaneseName.Visible", ".EnglishName.Visible",
                             ".Trajectory.Visible"});
        EXPECT_LT(std::stod(engine.Execute("? " + key + ".data.start")),
                  std::stod(engine.Execute("? " + key + ".data.end")))
            << key;
    }
    ExpectRoundTrip(engine);
}

}  // namespace
