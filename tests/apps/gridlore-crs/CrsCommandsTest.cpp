#include "CrsCommands.h"

#include "ScratchDirectory.h"
#include "Worksheet.h"
#include "WorksheetColumns.h"
#include "WorksheetConversion.h"

#include "gridlore/CoordinateSystem.h"
#include "shr/AtomicFile.h"
#include "shr/Utf8.h"

#include <gmock/gmock.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

using ::testing::AllOf;
using ::testing::HasSubstr;
using ::testing::Not;

namespace {

struct Outcome {
    int code;
    std::string out;
    std::string err;
};

Outcome RunTool(std::vector<std::string> const& arguments) {
    std::ostringstream out;
    std::ostringstream err;
    int const code = crstool::RunCommand(arguments, out, err);
    return {code, out.str(), err.str()};
}

class CrsCommandsTest : public ::testing::Test {
protected:
    std::string Path(char const* name) const { return (m_scratch / name).string(); }

    ScratchDirectory m_scratch;
};

} // namespace

// What the search finds and in which order is the browser search's own test; here, that the
// tool answers through it, a line a system, and says why when it finds nothing.
TEST_F(CrsCommandsTest, search_lists_code_name_category_and_reason_or_says_why_it_found_none) {
    auto const firstLine = [](std::string const& text) { return text.substr(0, text.find('\n')); };
    Outcome const byName = RunTool({"search", "utm zone 33n"});
    ASSERT_EQ(byName.code, 0) << byName.err;
    EXPECT_THAT(byName.out, HasSubstr("EPSG:32633\tWGS 84 / UTM zone 33N\t"));
    EXPECT_THAT(byName.out, Not(HasSubstr("[EPSG:"))) << "names are shown without their tag";

    Outcome const alias = RunTool({"search", "GCS_WGS_1984"});
    ASSERT_EQ(alias.code, 0) << alias.err;
    std::string const wgs84 = firstLine(alias.out);
    EXPECT_EQ(wgs84.substr(0, 17), "EPSG:4326\tWGS 84\t");
    EXPECT_EQ(wgs84.substr(wgs84.rfind('\t')), "\tMatched the alias \"GCS_WGS_1984\"");

    Outcome const berlin = RunTool({"search", "52.52 13.40"});
    ASSERT_EQ(berlin.code, 0) << berlin.err;
    std::size_t const german = berlin.out.find("EPSG:31468\tDHDN / 3-degree Gauss-Kruger zone 4\t");
    ASSERT_NE(german, std::string::npos) << berlin.out;
    EXPECT_LT(german, berlin.out.find("EPSG:4326\tWGS 84\t"));

    for (auto const& [text, reason] :
         {std::pair{"no such system anywhere", "no coordinate system matches"},
          std::pair{"500000 5700000", "Not a place: a latitude runs from -90 to 90"}}) {
        Outcome const none = RunTool({"search", text});
        EXPECT_EQ(none.code, 1) << text;
        EXPECT_THAT(none.err, HasSubstr("'" + std::string(text) + "': " + reason));
    }
}

// An unknown code, and files of every kind of damage, are the built programs' own test.
TEST_F(CrsCommandsTest, info_describes_a_code) {
    Outcome const wgs84 = RunTool({"info", "EPSG:4326"});
    ASSERT_EQ(wgs84.code, 0) << wgs84.err;
    EXPECT_THAT(wgs84.out, AllOf(HasSubstr("WGS 84"), HasSubstr("4326")));
}

TEST_F(CrsCommandsTest, convert_writes_each_format_and_identify_finds_the_code_again) {
    for (char const* name : {"utm.qrf2", "utm.prj", "utm.wkt", "utm.tif.aux.xml"}) {
        Outcome const converted = RunTool({"convert", "EPSG:32633", Path(name)});
        ASSERT_EQ(converted.code, 0) << name << ": " << converted.err;
        Outcome const identified = RunTool({"identify", Path(name)});
        ASSERT_EQ(identified.code, 0) << identified.err;
        EXPECT_EQ(identified.out, "EPSG:32633\tWGS 84 / UTM zone 33N\n") << name;
    }
    Outcome const typed = RunTool({"convert", Path("utm.qrf2"), Path("out.txt"), "--type", "prj"});
    ASSERT_EQ(typed.code, 0) << typed.err;
    std::string const text = shr::ReadWholeFile(Path("out.txt"));
    EXPECT_TRUE(text.starts_with("PROJCS[")) << text;
}

TEST_F(CrsCommandsTest,
       convert_names_on_stderr_what_the_format_drops_and_refuses_what_it_cannot_hold) {
    // The registry gives OSGB 1936 its seven-parameter shift to WGS 84; a .prj has no room.
    Outcome const shifted = RunTool({"convert", "EPSG:27700", Path("osgb.prj")});
    EXPECT_EQ(shifted.code, 0) << shifted.err;
    EXPECT_TRUE(std::filesystem::exists(Path("osgb.prj")));
    EXPECT_THAT(shifted.err,
                HasSubstr("gridlore-crs: warning: '" + Path("osgb.prj") +
                          "' (well-known text) does not keep the datum shift to WGS 84"));
    EXPECT_EQ(RunTool({"convert", "EPSG:27700", Path("osgb.qrf2")}).err, "");

    std::ofstream(Path("site.qrf2")) << R"({"format": "QRF2", "version": 1, "system":
        {"type": "local", "name": "Site", "unitsPerMeter": 1.0, "originX": 0.0, "originY": 0.0}})";
    Outcome const local = RunTool({"convert", Path("site.qrf2"), Path("site.prj")});
    EXPECT_EQ(local.code, 1);
    EXPECT_THAT(local.err, HasSubstr("'" + Path("site.prj") + "' was not written: a local system"));
    EXPECT_EQ(std::count(local.err.begin(), local.err.end(), '\n'), 1) << "one line";
    EXPECT_FALSE(std::filesystem::exists(Path("site.prj")));
}

TEST_F(CrsCommandsTest, usage_errors_exit_2_with_the_usage_text) {
    for (std::vector<std::string> const& arguments :
         std::vector<std::vector<std::string>>{{},
                                               {"frobnicate"},
                                               {"info"},
                                               {"convert", "EPSG:4326"},
                                               {"convert", "EPSG:4326", "x.prj", "--type", "gif"},
                                               {"convert", "EPSG:4326", "x.unknown"},
                                               {"info", "EPSG:4326", "--type", "prj"},
                                               {"convert", "EPSG:4326", "x.prj", "--type"}}) {
        Outcome const outcome = RunTool(arguments);
        EXPECT_EQ(outcome.code, 2) << ::testing::PrintToString(arguments);
        EXPECT_THAT(outcome.err, HasSubstr("usage: gridlore-crs"));
    }
    Outcome const help = RunTool({"--help"});
    EXPECT_EQ(help.code, 0);
    EXPECT_THAT(help.out, HasSubstr("identify"));
}

namespace {

// The host's worksheet path on the same file: the columns it guesses, its conversion, its
// summary and the file it saves.
struct HostOutcome {
    std::string saved;
    std::wstring summary;
};

HostOutcome ConvertAsTheHost(std::string const& path, wchar_t const* from, wchar_t const* to) {
    gridhost::Worksheet sheet = gridhost::Worksheet::Load(path);
    gridhost::ColumnGuess const guess = gridhost::GuessColumns(sheet);
    gridhost::WorksheetConversion const conversion(Gridlore::CoordinateSystem(from, true),
                                                   Gridlore::CoordinateSystem(to, true));
    auto const report = conversion.Run(sheet, guess.source, guess.target);
    return {sheet.Format(), gridhost::Describe(report, sheet.RowCount())};
}

} // namespace

TEST_F(CrsCommandsTest, transform_writes_what_the_host_writes_and_exits_by_how_the_rows_went) {
    std::string const in = Path("punkte.csv");
    std::string const out = Path("utm.csv");
    shr::ReplaceFileAtomically(in, "Punkt;Lon;Lat\r\nP1;7,5;50,25\r\nP2;11,4;52,5\r\n");
    Outcome const all = RunTool({"transform", "--from", "4326", "--to=EPSG:25832", in, out});
    ASSERT_EQ(all.code, 0) << all.err;
    HostOutcome const host = ConvertAsTheHost(in, L"EPSG:4326", L"EPSG:25832");
    EXPECT_EQ(shr::ReadWholeFile(out), host.saved);
    EXPECT_THAT(all.err,
                HasSubstr(in + ": read as semicolon-separated, decimal comma, header row\n"));
    // Each line of the host's summary is one of the tool's messages.
    std::string expected = "gridlore-crs: " + shr::ToUtf8(host.summary);
    for (std::size_t at = expected.find('\n'); at != std::string::npos;
         at = expected.find('\n', at + 1)) {
        expected.insert(at + 1, "gridlore-crs: ");
    }
    EXPECT_THAT(all.err, HasSubstr(expected));
    EXPECT_EQ(shr::ReadWholeFile(in), "Punkt;Lon;Lat\r\nP1;7,5;50,25\r\nP2;11,4;52,5\r\n")
        << "without being asked, the input stays as it was";

    // A row not converted makes it exit 1; without OUT.csv the file goes to standard output.
    shr::ReplaceFileAtomically(in, "Punkt;Lon;Lat\r\nP1;7,5;50,25\r\nP2;n/a;52,5\r\n");
    Outcome const some = RunTool({"transform", "--from", "EPSG:4326", "--to", "25832", in});
    EXPECT_EQ(some.code, 1);
    EXPECT_EQ(some.out, ConvertAsTheHost(in, L"EPSG:4326", L"EPSG:25832").saved);
    EXPECT_THAT(some.err, HasSubstr("gridlore-crs: row 2: X \"n/a\" is not a number\n"));

    // A point beyond the target's area is converted and flagged, which a script must
    // notice too; the strict rule leaves it empty.
    shr::ReplaceFileAtomically(in, "Punkt;Lon;Lat\r\nP1;7,5;50,25\r\nP2;13,4;52,5\r\n");
    for (char const* rule : {"convert", "empty"}) {
        Outcome const beyond =
            RunTool({"transform", "--from", "4326", "--to", "25832", "--outside-area", rule, in});
        EXPECT_EQ(beyond.code, 1) << rule;
        EXPECT_THAT(beyond.err, HasSubstr("east of the area of use of ETRS89 / UTM zone 32N"));
        EXPECT_EQ(beyond.out.find("P2;13,4;52,5;;") != std::string::npos,
                  rule == std::string("empty"))
            << beyond.out;
    }

    // Without a header, columns go by letter and no header is made up.
    shr::ReplaceFileAtomically(in, "P1,7.5,50.25\nP2,13.4,52.5\n");
    Outcome const bare = RunTool(
        {"transform", "--from", "4326", "--to", "3857", "--columns", "B,C", "--into", "e,d", in});
    ASSERT_EQ(bare.code, 0) << bare.err;
    EXPECT_EQ(bare.out.find("P1,7.5,50.25,"), 0U) << bare.out;
    EXPECT_EQ(std::count(bare.out.begin(), bare.out.end(), '\n'), 2);
    EXPECT_EQ(std::count(bare.out.begin(), bare.out.end(), ','), 8)
        << "e and d are columns E and D: " << bare.out;
}

TEST_F(CrsCommandsTest, transform_refuses_bad_arguments_with_2_and_bad_input_with_1_naming_it) {
    std::string const in = Path("points.csv");
    shr::ReplaceFileAtomically(in, "name,lon,lat\nP1,7.5,50.25\n");
    std::string const bare = Path("bare.csv");
    shr::ReplaceFileAtomically(bare, "7.5,50.25\n");
    std::vector<std::string> const systems = {"--from", "4326", "--to", "25832"};
    auto const with = [&systems](std::vector<std::string> more) {
        more.insert(more.begin(), systems.begin(), systems.end());
        more.insert(more.begin(), "transform");
        return RunTool(more);
    };
    for (auto const& usage : std::vector<std::vector<std::string>>{{},
                                                                   {"--frobnicate", "x", "a.csv"},
                                                                   {"--separator", "pipe", "a.csv"},
                                                                   {"--columns", "lon", "a.csv"},
                                                                   {"--header", "maybe", "a.csv"},
                                                                   {"a.csv", "b.csv", "c.csv"},
                                                                   {"a.csv", "--into"}}) {
        Outcome const outcome = with(usage);
        EXPECT_EQ(outcome.code, 2) << ::testing::PrintToString(usage);
        EXPECT_THAT(outcome.err, HasSubstr("usage: gridlore-crs"));
    }
    EXPECT_EQ(RunTool({"transform", "--from", "4326", in}).code, 2) << "--to is needed";

    struct Bad {
        std::vector<std::string> arguments;
        std::string named;
    };
    for (Bad const& bad : std::vector<Bad>{
             {{"transform", "--from", "4326", "--to", "EPSG:999999999", in},
              "--to 'EPSG:999999999'"},
             {{"transform", "--from", "4326", "--to", "25832", Path("missing.csv")}, "missing.csv"},
             {{"--columns", "lon,height", in}, "points.csv' has no column named 'height'"},
             {{"--columns", "B,b", in}, "both column B"},
             {{"--into", "lon,n", in}, "Column B is a source column"},
             {{"--into", "E,ZZZZ", bare},
              "--into 'ZZZZ': the file has no header, so give a "
              "column letter up to AMJ"}}) {
        Outcome const outcome =
            bad.arguments.front() == "transform" ? RunTool(bad.arguments) : with(bad.arguments);
        EXPECT_EQ(outcome.code, 1) << outcome.err;
        EXPECT_THAT(outcome.err, HasSubstr(bad.named));
    }
}
