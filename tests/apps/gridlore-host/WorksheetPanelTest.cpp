// The worksheet's grid on a real window: a huge cell is shown cut and kept whole.
#include "WorksheetPanel.h"

#include "BackendUnderTest.h"
#include "CellPreview.h"
#include "ScratchDirectory.h"
#include "Worksheet.h"

#include "shr/AtomicFile.h"

#include <wx/frame.h>

#include <gtest/gtest.h>

using gridhost::CellPreviewLength;
using gridhost::Worksheet;

TEST(WorksheetPanel, a_cell_of_fifty_megabytes_is_shown_cut_while_the_sheet_saves_it_whole) {
    BackendUnderTest();
    ScratchDirectory const scratch;
    std::filesystem::path const path = scratch / "huge.csv";
    std::string const first(std::size_t{25} << 20U, 'x');
    std::string const second(std::size_t{25} << 20U, 'y');
    std::string const longName(CellPreviewLength * 2, 'N');
    std::string const text = "id," + longName + "\n7,\"" + first + "\"\"\n" + second + "\"\n";
    shr::ReplaceFileAtomically(path, text);
    Worksheet const sheet = Worksheet::Load(path);
    ASSERT_EQ(sheet.Cell(0, 1).size(), first.size() + 2 + second.size());

    auto* frame = new wxFrame(nullptr, wxID_ANY, "Worksheet");
    auto* grid = new gridhost::WorksheetPanel(frame, sheet);
    // What the grid is given to measure and draw.
    wxString const shown = grid->GetTable()->GetValue(0, 1);
    EXPECT_EQ(shown, wxString(std::string(CellPreviewLength, 'x')) + L"\u2026");
    EXPECT_EQ(grid->GetTable()->GetValue(0, 0), "7") << "a short cell is shown whole";
    EXPECT_EQ(grid->GetTable()->GetColLabelValue(1),
              "B: " + wxString(longName.substr(0, CellPreviewLength)) + L"\u2026");
    frame->Show();
    grid->Update();
    frame->Destroy();

    sheet.Save();
    EXPECT_TRUE(shr::ReadWholeFile(path) == text) << "the huge cell saved back byte for byte";
}

TEST(WorksheetPanel, marked_rows_carry_their_reason_in_a_last_column_and_are_reached_in_turn) {
    BackendUnderTest();
    Worksheet const sheet = Worksheet::Parse("x,y\n1,2\n3,4\n5,6\n7,8\n9,10\n11,12\n", "m.csv");
    auto* frame = new wxFrame(nullptr, wxID_ANY, "Worksheet");
    auto* grid = new gridhost::WorksheetPanel(frame, sheet);
    EXPECT_EQ(grid->GetNumberCols(), 2) << "no reasons, no column for them";
    EXPECT_FALSE(grid->NextMarkedRow());

    grid->ShowConverted({.bad = {{2, L"Y is empty"}},
                         .flagged = {{0, L"3.2 km east of the area"}, {5, L"1 km north"}}});
    ASSERT_EQ(grid->GetNumberCols(), 3);
    EXPECT_EQ(grid->GetColLabelValue(2), "Conversion note");
    EXPECT_EQ(grid->GetCellValue(5, 2), "1 km north");
    EXPECT_EQ(grid->GetCellValue(1, 2), "");
    // Bad and flagged rows alike, from the cursor down, then round from the top.
    grid->SetGridCursor(1, 0);
    EXPECT_EQ(grid->NextMarkedRow(), L"Row 3: Y is empty");
    EXPECT_EQ(grid->NextMarkedRow(), L"Row 6: 1 km north");
    EXPECT_EQ(grid->GetGridCursorRow(), 5);
    EXPECT_EQ(grid->NextMarkedRow(), L"Row 1: 3.2 km east of the area");

    // A clean run takes the column away again.
    grid->ShowConverted({});
    EXPECT_EQ(grid->GetNumberCols(), 2);
    EXPECT_FALSE(grid->NextMarkedRow());
    frame->Destroy();
}
