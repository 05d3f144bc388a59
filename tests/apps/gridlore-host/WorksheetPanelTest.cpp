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
