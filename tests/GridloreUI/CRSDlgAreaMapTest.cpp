// The browser's area-of-use map, recorded on the headless backend over the real registry.
#include "AreaOfUseMap.h"
#include "BrowserTest.h"
#include "DialogLayout.h"

#include "SystemsForArea.h"
#include "gridui/CRSDialog.h"
#include "gridui/ResourceIds.h"
#include "kor/KnownCatalogue.h"
#include "kor/SystemList.h"
#include "platform/Driver.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <map>

namespace {

namespace res = gridui::res;
using platform::Rect;

struct Layers {
    platform::Size size;
    platform::Drawing base;
    platform::Drawing overlay;
};

Layers Recorded(platform::User& user) {
    auto* surface = dynamic_cast<platform::backend::NativeSurface*>(
        user.GetDialog().NativeDialog().FindChild(res::AreaMap));
    if (surface == nullptr) {
        ADD_FAILURE() << "the browser shows no map";
        return {};
    }
    Rect const client = surface->GetClientRect();
    return {{client.Width(), client.Height()},
            surface->Layer(platform::backend::SurfaceLayer::Base),
            surface->Layer(platform::backend::SurfaceLayer::Overlay)};
}

/// The line under the world: the overlay's one text.
std::wstring Note(Layers const& layers) {
    return layers.overlay.texts.size() == 1 ? layers.overlay.texts[0].text : L"(no single note)";
}

/// Where the map should shade the registry's area of use of `code`.
std::vector<Rect> RegistryRects(int code, platform::Size size) {
    kor::KnownSystem const* known =
        kor::KORKnownSystemsList.EnumEntry(kor::KORKnownSystemsList.FindByPOSC(code));
    if (known == nullptr) {
        ADD_FAILURE() << "the registry has no system " << code;
        return {};
    }
    Rect const world = gridui::AreaOfUseMap::WorldRect(gridui::AreaOfUseMap::WorldArea(size));
    return gridui::AreaOfUseMap::AreaRects(world, gridui::BoundsOf(*known));
}

std::vector<Rect> Shaded(Layers const& layers) {
    std::vector<Rect> rects;
    for (auto const& shape : layers.overlay.rects) {
        rects.push_back(shape.rect);
    }
    return rects;
}

std::map<platform::ControlId, Rect> ControlRects(platform::User& user) {
    std::map<platform::ControlId, Rect> rects;
    for (platform::ControlId id : std::initializer_list<platform::ControlId>{
             res::SearchBox, res::Tree, res::Description, res::NewLocal, res::NewGeographic,
             res::Modify, res::AddToFavorites, res::Remove, res::LoadFromFile, res::SaveToFile,
             platform::IDOK, platform::IDCANCEL, platform::ToolBarWindowId}) {
        rects[id] = dialoglayout::ClientRect(user, id);
    }
    return rects;
}

/// The browser with its map, over the whole registry rather than the small catalogue.
class AreaMap : public browsertest::BrowserTest {
protected:
    AreaMap() {
        kor::InstallKnownCatalogue(nullptr);
        m_options.showAreaMap = true;
    }

    static Gridlore::CoordinateSystem Registry(wchar_t const* code) {
        return Gridlore::CoordinateSystem(code, true);
    }
};

TEST_F(AreaMap, british_national_grid_shades_great_britain_and_the_selection_redraws_it) {
    Gridlore::CoordinateSystemCollection inUse;
    inUse.push_back(Registry(L"EPSG:3460"));
    inUse.push_back(browsertest::LocalSystem(L"Works grid", 1.0));
    Browse(Registry(L"EPSG:27700"), inUse, [](platform::User& user) {
        Layers const gb = Recorded(user);
        ASSERT_EQ(Shaded(gb), RegistryRects(27700, gb.size));
        Rect const shaded = gb.overlay.rects[0].rect;
        EXPECT_NE(Note(gb).find(L"Great Britain"), std::wstring::npos);
        // The coasts drawn beneath run through the shaded rectangle: Britain is in it.
        int inside = 0;
        for (platform::Polyline const& line : gb.base.lines) {
            for (platform::Point const point : line.points) {
                inside += shaded.Contains(point) ? 1 : 0;
            }
        }
        EXPECT_GT(inside, 20);

        // A system in use takes its registry's area; Fiji's crosses the antimeridian.
        platform::TreeCtrl& tree = Tree(user);
        platform::TreeItem const inUseNode = tree.GetRootItem();
        ASSERT_EQ(tree.GetItemText(inUseNode), L"Currently in use");
        user.Select(res::Tree, tree.GetChildItem(inUseNode));
        Layers const fiji = Recorded(user);
        EXPECT_EQ(Shaded(fiji), RegistryRects(3460, fiji.size));
        EXPECT_EQ(Shaded(fiji).size(), 2U);
        EXPECT_NE(Note(fiji).find(L"Fiji"), std::wstring::npos);
        // The base was drawn once; only the overlay changed.
        EXPECT_EQ(fiji.base.lines.size(), gb.base.lines.size());

        // A local system has no area: none is shaded, the note says so.
        user.Select(res::Tree, tree.GetNextSiblingItem(tree.GetChildItem(inUseNode)));
        Layers const local = Recorded(user);
        EXPECT_TRUE(local.overlay.rects.empty());
        EXPECT_EQ(Note(local), L"No area of use");
        // The world is still drawn: the graticule and the coasts.
        EXPECT_GT(local.base.lines.size(), 1000U);
    });
}

TEST_F(AreaMap, the_map_only_adds_below_the_classic_layout_and_every_control_follows_a_resize) {
    std::map<platform::ControlId, Rect> classic;
    int classicHeight = 0;
    m_options.showAreaMap = false;
    Browse(Registry(L"EPSG:27700"), {}, [&](platform::User& user) {
        EXPECT_FALSE(user.GetDialog().HasDlgItem(res::AreaMap));
        classic = ControlRects(user);
        classicHeight = user.GetDialog().GetClientRect().Height();
    });
    m_options.showAreaMap = true;
    Browse(Registry(L"EPSG:27700"), {}, [&](platform::User& user) {
        std::map<platform::ControlId, Rect> const withMap = ControlRects(user);
        platform::Dialog& dialog = user.GetDialog();
        Rect const map = dialoglayout::ClientRect(user, res::AreaMap);
        int const taller = dialog.GetClientRect().Height() - classicHeight;
        EXPECT_GT(taller, map.Height());
        for (auto const& [id, rect] : classic) {
            if (id == platform::IDOK || id == platform::IDCANCEL) {
                // OK and Cancel keep their place from the bottom-right corner (dialog
                // units round to whole pixels on their own).
                EXPECT_EQ(withMap.at(id).left, rect.left) << id;
                EXPECT_EQ(withMap.at(id).right, rect.right) << id;
                EXPECT_NEAR(withMap.at(id).top, rect.top + taller, 1) << id;
            } else {
                EXPECT_EQ(withMap.at(id), rect) << id;
            }
        }
        EXPECT_EQ(map.left, classic.at(res::Description).left);
        EXPECT_GT(map.top, classic.at(res::Description).bottom);

        // Growing the dialog widens the box and the lists, which share the new height, keeps
        // the buttons and toolbar to the right (OK and Cancel to the corner) and moves the
        // map down with the description's bottom, at its size.
        int const wider = 100;
        int const deeper = 60;
        user.Resize(
            {dialog.GetClientRect().Width() + wider, dialog.GetClientRect().Height() + deeper});
        std::map<platform::ControlId, Rect> const grown = ControlRects(user);
        std::map<platform::ControlId, Rect> expected = withMap;
        expected[res::SearchBox].right += wider;
        for (platform::ControlId const id : {res::Tree, res::Description}) {
            expected[id].right += wider;
            EXPECT_GT(grown.at(id).Height(), withMap.at(id).Height()) << id;
        }
        expected[res::Tree].bottom = grown.at(res::Tree).bottom;
        expected[res::Description].top += grown.at(res::Tree).bottom - withMap.at(res::Tree).bottom;
        expected[res::Description].bottom += deeper;
        for (platform::ControlId const id : std::initializer_list<platform::ControlId>{
                 platform::ToolBarWindowId, res::NewLocal, res::NewGeographic, res::Modify,
                 res::AddToFavorites, res::Remove, res::LoadFromFile, res::SaveToFile}) {
            expected[id] = expected[id].Offset(wider, 0);
        }
        for (platform::ControlId const id : {platform::IDOK, platform::IDCANCEL}) {
            expected[id] = expected[id].Offset(wider, deeper);
        }
        for (auto const& [id, rect] : expected) {
            EXPECT_EQ(grown.at(id), rect) << "control " << id;
        }
        EXPECT_EQ(dialoglayout::ClientRect(user, res::AreaMap), map.Offset(0, deeper));
    });
}

TEST_F(AreaMap, the_hosts_area_is_outlined_and_a_typed_place_marked) {
    m_options.areaOfInterest = true;
    m_options.placeSearch = true;
    gridui::GeoArea const britain{-6.0, 50.0, 1.5, 58.5};
    m_areaOfInterest = britain;
    Browse(Registry(L"EPSG:27700"), {}, [&](platform::User& user) {
        Layers const opened = Recorded(user);
        Rect const world =
            gridui::AreaOfUseMap::WorldRect(gridui::AreaOfUseMap::WorldArea(opened.size));
        // The system's shaded area, then the host's outlined one.
        ASSERT_EQ(opened.overlay.rects.size(), 2U);
        EXPECT_EQ(opened.overlay.rects[1].rect, gridui::AreaOfUseMap::AreaRects(world, britain)[0]);
        EXPECT_EQ(opened.overlay.rects[1].fill.alpha, 0);
        EXPECT_TRUE(opened.overlay.markers.empty());

        Search(user, L"52.52 13.40");
        Layers const berlin = Recorded(user);
        ASSERT_EQ(berlin.overlay.markers.size(), 1U);
        EXPECT_EQ(berlin.overlay.markers[0].centre,
                  gridui::AreaOfUseMap::ToSurface(world, {13.40, 52.52}));
        Search(user, L"WGS 84");
        EXPECT_TRUE(Recorded(user).overlay.markers.empty()) << "the place is gone with its text";
    });
}

} // namespace
