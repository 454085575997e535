// The command language as a dialog meets it: answer forms, accepted statement shapes, host
// commands, commands that are refused without any effect, and the collections behind the key
// paths: satellites by position and number, swarms by position and English name, spacecraft and
// ADF slots by "#", their counts and derived keys, and the keys that only look like item paths.
#include "host/engine/ScriptEngine.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using kiv::engine::ScriptEngine;

namespace {

struct AnswerRow {
    const char* statement;
    const char* answer;
};

// The answer shows the kind the literal was read as: "-0" stays an integer, "TRUE." and "nan"
// are names, and reals switch to an exponent below 1e-5 and from 1e15 on.
TEST(Answers, EachValueKindAnswersInItsOwnForm)
{
    const std::vector<AnswerRow> rows = {
        {"K = fAlSe", "FALSE"}, {"K = +5", "5"}, {"K = 007", "7"}, {"K = -0", "0"},
        {"K = 9223372036854775807", "9223372036854775807"}, {"K = -9223372036854775808", "-9223372036854775808"},
        {"K = 9223372036854775808", "9223372036854775808.0"}, {"K = 99999999999999999999", "1.0e+20"},
        {"K = 0.7", "0.7"}, {"K = 2.", "2.0"}, {"K = .5", "0.5"}, {"K = -0.0", "-0.0"}, {"K = 1.5e3", "1500.0"},
        {"K = 0.00001", "0.00001"}, {"K = 0.000001", "1.0e-06"}, {"K = 123456789012345.6", "123456789012345.6"},
        {"K = 1.0e15", "1.0e+15"}, {"K = \"\"", ""}, {"K = \"  a;b=c  \"", "  a;b=c  "},
        {"K = \"C:\\KIVDATA\\COMETS.TXT\"", "C:\\KIVDATA\\COMETS.TXT"}, {"K = \"ボイジャー1号\"", "ボイジャー1号"},
        {"K = a-b_c.d9", "a-b_c.d9"}, {"K = _x", "_x"}, {"K = TRUE.", "TRUE."}, {"K = nan", "nan"},
    };
    for (const AnswerRow& row : rows) {
        ScriptEngine engine;
        ASSERT_EQ(engine.Execute(row.statement), "OK") << row.statement;
        EXPECT_EQ(engine.Execute("? K"), row.answer) << row.statement;
    }
}

// Every row sets a.b to 1 through a differently shaped command text.
TEST(Grammar, AcceptedStatementShapes)
{
    for (const char* command : {"a.b=1", "  a.b   =   1  ;  ", "\ta.b\t=\t1", ";;a.b = 1;;", "x = 0;a.b = 1",
                                "a.b = 1;Show Sky;", "A.B = 1", "DEFAULT  a.b = 1;", "a.b = 0; a.b = 1"}) {
        ScriptEngine engine;
        ASSERT_EQ(engine.Execute(command), "OK") << command;
        EXPECT_EQ(engine.Execute("? a.b"), "1") << command;
        EXPECT_EQ(engine.Execute("  ?A.B  "), "1") << command;
    }
}

TEST(Grammar, KeysMatchWithoutCaseAndKeepTheirFirstSpelling)
{
    ScriptEngine engine;
    ASSERT_EQ(engine.Execute("SkyLight.Twilight.Visible = TRUE"), "OK");
    ASSERT_EQ(engine.Execute("SKYLIGHT.twilight.VISIBLE = FALSE"), "OK");
    EXPECT_EQ(engine.Execute("? skylight.twilight.visible"), "FALSE");
    const std::string saved = engine.SaveState();
    EXPECT_NE(saved.find("\nSkyLight.Twilight.Visible = FALSE\n"), std::string::npos) << saved;
    EXPECT_EQ(saved.find("SKYLIGHT"), std::string::npos) << saved;
    // Only ASCII letters fold: a non-ASCII key keeps its bytes.
    ASSERT_EQ(engine.Execute("Meteor.α-Centaurids = 1"), "OK");
    EXPECT_EQ(engine.Execute("? METEOR.α-centaurids"), "1");
    EXPECT_EQ(engine.Execute("? Meteor.Α-Centaurids"), "");
}

TEST(Grammar, DefaultStatementsSetTheDefaultAndTheValue)
{
    ScriptEngine engine;
    ASSERT_EQ(engine.Execute("default AngleOfField.FocalLength = 200"), "OK");
    EXPECT_EQ(engine.Execute("? AngleOfField.FocalLength"), "200");
    EXPECT_EQ(engine.SaveState().find("\nAngleOfField.FocalLength = "), std::string::npos)
        << "a value equal to its default is saved once";
    ASSERT_EQ(engine.Execute("AngleOfField.FocalLength = 300"), "OK");
    const std::string saved = engine.SaveState();
    EXPECT_NE(saved.find("\ndefault AngleOfField.FocalLength = 200\nAngleOfField.FocalLength = 300\n"),
              std::string::npos)
        << saved;
    // A plain key named "default" is a key like any other.
    ASSERT_EQ(engine.Execute("default = 5"), "OK");
    EXPECT_EQ(engine.Execute("? DEFAULT"), "5");
}

TEST(HostCommands, ShowCountsRedrawsPerKindOnlyWhenTheCommandSucceeds)
{
    const struct {
        const char* command;
        int sky;
        int stellar;
    } rows[] = {
        {"show SKY", 1, 0}, {"SHOW stellar;", 0, 1}, {"a = 1;Show Sky;Show Sky;Show Stellar", 2, 1},
        {"Show Sky; a = ", 0, 0}, {"Show", 0, 0}, {"Show Moon", 0, 0}, {"Show Sky Now", 0, 0},
    };
    for (const auto& row : rows) {
        ScriptEngine engine;
        const std::string answer = engine.Execute(row.command);
        EXPECT_EQ(answer == "OK", row.sky + row.stellar > 0) << row.command << " -> " << answer;
        EXPECT_EQ(engine.RedrawCount("Sky"), row.sky) << row.command;
        EXPECT_EQ(engine.RedrawCount("Stellar"), row.stellar) << row.command;
    }
}

TEST(HostCommands, InitAdfEmptiesOneSlot)
{
    ScriptEngine engine;
    ASSERT_EQ(engine.Execute("ADF.#1.File = \"A.TXT\";ADF.#2.File = \"B.TXT\";ADF.#2.Name.Visible = TRUE;"
                             "ADF.#40.File = \"Z.TXT\""),
              "OK");
    ASSERT_EQ(engine.Execute("Init ADF.#2; init adf.#40;"), "OK");
    for (const char* query : {"? ADF.#2.File", "? ADF.#2.Name.Visible", "? ADF.#40.File"})
        EXPECT_EQ(engine.Execute(query), "") << query;
    EXPECT_EQ(engine.Execute("? ADF.#1.File"), "A.TXT");
    // The dialog's OK clears every slot, filled or not, before it refills the ticked ones.
    ASSERT_EQ(engine.Execute("Init ADF.#2; ADF.#2.File = \"C.TXT\""), "OK");
    EXPECT_EQ(engine.Execute("? ADF.#2.File"), "C.TXT");
}

// A state with a little of everything, so that a refused command has something to damage.
void Populate(ScriptEngine& engine)
{
    for (const char* command :
         {"SkyLight.Visible = TRUE", "default AngleOfField.FocalLength = 200", "Meteor.Multiplier = 1.5",
          "New ArtificialSatellite.694", "New ArtificialSatellite.25544", "ArtificialSatellite.25544.Visible = TRUE",
          "New Meteor.Swarm.Perseids", "Meteor.Swarm.Perseids.Visible = TRUE", "New Solar.Spacecraft.#1",
          "Solar.Spacecraft.#1.JapaneseName = \"はやぶさ2\"", "ADF.#1.File = \"A.TXT\""}) {
        ASSERT_EQ(engine.Execute(command), "OK") << command;
    }
}

TEST(Errors, RefusedCommandsChangeNothing)
{
    using namespace std::string_literals;
    const std::vector<std::string> commands = {
        // Not readable as a command.
        "", "   ", "=", "?", "garbage", "SkyLight.Visible", "1abc = 5", "a..b = 1", "a. = 1", "a = ",
        "a = \"unbalanced; b = 1", "a = \"x\" y", "a = \"x\"y\"", "a = 1.2.3", "a = 1e5", "a = 1.0e999",
        "a = 0x10", "a = 'x'", "a = \"line\nbreak\"", "a\x01 = 1", "a\x7f = 1", "a\0b = 1"s, "a?b = 1",
        "default default x = 1", "b = 1; ? a", "? a.",
        // A sequence whose later part fails takes back what the earlier parts did.
        "SkyLight.Visible = FALSE; x = 1; bogus",
        "New Meteor.Swarm.Leonids; Meteor.Swarm.Leonids.Visible = TRUE; Meteor.Swarm.No9.Visible = TRUE",
        "Init ADF.#1; ADF.#0.File = \"x\"",
        "AngleOfField.FocalLength = 5; default AngleOfField.FocalLength = 7; Solar.Spacecraft.#2.X = 1",
        "New ArtificialSatellite.1; New ArtificialSatellite.1",
        "New Solar.Spacecraft.#2; Solar.Spacecraft.#2.X = 1; Solar.Spacecraft.#3.X = 1",
        "Show Sky; ArtificialSatellite.Count = 3",
        // Read-only, missing or incomplete item paths.
        "meteor.swarm.count = 1", "default Solar.Spacecraft.Count = 1", "ArtificialSatellite.694.Number = 5",
        "Meteor.Swarm.Perseids.englishname = \"x\"", "ArtificialSatellite.No0.Visible = TRUE",
        "ArtificialSatellite.No3.Visible = TRUE", "ArtificialSatellite.12345.Visible = TRUE",
        "ArtificialSatellite.99999999999999999999999.Visible = TRUE", "ArtificialSatellite.No1 = TRUE",
        "Meteor.Swarm.No2.Visible = TRUE", "Meteor.Swarm.Perseids = TRUE", "Solar.Spacecraft.#2.Visible = TRUE",
        "Solar.Spacecraft.#.Visible = TRUE", "ADF.#0.File = \"x\"", "ADF.#41.File = \"x\"", "ADF.#-1.File = \"x\"",
        "ADF.#1 = \"x\"",
        // Host commands with a bad argument.
        "Init", "Init ADF", "Init ADF.#0", "Init ADF.#41", "Init ADF.#x", "Init Foo.#1", "New",
        "New ArtificialSatellite.No1", "New ArtificialSatellite.5.Visible", "New ArtificialSatellite.694",
        "New ArtificialSatellite.99999999999999999999", "New Meteor.Swarm.perseids", "New Meteor.Swarm.Count",
        "New Meteor.Swarm.no3.x", "New Solar.Spacecraft.#1", "New Solar.Spacecraft.#3", "New ADF.#1", "New Foo.Bar",
        "New Meteor.Swarm.",
    };
    for (const std::string& command : commands) {
        ScriptEngine engine;
        Populate(engine);
        const std::string before = engine.SaveState();
        const std::string answer = engine.Execute(command);
        EXPECT_EQ(answer.rfind("ERROR", 0), 0u) << "command: " << command << " answer: " << answer;
        EXPECT_EQ(engine.SaveState(), before) << command;
        EXPECT_EQ(engine.RedrawCount("Sky"), 0) << command;
    }
}

TEST(Errors, ErrorAnswersSayWhichStatementFailed)
{
    ScriptEngine engine;
    EXPECT_EQ(engine.Execute(";a = 1;; b = 1.2.3"),
              "ERROR: statement 2: the value is not TRUE/FALSE, a number, a quoted text or a name");
    EXPECT_EQ(engine.Execute("; a = 1; ArtificialSatellite.Count = 2"), "ERROR: statement 2: a count is read-only");
    EXPECT_EQ(engine.Execute("a = "), "ERROR: the value is missing");
}

TEST(BadInput, HugeAndBinaryTextsAreAnsweredAndKeptAsData)
{
    using namespace std::string_literals;
    ScriptEngine engine;
    const std::string big(1 << 20, 'x');
    ASSERT_EQ(engine.Execute("K = \"" + big + "\""), "OK");
    EXPECT_EQ(engine.Execute("? K"), big);
    EXPECT_EQ(engine.Execute("K = \"" + big).rfind("ERROR", 0), 0u);
    EXPECT_EQ(engine.Execute(std::string(1 << 20, ';')), "OK");
    EXPECT_EQ(engine.Execute(std::string(1 << 20, '"')).rfind("ERROR", 0), 0u);

    std::string many;
    for (int i = 0; i < 100000; ++i)
        many += "N" + std::to_string(i % 97) + " = " + std::to_string(i) + ";";
    ASSERT_EQ(engine.Execute(many), "OK");
    EXPECT_EQ(engine.Execute("? N96"), "99909");

    ASSERT_EQ(engine.Execute("T = \"a\0b\""s), "OK");
    EXPECT_EQ(engine.Execute("? T"), "a\0b"s);
    // Malformed UTF-8 and a lone surrogate encoded as three bytes are data, in keys and in texts.
    ASSERT_EQ(engine.Execute("K\xff\xfe.\xed\xa0\x80 = \"\xed\xb0\x80\xc3\""), "OK");
    EXPECT_EQ(engine.Execute("? k\xff\xfe.\xed\xa0\x80"), "\xed\xb0\x80\xc3");
}

TEST(Journal, RecordsEveryCommandWithItsAnswerButNotTheStateFile)
{
    ScriptEngine engine;
    std::vector<std::string> journal;  // "command -> answer", the answer cut after five characters
    engine.SetJournalSink([&](std::string_view command, std::string_view answer) {
        journal.push_back(std::string(command) + " -> " + std::string(answer.substr(0, 5)));
    });
    for (const char* command : {"a = 1", "? A", "bogus"})
        engine.Execute(command);
    engine.LoadState("b = 2\n");
    EXPECT_EQ(journal, (std::vector<std::string>{"a = 1 -> OK", "? A -> 1", "bogus -> ERROR"}));
}

// ---- collections ----

struct QueryRow {
    const char* query;
    const char* answer;
};

// Runs the commands on a fresh engine, checks each query's answer and returns the saved state.
std::string Expect(const std::vector<std::string>& commands, const std::vector<QueryRow>& rows)
{
    ScriptEngine engine;
    for (const std::string& command : commands)
        EXPECT_EQ(engine.Execute(command), "OK") << command;
    for (const QueryRow& row : rows)
        EXPECT_EQ(engine.Execute(row.query), row.answer) << row.query;
    return engine.SaveState();
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
               {"? ArtificialSatellite.Name", ""}, {"? ArtificialSatellite.Name.Visible.X", ""},
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
    const std::string saved = Expect({"Meteor.Swarm.Radiant.Name.Color = \"#FF8C00\"", "New Meteor.Swarm.Radiant",
                                      "Meteor.Swarm.Radiant.Name.Color = \"#000000\""},
                                     {{"? Meteor.Swarm.No1.Name.Color", "#000000"}});
    EXPECT_NE(saved.find("\nMeteor.Swarm.Radiant.Name.Color = \"#FF8C00\"\n"), std::string::npos) << saved;
}

TEST(Spacecraft, NumberedInCreationOrder)
{
    Expect({"New Solar.Spacecraft.#1", "New Solar.Spacecraft.#2", "Solar.Spacecraft.#1.JapaneseName = \"ボイジャー1号\"",
            "Solar.Spacecraft.#2.data.start = 2443391.5", "Solar.Spacecraft.Name.Color = \"#00BFFF\""},
           {
               {"? Solar.Spacecraft.Count", "2"}, {"? Solar.Spacecraft.#1.JapaneseName", "ボイジャー1号"},
               {"? solar.spacecraft.#2.DATA.START", "2443391.5"}, {"? Solar.Spacecraft.#3.Visible", ""},
               {"? Solar.Spacecraft.#x.Visible", ""}, {"? Solar.Spacecraft.Name.Color", "#00BFFF"},
           });
}

TEST(Aliases, EquatorialGridNamesTheGridOfDate)
{
    const std::string saved =
        Expect({"CoordinatesLine.EquatorialDateGrid.Interval = 5", "coordinatesline.equatorialgrid.interval = 2"},
               {{"? CoordinatesLine.EquatorialDateGrid.Interval", "2"},
                {"? CoordinatesLine.EquatorialGrid.Interval", "2"},
                {"? CoordinatesLine.EquatorialGridX.Interval", ""}});
    EXPECT_NE(saved.find("\nCoordinatesLine.EquatorialDateGrid.Interval = 2\n"), std::string::npos) << saved;
    EXPECT_EQ(saved.find("equatorialgrid"), std::string::npos) << saved;
}

TEST(AdfSlots, FortySlotsExistFromTheStart)
{
    Expect({"ADF.#1.File = \"A.TXT\"", "adf.#40.visible = TRUE", "ADF.#007.Name.Visible = TRUE", "ADF.Visible = TRUE"},
           {{"? ADF.#1.File", "A.TXT"}, {"? ADF.#40.Visible", "TRUE"}, {"? ADF.#7.Name.Visible", "TRUE"},
            {"? ADF.Visible", "TRUE"}, {"? ADF.#2.File", ""}, {"? ADF.#0.File", ""}, {"? ADF.#41.File", ""}});
}

}  // namespace
