#include "BrowserTest.h"

#include "gridui/CRSDialog.h"
#include "kor/Definitions.h"
#include "kor/KnownCatalogue.h"
#include "kor/SystemList.h"

#include <gtest/gtest.h>

#include <initializer_list>

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

TEST_F(BrowserRegistry, opened_on_a_listed_system_it_selects_describes_and_returns_it_as_listed) {
    kortest::FixtureScope const registry(kor::OpenRegistryCatalogue());
    Gridlore::CoordinateSystem const host(*kor::CreateCSDefByDefinition(L"EPSG:32632"));
    // Once with OK pressed at the first chance, once after a look at the rest of the tree.
    for (bool const wandered : {false, true}) {
        SCOPED_TRACE(wandered ? "after another selection" : "at once");
        Gridlore::CoordinateSystem const chosen = Browse(
            host, {},
            [&](User& user) {
                EXPECT_EQ(SelectedPath(user),
                          L"Predefined|Projected|UTM|WGS 84|WGS 84 / UTM zone 32N");
                for (platform::ControlId const button : std::initializer_list<platform::ControlId>{
                         platform::IDOK, res::Modify, res::AddToFavorites}) {
                    EXPECT_TRUE(Enabled(user, button)) << button;
                }
                EXPECT_FALSE(Enabled(user, res::Remove));
                // The description waits for the first paint, which comes before the first
                // idle: by now it is there.
                EXPECT_NE(Text(user, res::Description).find(L"Authority code: EPSG:32632"),
                          std::wstring::npos);
                if (wandered) {
                    platform::TreeItem const own = Tree(user).GetSelectedItem();
                    platform::TreeItem const other = Tree(user).GetNextSiblingItem(own);
                    ASSERT_TRUE(other);
                    user.Select(res::Tree, other);
                    EXPECT_EQ(Text(user, res::Description).find(L"EPSG:32632"), std::wstring::npos);
                    user.Select(res::Tree, own);
                    EXPECT_NE(Text(user, res::Description).find(L"Authority code: EPSG:32632"),
                              std::wstring::npos);
                }
            },
            platform::IDOK);
        // The system as the list holds it, as choosing it in the tree gives it.
        kor::CSDef const* listed =
            kor::KORKnownSystemsList.Enum(kor::KORKnownSystemsList.FindByPOSC(32632));
        ASSERT_NE(chosen.GetCSDef(), nullptr);
        ASSERT_NE(listed, nullptr);
        EXPECT_EQ(chosen.GetName(), listed->GetName());
        EXPECT_TRUE(chosen.GetCSDef()->Compare(*listed, true));
        EXPECT_EQ(chosen.GetDescription(), Gridlore::CoordinateSystem(*listed).GetDescription());
    }
}
