#include "BrowserTest.h"

#include "gridui/CRSDialog.h"

#include <gtest/gtest.h>

using namespace browsertest;

using BrowserTyping = BrowserTest;

TEST_F(BrowserTyping, keys_search_once_they_pause_and_a_search_asked_for_ends_the_pause) {
    Lines const everything{L"Local System", L"Predefined", L"Custom"};
    for (bool const asYouType : {false, true}) {
        m_options.searchAsYouType = asYouType;
        Browse(SurveyGrid(), {}, [&](User& user) {
            // Opening leaves the search's preparation for later, unseen in the tree.
            EXPECT_EQ(user.RunTimers(), 1);
            EXPECT_EQ(Roots(Tree(user)), everything);
            user.Type(res::SearchBox, L"g");
            user.Type(res::SearchBox, L"grid");
            EXPECT_EQ(Roots(Tree(user)), everything) << "no search before the pause ends";
            // The second key started the pause again: one search for the word.
            EXPECT_EQ(user.RunTimers(), asYouType ? 1 : 0);
            EXPECT_EQ(Roots(Tree(user)),
                      asYouType ? (Lines{L"Local System", L"Custom"}) : everything);
            EXPECT_TRUE(user.GetDialog().GetDlgItem(res::SearchBox).HasFocus());
            // Enter, the Search button and a pick from the history end a running pause.
            Search(user, L"Proj");
            user.Type(res::SearchBox, L"xyz");
            user.ClickToolButton(platform::ToolBarWindowId, res::Search);
            user.Type(res::SearchBox, L"xyz");
            user.Pick(res::SearchBox, L"Proj");
            EXPECT_EQ(Roots(Tree(user)), Lines{L"Predefined"});
            EXPECT_EQ(user.RunTimers(), 0);
        });
    }
}

TEST_F(BrowserTyping, the_history_keeps_the_last_search_typed_if_still_shown_but_no_prefix) {
    m_options.searchAsYouType = true;
    auto const closeAfter = [&](std::wstring const& typed, std::wstring const& changed,
                                int button) {
        Browse(
            SurveyGrid(), {},
            [&](User& user) {
                for (std::wstring const& text : {std::wstring(L"WGS"), typed}) {
                    user.Type(res::SearchBox, text);
                    user.RunTimers();
                }
                if (!changed.empty()) {
                    user.Type(res::SearchBox, changed);
                }
                user.Select(res::Tree, L"Predefined|Projected|UTM|WGS 84|WGS 84 / UTM zone 33N");
            },
            button);
    };
    auto const history = [this](int position) {
        return m_backend.Settings().GetString(L"Settings\\CRSSearchHistory",
                                              L"Search" + std::to_wstring(position), L"");
    };
    closeAfter(L"UTM", L"", platform::IDOK);
    EXPECT_EQ(history(0), L"UTM");
    EXPECT_EQ(history(1), L"");
    // Closed while a changed text waited for its pause: the box showed no search.
    closeAfter(L"Hemisphere", L"Hemis", platform::IDOK);
    EXPECT_EQ(history(1), L"");
    // Cancelled, the searches are forgotten unless the host keeps them.
    closeAfter(L"84", L"", platform::IDCANCEL);
    EXPECT_EQ(history(0), L"UTM");
    m_options.keepSearchHistoryOnCancel = true;
    closeAfter(L"Hemisphere", L"", platform::IDCANCEL);
    EXPECT_EQ(history(0), L"Hemisphere");
    EXPECT_EQ(history(1), L"UTM");
}
