// Names and values that the dialogs show on real windows are readable whole at the
// dialogs' default size: measured with the toolkit's own fonts against the columns and
// controls that hold them.
#include "WxBrowserTest.h"

#include "gridui/CRSDefineDlg.h"
#include "gridui/CRSDialog.h"
#include "gridui/ResourceIds.h"
#include "kor/DatumDef.h"
#include "shr/Utf8.h"

#include <wx/arrstr.h>
#include <wx/propgrid/propgrid.h>
#include <wx/textctrl.h>

#include <algorithm>
#include <string>

namespace {

namespace res = gridui::res;
using wxbrowser::Settle;
using wxbrowser::WxBrowserTest;

/// Every row's name and value fits its column, as the grid measures its own cells.
void ExpectCellsFit(platform::User& user, platform::ControlId id) {
    auto* grid = wxbrowser::NativeOf<wxPropertyGrid>(user, id);
    ASSERT_NE(grid, nullptr) << "no grid shows " << id;
    wxPropertyGridPageState const& state = *grid->GetState();
    int rows = 0;
    for (auto row = grid->GetIterator(wxPG_ITERATE_VISIBLE); !row.AtEnd(); row.Next()) {
        wxPGProperty* property = row.GetProperty();
        if (property->IsCategory()) {
            continue;
        }
        ++rows;
        std::string const name = property->GetLabel().utf8_string();
        // The names column starts at the grid's edge, its margin included.
        EXPECT_LE(state.GetColumnFullWidth(property, 0), grid->GetSplitterPosition())
            << "name cut: " << name;
        EXPECT_LE(state.GetColumnFullWidth(property, 1), state.GetColumnWidth(1))
            << "value of " << name << " cut: " << property->GetDisplayedString().utf8_string();
    }
    EXPECT_GT(rows, 0) << "grid " << id << " shows no rows";
}

TEST_F(WxBrowserTest, define_dialog_shows_every_name_value_and_choice_whole) {
    for (wchar_t const* code : {L"EPSG:25832", L"EPSG:23032", L"EPSG:3035"}) {
        SCOPED_TRACE(shr::ToUtf8(code));
        gridui::CRSDefineDlg dialog(wxbrowser::Registry(code), m_sink, nullptr);
        m_driver.OnDialog(res::DefineDialog, [&](platform::User& user) {
            Settle();
            for (platform::ControlId const id : {res::DefineProjectionList, res::DefineDatumList}) {
                ExpectCellsFit(user, id);
            }
            for (platform::ControlId const id :
                 {res::DefineProjectionCombo, res::DefineDatumCombo}) {
                EXPECT_TRUE(wxbrowser::ShowsTextWhole(user, id))
                    << shr::ToUtf8(user.GetDialog().GetDlgItemText(id));
            }
            user.Close();
        });
        EXPECT_EQ(dialog.DoModal(), platform::IDCANCEL);
    }
    // Rows that a change brings are fitted too: the longest method of a datum shift.
    gridui::CRSDefineDlg dialog(wxbrowser::Registry(L"EPSG:23032"), m_sink, nullptr);
    m_driver.OnDialog(res::DefineDialog, [&](platform::User& user) {
        using D = kor::DatumDef;
        user.EditProperty(res::DefineDatumList, D::ParameterName(D::Method),
                          D::MethodToName(D::MethodSevenParameter));
        Settle();
        ExpectCellsFit(user, res::DefineDatumList);
        wxbrowser::SaveScreenshot(user, "define-seven-parameters.png");
        user.Close();
    });
    EXPECT_EQ(dialog.DoModal(), platform::IDCANCEL);
}

TEST_F(WxBrowserTest, browser_description_wraps_its_long_lines_inside_the_box) {
    // A long datum name with its code, and an inverse flattening of many digits.
    for (wchar_t const* code : {L"EPSG:25832", L"EPSG:26717"}) {
        SCOPED_TRACE(shr::ToUtf8(code));
        gridui::CRSDialog dialog(wxbrowser::Registry(code), m_favoritesPath, m_sink, nullptr, {});
        m_driver.OnDialog(res::BrowserDialog, [&](platform::User& user) {
            Settle();
            auto* box = wxbrowser::NativeOf<wxTextCtrl>(user, res::Description);
            ASSERT_NE(box, nullptr);
            int const room = box->GetClientSize().x;
            // Without a line wider than the box the check below would pass on anything,
            // an empty description too.
            wxArrayString const lines = wxSplit(box->GetValue(), '\n', '\0');
            EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [&](wxString const& line) {
                return box->GetTextExtent(line).x > room;
            })) << box->GetValue().utf8_string();
            // Where the box laid each character out: a line too long for it must wrap,
            // not run past the right edge.
            for (long position = 0; position < box->GetLastPosition(); ++position) {
                wxPoint const at = box->PositionToCoords(position);
                wxString const character = box->GetRange(position, position + 1);
                ASSERT_LE(at.x + box->GetTextExtent(character).x, room)
                    << "cut: " << box->GetRange(0, position + 1).utf8_string();
            }
            wxbrowser::SaveScreenshot(user, "browser-description.png");
            user.Close();
        });
        EXPECT_EQ(dialog.DoModal(), platform::IDCANCEL);
    }
}

} // namespace
