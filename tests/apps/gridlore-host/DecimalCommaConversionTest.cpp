#include "WorksheetConversion.h"

#include "Worksheet.h"

#include "gridlore/CoordinateSystem.h"
#include "shr/Utf8.h"

#include <gtest/gtest.h>

#include <algorithm>

using gridhost::Worksheet;
using gridhost::WorksheetConversion;

namespace {

std::wstring WithCommas(std::wstring text) {
    std::replace(text.begin(), text.end(), L'.', L',');
    return text;
}

} // namespace

TEST(DecimalCommaConversion, decimal_comma_files_convert_as_their_decimal_point_twins_would) {
    std::string const commas = "Punkt;Lon;Lat\r\nP1;7,5;50,25\r\nP2;13,4;52,5\r\nP3;7,5x;50\r\n"
                               "P4;-1,5;\"45,125\"\r\n";
    std::string points = commas;
    std::replace(points.begin(), points.end(), ',', '.');
    Worksheet commaSheet = Worksheet::Parse(commas, "comma.csv");
    Worksheet pointSheet = Worksheet::Parse(points, "point.csv");
    ASSERT_EQ(commaSheet.Dialect().decimalMark, ',');
    ASSERT_EQ(pointSheet.Dialect().decimalMark, '.');

    WorksheetConversion const conversion(Gridlore::CoordinateSystem(L"EPSG:4326", true),
                                         Gridlore::CoordinateSystem(L"EPSG:3857", true));
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
    std::string const saved = commaSheet.Format();
    auto const converted = [&commaSheet](std::size_t row) {
        return shr::ToUtf8(commaSheet.Cell(row, 3) + L";" + commaSheet.Cell(row, 4));
    };
    EXPECT_NE(saved.find("\r\nP1;7,5;50,25;" + converted(0) + "\r\n"), std::string::npos) << saved;
    EXPECT_NE(saved.find("\r\nP4;-1,5;\"45,125\";" + converted(3) + "\r\n"), std::string::npos)
        << "source cells keep their bytes, quotes and all: " << saved;
}

TEST(DecimalCommaConversion, a_stopped_run_leaves_a_decimal_comma_file_as_it_was) {
    std::string const text = "x;y;e;n\n7,5;50,25;1.5;\n8,5;51;;\n";
    Worksheet sheet = Worksheet::Parse(text, "comma.csv");
    WorksheetConversion const conversion(Gridlore::CoordinateSystem(L"EPSG:4326", true),
                                         Gridlore::CoordinateSystem(L"EPSG:3857", true));
    auto const report =
        conversion.Run(sheet, {0, 1}, {2, 3}, [](std::size_t, std::size_t) { return false; });
    EXPECT_TRUE(report.cancelled);
    EXPECT_EQ(sheet.Format(), text) << "a point in a target cell not reached stays a point";
}
