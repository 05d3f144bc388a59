#include "BrowserTest.h"

#include "gridui/CRSDialog.h"
#include "gridui/CRSPage.h"
#include "gridui/ResourceIds.h"
#include "platform/PropertySheet.h"

#include <gtest/gtest.h>

using namespace browsertest;
using platform::User;
using Lines = std::vector<std::wstring>;
namespace res = gridui::res;

namespace {

class BrowserSearchBox : public BrowserTest {};

wchar_t const* const HistorySection = L"Settings\\CRSSearchHistory";

} // namespace

TEST_F(BrowserSearchBox, a_picked_history_entry_is_searched_and_searches_are_kept_after_ok) {
    auto& store = m_backend.Settings();
    store.SetString(HistorySection, L"Search0", L"Projected");
    store.SetString(HistorySection, L"Search1", L"grid");
    store.SetString(HistorySection, L"Search", L"grid");
    gridui::CRSDialog dialog(SurveyGrid(), m_favoritesPath, m_sink, nullptr, {});
    m_driver.OnDialog(res::BrowserDialog, [&](User& user) {
        EXPECT_EQ(Text(user, res::SearchBox), L"") << "the last text is not restored";
        user.Pick(res::SearchBox, L"Projected");
        EXPECT_EQ(Status(user), L"1 of 9 items shown");
        Search(user, L"Hemisphere");
        user.Select(res::Tree, L"Predefined|Projected|UTM|WGS 84|WGS 84 / UTM zone 33N");
        user.Click(platform::IDOK);
    });
    EXPECT_EQ(dialog.DoModal(), platform::IDOK);
    EXPECT_EQ(store.GetString(HistorySection, L"Search0", L""), L"Hemisphere");
    EXPECT_EQ(store.GetString(HistorySection, L"Search1", L""), L"Projected");
    EXPECT_EQ(store.GetString(HistorySection, L"Search2", L""), L"grid");
}

TEST_F(BrowserSearchBox, searches_are_kept_however_the_browser_closes_when_the_host_asks) {
    auto& store = m_backend.Settings();
    for (bool const keep : {false, true}) {
        SCOPED_TRACE(keep);
        m_options.keepSearchHistoryOnCancel = keep;
        Browse(SurveyGrid(), {}, [&](User& user) { Search(user, keep ? L"Kept" : L"Dropped"); });
        EXPECT_EQ(store.GetString(HistorySection, L"Search0", L""), keep ? L"Kept" : L"");
    }
    // A page, by its sheet's Cancel.
    gridui::CRSPage page(SurveyGrid(), m_favoritesPath, m_sink);
    page.SetOptions(m_options);
    platform::PropertySheet sheet(L"Sheet", nullptr);
    sheet.AddPage(page);
    m_driver.OnDialog(res::BrowserDialog, [&](User& user) {
        Search(user, L"Paged");
        user.Click(platform::IDCANCEL);
    });
    EXPECT_EQ(sheet.DoModal(), platform::IDCANCEL);
    EXPECT_EQ(store.GetString(HistorySection, L"Search0", L""), L"Paged");
    EXPECT_EQ(store.GetString(HistorySection, L"Search1", L""), L"Kept");
}

// Every search there is Enter in the box: the dialog stays open for the next one, also
// with OK enabled, and Escape still cancels.
TEST_F(BrowserSearchBox, history_lists_the_latest_search_first_trimmed_once_whatever_its_case) {
    auto& store = m_backend.Settings();
    store.SetString(HistorySection, L"Search0", L" Zulu ");
    store.SetString(HistorySection, L"Search1", L"zulu");
    gridui::CRSDialog dialog(SurveyGrid(), m_favoritesPath, m_sink, nullptr, {});
    m_driver.OnDialog(res::BrowserDialog, [&](User& user) {
        auto& combo =
            dynamic_cast<platform::ComboBox&>(user.GetDialog().GetDlgItem(res::SearchBox));
        auto const listed = [&combo] {
            Lines entries;
            for (int i = 0; i < combo.GetCount(); ++i) {
                entries.push_back(combo.GetLBText(i));
            }
            return entries;
        };
        EXPECT_EQ(listed(), Lines{L"Zulu"});
        for (wchar_t const* text :
             {L"Lambert 93", L"lambert 93", L"  lambert 93  ", L"WGS", L"Alpha"}) {
            Search(user, text);
        }
        EXPECT_EQ(listed(), (Lines{L"Alpha", L"WGS", L"lambert 93", L"Zulu"}));
        for (int i = 0; i < 25; ++i) {
            Search(user, L"search " + std::to_wstring(i));
        }
        EXPECT_EQ(combo.GetCount(), 20);
        EXPECT_EQ(combo.GetLBText(0), L"search 24");
        EXPECT_EQ(combo.GetLBText(19), L"search 5");
        Search(user, L"grid");
        EXPECT_EQ(Roots(Tree(user)), (Lines{L"Local System", L"Custom"}));
        ASSERT_TRUE(Enabled(user, platform::IDOK)) << "else Enter could not close anything";
        user.PressKey(res::SearchBox, platform::KeyEscape);
    });
    EXPECT_EQ(dialog.DoModal(), platform::IDCANCEL);
}
