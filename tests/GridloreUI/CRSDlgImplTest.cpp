#include "BrowserTest.h"

#include "gridui/CRSDialog.h"
#include "shr/Exception.h"
#include "shr/Utf8.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace browsertest;
using gridui::CRSDlgImpl;

using BrowserImpl = BrowserTest;

TEST_F(BrowserImpl,
       categories_come_in_order_with_shared_folders_and_items_resolve_to_copies_of_their_systems) {
    Favorites().push_back(Wgs84());
    // A second system in use under the same leaf name is told apart by its number.
    auto const inUse =
        Systems({Utm33(), LocalSystem(L"Plant|WGS 84 / UTM zone 33N [EPSG:32633]", 0.5)});
    ImplHost host(SurveyGrid(), m_favoritesPath, m_sink, inUse);
    m_driver.OnDialog(res::BrowserDialog, [&](User& user) {
        Lines const categories{
            L"- Currently in use",
            L"    WGS 84 / UTM zone 33N",
            L"    WGS 84 / UTM zone 33N (2)",
            L"- Local System",
            L"    Local System (meters)",
            L"  + Site",
            L"    + Grids",
            L"        Harbour grid",
            L"- Predefined",
            L"  + A",
            L"    + B",
            L"        C",
            L"        D",
            L"      x",
            L"  + a",
            L"      y",
            L"  + Geographic",
            L"    + World",
            L"        WGS 84",
            L"  + Projected",
            L"    + UTM",
            L"      + WGS 84",
            L"          WGS 84 / UTM zone 33N",
            L"- Favorites",
            L"    WGS 84",
            L"- Custom",
            L"    Survey grid",
        };
        EXPECT_EQ(Outline(Tree(user)), categories);
        // The host's system is unknown everywhere, so it is kept as a custom one.
        EXPECT_EQ(SelectedPath(user), L"Custom|Survey grid");
        EXPECT_EQ(Status(user), L"");

        CRSDlgImpl& impl = host.Impl();
        auto const resolve = [&](std::wstring const& path) {
            platform::TreeItem const item = user.FindTreeItem(res::Tree, path);
            EXPECT_TRUE(item) << shr::ToUtf8(path);
            return item ? impl.GetSelectionInfo(item) : nullptr;
        };
        struct Expected {
            std::wstring path;
            std::wstring leaf;
            bool known;
        };
        for (Expected const& expected : {
                 Expected{L"Predefined|Geographic|World|WGS 84", L"WGS 84 [EPSG:4326]", true},
                 Expected{L"Local System|Site|Grids|Harbour grid", L"Harbour grid", true},
                 Expected{L"Favorites|WGS 84", L"WGS 84 [EPSG:4326]", false},
                 Expected{L"Currently in use|WGS 84 / UTM zone 33N",
                          L"WGS 84 / UTM zone 33N [EPSG:32633]", false},
                 Expected{L"Custom|Survey grid", L"Survey grid", false},
             }) {
            auto const info = resolve(expected.path);
            ASSERT_NE(info, nullptr) << shr::ToUtf8(expected.path);
            EXPECT_EQ(info->system.GetLeafName(), expected.leaf);
            EXPECT_EQ(info->isKnown, expected.known) << shr::ToUtf8(expected.path);
        }
        EXPECT_EQ(resolve(L"Predefined"), nullptr);
        EXPECT_EQ(resolve(L"Predefined|A|B"), nullptr);
        EXPECT_THROW(impl.GetSelectionInfo({}), shr::Exception);

        // The caller's copy is its own.
        resolve(L"Custom|Survey grid")->system.SetCategorizedName(L"Renamed");
        ASSERT_EQ(impl.CustomSystems().size(), 1U);
        EXPECT_EQ(impl.CustomSystems().at(0).GetLeafName(), L"Survey grid");

        // Categorized names join existing folders by their exact text and must not be empty.
        platform::TreeCtrl const& tree = Tree(user);
        platform::TreeItem const predefined = user.FindTreeItem(res::Tree, L"Predefined");
        platform::TreeItem const e =
            impl.InsertCategorized(L"|A||B|E|", gridui::Known, 0, predefined, L"");
        EXPECT_EQ(PathOf(tree, e), L"Predefined|A|B|E");
        platform::TreeItem const z =
            impl.InsertCategorized(L"a|z", gridui::Known, 0, predefined, L"");
        EXPECT_EQ(PathOf(tree, z), L"Predefined|a|z");
        platform::TreeItem const q =
            impl.InsertCategorized(L"Predefined|Q", gridui::Known, 0, CRSDlgImpl::Root(), L"");
        EXPECT_EQ(PathOf(tree, q), L"Predefined|Q");
        EXPECT_EQ(Roots(tree), (Lines{L"Currently in use", L"Local System", L"Predefined",
                                      L"Favorites", L"Custom"}));
        EXPECT_EQ(impl.GetRecord(e).kind, gridui::Known);
        EXPECT_EQ(tree.GetItemData(z), tree.GetItemData(e) + 1) << "one new record each";
        Lines const outline = Outline(tree);
        EXPECT_EQ(std::count(outline.begin(), outline.end(), L"  + A"), 1);
        EXPECT_EQ(std::count(outline.begin(), outline.end(), L"  + a"), 1);

        EXPECT_THROW(impl.InsertCategorized(L"", gridui::Known, 0, predefined, L""),
                     shr::Exception);
        EXPECT_THROW(
            impl.InsertItem(L"", gridui::Folder, 0, predefined, platform::InsertAfter::Last, L""),
            shr::Exception);
        user.Click(platform::IDCANCEL);
    });
    EXPECT_EQ(host.DoModal(), platform::IDCANCEL);
}

TEST_F(BrowserImpl, the_in_use_copy_of_the_current_is_chosen) {
    Favorites().push_back(Wgs84());
    Browse(Wgs84(), Systems({Utm33(), Wgs84()}), [&](User& user) {
        EXPECT_EQ(Roots(Tree(user)),
                  (Lines{L"Currently in use", L"Local System", L"Predefined", L"Favorites"}));
        EXPECT_EQ(SelectedPath(user), L"Currently in use|WGS 84");
    });
}

TEST_F(BrowserImpl, a_text_search_keeps_matching_names_and_opens_the_path_of_a_single_result) {
    Browse(SurveyGrid(), {}, [&](User& user) {
        Lines const onlyUtm33{
            L"- Predefined",
            L"  - Projected",
            L"    - UTM",
            L"      - WGS 84",
            L"          WGS 84 / UTM zone 33N",
        };
        Search(user, L"Projected");
        EXPECT_EQ(Outline(Tree(user)), onlyUtm33);
        EXPECT_EQ(Status(user), L"1 of 9 items shown");
        // The current system is not shown, so nothing is selected and OK waits for a choice.
        EXPECT_EQ(SelectedPath(user), L"");
        EXPECT_FALSE(Enabled(user, platform::IDOK));

        // Both names hold WGS, so the library adds nothing and each shows once.
        Search(user, L"wgs");
        EXPECT_EQ(Roots(Tree(user)), Lines{L"Predefined"});
        EXPECT_FALSE(Tree(user).IsExpanded(user.FindTreeItem(res::Tree, L"Predefined|Projected")));
        EXPECT_EQ(Status(user), L"2 of 9 items shown");

        // Local systems are found by name, and the current one is selected again.
        Search(user, L"grid");
        EXPECT_EQ(Roots(Tree(user)), (Lines{L"Local System", L"Custom"}));
        EXPECT_EQ(SelectedPath(user), L"Custom|Survey grid");
        EXPECT_TRUE(Enabled(user, platform::IDOK));
        EXPECT_EQ(Status(user), L"2 of 9 items shown");

        // No name holds it, but the library finds it in an area of use and gives the code.
        Search(user, L"Hemisphere");
        EXPECT_EQ(Outline(Tree(user)), onlyUtm33);
        EXPECT_EQ(Status(user), L"1 of 16 items shown");
    });
}

TEST_F(
    BrowserImpl,
    a_code_finds_referenced_systems_everywhere_local_ones_by_name_and_a_category_s_name_all_of_it) {
    Favorites().push_back(Wgs84());
    Favorites().push_back(Utm33());
    Browse(SurveyGrid(), Systems({Wgs84(), LocalSystem(L"Plant 4326", 0.5)}), [&](User& user) {
        Search(user, L"4326");
        EXPECT_EQ(Roots(Tree(user)), (Lines{L"Currently in use", L"Predefined", L"Favorites"}));
        EXPECT_EQ(Outline(Tree(user))[1], L"    Plant 4326");
        // The code filter finds each one; the library is not asked to find them again.
        EXPECT_EQ(Status(user), L"4 of 13 items shown");

        // Typed in full the code is no number; it matches tags in leaf names, and the
        // library's answer brings the predefined system back, after the nodes already made.
        Search(user, L"EPSG:4326");
        EXPECT_EQ(Roots(Tree(user)), (Lines{L"Currently in use", L"Favorites", L"Predefined"}));
        EXPECT_EQ(Status(user), L"4 of 22 items shown");

        // A category's own name keeps the whole category.
        Search(user, L"Fav");
        EXPECT_EQ(Outline(Tree(user)),
                  (Lines{L"- Favorites", L"    WGS 84", L"    WGS 84 / UTM zone 33N"}));
        EXPECT_EQ(Status(user), L"2 of 13 items shown");
        Search(user, L"custom");
        EXPECT_EQ(Outline(Tree(user)), (Lines{L"- Custom", L"    Survey grid"}));
        Search(user, L"Local");
        EXPECT_EQ(Roots(Tree(user)), Lines{L"Local System"});
    });
}

TEST_F(BrowserImpl,
       the_status_line_shows_only_while_a_search_hides_something_and_the_tree_follows) {
    for (bool const steady : {false, true}) {
        SCOPED_TRACE(steady);
        m_options.steadyStatusLine = steady;
        Browse(SurveyGrid(), {}, [&](User& user) {
            auto& dialog = user.GetDialog();
            platform::Rect const status = dialog.GetDlgItem(res::Status).GetWindowRect();
            platform::Rect const combo = dialog.GetDlgItem(res::SearchBox).GetWindowRect();
            int const below = status.bottom + (status.top - combo.bottom);
            // Hidden, the line leaves its room to the tree unless the host keeps it.
            int const hidden = steady ? below : status.top;
            platform::Rect const opened = Tree(user).GetWindowRect();
            Lines const everything = Outline(Tree(user));
            EXPECT_FALSE(Visible(user, res::Status));
            if (steady) {
                EXPECT_EQ(opened.top, below) << "the line's room is kept from the start";
            }

            user.Type(res::SearchBox, L"Projected");
            EXPECT_EQ(Outline(Tree(user)), everything) << "typing alone does not search";
            user.ClickToolButton(platform::ToolBarWindowId, res::Search);
            EXPECT_EQ(Status(user), L"1 of 9 items shown");
            platform::Rect const shown = Tree(user).GetWindowRect();
            EXPECT_EQ(shown.top, below) << "the tree must not cover the status line";
            EXPECT_EQ(shown.bottom, opened.bottom);
            // The library's second pass counts its systems again, unless the total is
            // kept steady.
            Search(user, L"Hemisphere");
            EXPECT_EQ(Status(user), steady ? L"1 of 9 items shown" : L"1 of 16 items shown");

            user.ClickToolButton(platform::ToolBarWindowId, res::ClearSearch);
            EXPECT_EQ(Text(user, res::SearchBox), L"");
            EXPECT_FALSE(Visible(user, res::Status));
            EXPECT_EQ(Outline(Tree(user)), everything);
            platform::Rect const cleared = Tree(user).GetWindowRect();
            EXPECT_EQ(cleared.top, hidden);
            EXPECT_EQ(cleared.bottom, opened.bottom);
        });
    }
}

TEST_F(BrowserImpl, a_current_system_a_search_left_out_is_said_to_be_so_when_the_host_asks) {
    std::wstring const marker = L"Current system (not among the results):\r\n";
    for (bool const mark : {false, true}) {
        SCOPED_TRACE(mark);
        m_options.markCurrentNotShown = mark;
        Browse(Wgs84(), {}, [&](User& user) {
            // Empty categories are left out.
            EXPECT_EQ(Roots(Tree(user)), (Lines{L"Local System", L"Predefined"}));
            EXPECT_EQ(SelectedPath(user), L"Predefined|Geographic|World|WGS 84");
            std::wstring const plain = Text(user, res::Description);
            ASSERT_EQ(plain.rfind(L"Name: WGS 84\r\n", 0), 0U);
            Search(user, L"Harbour");
            ASSERT_FALSE(Tree(user).GetSelectedItem());
            EXPECT_FALSE(Enabled(user, platform::IDOK));
            EXPECT_EQ(Text(user, res::Description), mark ? marker + plain : plain);
            user.Select(res::Tree, L"Local System");
            EXPECT_EQ(Text(user, res::Description), mark ? marker + plain : plain);
            // Shown again, it is selected and described as always, also beside a folder.
            Search(user, L"WGS");
            EXPECT_EQ(SelectedPath(user), L"Predefined|Geographic|World|WGS 84");
            EXPECT_EQ(Text(user, res::Description), plain);
            user.Select(res::Tree, L"Predefined");
            EXPECT_EQ(Text(user, res::Description), plain);
        });
    }
}

TEST_F(BrowserImpl, a_search_matches_the_leaf_name_as_given_and_codes_of_referenced_systems) {
    EXPECT_TRUE(CRSDlgImpl::MatchesSearch(Utm33(), nullptr, 0));
    EXPECT_TRUE(CRSDlgImpl::MatchesSearch(Wgs84(), L"4326", 4326));
    EXPECT_FALSE(CRSDlgImpl::MatchesSearch(Utm33(), L"4326", 4326));
    EXPECT_TRUE(CRSDlgImpl::MatchesSearch(Wgs84(), L"epsg:4326", 0));
    EXPECT_TRUE(CRSDlgImpl::MatchesSearch(Wgs84(), L"wgs", 0));
    EXPECT_FALSE(CRSDlgImpl::MatchesSearch(Wgs84(), L"World", 0)) << "the folders are no part";
    EXPECT_FALSE(CRSDlgImpl::MatchesSearch(LocalSystem(L"Plant", 0.5), L"7", 7));
    EXPECT_TRUE(CRSDlgImpl::MatchesSearch(LocalSystem(L"Plant 7", 0.5), L"7", 7));
}

TEST_F(BrowserImpl, the_library_is_asked_for_one_or_two_words_unless_both_hold_a_4_or_an_8) {
    EXPECT_EQ(CRSDlgImpl::QuerySearchDefinition(nullptr), L"");
    EXPECT_EQ(CRSDlgImpl::QuerySearchDefinition(L""), L"");
    EXPECT_EQ(CRSDlgImpl::QuerySearchDefinition(L"33 zone"), L"32633");
    EXPECT_EQ(CRSDlgImpl::QuerySearchDefinition(L"84 WGS"), L"4326");
    // What the names hold already, the filter finds without the library.
    EXPECT_EQ(CRSDlgImpl::QuerySearchDefinition(L"zone 33"), L"");
    EXPECT_EQ(CRSDlgImpl::QuerySearchDefinition(L"4326"), L"");
    EXPECT_EQ(CRSDlgImpl::QuerySearchDefinition(L"EPSG:4326"), L"4326");
    // Other digits do not mark a word, and only both words marked keep the library out.
    EXPECT_EQ(CRSDlgImpl::QuerySearchDefinition(L"33 33"), L"32633");
    EXPECT_EQ(CRSDlgImpl::QuerySearchDefinition(L"84 zone"), L"32633");
    EXPECT_EQ(CRSDlgImpl::QuerySearchDefinition(L"84 84"), L"");
    EXPECT_EQ(CRSDlgImpl::QuerySearchDefinition(L"WGS 84 84"), L"");
    // An answer that is no EPSG code is handed on whole.
    EXPECT_EQ(CRSDlgImpl::QuerySearchDefinition(L"grid harbour"), L"Site|Grids|Harbour grid");
}
