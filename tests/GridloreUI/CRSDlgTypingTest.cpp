#include "BrowserTest.h"

#include "gridui/CRSDialog.h"
#include "gridui/ResourceIds.h"
#include "platform/ComboBox.h"

#include <gtest/gtest.h>

using namespace browsertest;
using platform::User;
using Lines = std::vector<std::wstring>;
namespace res = gridui::res;

namespace {

class BrowserTyping : public BrowserTest {
protected:
    /// Types `text` one key at a time, as the search box receives it.
    static void TypeKeys(User& user, std::wstring const& text) {
        for (std::size_t length = 1; length <= text.size(); ++length) {
            user.Type(res::SearchBox, text.substr(0, length));
        }
    }

    static Lines Listed(User& user) {
        auto& combo =
            dynamic_cast<platform::ComboBox&>(user.GetDialog().GetDlgItem(res::SearchBox));
        Lines entries;
        for (int i = 0; i < combo.GetCount(); ++i) {
            entries.push_back(combo.GetLBText(i));
        }
        return entries;
    }
};

wchar_t const* const HistorySection = L"Settings\\CRSSearchHistory";
Lines const FullRoots{L"Local System", L"Predefined", L"Custom"};

} // namespace

TEST_F(BrowserTyping, typing_searches_once_after_the_pause_only_when_the_host_asks) {
    for (bool const asYouType : {false, true}) {
        SCOPED_TRACE(asYouType);
        m_options.searchAsYouType = asYouType;
        Browse(SurveyGrid(), {}, [&](User& user) {
            TypeKeys(user, L"Proj");
            EXPECT_EQ(Roots(Tree(user)), FullRoots) << "no search before the pause ends";
            // Each key started the pause again: one search for the whole word.
            EXPECT_EQ(user.RunTimers(), asYouType ? 1 : 0);
            EXPECT_EQ(Status(user), asYouType ? L"1 of 9 items shown" : L"");
            EXPECT_EQ(Roots(Tree(user)), asYouType ? Lines{L"Predefined"} : FullRoots);
            EXPECT_TRUE(user.GetDialog().GetDlgItem(res::SearchBox).HasFocus());
            EXPECT_EQ(Text(user, res::SearchBox), L"Proj");
            EXPECT_EQ(Listed(user), Lines{}) << "typing alone stores nothing";

            // Emptied by typing, the box shows everything again.
            user.Type(res::SearchBox, L"");
            user.RunTimers();
            EXPECT_EQ(Roots(Tree(user)), FullRoots);
        });
    }
}

TEST_F(BrowserTyping, enter_the_search_button_or_a_pick_while_paused_search_at_once_and_once) {
    m_options.searchAsYouType = true;
    Browse(SurveyGrid(), {}, [&](User& user) {
        TypeKeys(user, L"grid");
        user.PressKey(res::SearchBox, platform::KeyReturn);
        EXPECT_EQ(Roots(Tree(user)), (Lines{L"Local System", L"Custom"}));
        EXPECT_EQ(user.RunTimers(), 0) << "Enter ended the pause";

        TypeKeys(user, L"Proj");
        user.ClickToolButton(platform::ToolBarWindowId, res::Search);
        EXPECT_EQ(Roots(Tree(user)), Lines{L"Predefined"});
        EXPECT_EQ(user.RunTimers(), 0);

        TypeKeys(user, L"xyz");
        user.Pick(res::SearchBox, L"grid");
        EXPECT_EQ(Roots(Tree(user)), (Lines{L"Local System", L"Custom"}));
        EXPECT_EQ(user.RunTimers(), 0);
        EXPECT_EQ(Listed(user), (Lines{L"grid", L"Proj"}));
    });
}

TEST_F(BrowserTyping, the_history_keeps_the_last_typed_search_on_closing_but_no_prefix) {
    m_options.searchAsYouType = true;
    auto& store = m_backend.Settings();
    auto const closeAfter = [&](std::wstring const& typed, std::wstring const& pending,
                                int button) {
        gridui::CRSDialog dialog(SurveyGrid(), m_favoritesPath, m_sink, nullptr, {});
        dialog.SetOptions(m_options);
        m_driver.OnDialog(res::BrowserDialog, [&](User& user) {
            Lines const loaded = Listed(user);
            for (wchar_t const* prefix : {L"W", L"WG", L"WGS"}) {
                user.Type(res::SearchBox, prefix);
                user.RunTimers();
            }
            TypeKeys(user, typed);
            user.RunTimers();
            EXPECT_EQ(Listed(user), loaded);
            user.Select(res::Tree, L"Predefined|Projected|UTM|WGS 84|WGS 84 / UTM zone 33N");
            if (!pending.empty()) {
                user.Type(res::SearchBox, pending);
            }
            user.Click(button);
        });
        EXPECT_EQ(dialog.DoModal(), button);
    };
    closeAfter(L"UTM", L"", platform::IDOK);
    EXPECT_EQ(store.GetString(HistorySection, L"Search0", L""), L"UTM");
    EXPECT_FALSE(store.HasEntry(HistorySection, L"Search1")) << "the prefixes were kept";

    // Closed while a changed text waited for its pause: the box no longer shows a search.
    closeAfter(L"Hemisphere", L"Hemis", platform::IDOK);
    EXPECT_EQ(store.GetString(HistorySection, L"Search0", L""), L"UTM");
    EXPECT_FALSE(store.HasEntry(HistorySection, L"Search1"));

    m_options.keepSearchHistoryOnCancel = true;
    closeAfter(L"Hemisphere", L"", platform::IDCANCEL);
    EXPECT_EQ(store.GetString(HistorySection, L"Search0", L""), L"Hemisphere");
    EXPECT_EQ(store.GetString(HistorySection, L"Search1", L""), L"UTM");
}
