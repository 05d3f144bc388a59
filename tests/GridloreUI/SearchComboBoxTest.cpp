#include "BrowserTest.h"

#include "gridui/CRSDialog.h"

#include <gtest/gtest.h>

using namespace browsertest;

namespace {

using BrowserSearchBox = BrowserTest;

wchar_t const* const HistorySection = L"Settings\\CRSSearchHistory";

} // namespace

// Every search there is Enter in the box: the dialog stays open for the next one, also
// with OK enabled, and Escape still cancels.
TEST_F(BrowserSearchBox, history_lists_the_latest_search_first_trimmed_once_and_a_pick_searches) {
    auto& store = m_backend.Settings();
    store.SetString(HistorySection, L"Search0", L" Zulu ");
    store.SetString(HistorySection, L"Search1", L"zulu");
    store.SetString(HistorySection, L"Search2", L"Projected");
    store.SetString(HistorySection, L"Search", L"grid");
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
        EXPECT_EQ(listed(), (Lines{L"Zulu", L"Projected"}));
        EXPECT_EQ(Text(user, res::SearchBox), L"") << "the last text is not restored";
        user.Pick(res::SearchBox, L"Projected");
        EXPECT_EQ(Status(user), L"1 of 9 items shown");
        for (wchar_t const* text :
             {L"Lambert 93", L"lambert 93", L"  lambert 93  ", L"WGS", L"Alpha"}) {
            Search(user, text);
        }
        EXPECT_EQ(listed(), (Lines{L"Alpha", L"WGS", L"lambert 93", L"Projected", L"Zulu"}));
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
