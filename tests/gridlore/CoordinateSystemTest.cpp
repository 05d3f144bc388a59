#include "../kor/KnownFixture.h"

#include "gridlore/CoordinateSystem.h"
#include "gridlore/CoordinateSystemCollection.h"
#include "gridlore/KORInterface.h"
#include "gridlore/PresentingNames.h"

#include "kor/DatumList.h"
#include "kor/KORException.h"
#include "kor/SystemList.h"
#include "kor/UCSDef.h"

#include "shr/Singleton.h"

#include <gtest/gtest.h>

using Gridlore::CoordinateSystem;

TEST(CoordinateSystem, is_a_value_that_owns_its_own_copy_and_an_empty_one_takes_nothing) {
    kor::KORDef definition = kortest::Utm33North();
    CoordinateSystem system(definition);
    definition.SetName(L"changed after");
    EXPECT_EQ(system.GetLeafName(), L"WGS 84 / UTM zone 33N [EPSG:32633]");
    CoordinateSystem copy = system;
    copy.SetCategorizedName(L"Mine|Renamed");
    EXPECT_EQ(system.GetName(), L"Projected|UTM|WGS 84|WGS 84 / UTM zone 33N [EPSG:32633]");
    EXPECT_EQ(copy.GetLeafName(), L"Renamed");
    EXPECT_FALSE(system.IsUnreferenced());

    kor::WarpDef warp;
    warp.SetParameter(kor::WarpDef::B0, 7.0);
    CoordinateSystem empty;
    empty.SetWarp(&warp);
    empty.SetCategorizedName(L"x");
    EXPECT_TRUE(empty.IsEmpty());
    EXPECT_EQ(empty.GetDatum(), nullptr);
    EXPECT_EQ(empty.GetLeafName(), L"");
    EXPECT_FALSE(empty.IsUnreferenced());
    copy = empty;
    EXPECT_TRUE(copy.IsEmpty());

    // A local system has no datum; its warp comes and goes.
    kor::UCSDef local(3.28, 1.0, 2.0, nullptr);
    local.SetName(L"Site grid");
    CoordinateSystem site(local);
    EXPECT_TRUE(site.IsUnreferenced());
    EXPECT_EQ(site.GetDatum(), nullptr);
    site.SetWarp(&warp);
    EXPECT_TRUE(site.GetWarp() != nullptr && site.GetWarp()->Compare(warp));
    site.SetWarp(nullptr);
    EXPECT_EQ(site.GetWarp(), nullptr);
}

TEST(CoordinateSystem, a_datum_token_gives_the_known_geographic_system_on_that_datum) {
    kortest::FixtureScope scope;
    CoordinateSystem const wgs84(L"GEOGCS_DATUM_WGS84", true);
    ASSERT_FALSE(wgs84.IsEmpty());
    EXPECT_EQ(wgs84.GetName(), L"Geographic|World|WGS 84 [EPSG:4326]");
    EXPECT_EQ(static_cast<kor::KORDef const*>(wgs84.GetCSDef())->GetPOSC(), 4326);

    // ED50 has no geographic system in the fixture, so one is made from the datum.
    CoordinateSystem const ed50(L"GEOGCS_DATUM_ED50", true);
    ASSERT_NE(ed50.GetDatum(), nullptr);
    EXPECT_EQ(ed50.GetDatum()->GetPOSCNumber(), 6230);
    EXPECT_TRUE(static_cast<kor::KORDef const*>(ed50.GetCSDef())->IsGeographic());
    std::wstring reason;
    EXPECT_TRUE(ed50.GetCSDef()->Check(reason)) << reason;

    EXPECT_THROW(CoordinateSystem(L"GEOGCS_DATUM_NOWHERE", true), kor::KORException);
    EXPECT_TRUE(CoordinateSystem(L"GEOGCS_DATUM_NOWHERE", false).IsEmpty());
    EXPECT_TRUE(CoordinateSystem(L"rubbish[", false).IsEmpty());
    EXPECT_THROW(CoordinateSystem(nullptr, true), kor::KORException);
}

TEST(CoordinateSystem, reconcile_aligns_the_projection_ellipsoid_and_drops_stale_datum_codes) {
    kortest::FixtureScope scope;
    kor::KORDef definition = kortest::Utm33North();
    kor::ProjectionDef projection = *definition.GetProjection();
    projection.SetParameter(kor::ProjectionDef::Ellipsoid, kor::PredefinedEllipsoidClarke1866());
    definition.SetProjection(&projection);
    CoordinateSystem system(definition);
    system.Reconcile(false);
    EXPECT_EQ(system.GetDatum()->GetPOSCNumber(), 6326);
    EXPECT_EQ(system.GetProjection()->GetEllipsoid()->GetMajorRadius(), 6378137.0);

    kor::DatumDef changed = *definition.GetDatum();
    changed.SetParameter(kor::DatumDef::PrimeMeridian, 2.0);
    definition.SetDatum(&changed);
    CoordinateSystem edited(definition);
    edited.Reconcile(false);
    EXPECT_EQ(edited.GetDatum()->GetPOSCNumber(), 0);
    EXPECT_TRUE(edited.GetDatum()->GetToken().empty());
    EXPECT_EQ(edited.GetDatum()->GetGeographicCRSCodeNumber(), 0);
    // Without a bare reference there is nothing to dereference.
    EXPECT_FALSE(edited.Dereference());
}

TEST(CoordinateSystemCollection, find_compares_definitions_and_optionally_names) {
    Gridlore::CoordinateSystemCollection systems;
    systems.push_back(CoordinateSystem(kortest::Wgs84Geographic()));
    kor::KORDef renamed = kortest::Utm33North();
    renamed.SetName(L"My UTM");
    systems.push_back(CoordinateSystem(renamed));
    CoordinateSystem const utm(kortest::Utm33North());
    EXPECT_EQ(systems.FindIndex(utm, false), 1);
    EXPECT_EQ(systems.FindIndex(utm, true), -1);
    EXPECT_EQ(systems.Find(utm, false), &systems.at(1));
    EXPECT_EQ(systems.Find(utm, true), nullptr);
    EXPECT_EQ(systems.FindIndex(CoordinateSystem(), false), -1);
    systems.push_back(CoordinateSystem());
    EXPECT_EQ(systems.FindIndex(CoordinateSystem(), true), 2);
}

TEST(KORInterface, finds_known_definitions_and_gives_them_by_position) {
    kortest::FixtureScope scope;
    auto const& known = shr::Singleton<Gridlore::KORInterface>::Instance();
    kor::KORDef utm = kortest::Utm33North();
    EXPECT_EQ(known.Find(utm, true), known.at(1));
    utm.SetName(L"Mine");
    EXPECT_EQ(known.Find(&utm, false), known.at(1));
    EXPECT_EQ(known.Find(&utm, true), nullptr);
    EXPECT_EQ(known.Find(nullptr, false), nullptr);
    kor::ProjectionDef moved = *utm.GetProjection();
    moved.SetParameter(kor::ProjectionDef::FalseEasting, 0.0);
    utm.SetProjection(&moved);
    EXPECT_EQ(known.Find(utm, false), nullptr);
    EXPECT_EQ(known.at(-1), nullptr);
    EXPECT_EQ(known.at(3), nullptr);
}

TEST(PresentingNames, repeated_names_are_numbered_without_taking_an_existing_name) {
    Gridlore::CoordinateSystemCollection systems;
    for (wchar_t const* name : {L"A", L"B", L"A", L"A (2)", L"A", L"B"}) {
        kor::UCSDef local(1.0, 0.0, 0.0, nullptr);
        local.SetName(std::wstring(L"Folder|") + name);
        systems.push_back(CoordinateSystem(local));
    }
    auto const names = Gridlore::GetUserPresentingUniqueNamesForCoordinateSystemCollection(
        systems, [](CoordinateSystem const& system) { return system.GetLeafName(); });
    EXPECT_EQ(names,
              (std::vector<std::wstring>{L"A", L"B", L"A (3)", L"A (2)", L"A (4)", L"B (2)"}));
    EXPECT_TRUE(Gridlore::GetUserPresentingUniqueNamesForCoordinateSystemCollection(
                    Gridlore::CoordinateSystemCollection(),
                    [](CoordinateSystem const&) { return std::wstring(L"x"); })
                    .empty());
}
