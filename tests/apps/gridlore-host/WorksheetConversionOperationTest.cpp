// Which operation a conversion takes, how accurate it is, and the points beyond the areas.
#include "ProjReference.h"
#include "Worksheet.h"
#include "WorksheetConversion.h"

#include "gridlore/CoordinateSystem.h"
#include "shr/Utf8.h"

#include <geodesic.h>
#include <gmock/gmock.h>
#include <proj.h>

#include <cmath>
#include <cstdio>
#include <stdexcept>
#include <string>

using ::testing::HasSubstr;
using ::testing::Not;

using gridhost::Worksheet;
using gridhost::WorksheetConversion;
using Operation = kor::CoordinateTransform::Operation;

namespace {

Gridlore::CoordinateSystem Registry(wchar_t const* code) {
    return Gridlore::CoordinateSystem(code, true);
}

// The worst distance, in target units, between the converted cells and PROJ's answer.
double WorstOffProj(Worksheet const& sheet, ProjReference const& proj) {
    double worst = 0.0;
    for (std::size_t row = 0; row < sheet.RowCount(); ++row) {
        PJ_XY const expected = proj(Number(sheet, row, 0), Number(sheet, row, 1));
        worst = std::max({worst, std::abs(Number(sheet, row, 2) - expected.x),
                          std::abs(Number(sheet, row, 3) - expected.y)});
    }
    return worst;
}

Worksheet Points(std::string const& text) {
    return Worksheet::Parse("x,y,tx,ty\n" + text, "points.csv");
}

// 2,000 points over Germany and around it: 50 longitudes from 5 to 15 degrees east by 40
// latitudes from 47 to 55 degrees north.
Worksheet GermanPoints() {
    std::string text;
    char line[64];
    for (int row = 0; row < 2000; ++row) {
        int const column = row % 50;
        int const band = row / 50;
        std::snprintf(line, sizeof line, "%.9f,%.9f,,\n", 5.0 + 10.0 * column / 49.0,
                      47.0 + 8.0 * band / 39.0);
        text += line;
    }
    return Points(text);
}

// Where the registry says zone 32 is used, in degrees: about 6 to 12 degrees east.
struct Zone32 {
    double west = 0.0;
    double east = 0.0;

    Zone32() {
        PJ* zone = proj_create(nullptr, "EPSG:25832");
        double south = 0.0;
        double north = 0.0;
        proj_get_area_of_use(nullptr, zone, &west, &south, &east, &north, nullptr);
        proj_destroy(zone);
    }

    // Meters along the ellipsoid to the nearer edge on the point's own parallel: never
    // shorter than the nearest way to the edge, and near it.
    double AlongParallel(double longitude, double latitude) const {
        geod_geodesic wgs84;
        geod_init(&wgs84, 6378137.0, 1.0 / 298.257223563);
        double meters = 0.0;
        geod_inverse(&wgs84, latitude, longitude, latitude, longitude < west ? west : east, &meters,
                     nullptr, nullptr);
        return meters;
    }
};

} // namespace

TEST(WorksheetConversionOperation, german_points_past_zone_32_are_converted_flagged_and_measured) {
    Worksheet sheet = GermanPoints();
    WorksheetConversion const conversion(Registry(L"EPSG:4326"), Registry(L"EPSG:25832"));
    WorksheetConversion::Report const report = conversion.Run(sheet, {0, 1}, {2, 3});
    EXPECT_EQ(report.converted, 2000U);
    EXPECT_TRUE(report.bad.empty());

    Zone32 const zone;
    ASSERT_NEAR(zone.west, 6.0, 0.1);
    ASSERT_NEAR(zone.east, 12.0, 0.1);
    std::size_t outside = 0;
    std::size_t flagged = 0;
    for (std::size_t row = 0; row < sheet.RowCount(); ++row) {
        double const longitude = Number(sheet, row, 0);
        if (longitude >= zone.west && longitude <= zone.east) {
            continue;
        }
        ++outside;
        ASSERT_LT(flagged, report.flagged.size());
        WorksheetConversion::FlaggedRow const& mark = report.flagged[flagged++];
        ASSERT_EQ(mark.row, row);
        double value = 0.0;
        char unit[3] = {};
        char direction[12] = {};
        ASSERT_EQ(
            std::sscanf(shr::ToUtf8(mark.note).c_str(), "%lf %2s %11s", &value, unit, direction), 3)
            << shr::ToUtf8(mark.note);
        double const meters = std::string(unit) == "km" ? value * 1000.0 : value;
        double const along = zone.AlongParallel(longitude, Number(sheet, row, 1));
        EXPECT_EQ(direction, std::string(longitude < zone.west ? "west" : "east"));
        // The note rounds to 100 m; the nearest way is shorter than along the parallel by
        // well under a percent this far from the edge.
        EXPECT_LE(meters, along + 50.0) << shr::ToUtf8(mark.note);
        EXPECT_GT(meters, along * 0.99 - 50.0) << shr::ToUtf8(mark.note);
        EXPECT_TRUE(mark.note.ends_with(L" of the area of use of ETRS89 / UTM zone 32N"));
    }
    EXPECT_EQ(report.flagged.size(), outside);
    EXPECT_EQ(outside, 800U) << "20 of the 50 longitudes lie past the zone's edges";

    ProjReference const proj("EPSG:4326", "EPSG:25832", report.operation.name);
    EXPECT_LT(WorstOffProj(sheet, proj), 0.001) << "meters off PROJ's answer at worst";

    std::wstring const told = gridhost::Describe(report, sheet.RowCount());
    EXPECT_THAT(told, HasSubstr(L"\nOperation: " + report.operation.name + L" (accuracy "));
    EXPECT_THAT(told,
                HasSubstr(L"\n800 points lie outside the area of use of ETRS89 / UTM zone 32N "
                          L"(Europe between 6°E and 12°E); they were converted and marked."));
    EXPECT_THAT(told, HasSubstr(L"\nrow 1: " + report.flagged[0].note));
    EXPECT_THAT(told, HasSubstr(L"\nand 790 more."));

    // The strict rule leaves those points empty instead, and says why for each.
    Worksheet strict = GermanPoints();
    WorksheetConversion::Report const refused =
        WorksheetConversion(Registry(L"EPSG:4326"), Registry(L"EPSG:25832"),
                            {.strictAreas = true, .operation = {}})
            .Run(strict, {0, 1}, {2, 3});
    EXPECT_EQ(refused.converted, 1200U);
    EXPECT_TRUE(refused.flagged.empty());
    ASSERT_EQ(refused.bad.size(), 800U);
    EXPECT_EQ(refused.bad[0].reason, L"the point lies " + report.flagged[0].note);
    EXPECT_EQ(strict.Cell(refused.bad[0].row, 2), L"");
    EXPECT_EQ(strict.Cell(refused.bad[0].row, 3), L"");
    EXPECT_THAT(gridhost::Describe(refused, strict.RowCount()),
                HasSubstr(L"\n800 rows were not converted; their target cells are empty"));
}

TEST(WorksheetConversionOperation, gauss_kruger_zone_4_to_etrs89_goes_through_the_installed_grid) {
    // Around Leipzig, Berlin and Rostock, in the old system's easting and northing.
    Worksheet sheet = Points("4530000,5690000,,\n4590000,5820000,,\n4520000,5990000,,\n"
                             "4540000,5620000,,\n4580000,5740000,,\n");
    WorksheetConversion const conversion(Registry(L"EPSG:31468"), Registry(L"EPSG:25833"));
    WorksheetConversion::Report const report = conversion.Run(sheet, {0, 1}, {2, 3});
    EXPECT_EQ(report.converted, 5U);
    EXPECT_TRUE(report.flagged.empty());
    // The registry names the grid as it is published; Debian installs it as BETA2007.gsb.
    ASSERT_EQ(report.operation.grids.size(), 1U) << shr::ToUtf8(report.operation.name);
    EXPECT_THAT(report.operation.grids[0], HasSubstr(L"BETA2007"));
    EXPECT_TRUE(report.operation.missingGrids.empty());
    ProjReference const proj("EPSG:31468", "EPSG:25833", report.operation.name);
    EXPECT_LT(WorstOffProj(sheet, proj), 0.001);
    std::wstring const told = gridhost::Describe(report, sheet.RowCount());
    EXPECT_THAT(told, Not(HasSubstr(L"not installed")));

    // Another operation picked by name is used; one not offered falls back and says so.
    ASSERT_GE(report.candidates.size(), 2U);
    Operation const* other = nullptr;
    for (Operation const& candidate : report.candidates) {
        if (candidate.usable && candidate.name != report.operation.name) {
            other = &candidate;
            break;
        }
    }
    ASSERT_NE(other, nullptr);
    Worksheet again = sheet;
    WorksheetConversion::Report const picked =
        WorksheetConversion(Registry(L"EPSG:31468"), Registry(L"EPSG:25833"),
                            {.strictAreas = false, .operation = other->name})
            .Run(again, {0, 1}, {2, 3});
    EXPECT_EQ(picked.operation.name, other->name);
    EXPECT_LT(WorstOffProj(again, ProjReference("EPSG:31468", "EPSG:25833", other->name)), 0.001);
    WorksheetConversion::Report const unknown =
        WorksheetConversion(Registry(L"EPSG:31468"), Registry(L"EPSG:25833"),
                            {.strictAreas = false, .operation = L"No such operation"})
            .Run(again, {0, 1}, {2, 3});
    EXPECT_EQ(unknown.operation.name, report.operation.name);
    EXPECT_THAT(gridhost::Describe(unknown, 5),
                HasSubstr(L"The operation chosen in the options, No such "
                          L"operation, cannot be used"));
}

TEST(WorksheetConversionOperation, british_grid_names_the_missing_grid_and_uses_the_helmert_shift) {
    // London, Edinburgh and Cardiff on the British national grid.
    Worksheet sheet = Points("530000,180000,,\n325000,673000,,\n318000,176000,,\n");
    WorksheetConversion const conversion(Registry(L"EPSG:27700"), Registry(L"EPSG:4326"));
    WorksheetConversion::Report const report = conversion.Run(sheet, {0, 1}, {2, 3});
    EXPECT_EQ(report.converted, 3U);
    // A Helmert shift: no grid, and a known accuracy of a metre or two.
    EXPECT_TRUE(report.operation.grids.empty()) << shr::ToUtf8(report.operation.name);
    EXPECT_GT(report.operation.accuracy, 0.0);
    EXPECT_LE(report.operation.accuracy, 5.0);
    // The grid shift ranks first; Debian does not package its grid.
    ASSERT_FALSE(report.candidates.empty());
    ASSERT_EQ(report.candidates.front().missingGrids.size(), 1U);
    std::wstring const grid = report.candidates.front().missingGrids[0];
    EXPECT_THAT(grid, HasSubstr(L"OSTN15"));
    EXPECT_FALSE(report.candidates.front().usable);
    std::wstring const told = gridhost::Describe(report, sheet.RowCount());
    EXPECT_THAT(told, HasSubstr(L"\nA better operation, " + report.candidates.front().name +
                                L" (accuracy 1 m), needs the grid " + grid +
                                L", which is not installed."));
    ProjReference const proj("EPSG:27700", "EPSG:4326", report.operation.name);
    EXPECT_LT(WorstOffProj(sheet, proj), 1e-8) << "degrees (a millimetre is about 1e-8)";
}
