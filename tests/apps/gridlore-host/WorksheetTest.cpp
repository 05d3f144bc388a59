#include "Worksheet.h"

#include "ScratchDirectory.h"

#include "shr/AtomicFile.h"

#include <gtest/gtest.h>

using gridhost::Worksheet;
using gridhost::WorksheetError;

TEST(Worksheet, quoted_cells_keep_commas_quotes_and_line_ends_and_save_back_the_same) {
    std::string const text = "\xEF\xBB\xBFname,x,y\r\n"
                             "\"Smith, J.\",1.5,2\r\n"
                             "\"say \"\"hi\"\"\",,\"two\nlines\"\r\n"
                             "short\n"
                             "Z\xC3\xBCrich,8.5,47.4,extra\n";
    Worksheet const sheet = Worksheet::Parse(text, "points.csv");
    ASSERT_EQ(sheet.RowCount(), 4U);
    EXPECT_EQ(sheet.ColumnCount(), 4U) << "a longer row widens the sheet";
    EXPECT_EQ(sheet.ColumnName(0), L"name");
    EXPECT_EQ(sheet.ColumnName(3), L"");
    EXPECT_EQ(sheet.Cell(0, 0), L"Smith, J.");
    EXPECT_EQ(sheet.Cell(1, 0), L"say \"hi\"");
    EXPECT_EQ(sheet.Cell(1, 1), L"");
    EXPECT_EQ(sheet.Cell(1, 2), L"two\nlines");
    EXPECT_EQ(sheet.Cell(2, 2), L"") << "a short row reads as empty cells";
    EXPECT_EQ(sheet.Cell(3, 0), L"Z\u00fcrich");
    EXPECT_EQ(sheet.Cell(9, 9), L"");

    Worksheet const again = Worksheet::Parse(sheet.Format(), "points.csv");
    for (std::size_t row = 0; row < sheet.RowCount(); ++row) {
        for (unsigned column = 0; column < sheet.ColumnCount(); ++column) {
            EXPECT_EQ(again.Cell(row, column), sheet.Cell(row, column));
        }
    }
    EXPECT_EQ(again.Format(), sheet.Format());
}

TEST(Worksheet, files_that_are_not_worksheets_are_refused_naming_file_and_line) {
    try {
        Worksheet::Parse("a,b\n1,2\n3,\"open\n4,5\n", "bad.csv");
        FAIL() << "an open quote was accepted";
    } catch (WorksheetError const& error) {
        EXPECT_STREQ(error.what(), "bad.csv:3: a quoted cell is never closed");
    }
    EXPECT_THROW(Worksheet::Parse("", "empty.csv"), WorksheetError);
    EXPECT_THROW(Worksheet::Parse("a,b\n\xFF\xFE,1\n", "latin.csv"), WorksheetError);
    EXPECT_THROW(Worksheet::Load("/nonexistent/points.csv"), WorksheetError);
}

TEST(Worksheet, cells_set_past_the_last_column_add_columns_and_a_save_writes_them_back) {
    ScratchDirectory scratch;
    std::filesystem::path const path = scratch / "points.csv";
    shr::ReplaceFileAtomically(path, "x,y\n1,2\n");
    Worksheet sheet = Worksheet::Load(path);
    sheet.SetCell(0, 3, L"4, with comma");
    sheet.SetColumnName(2, L"z");
    EXPECT_THROW(sheet.SetCell(5, 0, L"no such row"), std::out_of_range);
    sheet.Save();
    EXPECT_EQ(shr::ReadWholeFile(path), "x,y,z,\n1,2,,\"4, with comma\"\n");
}
