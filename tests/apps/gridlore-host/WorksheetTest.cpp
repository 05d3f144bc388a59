#include "Worksheet.h"

#include "ScratchDirectory.h"

#include "shr/AtomicFile.h"

#include <gmock/gmock.h>

#include <utility>

using gridhost::Worksheet;
using gridhost::WorksheetError;
using ::testing::StrEq;
using ::testing::ThrowsMessage;

TEST(Worksheet, quoted_cells_keep_commas_quotes_and_line_ends) {
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
}

TEST(Worksheet, files_that_are_not_worksheets_are_refused_naming_file_and_line) {
    EXPECT_THAT([] { (void)Worksheet::Parse("a,b\n1,2\n3,\"open\n4,5\n", "bad.csv"); },
                ThrowsMessage<WorksheetError>(StrEq("bad.csv:3: a quoted cell is never closed")));
    EXPECT_THROW(Worksheet::Parse("", "empty.csv"), WorksheetError);
    EXPECT_THROW(Worksheet::Parse("a,b\n\xFF\xFE,1\n", "latin.csv"), WorksheetError);
    EXPECT_THROW(Worksheet::Load("/nonexistent/points.csv"), WorksheetError);
}

TEST(Worksheet, cells_set_past_the_last_column_add_columns_and_a_save_writes_them_back) {
    ScratchDirectory scratch;
    std::filesystem::path const path = scratch / "points.csv";
    shr::ReplaceFileAtomically(path, "x,y\n1,2\n");
    Worksheet sheet = Worksheet::Load(path);
    sheet.SetCell(0, 3, L"4, \"with\" comma");
    sheet.SetColumnName(2, L"z");
    EXPECT_THROW(sheet.SetCell(5, 0, L"no such row"), std::out_of_range);
    sheet.Save();
    EXPECT_EQ(shr::ReadWholeFile(path), "x,y,z\n1,2,,\"4, \"\"with\"\" comma\"\n");
}

namespace {

// The file saved after loading `text`, and the sheet as loaded.
std::string SavedAgain(std::string const& text, Worksheet* loaded = nullptr) {
    ScratchDirectory scratch;
    std::filesystem::path const path = scratch / "sheet.csv";
    shr::ReplaceFileAtomically(path, text);
    Worksheet sheet = Worksheet::Load(path);
    sheet.Save();
    if (loaded != nullptr) {
        *loaded = std::move(sheet);
    }
    return shr::ReadWholeFile(path);
}

} // namespace

TEST(Worksheet, files_read_and_saved_unchanged_keep_every_byte_whatever_their_dialect) {
    // Line ends, blank lines, quoting, separators and decimal marks as files come.
    std::string const files[] = {
        "lon,lat\r15,51\r16,52\r",
        "lon,lat\r\n15,51\r\n16,52\r\n",
        "\r\n\r\nlon,lat\n15,51\n16,52\n",
        "\xEF\xBB\xBFlon,lat\r\n15,51\n\r\r16,52",
        "Punkt;Rechtswert;Hochwert\r\nP1;7,5;50,125\r\nP2;\"8,5\";51\r\n",
        "15.5,51.25\n16,52\n",
        "\"lon\",\"lat\"\n\"15\",\"51\"\n\"16\",\"52\"\n",
        "lon\tlat\n15\t51\n16\t52",
    };
    Worksheet sheet = Worksheet::Parse("x", "one.csv");
    for (std::string const& text : files) {
        SCOPED_TRACE(text);
        EXPECT_EQ(SavedAgain(text, &sheet), text);
        ASSERT_EQ(sheet.RowCount(), 2U);
        EXPECT_EQ(sheet.ColumnCount(), sheet.Dialect().separator == ';' ? 3U : 2U);
        EXPECT_EQ(sheet.Cell(1, 0), sheet.Dialect().separator == ';' ? L"P2" : L"16");
    }
    // Inside quotes a line end is the cell's own; outside, a CR ends the row.
    EXPECT_EQ(SavedAgain("a,b\n\"1\r2\",\"3\r\n4\"\n5\r6\n", &sheet),
              "a,b\n\"1\r2\",\"3\r\n4\"\n5\r6\n");
    EXPECT_EQ(sheet.Cell(0, 0), L"1\r2");
    EXPECT_EQ(sheet.Cell(2, 0), L"6");
}

TEST(Worksheet, a_row_that_was_set_keeps_its_other_cells_and_takes_the_files_dialect) {
    // A semicolon file whose every cell is quoted: a new cell is quoted too, and a cell
    // holding the separator needs its quotes anyway.
    Worksheet quoted =
        Worksheet::Parse("\"name\";\"x\"\r\n\"a\";\"7,5\"\r\n\r\n\"b\"; 8,5\r\n", "quoted.csv");
    ASSERT_EQ(quoted.Dialect(), (gridhost::CsvDialect{';', ',', true}));
    quoted.SetCell(1, 2, L"x;y");
    quoted.SetColumnName(2, L"note");
    EXPECT_EQ(quoted.Format(),
              "\"name\";\"x\";\"note\"\r\n\"a\";\"7,5\"\r\n\r\n\"b\"; 8,5;\"x;y\"\r\n");

    // A file without a header keeps none; the names a conversion gives are for the grid.
    Worksheet bare = Worksheet::Parse("7.5,50\n8.5,51\n", "bare.csv");
    ASSERT_FALSE(bare.Dialect().header);
    EXPECT_EQ(bare.ColumnName(0), L"");
    EXPECT_EQ(bare.Cell(0, 0), L"7.5") << "the first row is a point, not names";
    bare.SetColumnName(2, L"E");
    bare.SetCell(0, 2, L"1, 2");
    EXPECT_EQ(bare.ColumnName(2), L"E");
    EXPECT_EQ(bare.Format(), "7.5,50,\"1, 2\"\n8.5,51\n");
}

TEST(Worksheet, rows_with_more_or_fewer_cells_than_the_header_are_reported_not_shifted) {
    Worksheet const sheet =
        Worksheet::Parse("id,x,y\n1,7,50\n2,8\n\n3,9,52,extra\n4,10,53\n", "ragged.csv");
    ASSERT_EQ(sheet.RaggedRows().size(), 2U);
    EXPECT_EQ(sheet.RaggedRows()[1].row, 2U);
    EXPECT_EQ(sheet.Cell(2, 3), L"extra");
    EXPECT_EQ(sheet.Cell(3, 1), L"10") << "the row after a long one is where it was";
    EXPECT_EQ(sheet.RaggedRowsWarning(),
              L"2 rows have more or fewer cells than the header (3); their cells stay in the "
              L"columns they are in: row 2 (line 3) has 2, row 3 (line 5) has 4");
    EXPECT_EQ(Worksheet::Parse("a,b\n1,2\n", "even.csv").RaggedRowsWarning(), L"");
}

TEST(Worksheet, empty_cells_alone_on_a_line_stay_rows_and_headers_through_every_save) {
    for (std::string const text : {"name\n\"\"\nb\n\"\"\n", "\"\"\n1\n2\n", "\"\"\n\"\"\n"}) {
        EXPECT_EQ(SavedAgain(SavedAgain(text)), text);
    }
}

TEST(Worksheet, rows_keep_their_own_width_and_sheets_beyond_the_limits_are_refused) {
    std::string const wide = "a,b\n1,2\n" + std::string(Worksheet::MaxColumns - 1, ',') + "\n3,4\n";
    EXPECT_EQ(SavedAgain(wide), wide);
    EXPECT_THAT(
        [&] { (void)Worksheet::Parse(wide + std::string(Worksheet::MaxColumns, ','), "wide.csv"); },
        ThrowsMessage<WorksheetError>(StrEq("wide.csv:5: the row has more than 1024 cells; "
                                            "the host shows at most that many columns")));
    std::string many;
    for (std::size_t row = 0; row <= Worksheet::MaxCells / Worksheet::MaxColumns; ++row) {
        many += std::string(Worksheet::MaxColumns - 1, ',') + "\n";
    }
    EXPECT_THROW(Worksheet::Parse(many, "many.csv"), WorksheetError);

    // A file too big is refused before it is read.
    ScratchDirectory scratch;
    std::filesystem::path const big = scratch / "big.csv";
    shr::ReplaceFileAtomically(big, "a\n");
    std::filesystem::resize_file(big, Worksheet::MaxBytes + 1);
    EXPECT_THROW(Worksheet::Load(big), WorksheetError);
}
