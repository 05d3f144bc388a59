// The browser's search options in the dialog: forgiving words, aliases and areas with
// their reason, the best matches group and the best result selected.
#include "BrowserTest.h"

#include "gridui/CRSDialog.h"
#include "kor/KORDef.h"

#include <gtest/gtest.h>

using namespace browsertest;

namespace {

/// The browser's catalogue with two systems more: one with an alias, one whose area of use
/// names many countries.
std::shared_ptr<kor::FixedCatalogue> CatalogueWithAliases() {
    auto catalogue = MakeCatalogue();
    kor::KORDef grid = kortest::Utm33North();
    grid.SetName(L"Projected|Europe|United Kingdom|OSGB36 / British National Grid [EPSG:27700]");
    grid.SetPOSC(27700);
    catalogue->AddSystem(grid, L"United Kingdom (UK) - offshore to boundary of UKCS",
                         {L"Ordnance Survey Grid"});
    kor::KORDef nad27 = kortest::Wgs84Geographic();
    nad27.SetName(L"Geographic|North America|NAD27 [EPSG:4267]");
    nad27.SetPOSC(4267);
    catalogue->AddSystem(nad27, L"North and central America: Antigua and Barbuda - onshore. "
                                L"British Virgin Islands - onshore. Canada - onshore.");
    return catalogue;
}

class BrowserSearchOptions : public BrowserTest {
protected:
    kortest::FixtureScope m_withAliases{CatalogueWithAliases()};
};

std::wstring FirstLine(std::wstring const& text) {
    return text.substr(0, text.find(L'\r'));
}

} // namespace

TEST_F(BrowserSearchOptions, forgiving_words_aliases_and_areas_find_more_and_say_why) {
    Lines const onlyUtm33{L"- Predefined", L"  - Projected", L"    - UTM", L"      - WGS 84",
                          L"          WGS 84 / UTM zone 33N"};
    // Classic: the words run together and the alias find nothing; the registry's query
    // finds the area, but nothing says why.
    Browse(SurveyGrid(), {}, [&](User& user) {
        Search(user, L"utm33");
        EXPECT_EQ(Roots(Tree(user)), Lines{});
        Search(user, L"ordnance survey");
        EXPECT_EQ(Roots(Tree(user)), Lines{});
        Search(user, L"british virgin");
        user.Select(res::Tree, L"Predefined|Geographic|North America|NAD27");
        EXPECT_EQ(FirstLine(Text(user, res::Description)).find(L"Matched"), std::wstring::npos);
    });

    m_options.forgivingSearch = true;
    Browse(SurveyGrid(), {}, [&](User& user) {
        Search(user, L"utm33");
        EXPECT_EQ(Outline(Tree(user)), onlyUtm33);
        Search(user, L"33 UTM");
        EXPECT_EQ(Outline(Tree(user)), onlyUtm33);
        EXPECT_EQ(Status(user), L"1 of 20 items shown") << "the registry's answer counted again";

        Search(user, L"ordnance survey");
        user.Select(res::Tree, L"Predefined|Projected|Europe|United Kingdom|"
                               L"OSGB36 / British National Grid");
        EXPECT_EQ(FirstLine(Text(user, res::Description)),
                  L"Matched the alias \"Ordnance Survey Grid\"");
        EXPECT_TRUE(Enabled(user, platform::IDOK));

        Search(user, L"british virgin");
        user.Select(res::Tree, L"Predefined|Geographic|North America|NAD27");
        EXPECT_EQ(FirstLine(Text(user, res::Description)),
                  L"Matched the area of use: British Virgin Islands");
        // A system found by its name needs no reason.
        Search(user, L"british");
        user.Select(res::Tree, L"Predefined|Projected|Europe|United Kingdom|"
                               L"OSGB36 / British National Grid");
        EXPECT_EQ(FirstLine(Text(user, res::Description)).find(L"Matched"), std::wstring::npos);
    });
}

TEST_F(BrowserSearchOptions, the_best_matches_lead_the_tree_and_the_best_is_chosen_by_ok) {
    m_options = gridui::BrowserOptions::AllOn(0);
    Gridlore::CoordinateSystem const chosen = Browse(
        SurveyGrid(), Systems({Utm33()}),
        [&](User& user) {
            Search(user, L"wgs84");
            // The exact name first; the system in use is listed once, from its category.
            EXPECT_EQ(Roots(Tree(user)),
                      (Lines{L"Best matches", L"Currently in use", L"Predefined"}));
            EXPECT_EQ(Children(user, L"Best matches"),
                      (Lines{L"WGS 84", L"WGS 84 / UTM zone 33N"}));
            EXPECT_EQ(Status(user), L"3 of 12 items shown") << "the group counts nothing twice";
            // The starting system is no result: the best takes the selection, and OK picks it.
            EXPECT_EQ(SelectedPath(user), L"Best matches|WGS 84");
            EXPECT_TRUE(Enabled(user, platform::IDOK));
            EXPECT_TRUE(Enabled(user, res::AddToFavorites));
            EXPECT_NE(Text(user, res::Description).find(L"4326"), std::wstring::npos);

            // Among the results, the current system keeps the selection, in its category.
            user.Select(res::Tree, L"Currently in use|WGS 84 / UTM zone 33N");
            Search(user, L"wgs 84");
            EXPECT_EQ(SelectedPath(user), L"Currently in use|WGS 84 / UTM zone 33N");

            Search(user, L"ordnance survey");
            EXPECT_EQ(SelectedPath(user), L"Best matches|OSGB36 / British National Grid");
            EXPECT_EQ(FirstLine(Text(user, res::Description)),
                      L"Matched the alias \"Ordnance Survey Grid\"");
        },
        platform::IDOK);
    EXPECT_EQ(chosen.GetLeafName(), L"OSGB36 / British National Grid [EPSG:27700]");
}

TEST_F(BrowserTest, a_name_beyond_ascii_is_filed_sorted_found_and_chosen_as_written) {
    auto catalogue = MakeCatalogue();
    for (auto const& [name, code] :
         {std::pair{L"Projected|Europe|\u00d6sterreich|Z\u00fcrich / 8\u00b0E [EPSG:990020]",
                    990020},
          std::pair{L"Projected|Europe|\u00d6sterreich|Zug / 8E [EPSG:990021]", 990021}}) {
        kor::KORDef grid = kortest::Utm33North();
        grid.SetName(name);
        grid.SetPOSC(code);
        catalogue->AddSystem(grid);
    }
    kortest::FixtureScope const scope(catalogue);
    Gridlore::CoordinateSystem const chosen = Browse(
        SurveyGrid(), {},
        [&](User& user) {
            // By character, not by byte: a byte beyond ASCII read as a negative number
            // would put "Zürich" first.
            EXPECT_EQ(Children(user, L"Predefined|Projected|Europe|\u00d6sterreich"),
                      (Lines{L"Zug / 8E", L"Z\u00fcrich / 8\u00b0E"}));
            Search(user, L"z\u00fcrich");
            EXPECT_EQ(Outline(Tree(user)),
                      (Lines{L"- Predefined", L"  - Projected", L"    - Europe",
                             L"      - \u00d6sterreich", L"          Z\u00fcrich / 8\u00b0E"}));
            user.Select(res::Tree,
                        L"Predefined|Projected|Europe|\u00d6sterreich|Z\u00fcrich / 8\u00b0E");
        },
        platform::IDOK);
    EXPECT_EQ(chosen.GetLeafName(), L"Z\u00fcrich / 8\u00b0E [EPSG:990020]");
}

TEST_F(BrowserSearchOptions, a_favourite_removed_among_the_best_matches_leaves_its_folder_too) {
    m_options = gridui::BrowserOptions::AllOn(0);
    Favorites().push_back(LocalSystem(L"Harbour wgs84 grid", 2.0));
    Favorites().push_back(LocalSystem(L"Quay wgs84 grid", 3.0));
    Browse(SurveyGrid(), {}, [&](User& user) {
        Search(user, L"wgs84 grid");
        EXPECT_EQ(Children(user, L"Best matches"),
                  (Lines{L"Quay wgs84 grid", L"Harbour wgs84 grid"}))
            << "the shorter name first";
        user.Select(res::Tree, L"Best matches|Harbour wgs84 grid");
        user.Click(res::Remove);
        EXPECT_EQ(Children(user, L"Best matches"), Lines{L"Quay wgs84 grid"});
        EXPECT_EQ(Children(user, L"Favorites"), Lines{L"Quay wgs84 grid"});
        // The one left still designates its own system.
        user.Select(res::Tree, L"Favorites|Quay wgs84 grid");
        EXPECT_EQ(Text(user, res::Description).find(L"Harbour"), std::wstring::npos);
    });
    ASSERT_EQ(Favorites().size(), 1U);
    EXPECT_EQ(Favorites().at(0).GetLeafName(), L"Quay wgs84 grid");
}
