#include "BrowserTest.h"

#include "gridui/CRSDialog.h"
#include "platform/ToolBar.h"

#include <gtest/gtest.h>

#include <limits>
#include <map>

using namespace browsertest;

namespace {

/// The browser's fixture catalogue with areas of use: the made-up systems cover Berlin,
/// Germany, Great Britain and Fiji (across the antimeridian); UTM zone 33N and WGS 84
/// theirs.
class CatalogueWithAreas final : public kor::KnownCatalogue {
public:
    CatalogueWithAreas()
        : m_fixed(MakeCatalogue())
        , m_systems(m_fixed->Systems()) {
        std::map<int, gridui::GeoArea> const areas{
            {990001, {13.0, 52.3, 13.8, 52.7}},   {990002, {5.87, 47.27, 15.04, 55.09}},
            {990003, {-9.0, 49.75, 2.01, 61.01}}, {990004, {176.81, -20.81, -178.15, -12.42}},
            {32633, {12.0, 0.0, 18.0, 84.0}},     {4326, {-180.0, -90.0, 180.0, 90.0}},
        };
        for (kor::KnownSystem& system : m_systems) {
            auto const area = areas.find(system.code);
            if (area != areas.end()) {
                system.west = area->second.west;
                system.south = area->second.south;
                system.east = area->second.east;
                system.north = area->second.north;
            }
        }
    }

    std::vector<kor::KnownSystem> const& Systems() override { return m_systems; }
    std::unique_ptr<kor::CSDef> BuildSystem(std::size_t index) override {
        return m_fixed->BuildSystem(index);
    }
    std::vector<kor::KnownDatum> const& Datums() override { return m_fixed->Datums(); }
    kor::DatumDef BuildDatum(std::size_t index) override { return m_fixed->BuildDatum(index); }
    std::vector<kor::EllipsoidDef> const& Ellipsoids() override { return m_fixed->Ellipsoids(); }
    std::vector<kor::MeridianInfo> const& Meridians() override { return m_fixed->Meridians(); }
    std::vector<kor::KnownLinearUnit> const& LinearUnits() override {
        return m_fixed->LinearUnits();
    }

private:
    std::shared_ptr<kor::FixedCatalogue> m_fixed;
    std::vector<kor::KnownSystem> m_systems;
};

class BrowserPlaces : public BrowserTest {
protected:
    /// Opens the browser as Browse does, with the host's area of interest.
    void BrowseArea(gridui::GeoArea const& area, platform::Scene const& scene) {
        m_areaOfInterest = area;
        Browse(Wgs84(), Systems({Utm33()}), scene);
    }

    static std::wstring Hint(User& user) {
        return dynamic_cast<gridui::SearchComboBox&>(user.GetDialog().GetDlgItem(res::SearchBox))
            .GetHint();
    }

    static platform::ToolBar& Bar(User& user) {
        return dynamic_cast<platform::ToolBar&>(
            user.GetDialog().GetDlgItem(platform::ToolBarWindowId));
    }

    kortest::FixtureScope m_areas{std::make_shared<CatalogueWithAreas>()};
};

gridui::GeoArea const London{-0.5, 51.3, 0.3, 51.7};

} // namespace

TEST_F(BrowserPlaces, a_typed_place_keeps_the_systems_meant_for_it_in_every_category) {
    m_options.placeSearch = true;
    Favorites().push_back(Wgs84());
    Browse(SurveyGrid(), Systems({Utm33()}), [&](User& user) {
        Search(user, L"52.52 13.40");
        EXPECT_EQ(Status(user), L"Systems for 52.52\u00B0 N, 13.40\u00B0 E");
        // Every category keeps what holds the place; a custom system has no area to.
        EXPECT_EQ(Roots(Tree(user)), (Lines{L"Currently in use", L"Predefined", L"Favorites"}));
        EXPECT_EQ(Children(user, L"Currently in use"), (Lines{L"WGS 84 / UTM zone 33N"}));
        EXPECT_EQ(Children(user, L"Predefined"), (Lines{L"A", L"Geographic", L"Projected"}));
        EXPECT_EQ(Children(user, L"Predefined|A"), (Lines{L"B"}));
        EXPECT_EQ(Children(user, L"Predefined|A|B"), (Lines{L"C", L"D"}));
        EXPECT_EQ(Children(user, L"Favorites"), (Lines{L"WGS 84"}));

        // Across the antimeridian, either side of it.
        for (wchar_t const* fiji : {L"18.1 S 178.4 E", L"-16 -179.5"}) {
            Search(user, fiji);
            EXPECT_EQ(Children(user, L"Predefined"), (Lines{L"a", L"Geographic"})) << fiji;
        }
        Search(user, L"13.40 W 52.52 N");
        EXPECT_EQ(Status(user), L"Systems for 52.52\u00B0 N, 13.40\u00B0 W");
        EXPECT_EQ(Children(user, L"Predefined"), (Lines{L"Geographic"}));

        // Two numbers that are no place are said to be none and searched as text.
        Search(user, L"500000 5700000");
        EXPECT_EQ(Status(user), L"Not a place: a latitude runs from -90 to 90, not 500000");
        EXPECT_EQ(Tree(user).GetCount(), 0U);
        Search(user, L"990003 4326");
        EXPECT_EQ(Status(user), L"Not a place: a latitude runs from -90 to 90, not 990003");
        EXPECT_EQ(Children(user, L"Predefined"), (Lines{L"A"}));
        // Codes and names stay what they were.
        Search(user, L"4326");
        EXPECT_EQ(Status(user), L"2 of 11 items shown");
    });
}

TEST_F(BrowserPlaces, the_area_toggle_keeps_the_predefined_systems_for_the_whole_area) {
    m_options.areaOfInterest = true;
    BrowseArea(London, [&](User& user) {
        EXPECT_TRUE(Bar(user).IsButtonChecked(res::OnlyForArea));
        // Only the predefined systems follow the host's area; the rest stays.
        EXPECT_EQ(Roots(Tree(user)), (Lines{L"Currently in use", L"Local System", L"Predefined"}));
        EXPECT_EQ(Children(user, L"Predefined"), (Lines{L"A", L"Geographic"}));
        EXPECT_EQ(Children(user, L"Predefined|A"), (Lines{L"x"}));
        EXPECT_EQ(Status(user), L"5 of 9 items shown");

        user.ClickToolButton(platform::ToolBarWindowId, res::OnlyForArea);
        EXPECT_FALSE(Bar(user).IsButtonChecked(res::OnlyForArea));
        EXPECT_EQ(Children(user, L"Predefined"), (Lines{L"A", L"a", L"Geographic", L"Projected"}));
        user.Idle();
        EXPECT_FALSE(Bar(user).IsButtonChecked(res::OnlyForArea));

        // Pressed again, it keeps filtering the search the box shows.
        Search(user, L"x");
        user.ClickToolButton(platform::ToolBarWindowId, res::OnlyForArea);
        user.Idle();
        EXPECT_TRUE(Bar(user).IsButtonChecked(res::OnlyForArea));
        EXPECT_EQ(Children(user, L"Predefined"), (Lines{L"A"}));
        Search(user, L"WGS");
        EXPECT_EQ(Children(user, L"Predefined"), (Lines{L"Geographic"}));
    });
    // An area wider than every regional system leaves the world's.
    BrowseArea({-10, 40, 20, 60}, [&](User& user) {
        EXPECT_EQ(Children(user, L"Predefined"), (Lines{L"Geographic"}));
    });
}

TEST_F(BrowserPlaces, without_the_options_or_an_area_the_classic_box_toolbar_and_tree_stay) {
    auto const classic = [&](User& user) {
        EXPECT_EQ(Bar(user).GetButtons(),
                  (std::vector<platform::ControlId>{res::Search, res::ClearSearch}));
        EXPECT_EQ(Children(user, L"Predefined"), (Lines{L"A", L"a", L"Geographic", L"Projected"}));
        EXPECT_EQ(Status(user), L"");
        EXPECT_EQ(Hint(user), L"");
        // A place is searched as text, which no name holds.
        Search(user, L"52.52 13.40");
        EXPECT_EQ(Tree(user).GetCount(), 0U);
    };
    BrowseArea(London, classic);
    m_options.areaOfInterest = true;
    double const unknown = std::numeric_limits<double>::quiet_NaN();
    BrowseArea({unknown, 50, 1, 52}, classic);
    BrowseArea({-1, 52, 1, 50}, classic);
    Browse(Wgs84(), Systems({Utm33()}), classic);

    m_options.placeSearch = true;
    Browse(SurveyGrid(), {}, [&](User& user) {
        EXPECT_NE(Hint(user).find(L"\"52.52 13.40\""), std::wstring::npos);
        EXPECT_NE(Hint(user).find(L"latitude comes first"), std::wstring::npos);
    });
}

TEST_F(BrowserPlaces, best_matches_list_a_place_most_local_first_and_the_most_local_is_selected) {
    m_options.placeSearch = true;
    m_options.bestMatchesGroup = true;
    m_options.selectBestMatch = true;
    m_options.openResultsUpTo = 2;
    Browse(SurveyGrid(), {}, [&](User& user) {
        Search(user, L"52\u00B031'N 13\u00B024'E");
        EXPECT_EQ(Children(user, L"Best matches"),
                  (Lines{L"C", L"D", L"WGS 84 / UTM zone 33N", L"WGS 84"}));
        EXPECT_EQ(SelectedPath(user), L"Best matches|C");
        // More results than the host opens at once, but a place's are all opened.
        EXPECT_TRUE(Tree(user).IsExpanded(user.FindTreeItem(res::Tree, L"Predefined|A|B")));
        EXPECT_TRUE(
            Tree(user).IsExpanded(user.FindTreeItem(res::Tree, L"Predefined|Projected|UTM")));
    });
    m_options.areaOfInterest = true;
    BrowseArea(London, [&](User& user) {
        // Nothing typed: the systems for the area, the most local first.
        EXPECT_EQ(Children(user, L"Best matches"), (Lines{L"x", L"WGS 84"}));
        Search(user, L"84");
        EXPECT_EQ(Children(user, L"Best matches"), (Lines{L"WGS 84"}));
    });
}
