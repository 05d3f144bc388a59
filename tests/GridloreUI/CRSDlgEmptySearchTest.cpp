#include "BrowserTest.h"

#include "gridui/ResourceIds.h"

#include <gtest/gtest.h>

#include <initializer_list>

using namespace browsertest;
using platform::User;
using Lines = std::vector<std::wstring>;
namespace res = gridui::res;

namespace {

class BrowserEmptySearch : public BrowserTest {};

std::wstring NothingFor(std::wstring const& text) {
    return L"No system matches \"" + text + L"\". Try a code, part of a name, or a place.";
}

} // namespace

TEST_F(BrowserEmptySearch, a_search_that_finds_nothing_says_so_only_when_the_host_asks) {
    for (bool const explain : {false, true}) {
        SCOPED_TRACE(explain);
        m_options.explainEmptySearch = explain;
        Browse(SurveyGrid(), {}, [&](User& user) {
            Search(user, L"xyz");
            EXPECT_EQ(Roots(Tree(user)), explain ? Lines{NothingFor(L"xyz")} : Lines{});
            EXPECT_EQ(Status(user), L"0 of 9 items shown");
        });
    }
}

TEST_F(BrowserEmptySearch, the_line_is_no_system_to_choose_and_goes_with_the_next_search) {
    m_options.explainEmptySearch = true;
    m_options.searchAsYouType = true;
    Browse(SurveyGrid(), {}, [&](User& user) {
        std::wstring const description = Text(user, res::Description);
        Search(user, L"no such \"grid\"");
        ASSERT_EQ(Outline(Tree(user)), Lines{L"  " + NothingFor(L"no such \"grid\"")});
        user.Select(res::Tree, Tree(user).GetRootItem());
        for (platform::ControlId const button : std::initializer_list<platform::ControlId>{
                 platform::IDOK, res::Modify, res::AddToFavorites}) {
            EXPECT_FALSE(Enabled(user, button)) << button;
        }
        EXPECT_EQ(Text(user, res::Description), description);

        Search(user, L"grid");
        EXPECT_EQ(Roots(Tree(user)), (Lines{L"Local System", L"Custom"}));

        // Found nothing by typing alone, then cleared.
        user.Type(res::SearchBox, L"zz");
        user.RunTimers();
        EXPECT_EQ(Roots(Tree(user)), Lines{NothingFor(L"zz")});
        user.ClickToolButton(platform::ToolBarWindowId, res::ClearSearch);
        EXPECT_EQ(Roots(Tree(user)), (Lines{L"Local System", L"Predefined", L"Custom"}));

        // A system made while the line shows joins the tree in its place.
        Search(user, L"zz");
        NameLocalSystem(L"Yard grid");
        user.Click(res::NewLocal);
        EXPECT_EQ(Outline(Tree(user)), (Lines{L"- Custom", L"    Yard grid"}));
        EXPECT_EQ(SelectedPath(user), L"Custom|Yard grid");
    });
}
