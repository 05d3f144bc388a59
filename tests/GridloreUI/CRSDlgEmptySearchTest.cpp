#include "BrowserTest.h"

#include <gtest/gtest.h>

using namespace browsertest;

namespace {

using BrowserEmptySearch = BrowserTest;

std::wstring NothingFor(std::wstring const& text) {
    return L"No system matches \"" + text + L"\". Try a code, part of a name, or a place.";
}

} // namespace

TEST_F(BrowserEmptySearch, nothing_found_is_one_line_that_no_one_can_choose_until_the_next_search) {
    m_options.explainEmptySearch = true;
    m_options.searchAsYouType = true;
    Browse(SurveyGrid(), {}, [&](User& user) {
        Search(user, L"no \"grid\"");
        EXPECT_EQ(Outline(Tree(user)), Lines{L"  " + NothingFor(L"no \"grid\"")});
        EXPECT_EQ(Status(user), L"0 of 9 items shown");
        user.Select(res::Tree, Tree(user).GetRootItem());
        EXPECT_FALSE(Enabled(user, platform::IDOK));
        EXPECT_FALSE(Enabled(user, res::AddToFavorites));
        Search(user, L"grid");
        EXPECT_EQ(Roots(Tree(user)), (Lines{L"Local System", L"Custom"}));
        // Found nothing by typing alone, then cleared.
        user.Type(res::SearchBox, L"zz");
        user.RunTimers();
        EXPECT_EQ(Roots(Tree(user)), Lines{NothingFor(L"zz")});
        user.ClickToolButton(platform::ToolBarWindowId, res::ClearSearch);
        EXPECT_EQ(Roots(Tree(user)), (Lines{L"Local System", L"Predefined", L"Custom"}));
        // A system made while the line shows takes its place.
        Search(user, L"zz");
        NameLocalSystem(L"Yard grid");
        user.Click(res::NewLocal);
        EXPECT_EQ(Outline(Tree(user)), (Lines{L"- Custom", L"    Yard grid"}));
    });
}
