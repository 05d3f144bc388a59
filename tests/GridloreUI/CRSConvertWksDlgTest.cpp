#include "BrowserTest.h"
#include "CRSTreeCtrl.h"
#include "RecordingErrorSink.h"
#include "TestWorksheet.h"

#include "gridui/CRSConvertWksDlg.h"
#include "gridui/ResourceIds.h"
#include "shr/Exception.h"

#include <gtest/gtest.h>

#include <memory>

using namespace browsertest;
using platform::User;
namespace res = gridui::res;

namespace {

platform::backend::NativeCombo& Combo(User& user, platform::ControlId id) {
    return dynamic_cast<platform::backend::NativeCombo&>(user.GetDialog().GetDlgItem(id).Native());
}

std::vector<std::wstring> Entries(User& user, platform::ControlId id) {
    platform::backend::NativeCombo const& combo = Combo(user, id);
    std::vector<std::wstring> entries;
    entries.reserve(static_cast<std::size_t>(combo.Count()));
    for (int index = 0; index < combo.Count(); ++index) {
        entries.push_back(combo.GetItemText(index));
    }
    return entries;
}

class ConvertWksDialog : public BrowserTest {
protected:
    int Run(TestWorksheet& sheet, platform::Scene const& scene) {
        gridui::CRSConvertWksDlg dialog(sheet, m_recorder, nullptr);
        m_driver.OnDialog(res::ConvertWksDialog, scene);
        return dialog.DoModal();
    }
    TestWorksheet MakeSheet(unsigned columns) {
        return TestWorksheet(columns, m_favoritesPath, m_sink);
    }
    /// Four columns, from WGS 84 to UTM zone 33N: only the columns are left to choose.
    TestWorksheet SheetWithSystems() {
        TestWorksheet sheet = MakeSheet(4);
        sheet.m_sourceCS = Wgs84();
        sheet.m_destCS = Utm33();
        return sheet;
    }

    static void TypeColumns(User& user, wchar_t const* srcX, wchar_t const* srcY,
                            wchar_t const* dstX, wchar_t const* dstY) {
        user.Type(res::SrcXCombo, srcX);
        user.Type(res::SrcYCombo, srcY);
        user.Type(res::DstXCombo, dstX);
        user.Type(res::DstYCombo, dstY);
    }

    RecordingErrorSink m_recorder;
};

} // namespace

TEST_F(ConvertWksDialog,
       the_lists_offer_26_columns_or_the_sheet_s_labels_and_five_more_for_targets) {
    TestWorksheet narrow = MakeSheet(3);
    narrow.m_sourceCols = {0, 1};
    narrow.m_destCols = {2, -1};
    Run(narrow, [](User& user) {
        EXPECT_EQ(user.GetDialog().GetWindowText(), L"New Projected Coordinates");
        for (auto id : {res::SrcXCombo, res::SrcYCombo, res::DstXCombo, res::DstYCombo}) {
            std::vector<std::wstring> const entries = Entries(user, id);
            ASSERT_EQ(entries.size(), 26U);
            EXPECT_EQ(entries.front(), L"A");
            EXPECT_EQ(entries.back(), L"Z");
        }
        EXPECT_EQ(user.GetDialog().GetDlgItemText(res::SrcXCombo), L"A");
        EXPECT_EQ(user.GetDialog().GetDlgItemText(res::SrcYCombo), L"B");
        EXPECT_EQ(user.GetDialog().GetDlgItemText(res::DstXCombo), L"C");
        EXPECT_EQ(Combo(user, res::DstYCombo).GetCurSel(), -1);
        user.Click(platform::IDCANCEL);
    });

    // A stored column past the entries listed leaves its box unselected.
    TestWorksheet wide = MakeSheet(30);
    wide.m_sourceCols = {29, 31};
    wide.m_destCols = {34, 40};
    Run(wide, [](User& user) {
        EXPECT_EQ(Entries(user, res::SrcXCombo).size(), 30U);
        EXPECT_EQ(Entries(user, res::SrcYCombo).back(), L"AD");
        EXPECT_EQ(Entries(user, res::DstXCombo).size(), 35U);
        EXPECT_EQ(Entries(user, res::DstYCombo).back(), L"AI");
        EXPECT_EQ(user.GetDialog().GetDlgItemText(res::SrcXCombo), L"AD");
        EXPECT_EQ(Combo(user, res::SrcYCombo).GetCurSel(), -1);
        EXPECT_EQ(user.GetDialog().GetDlgItemText(res::DstXCombo), L"AI");
        EXPECT_EQ(Combo(user, res::DstYCombo).GetCurSel(), -1);
        user.Click(platform::IDCANCEL);
    });
    EXPECT_EQ(wide.GetSourceCols(), std::make_pair(29, 31)) << "Cancel wrote columns";

    // An empty label is skipped; a label list too short for the targets leaves them empty.
    wide.m_blank = 1;
    wide.m_labelsListed = 30;
    Run(wide, [](User& user) {
        std::vector<std::wstring> const source = Entries(user, res::SrcXCombo);
        ASSERT_EQ(source.size(), 29U);
        EXPECT_EQ(source[1], L"C");
        EXPECT_TRUE(Entries(user, res::DstXCombo).empty());
        EXPECT_TRUE(Entries(user, res::DstYCombo).empty());
        user.Click(platform::IDCANCEL);
    });
    EXPECT_TRUE(m_recorder.reports.empty());
}

TEST_F(ConvertWksDialog, a_label_or_columns_refused_keep_the_dialog_open_and_tell_a_shared_sink) {
    TestWorksheet sheet = SheetWithSystems();
    auto recorder = std::make_shared<RecordingErrorSink>();
    RecordingErrorSink const& told = *recorder;
    std::weak_ptr<RecordingErrorSink> const watched = recorder;
    auto dialog = std::make_unique<gridui::CRSConvertWksDlg>(
        sheet, std::shared_ptr<shr::IError>(std::move(recorder)), nullptr);
    m_driver.OnDialog(res::ConvertWksDialog, [&](User& user) {
        TypeColumns(user, L"a", L"B", L"C3", L"D");
        user.Click(platform::IDOK);
        ASSERT_EQ(told.reports.size(), 1U);
        EXPECT_EQ(told.reports[0].kind, RecordingErrorSink::Kind::Error);
        EXPECT_EQ(told.reports[0].caption, L"Error");
        EXPECT_EQ(told.reports[0].message, L"Unrecognized column label: C3");
        EXPECT_TRUE(user.GetDialog().GetDlgItem(res::DstXCombo).HasFocus());
        EXPECT_EQ(sheet.GetSourceCols(), std::make_pair(0, 1));
        EXPECT_EQ(sheet.GetDestCols(), std::make_pair(-1, -1));

        // An empty box is a label like any other, and is not one the sheet knows.
        TypeColumns(user, L"A", L"", L"C", L"D");
        user.Click(platform::IDOK);
        ASSERT_EQ(told.reports.size(), 2U);
        EXPECT_EQ(told.reports[1].message, L"Unrecognized column label: ");
        EXPECT_TRUE(user.GetDialog().GetDlgItem(res::SrcYCombo).HasFocus());

        // Columns the sheet refuses keep the dialog open without a message of the dialog's.
        TypeColumns(user, L"A", L"B", L"B", L"C");
        user.Click(platform::IDOK);
        EXPECT_EQ(sheet.GetDestCols(), std::make_pair(1, 2));
        EXPECT_TRUE(user.GetDialog().GetDlgItem(platform::IDOK).IsWindowVisible());

        // A label typed by hand past the listed ones is still a column of the sheet.
        TypeColumns(user, L"A", L"B", L" ad ", L"AE");
        user.Click(platform::IDOK);
    });
    EXPECT_EQ(dialog->DoModal(), platform::IDOK);
    EXPECT_EQ(&dialog->Result(), &sheet);
    EXPECT_EQ(sheet.GetSourceCols(), std::make_pair(0, 1));
    EXPECT_EQ(sheet.GetDestCols(), std::make_pair(29, 30));
    EXPECT_EQ(told.reports.size(), 2U);
    EXPECT_TRUE(m_recorder.reports.empty());
    // The dialog keeps the host's sink while it lives, and no longer; it needs one.
    EXPECT_FALSE(watched.expired());
    dialog.reset();
    EXPECT_TRUE(watched.expired());
    EXPECT_THROW(
        std::make_unique<gridui::CRSConvertWksDlg>(sheet, std::shared_ptr<shr::IError>(), nullptr),
        shr::Exception);
}

TEST_F(ConvertWksDialog,
       a_system_picked_in_the_host_s_browser_is_written_at_once_and_a_cancel_keeps_it) {
    TestWorksheet sheet = MakeSheet(4);
    sheet.m_sourceCS = Wgs84();
    sheet.m_destCS = Wgs84();
    m_driver.OnDialog(res::ConvertWksDialog, [&](User& user) {
        EXPECT_EQ(user.GetDialog().GetDlgItemText(res::SrcCSEdit), Wgs84().GetLeafName());
        user.Click(res::SrcCSButton);
        EXPECT_EQ(sheet.m_sourceCS.GetName(), Utm33().GetName());
        EXPECT_EQ(user.GetDialog().GetDlgItemText(res::SrcCSEdit), Utm33().GetLeafName());
        user.Click(res::DstCSButton);
        EXPECT_EQ(sheet.m_destCS.GetName(), Wgs84().GetName());
        EXPECT_EQ(user.GetDialog().GetDlgItemText(res::DstCSEdit), Wgs84().GetLeafName());
        user.Click(platform::IDCANCEL);
    });
    m_driver.OnDialog(res::BrowserDialog, [](User& user) {
        EXPECT_EQ(user.GetDialog().GetWindowText(), L"Assign Coordinate System");
        // The browser keeps custom systems and behaves as the host chose.
        EXPECT_EQ(std::wstring(dynamic_cast<gridui::CRSTreeCtrl&>(Tree(user)).Hint()),
                  gridui::CRSTreeCtrl::KeptCustomHint());
        Search(user, L"Harbour");
        EXPECT_EQ(Text(user, res::Description).rfind(L"Current system (not among", 0), 0U);
        Search(user, L"");
        user.Select(res::Tree, L"Predefined|Projected|UTM|WGS 84|WGS 84 / UTM zone 33N");
        user.Click(platform::IDOK);
    });
    m_driver.OnDialog(res::BrowserDialog, [](User& user) {
        user.Select(res::Tree, L"Predefined|Projected|UTM|WGS 84|WGS 84 / UTM zone 33N");
        user.Click(platform::IDCANCEL);
    });
    gridui::CRSConvertWksDlg dialog(sheet, m_recorder, nullptr);
    gridui::BrowserOptions options;
    options.markCurrentNotShown = true;
    dialog.SetBrowserChoices((m_scratch / "custom-systems.qrf2").wstring(), options);
    EXPECT_EQ(dialog.DoModal(), platform::IDCANCEL);
    EXPECT_EQ(sheet.m_sourceCS.GetName(), Utm33().GetName());
    EXPECT_EQ(sheet.GetSourceCols(), std::make_pair(-1, -1));
    EXPECT_EQ(m_driver.Pending(), 0U);
}

TEST_F(ConvertWksDialog, a_sheet_without_a_favourites_file_fails_the_browser_internally) {
    TestWorksheet sheet(4, L"", m_sink);
    sheet.m_sourceCS = Wgs84();
    gridui::CRSConvertWksDlg dialog(sheet, m_recorder, nullptr);
    m_driver.OnDialog(res::ConvertWksDialog, [](User& user) { user.Click(res::SrcCSButton); });
    EXPECT_THROW(dialog.DoModal(), shr::Exception);
    EXPECT_EQ(sheet.m_sourceCS.GetName(), Wgs84().GetName());
}
