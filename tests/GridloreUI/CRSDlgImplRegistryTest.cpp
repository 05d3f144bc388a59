#include "BrowserTest.h"

#include "gridui/CRSDialog.h"
#include "gridui/ResourceIds.h"

#include <gtest/gtest.h>

using namespace browsertest;
using platform::User;
using Lines = std::vector<std::wstring>;
namespace res = gridui::res;

namespace {

class BrowserRegistry : public BrowserTest {};

/// Known to the registry, absent from the fixture catalogue.
wchar_t const* const Utm32Name = L"WGS 84 / UTM zone 32N [EPSG:32632]";

} // namespace

TEST_F(BrowserRegistry, a_code_that_matched_nothing_is_looked_up_and_offered_under_custom) {
    Gridlore::CoordinateSystem const chosen = Browse(
        SurveyGrid(), {},
        [&](User& user) {
            Search(user, L"32632");
            EXPECT_EQ(Outline(Tree(user)), (Lines{L"- Custom", std::wstring(L"    ") + Utm32Name}));
            EXPECT_EQ(Status(user), L"1 of 10 items shown");
            // The starting system is not in the known list: the one result takes its place.
            EXPECT_EQ(Tree(user).GetSelectedItem(),
                      user.FindTreeItem(res::Tree, std::wstring(L"Custom|") + Utm32Name));
            user.Select(res::Tree, std::wstring(L"Custom|") + Utm32Name);
            EXPECT_TRUE(Enabled(user, platform::IDOK));
            EXPECT_TRUE(Enabled(user, res::AddToFavorites));
            EXPECT_NE(Text(user, res::Description).find(L"Authority code: EPSG:32632"),
                      std::wstring::npos);
        },
        platform::IDOK);
    EXPECT_EQ(chosen.GetLeafName(), Utm32Name);
}

TEST_F(BrowserRegistry, a_looked_up_system_is_known_and_keeps_its_definition_text) {
    ImplHost host(SurveyGrid(), m_favoritesPath, m_sink, {});
    m_driver.OnDialog(res::BrowserDialog, [&](User& user) {
        gridui::CRSDlgImpl& impl = host.Impl();
        impl.Rebuild(L"32632");
        platform::TreeItem const item =
            user.FindTreeItem(res::Tree, std::wstring(L"Custom|") + Utm32Name);
        ASSERT_TRUE(item);
        EXPECT_EQ(impl.GetRecord(item).index, -1);
        EXPECT_EQ(impl.GetRecord(item).definition, L"EPSG:32632");
        auto const info = impl.GetSelectionInfo(item);
        ASSERT_NE(info, nullptr);
        EXPECT_TRUE(info->isKnown);
        EXPECT_EQ(info->system.GetLeafName(), Utm32Name);
        EXPECT_EQ(impl.ShownCount(), 1U);
        EXPECT_EQ(impl.TotalCount(), 10U);
        // A steady status line shows the same total whatever the search.
        impl.Options().steadyStatusLine = true;
        impl.Rebuild(L"32632");
        EXPECT_EQ(impl.ShownCount(), 1U);
        EXPECT_EQ(impl.TotalCount(), 9U);

        // Codes the registry does not know, or that are no codes, leave the tree empty.
        for (wchar_t const* search : {L"999999", L"-32632", L"EPSG:32632x"}) {
            impl.Rebuild(search);
            EXPECT_EQ(Tree(user).GetCount(), 0U) << search;
            EXPECT_EQ(impl.ShownCount(), 0U);
            EXPECT_EQ(impl.TotalCount(), 9U);
        }
        user.Click(platform::IDCANCEL);
    });
    EXPECT_EQ(host.DoModal(), platform::IDCANCEL);
}
