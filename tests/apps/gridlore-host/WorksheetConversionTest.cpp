#include "WorksheetConversion.h"
#include "HostConvertWks.h"
#include "RecordingErrorSink.h"
#include "Worksheet.h"
#include "WorksheetExtent.h"

#include "gridlore/CoordinateSystem.h"
#include "kor/KORException.h"
#include "kor/UCSDef.h"
#include "shr/Utf8.h"

#include <gmock/gmock.h>

#include <algorithm>
#include <memory>
#include <set>
#include <stdexcept>

using ::testing::HasSubstr;

using gridhost::HostConvertWks;
using gridhost::Worksheet;
using gridhost::WorksheetConversion;

namespace {

// The bundled sample: point, longitude, latitude, easting, northing.
Worksheet Sample() {
    return Worksheet::Load(GRIDLORE_SAMPLE_WORKSHEET);
}

Gridlore::CoordinateSystem Registry(wchar_t const* code) {
    return Gridlore::CoordinateSystem(code, true);
}

std::wstring WithCommas(std::wstring text) {
    std::replace(text.begin(), text.end(), L'.', L',');
    return text;
}

} // namespace

TEST(WorksheetConversion, the_samples_bad_rows_are_reported_and_left_empty_and_far_points_flagged) {
    Worksheet sheet = Sample();
    ASSERT_GE(sheet.RowCount(), 200U);
    WorksheetConversion const conversion(Registry(L"EPSG:4326"), Registry(L"EPSG:32633"));
    WorksheetConversion::Report const report = conversion.Run(sheet, {1, 2}, {3, 4});

    std::set<std::size_t> bad;
    for (auto const& row : report.bad) {
        bad.insert(row.row);
    }
    EXPECT_EQ(bad, (std::set<std::size_t>{41, 117}));
    EXPECT_EQ(report.converted + report.bad.size(), sheet.RowCount());
    EXPECT_FALSE(report.cancelled);
    EXPECT_EQ(report.bad[0].reason, L"Y is empty");
    EXPECT_EQ(report.bad[1].reason, L"X \"n/a\" is not a number");
    // Past the zone's area of use, converted all the same and flagged.
    ASSERT_EQ(report.flagged.size(), 1U);
    EXPECT_EQ(report.flagged[0].row, 203U);

    // How near the points land is the conversion's own test; here, that bad rows stay empty.
    for (std::size_t const row : bad) {
        EXPECT_EQ(sheet.Cell(row, 3), L"") << "row " << row;
        EXPECT_EQ(sheet.Cell(row, 4), L"") << "row " << row;
    }

    std::wstring const told = gridhost::Describe(report, sheet.RowCount());
    EXPECT_EQ(told.substr(0, 24), L"Converted 298 of 300 row");
    EXPECT_THAT(told, HasSubstr(L"\nrow 118: X \"n/a\" is not a number"));
}

TEST(WorksheetConversion, stale_results_are_cleared_new_columns_named_and_progress_can_stop_it) {
    Worksheet sheet = Worksheet::Parse("x,y,e,n\n15,52,old,old\n15,,old,old\n16,53,,\n", "s.csv");
    WorksheetConversion const conversion(Registry(L"EPSG:4326"), Registry(L"EPSG:3857"));
    WorksheetConversion::Report report = conversion.Run(sheet, {0, 1}, {5, 6});
    EXPECT_EQ(report.converted, 2U);
    EXPECT_EQ(sheet.ColumnName(5), L"X (WGS 84 / Pseudo-Mercator [EPSG:3857])");
    EXPECT_EQ(sheet.ColumnName(4), L"");
    EXPECT_EQ(sheet.Cell(1, 5), L"");
    EXPECT_EQ(sheet.Cell(0, 5), L"1669792.362") << "meters to the millimetre";

    Worksheet back = Worksheet::Parse("e,n\n1669792.362,6800125.454\n", "m.csv");
    WorksheetConversion(Registry(L"EPSG:3857"), Registry(L"EPSG:4326")).Run(back, {0, 1}, {2, 3});
    EXPECT_EQ(back.Cell(0, 2), L"15.000000001") << "degrees to nine decimals";

    // A second run into the old columns must not leave "old" beside a bad row.
    report = conversion.Run(sheet, {0, 1}, {2, 3});
    EXPECT_EQ(sheet.Cell(1, 2), L"");
    EXPECT_EQ(sheet.ColumnName(2), L"e") << "a named column keeps its name";

    std::vector<std::size_t> calls;
    report = conversion.Run(sheet, {0, 1}, {2, 3}, [&](std::size_t done, std::size_t total) {
        calls.push_back(done);
        EXPECT_EQ(total, 3U);
        return false;
    });
    EXPECT_TRUE(report.cancelled);
    EXPECT_EQ(calls, std::vector<std::size_t>{0});
    EXPECT_EQ(report.converted, 0U);
    // A point in a target cell not reached stays a point in a decimal-comma file.
    std::string const commas = "x;y;e;n\n7,5;50,25;1.5;\n8,5;51;;\n";
    Worksheet commaSheet = Worksheet::Parse(commas, "comma.csv");
    EXPECT_TRUE(
        conversion.Run(commaSheet, {0, 1}, {2, 3}, [](auto, auto) { return false; }).cancelled);
    EXPECT_EQ(commaSheet.Format(), commas);

    // A long sheet hears of its progress every so many rows, and of the end.
    std::string text = "x,y\n";
    for (int row = 0; row < 10000; ++row) {
        text += "15,52\n";
    }
    Worksheet longSheet = Worksheet::Parse(text, "long.csv");
    calls.clear();
    report = conversion.Run(longSheet, {0, 1}, {2, 3}, [&](std::size_t done, std::size_t) {
        calls.push_back(done);
        return true;
    });
    EXPECT_EQ(report.converted, 10000U);
    std::size_t const step = WorksheetConversion::ProgressStep;
    EXPECT_EQ(calls, (std::vector<std::size_t>{0, step, 2 * step, 10000}));
}

TEST(WorksheetConversion, huge_cells_go_through_whole_and_are_quoted_cut_in_messages_and_lists) {
    std::wstring const huge(std::size_t{1} << 20U, L'n');
    Worksheet sheet = Worksheet::Parse("x,y,note\n15,52\n16,52\n", "notes.csv");
    sheet.SetCell(0, 2, huge);
    sheet.SetCell(1, 0, huge);
    sheet.SetColumnName(2, huge);
    WorksheetConversion::Report const report =
        WorksheetConversion(Registry(L"EPSG:4326"), Registry(L"EPSG:32633"))
            .Run(sheet, {0, 1}, {3, 4});
    ASSERT_EQ(report.bad.size(), 1U);
    EXPECT_EQ(report.bad[0].reason, L"X \"" + huge.substr(0, 40) + L"\u2026\" is not a number");
    Worksheet const saved = Worksheet::Parse(sheet.Format(), "notes.csv");
    EXPECT_TRUE(saved.Cell(0, 2) == huge && saved.Cell(1, 0) == huge &&
                saved.ColumnName(2) == huge);

    HostConvertWks settings(sheet, L"favourites.qrf2", std::make_shared<RecordingErrorSink>());
    EXPECT_EQ(settings.GetColumnLabels(5)[2], L"C: " + huge.substr(0, 256) + L"\u2026");
}

TEST(WorksheetConversion, a_number_no_double_holds_is_told_as_out_of_range_not_as_text) {
    Worksheet sheet = Worksheet::Parse("x,y\n1e-400,52\n15,-1e400\n15,1e4OO\n", "s.csv");
    WorksheetConversion const conversion(Registry(L"EPSG:4326"), Registry(L"EPSG:3857"));
    WorksheetConversion::Report const report = conversion.Run(sheet, {0, 1}, {2, 3});
    ASSERT_EQ(report.bad.size(), 3U);
    EXPECT_EQ(report.bad[0].reason,
              L"X \"1e-400\" is out of range (too large or too close to zero)");
    EXPECT_EQ(report.bad[1].reason,
              L"Y \"-1e400\" is out of range (too large or too close to zero)");
    EXPECT_EQ(report.bad[2].reason, L"Y \"1e4OO\" is not a number");
}

TEST(WorksheetConversion, a_local_system_cannot_be_converted_and_says_so) {
    kor::UCSDef local(1.0, 0.0, 0.0, nullptr);
    local.SetName(L"Site grid");
    EXPECT_THROW(WorksheetConversion(Gridlore::CoordinateSystem(local), Registry(L"EPSG:4326")),
                 kor::KORException);
    EXPECT_THROW(WorksheetConversion(Gridlore::CoordinateSystem(), Registry(L"EPSG:4326")),
                 std::invalid_argument);
}

TEST(HostConvertWks, labels_carry_the_column_names_and_each_bad_setting_is_told_in_words) {
    Worksheet const sheet = Sample();
    auto const sink = std::make_shared<RecordingErrorSink>();
    HostConvertWks settings(sheet, L"favourites.qrf2", sink);
    std::vector<std::wstring> const labels = settings.GetColumnLabels(7);
    EXPECT_EQ(labels[1], L"B: longitude");
    EXPECT_EQ(labels[6], L"G");
    for (int column = 0; column < 7; ++column) {
        EXPECT_EQ(settings.ColumnFromLabel(labels[static_cast<std::size_t>(column)]), column);
    }
    EXPECT_EQ(settings.ColumnFromLabel(L"b"), 1);
    EXPECT_EQ(settings.ColumnFromLabel(L": longitude"), -1);

    settings.m_sourceCS = Registry(L"EPSG:4326");
    settings.m_destCS = Registry(L"EPSG:32633");
    struct Case {
        std::pair<int, int> source;
        std::pair<int, int> target;
        wchar_t const* told;
    };
    Case const cases[] = {
        {{1, 1}, {3, 4}, L"The source X and Y are both column B."},
        {{1, 2}, {2, 4}, L"Column C is a source column"},
        {{1, 2}, {-1, 4}, L"Choose the source and the target X and Y columns."},
        {{1, 9}, {3, 4}, L"Source column J is beyond the worksheet, whose last column is E."},
        {{1, 2}, {7, 7}, L"The target X and Y are both column H."},
    };
    for (Case const& c : cases) {
        settings.m_sourceCols = c.source;
        settings.m_destCols = c.target;
        sink->reports.clear();
        EXPECT_FALSE(settings.Validate());
        ASSERT_EQ(sink->reports.size(), 1U);
        EXPECT_EQ(sink->reports[0].message.find(c.told), 0U)
            << shr::ToUtf8(sink->reports[0].message);
    }
    settings.m_sourceCols = {1, 2};
    settings.m_destCols = {5, 6};
    sink->reports.clear();
    EXPECT_TRUE(settings.Validate()) << "target columns past the sheet are new columns";
    EXPECT_TRUE(sink->reports.empty());
}

TEST(WorksheetExtent, the_area_around_the_points_is_read_in_their_system_past_rows_that_are_none) {
    Worksheet const sheet = Worksheet::Parse("name,e,n\n"
                                             "a,400000,100000\n"
                                             "b,600000,900000\n"
                                             "c,not a number,5\n"
                                             "d,,\n",
                                             "points.csv");
    std::optional<gridui::GeoArea> const area =
        gridhost::WorksheetExtent(sheet, {1, 2}, Registry(L"EPSG:27700"));
    ASSERT_TRUE(area.has_value());
    // The two points converted: 2.0 W, 50.8 N (on the grid's central meridian) and
    // 1.38 E, 58.0 N.
    EXPECT_NEAR(area->west, -2.0, 0.01);
    EXPECT_NEAR(area->east, 1.38, 0.01);
    EXPECT_NEAR(area->south, 50.8, 0.1);
    EXPECT_NEAR(area->north, 58.0, 0.1);

    Worksheet const degrees = Worksheet::Parse("lon,lat\n13.4,52.5\n-1.5,51\n", "degrees.csv");
    std::optional<gridui::GeoArea> const wgs84 =
        gridhost::WorksheetExtent(degrees, {0, 1}, Registry(L"EPSG:4326"));
    ASSERT_TRUE(wgs84.has_value());
    EXPECT_DOUBLE_EQ(wgs84->west, -1.5);
    EXPECT_DOUBLE_EQ(wgs84->east, 13.4);
    EXPECT_DOUBLE_EQ(wgs84->south, 51.0);
    EXPECT_DOUBLE_EQ(wgs84->north, 52.5);
    // A file with decimal commas lies where its decimal-point twin lies.
    Worksheet const commas = Worksheet::Parse("lon;lat\n13,4;52,5\n-1,5;51\n", "commas.csv");
    std::optional<gridui::GeoArea> const same =
        gridhost::WorksheetExtent(commas, {0, 1}, Registry(L"EPSG:4326"));
    ASSERT_TRUE(same.has_value());
    EXPECT_DOUBLE_EQ(same->west, -1.5);
    EXPECT_DOUBLE_EQ(same->north, 52.5);

    kor::UCSDef local(1.0, 0.0, 0.0, nullptr);
    local.SetName(L"Site grid");
    EXPECT_FALSE(gridhost::WorksheetExtent(degrees, {0, 1}, Gridlore::CoordinateSystem(local)));
    Worksheet const empty = Worksheet::Parse("lon,lat\nx,y\n", "empty.csv");
    EXPECT_FALSE(gridhost::WorksheetExtent(empty, {0, 1}, Registry(L"EPSG:4326")));
}

TEST(DecimalCommaConversion, decimal_comma_files_convert_as_their_decimal_point_twins_would) {
    std::string const commas = "Punkt;Lon;Lat\r\nP1;7,5;50,25\r\nP2;13,4;52,5\r\nP3;7,5x;50\r\n"
                               "P4;-1,5;\"45,125\"\r\n";
    std::string points = commas;
    std::replace(points.begin(), points.end(), ',', '.');
    Worksheet commaSheet = Worksheet::Parse(commas, "comma.csv");
    Worksheet pointSheet = Worksheet::Parse(points, "point.csv");
    ASSERT_EQ(commaSheet.Dialect().decimalMark, ',');
    ASSERT_EQ(pointSheet.Dialect().decimalMark, '.');

    WorksheetConversion const conversion(Registry(L"EPSG:4326"), Registry(L"EPSG:3857"));
    auto const commaReport = conversion.Run(commaSheet, {1, 2}, {3, 4});
    auto const pointReport = conversion.Run(pointSheet, {1, 2}, {3, 4});
    EXPECT_EQ(commaReport.converted, 3U);
    EXPECT_EQ(pointReport.converted, 3U);
    ASSERT_EQ(commaReport.bad.size(), 1U);
    EXPECT_EQ(commaReport.bad[0].reason, L"X \"7,5x\" is not a number")
        << "a bad cell is quoted as the file has it";
    for (std::size_t row = 0; row < pointSheet.RowCount(); ++row) {
        for (unsigned column = 1; column <= 4; ++column) {
            EXPECT_EQ(commaSheet.Cell(row, column), WithCommas(pointSheet.Cell(row, column)))
                << "row " << row << " column " << column;
        }
    }
}
