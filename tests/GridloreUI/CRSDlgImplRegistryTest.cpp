#include "BrowserTest.h"

#include "gridui/CRSDialog.h"

#include <gtest/gtest.h>

using namespace browsertest;

namespace {

using BrowserRegistry = BrowserTest;

/// Known to the registry, absent from the fixture catalogue.
wchar_t const* const Utm32Name = L"WGS 84 / UTM zone 32N [EPSG:32632]";

} // namespace

TEST_F(BrowserRegistry, a_code_that_matched_nothing_is_looked_up_and_offered_under_custom) {
    std::wstring const utm32 = std::wstring(L"Custom|") + Utm32Name;
    Gridlore::CoordinateSystem const chosen = Browse(
        SurveyGrid(), {},
        [&](User& user) {
            // Codes the registry does not know, or that are no codes, find nothing.
            for (wchar_t const* search : {L"999999", L"-32632", L"EPSG:32632x"}) {
                Search(user, search);
                EXPECT_EQ(Tree(user).GetCount(), 0U) << search;
                EXPECT_EQ(Status(user), L"0 of 9 items shown");
            }
            Search(user, L"32632");
            EXPECT_EQ(Outline(Tree(user)), (Lines{L"- Custom", std::wstring(L"    ") + Utm32Name}));
            EXPECT_EQ(Status(user), L"1 of 10 items shown");
            // The starting system is not in the known list: the one result takes its place.
            EXPECT_EQ(SelectedPath(user), utm32);
            EXPECT_TRUE(Enabled(user, platform::IDOK));
            EXPECT_TRUE(Enabled(user, res::AddToFavorites));
            EXPECT_NE(Text(user, res::Description).find(L"Authority code: EPSG:32632"),
                      std::wstring::npos);
            // Known to the registry, it is not kept among the custom systems without the
            // search that found it.
            Search(user, L"");
            EXPECT_EQ(Children(user, L"Custom"), Lines{L"Survey grid"});
            Search(user, L"32632");
        },
        platform::IDOK);
    EXPECT_EQ(chosen.GetLeafName(), Utm32Name);

    // A steady status line shows the same total whatever the search.
    m_options.steadyStatusLine = true;
    Browse(SurveyGrid(), {}, [&](User& user) {
        Search(user, L"32632");
        EXPECT_EQ(Status(user), L"1 of 9 items shown");
    });
}
