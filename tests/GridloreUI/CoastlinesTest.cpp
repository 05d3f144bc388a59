#include "Coastlines.h"
#include "ScratchDirectory.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

namespace {

using gridui::GeoPoint;

std::filesystem::path const OutlineFile =
    std::filesystem::path(GRIDUI_RESOURCES) / "coastlines.txt";

TEST(Coastlines, the_shipped_outline_reads_whole_and_stays_on_the_globe) {
    gridui::CoastlinesRead const read = gridui::ReadCoastlinesFile(OutlineFile);
    EXPECT_EQ(read.problem, L"");
    std::size_t points = 0;
    bool greatBritain = false;
    for (auto const& line : read.coastlines.lines) {
        ASSERT_GE(line.size(), 2U);
        for (GeoPoint const point : line) {
            ASSERT_GE(point.longitude, -180.0);
            ASSERT_LE(point.longitude, 180.0);
            ASSERT_GE(point.latitude, -90.0);
            ASSERT_LE(point.latitude, 90.0);
            greatBritain |= point.longitude > -6.0 && point.longitude < 2.0 &&
                            point.latitude > 50.0 && point.latitude < 58.0;
        }
        points += line.size();
    }
    EXPECT_GT(read.coastlines.lines.size(), 1000U);
    EXPECT_GT(points, 10000U);
    EXPECT_TRUE(greatBritain);
    // What the library carries is that same outline.
    EXPECT_EQ(gridui::BuiltInCoastlines().lines.size(), read.coastlines.lines.size());
}

TEST(Coastlines, a_missing_or_damaged_outline_is_refused_whole_naming_where) {
    ScratchDirectory scratch;
    gridui::CoastlinesRead const missing = gridui::ReadCoastlinesFile(scratch / "none.txt");
    EXPECT_TRUE(missing.coastlines.lines.empty());
    EXPECT_NE(missing.problem.find(L"none.txt: the file cannot be read"), std::wstring::npos)
        << missing.problem;

    std::string const good = "# outline\ngridlore-coastlines 1 2\n0 0 1 1\n-180 -90 180 90\n";
    EXPECT_EQ(gridui::ParseCoastlines(good, L"x").coastlines.lines.size(), 2U);
    struct Case {
        std::string text;
        wchar_t const* problem;
    };
    for (Case const& damaged : {
             Case{"", L"x, line 0: not a coastline outline"},
             Case{"# only comments\n", L"x, line 1: not a coastline outline"},
             Case{"gridlore-coastlines 2 1\n0 0 1 1\n", L"x, line 1: not a coastline outline"},
             Case{"gridlore-coastlines 1 3\n0 0 1 1\n0 0 2 2\n",
                  L"x, line 3: the outline ends after 2 of 3 shorelines"},
             Case{"gridlore-coastlines 1 1\n0 0 181 1\n", L"x, line 2: expected"},
             Case{"gridlore-coastlines 1 1\n0 -91 1 1\n", L"x, line 2: expected"},
             Case{"gridlore-coastlines 1 1\n0 0 1\n", L"x, line 2: expected"},
             Case{"gridlore-coastlines 1 1\n0 0\n", L"x, line 2: expected"},
             Case{"gridlore-coastlines 1 1\n0 0 1 1x\n", L"x, line 2: expected"},
             Case{"gridlore-coastlines 1 1\n0,5 0 1 1\n", L"x, line 2: expected"},
         }) {
        gridui::CoastlinesRead const read = gridui::ParseCoastlines(damaged.text, L"x");
        EXPECT_TRUE(read.coastlines.lines.empty()) << damaged.text;
        EXPECT_TRUE(read.problem.starts_with(damaged.problem)) << damaged.text;
    }
    // A file cut short in the middle of a line is as damaged as one cut between lines.
    std::ofstream(scratch / "cut.txt") << good.substr(0, good.size() - 6);
    EXPECT_NE(gridui::ReadCoastlinesFile(scratch / "cut.txt").problem, L"");
}

} // namespace
