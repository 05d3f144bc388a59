#include "BrowserTest.h"

#include "gridui/CRSDialog.h"
#include "kor/KORException.h"
#include "kor/UCSDef.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace browsertest;

namespace {

std::wstring const PredefinedWgs84 = L"Predefined|Geographic|World|WGS 84";

using BrowserFavorites = BrowserTest;

} // namespace

TEST_F(BrowserFavorites, adding_creates_the_node_saves_the_file_and_keeps_the_selection) {
    // The second system in use carries an authority tag that a favourite drops.
    auto const inUse = Systems({LocalSystem(L"Plant|Quay grid [EPSG:990123]", 0.5)});
    Browse(Wgs84(), inUse, [&](User& user) {
        EXPECT_EQ(Roots(Tree(user)), (Lines{L"Currently in use", L"Local System", L"Predefined"}));
        user.Select(res::Tree, PredefinedWgs84);
        user.Click(res::AddToFavorites);
        EXPECT_EQ(Roots(Tree(user)),
                  (Lines{L"Currently in use", L"Local System", L"Predefined", L"Favorites"}));
        EXPECT_EQ(Children(user, L"Favorites"), Lines{L"WGS 84"});
        EXPECT_TRUE(Tree(user).IsExpanded(user.FindTreeItem(res::Tree, L"Favorites")));
        EXPECT_EQ(SelectedPath(user), PredefinedWgs84);
        EXPECT_EQ(SavedNames(m_favoritesPath), Lines{L"WGS 84"});

        // No test for an equal favourite: the same system twice is two favourites.
        user.Click(res::AddToFavorites);
        EXPECT_EQ(Children(user, L"Favorites"), (Lines{L"WGS 84", L"WGS 84"}));
        EXPECT_EQ(SavedNames(m_favoritesPath), (Lines{L"WGS 84", L"WGS 84"}));

        user.Select(res::Tree, L"Currently in use|Quay grid");
        user.Click(res::AddToFavorites);
        EXPECT_EQ(Children(user, L"Favorites"), (Lines{L"Quay grid", L"WGS 84", L"WGS 84"}));
        EXPECT_EQ(SavedNames(m_favoritesPath), (Lines{L"WGS 84", L"WGS 84", L"Quay grid"}));
    });
    // The next browser finds them where the first left them.
    Browse(Wgs84(), {}, [&](User& user) {
        EXPECT_EQ(Children(user, L"Favorites"), (Lines{L"Quay grid", L"WGS 84", L"WGS 84"}));
    });
}

TEST_F(BrowserFavorites, with_one_favourite_per_system_adding_an_existing_one_selects_it) {
    std::wstring const predefinedUtm = L"Predefined|Projected|UTM|WGS 84|WGS 84 / UTM zone 33N";
    m_options.oneFavoritePerSystem = true;
    // Kept by an earlier session with its tag; the tree shows it without.
    Favorites().push_back(Utm33());
    Browse(Wgs84(), {}, [&](User& user) {
        user.Select(res::Tree, PredefinedWgs84);
        user.Click(res::AddToFavorites);
        EXPECT_EQ(SelectedPath(user), PredefinedWgs84);
        // Still offered, as for any system that is not itself a favourite item.
        EXPECT_TRUE(Enabled(user, res::AddToFavorites));
        user.Click(res::AddToFavorites);
        EXPECT_EQ(SelectedPath(user), L"Favorites|WGS 84");
        EXPECT_EQ(Text(user, res::Description), Wgs84().GetDescription());
        EXPECT_TRUE(Enabled(user, res::Remove));

        user.Select(res::Tree, predefinedUtm);
        user.Click(res::AddToFavorites);
        EXPECT_EQ(SelectedPath(user), L"Favorites|WGS 84 / UTM zone 33N");
        EXPECT_EQ(Children(user, L"Favorites"), (Lines{L"WGS 84", L"WGS 84 / UTM zone 33N"}));

        // A search that left the favourite out brings it back to select it.
        Search(user, L"Predefined");
        EXPECT_EQ(Roots(Tree(user)), Lines{L"Predefined"});
        user.Select(res::Tree, predefinedUtm);
        user.Click(res::AddToFavorites);
        EXPECT_EQ(SelectedPath(user), L"Favorites|WGS 84 / UTM zone 33N");
        EXPECT_EQ(Children(user, L"Favorites"), Lines{L"WGS 84 / UTM zone 33N"});

        // The same definition under another name is another favourite.
        Search(user, L"");
        user.Select(res::Tree, L"Local System|Site|Grids|Harbour grid");
        user.Click(res::AddToFavorites);
        NameLocalSystem(L"Harbour grid renamed");
        user.Click(res::Modify);
        user.Select(res::Tree, L"Custom|Harbour grid renamed");
        user.Click(res::AddToFavorites);
        EXPECT_EQ(Children(user, L"Favorites"), (Lines{L"Harbour grid", L"Harbour grid renamed",
                                                       L"WGS 84", L"WGS 84 / UTM zone 33N"}));
    });
    EXPECT_EQ(SavedNames(m_favoritesPath), (Lines{L"WGS 84 / UTM zone 33N [EPSG:32633]", L"WGS 84",
                                                  L"Harbour grid", L"Harbour grid renamed"}));
}

TEST_F(BrowserFavorites, removing_keeps_the_others_resolving_to_their_own_systems) {
    Favorites().push_back(Wgs84());
    Favorites().push_back(Utm33());
    Favorites().push_back(SurveyGrid());
    Browse(Wgs84(), {}, [&](User& user) {
        // The first of the three, which sorts between the other two.
        user.Select(res::Tree, L"Favorites|WGS 84");
        user.Click(res::Remove);
        EXPECT_EQ(Children(user, L"Favorites"), (Lines{L"Survey grid", L"WGS 84 / UTM zone 33N"}));
        EXPECT_EQ(SavedNames(m_favoritesPath),
                  (Lines{L"WGS 84 / UTM zone 33N [EPSG:32633]", L"Survey grid"}));
        // The selection moved on to the next item, and the browser followed it.
        EXPECT_EQ(SelectedPath(user), L"Favorites|WGS 84 / UTM zone 33N");
        EXPECT_EQ(Text(user, res::Description), Utm33().GetDescription());
        EXPECT_TRUE(Enabled(user, res::Remove));

        user.Select(res::Tree, L"Favorites|Survey grid");
        EXPECT_EQ(Text(user, res::Description), SurveyGrid().GetDescription());
        user.Select(res::Tree, L"Favorites|WGS 84 / UTM zone 33N");
        EXPECT_EQ(Text(user, res::Description), Utm33().GetDescription());

        // The last of a node leaves the selection on the one before it.
        user.Click(res::Remove);
        EXPECT_EQ(SelectedPath(user), L"Favorites|Survey grid");
        EXPECT_EQ(SavedNames(m_favoritesPath), Lines{L"Survey grid"});

        // The only one leaves the node, empty and selected: nothing to remove or accept.
        user.Click(res::Remove);
        EXPECT_EQ(Roots(Tree(user)), (Lines{L"Local System", L"Predefined", L"Favorites"}));
        EXPECT_EQ(Children(user, L"Favorites"), Lines{});
        EXPECT_EQ(SelectedPath(user), L"Favorites");
        EXPECT_FALSE(Enabled(user, res::Remove));
        EXPECT_FALSE(Enabled(user, platform::IDOK));
        EXPECT_EQ(SavedNames(m_favoritesPath), Lines{});

        // Added again after removals, a favourite takes the next free place.
        user.Select(res::Tree, PredefinedWgs84);
        user.Click(res::AddToFavorites);
        user.Select(res::Tree, L"Favorites|WGS 84");
        EXPECT_EQ(Text(user, res::Description), Wgs84().GetDescription());
    });
}

TEST_F(BrowserFavorites, new_systems_join_custom_selected_with_their_description) {
    Browse(Wgs84(), {}, [&](User& user) {
        // The current system is referenced: the local one starts unnamed, in meters.
        m_driver.OnDialog(res::LocalSystemDialog, [](User& dialog) {
            EXPECT_EQ(dialog.GetDialog().GetDlgItemText(res::LocalNameEdit), L"");
            EXPECT_FALSE(dialog.GetDialog().GetDlgItem(platform::IDOK).IsWindowEnabled());
            dialog.Type(res::LocalNameEdit, L"Yard");
            dialog.Click(platform::IDOK);
        });
        user.Click(res::NewLocal);
        EXPECT_EQ(SelectedPath(user), L"Custom|Yard");
        EXPECT_EQ(Text(user, res::Description), LocalSystem(L"Yard", 1.0).GetDescription());

        // The local system is now current: a geographic one starts from WGS 84.
        m_driver.OnDialog(res::DefineDialog, [](User& dialog) {
            EXPECT_EQ(dialog.GetDialog().GetDlgItemText(res::DefineName).rfind(L"WGS 84", 0), 0U);
            dialog.Type(res::DefineName, L"Mine");
            dialog.Click(platform::IDOK);
        });
        user.Click(res::NewGeographic);
        EXPECT_EQ(SelectedPath(user), L"Custom|Mine");
        EXPECT_EQ(Children(user, L"Custom"), (Lines{L"Mine", L"Yard"}));

        // A local system current: the new local one starts from it.
        user.Select(res::Tree, L"Custom|Yard");
        m_driver.OnDialog(res::LocalSystemDialog, [](User& dialog) {
            EXPECT_NE(dialog.GetDialog().GetDlgItemText(res::LocalNameEdit).find(L"Yard"),
                      std::wstring::npos);
            dialog.Type(res::LocalNameEdit, L"Annex");
            dialog.Click(platform::IDOK);
        });
        user.Click(res::NewLocal);
        EXPECT_EQ(Children(user, L"Custom"), (Lines{L"Annex", L"Mine", L"Yard"}));
        EXPECT_EQ(SelectedPath(user), L"Custom|Annex");
    });
}

TEST_F(BrowserFavorites,
       modifying_a_known_system_makes_a_custom_one_a_custom_one_is_edited_in_place) {
    Favorites().push_back(LocalSystem(L"Depot", 1.0));
    Gridlore::CoordinateSystem const chosen = Browse(
        SurveyGrid(), {},
        [&](User& user) {
            user.Select(res::Tree, PredefinedWgs84);
            m_driver.OnDialog(res::DefineDialog,
                              [](User& define) { define.Click(platform::IDOK); });
            user.Click(res::Modify);
            EXPECT_EQ(SelectedPath(user), L"Custom|WGS 84 (edited)");
            EXPECT_NE(Text(user, res::Description).find(L"WGS 84 (edited)"), std::wstring::npos);
            // The predefined system itself is unchanged.
            user.Select(res::Tree, PredefinedWgs84);
            EXPECT_EQ(Text(user, res::Description), Wgs84().GetDescription());

            // A local system of the catalogue is edited in the local dialog.
            user.Select(res::Tree, L"Local System|Site|Grids|Harbour grid");
            NameLocalSystem(L"Harbour grid 2");
            user.Click(res::Modify);
            EXPECT_EQ(SelectedPath(user), L"Custom|Harbour grid 2");

            // Renamed, a custom system moves to its new place; nothing new is made.
            user.Select(res::Tree, L"Custom|Survey grid");
            NameLocalSystem(L"Alpha grid");
            user.Click(res::Modify);
            Lines const custom{L"Alpha grid", L"Harbour grid 2", L"WGS 84 (edited)"};
            EXPECT_EQ(Children(user, L"Custom"), custom);
            EXPECT_EQ(SelectedPath(user), L"Custom|Alpha grid");
            EXPECT_EQ(Text(user, res::Description),
                      LocalSystem(L"Alpha grid", 2.0).GetDescription());
            // With its name unchanged, the item keeps its place.
            user.Select(res::Tree, L"Custom|Harbour grid 2");
            NameLocalSystem(L"Harbour grid 2");
            user.Click(res::Modify);
            EXPECT_EQ(Children(user, L"Custom"), custom);

            // A favourite is rewritten in the file.
            user.Select(res::Tree, L"Favorites|Depot");
            NameLocalSystem(L"Zeta depot");
            user.Click(res::Modify);
            EXPECT_EQ(Children(user, L"Favorites"), Lines{L"Zeta depot"});
            EXPECT_EQ(SelectedPath(user), L"Favorites|Zeta depot");
            EXPECT_EQ(SavedNames(m_favoritesPath), Lines{L"Zeta depot"});
            EXPECT_EQ(Children(user, L"Custom"), custom);
            user.Select(res::Tree, L"Custom|Harbour grid 2");
        },
        platform::IDOK);
    EXPECT_EQ(chosen.GetLeafName(), L"Harbour grid 2");
    EXPECT_TRUE(chosen.IsUnreferenced());
}

TEST_F(BrowserFavorites, cancelling_any_dialog_changes_nothing) {
    Favorites().push_back(Utm33());
    Browse(SurveyGrid(), {}, [&](User& user) {
        struct Step {
            std::wstring select;
            int command;
            int dialog;
        };
        for (Step const& step : {
                 Step{L"Custom|Survey grid", res::NewLocal, res::LocalSystemDialog},
                 Step{L"Custom|Survey grid", res::NewGeographic, res::DefineDialog},
                 Step{L"Custom|Survey grid", res::Modify, res::LocalSystemDialog},
                 Step{L"Favorites|WGS 84 / UTM zone 33N", res::Modify, res::DefineDialog},
                 Step{PredefinedWgs84, res::Modify, res::DefineDialog},
                 Step{PredefinedWgs84, res::NewLocal, res::LocalSystemDialog},
             }) {
            SCOPED_TRACE(step.command);
            user.Select(res::Tree, step.select);
            std::wstring const description = Text(user, res::Description);
            Lines const outline = Outline(Tree(user));
            m_driver.OnDialog(step.dialog, [](User& dialog) { dialog.Click(platform::IDCANCEL); });
            user.Click(step.command);
            EXPECT_EQ(Outline(Tree(user)), outline);
            EXPECT_EQ(SelectedPath(user), step.select);
            EXPECT_EQ(Text(user, res::Description), description);
        }
        EXPECT_EQ(m_driver.Pending(), 0U);
    });
    EXPECT_FALSE(std::filesystem::exists(m_favoritesPath));
}

TEST_F(BrowserFavorites, a_favourites_file_that_cannot_be_written_reaches_the_host) {
    std::wstring const unwritable = (m_scratch / "missing-folder" / "favourites.qrf2").wstring();
    gridui::CRSDialog dialog(Wgs84(), unwritable, m_sink, nullptr, {});
    m_driver.OnDialog(res::BrowserDialog, [&](User& user) {
        user.Select(res::Tree, PredefinedWgs84);
        user.Click(res::AddToFavorites);
    });
    EXPECT_THROW(dialog.DoModal(), kor::KORException);
}
