#include "BrowserTest.h"

#include "gridui/CRSDialog.h"
#include "gridui/CRSPage.h"
#include "kor/WarpDef.h"
#include "shr/Exception.h"
#include "shr/Utf8.h"

#include <gtest/gtest.h>

using namespace browsertest;

namespace {

using BrowserDialog = BrowserTest;

bool MenuState(platform::Driver::ShownMenu const& menu, platform::ControlId id) {
    for (platform::CmdUI const& state : menu.states) {
        if (state.id == id) {
            return state.enabled;
        }
    }
    ADD_FAILURE() << "the menu has no item " << id;
    return false;
}

double WarpB0(Gridlore::CoordinateSystem const& system) {
    double value = 0.0;
    return system.GetWarp() != nullptr && system.GetWarp()->GetParameter(kor::WarpDef::B0, value)
               ? value
               : 0.0;
}

} // namespace

TEST_F(BrowserDialog, an_empty_favourites_path_or_a_null_sink_is_an_internal_error) {
    EXPECT_THROW(gridui::CRSDialog(Wgs84(), L"", m_sink, nullptr, {}), shr::Exception);
    EXPECT_THROW(gridui::CRSDialog(Wgs84(), m_favoritesPath, nullptr, nullptr, {}), shr::Exception);
    EXPECT_THROW(gridui::CRSPage(Wgs84(), L"", m_sink), shr::Exception);
    EXPECT_THROW(gridui::CRSPage(Wgs84(), m_favoritesPath, nullptr), shr::Exception);
}

TEST_F(BrowserDialog, double_clicking_a_system_closes_with_it_but_a_folder_or_beside_a_label_not) {
    gridui::CRSDialog dialog(SurveyGrid(), m_favoritesPath, m_sink, nullptr, {});
    dialog.SetCaption(L"Source system");
    m_driver.OnDialog(res::BrowserDialog, [&](User& user) {
        EXPECT_EQ(user.GetDialog().GetWindowText(), L"Source system");
        platform::TreeCtrl const& tree = Tree(user);
        ASSERT_TRUE(Enabled(user, platform::IDOK));
        platform::Rect const label = *tree.GetItemRect(tree.GetSelectedItem(), true);
        user.DoubleClick(res::Tree, {label.right + 20, (label.top + label.bottom) / 2});
        user.DoubleClickItem(res::Tree, user.FindTreeItem(res::Tree, L"Predefined|Projected"));
        EXPECT_EQ(SelectedPath(user), L"Predefined|Projected");
        user.DoubleClickItem(
            res::Tree,
            user.FindTreeItem(res::Tree, L"Predefined|Projected|UTM|WGS 84|WGS 84 / UTM zone 33N"));
    });
    EXPECT_EQ(dialog.DoModal(), platform::IDOK);
    EXPECT_EQ(dialog.CurrentCoordinateSystem().GetName(),
              L"Projected|UTM|WGS 84|WGS 84 / UTM zone 33N [EPSG:32633]");
    EXPECT_EQ(dialog.CurrentCoordinateSystem().GetWarp(), nullptr);
}

TEST_F(BrowserDialog, the_initial_warp_is_put_back_on_whatever_system_is_chosen) {
    kor::WarpDef warp;
    warp.SetParameter(kor::WarpDef::B0, 7.0);
    Gridlore::CoordinateSystem warped = Utm33();
    warped.SetWarp(&warp);
    gridui::CRSDialog dialog(warped, m_favoritesPath, m_sink, nullptr, {});
    dialog.SetCaption(L"");
    EXPECT_EQ(WarpB0(dialog.CurrentCoordinateSystem()), 7.0);
    m_driver.OnDialog(res::BrowserDialog, [&](User& user) {
        EXPECT_EQ(user.GetDialog().GetWindowText(), L"Assign Coordinate System")
            << "empty keeps it";
        // Without its warp the system is the predefined one, not a custom system.
        EXPECT_EQ(SelectedPath(user), L"Predefined|Projected|UTM|WGS 84|WGS 84 / UTM zone 33N");
        EXPECT_EQ(Roots(Tree(user)), (Lines{L"Local System", L"Predefined"}));
        user.Select(res::Tree, L"Predefined|Geographic|World|WGS 84");
        user.Click(platform::IDOK);
    });
    EXPECT_EQ(dialog.DoModal(), platform::IDOK);
    EXPECT_EQ(dialog.CurrentCoordinateSystem().GetLeafName(), L"WGS 84 [EPSG:4326]");
    EXPECT_EQ(WarpB0(dialog.CurrentCoordinateSystem()), 7.0);
}

TEST_F(BrowserDialog, right_clicking_an_item_selects_it_and_menu_and_buttons_follow_the_selection) {
    Favorites().push_back(Wgs84());
    Browse(SurveyGrid(), Systems({Utm33()}), [&](User& user) {
        auto const& menus = m_driver.Menus();
        platform::TreeCtrl const& tree = Tree(user);
        // Below the last item, over another control, or from the keyboard (the screen
        // point -1, -1 lies on no item), nothing opens.
        user.RightClick(res::Tree, {10, tree.GetClientRect().bottom - 4});
        user.RightClick(res::Description, {10, 10});
        user.RightClick(res::Tree, tree.ScreenToClient(platform::Point{-1, -1}));
        EXPECT_TRUE(menus.empty());
        EXPECT_EQ(SelectedPath(user), L"Custom|Survey grid");

        struct Expected {
            std::wstring path;
            bool system, add, remove, del;
            std::wstring name;
        };
        std::wstring const utm = L"Name: WGS 84 / UTM zone 33N\r\n";
        for (Expected const& expected : {
                 Expected{L"Custom|Survey grid", true, true, false, true, L"Name: Survey grid\r\n"},
                 Expected{L"Favorites|WGS 84", true, false, true, false, L"Name: WGS 84\r\n"},
                 Expected{L"Predefined|Geographic|World|WGS 84", true, true, false, false,
                          L"Name: WGS 84\r\n"},
                 Expected{L"Currently in use|WGS 84 / UTM zone 33N", true, true, false, false, utm},
                 // A folder shows no system: the last one's description stays.
                 Expected{L"Predefined|A", false, false, false, false, utm},
                 Expected{L"Local System", false, false, false, false, utm},
             }) {
            SCOPED_TRACE(shr::ToUtf8(expected.path));
            platform::TreeItem const item = user.FindTreeItem(res::Tree, expected.path);
            std::size_t const before = menus.size();
            user.RightClickItem(res::Tree, item);
            ASSERT_EQ(menus.size(), before + 1);
            EXPECT_EQ(SelectedPath(user), expected.path);
            platform::Rect const label = *tree.GetItemRect(item, true);
            EXPECT_EQ(menus.back().at, tree.ClientToScreen({(label.left + label.right) / 2,
                                                            (label.top + label.bottom) / 2}));
            std::vector<platform::ControlId> ids;
            for (auto const& entry : menus.back().items) {
                ids.push_back(entry.command);
            }
            EXPECT_EQ(ids, (std::vector<platform::ControlId>{res::AddToFavorites, res::Remove, 0,
                                                             res::NewLocal, res::NewGeographic,
                                                             res::Modify, 0, res::DeleteCustom}));
            EXPECT_EQ(MenuState(menus.back(), res::AddToFavorites), expected.add);
            EXPECT_EQ(MenuState(menus.back(), res::Remove), expected.remove);
            EXPECT_EQ(MenuState(menus.back(), res::DeleteCustom), expected.del);
            // Modify on a folder is offered too; it has nothing to do there.
            for (platform::ControlId const always :
                 {res::NewLocal, res::NewGeographic, res::Modify}) {
                EXPECT_TRUE(MenuState(menus.back(), always)) << always;
            }
            EXPECT_EQ(Enabled(user, platform::IDOK), expected.system);
            EXPECT_EQ(Enabled(user, res::Modify), expected.system);
            EXPECT_EQ(Enabled(user, res::AddToFavorites), expected.add);
            EXPECT_EQ(Enabled(user, res::Remove), expected.remove);
            EXPECT_EQ(Text(user, res::Description).rfind(expected.name, 0), 0U)
                << shr::ToUtf8(Text(user, res::Description));
            for (int const always :
                 {int{res::NewLocal}, int{res::NewGeographic}, int{res::LoadFromFile},
                  int{res::SaveToFile}, int{platform::IDCANCEL}}) {
                EXPECT_TRUE(Enabled(user, always)) << always;
            }
        }
        // The menu's commands are the buttons'; Modify chosen on a folder has nothing to edit.
        m_driver.ChooseMenuItem(res::Modify);
        user.RightClickItem(res::Tree, user.FindTreeItem(res::Tree, L"Local System"));
        EXPECT_EQ(SelectedPath(user), L"Local System");
        EXPECT_EQ(m_driver.Pending(), 0U);
    });
}

TEST_F(BrowserDialog, a_host_may_have_every_folder_of_a_few_results_opened) {
    Lines const bothOpen{
        L"- Predefined",  L"  - Geographic", L"    - World",    L"        WGS 84",
        L"  - Projected", L"    - UTM",      L"      - WGS 84", L"          WGS 84 / UTM zone 33N",
    };
    for (std::uint32_t const upTo : {0U, 1U, 2U, 50U}) {
        SCOPED_TRACE(upTo);
        gridui::CRSDialog dialog(SurveyGrid(), m_favoritesPath, m_sink, nullptr, {});
        dialog.SetOpenResultsUpTo(upTo);
        m_driver.OnDialog(res::BrowserDialog, [&](User& user) {
            // Without a search nothing counts as a result, however few the systems.
            EXPECT_FALSE(
                Tree(user).IsExpanded(user.FindTreeItem(res::Tree, L"Predefined|Projected")));
            Search(user, L"wgs");
            EXPECT_EQ(Outline(Tree(user)) == bothOpen, upTo >= 2) << Outline(Tree(user)).size();
            // A single result is opened whatever the host asked.
            Search(user, L"33N");
            EXPECT_EQ(Outline(Tree(user)).back(), L"          WGS 84 / UTM zone 33N");
            user.Click(platform::IDCANCEL);
        });
        EXPECT_EQ(dialog.DoModal(), platform::IDCANCEL);
    }
}
