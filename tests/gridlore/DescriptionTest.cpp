#include "gridlore/CoordinateSystem.h"

#include "kor/Definitions.h"
#include "kor/KORDef.h"
#include "kor/UCSDef.h"

#include <gtest/gtest.h>

namespace {
void ExpectHolds(std::wstring const& text, std::vector<std::wstring> const& parts) {
    for (auto const& part : parts) {
        EXPECT_NE(text.find(part), std::wstring::npos) << part << L"\n" << text;
    }
}
} // namespace

TEST(Description, a_registry_system_shows_its_code_parts_and_area_of_use) {
    Gridlore::CoordinateSystem const utm(*kor::CreateCSDefByDefinition(L"EPSG:32633"));
    ExpectHolds(utm.GetDescription(),
                {L"Name: WGS 84 / UTM zone 33N\r\n", L"Authority code: EPSG:32633",
                 L"Kind: projected", L"Datum: World Geodetic System 1984", L"a = 6378137 m",
                 L"1/f = 298.257223563", L"Prime meridian: Greenwich", L"Transverse Mercator",
                 L"Longitude of natural origin: 15", L"Scale factor at natural origin: 0.9996",
                 L"Linear units: metres (1 per meter)", L"Area of use: Between 12°E and 18°E",
                 L"west 12°"});
    Gridlore::CoordinateSystem const wgs84(*kor::CreateCSDefByDefinition(L"EPSG:4326"));
    ExpectHolds(wgs84.GetDescription(), {L"Kind: geographic", L"Angular units: degrees"});
    Gridlore::CoordinateSystem const lambert(*kor::CreateCSDefByDefinition(L"EPSG:27572"));
    ExpectHolds(lambert.GetDescription(), {L"Prime meridian: Paris", L"Angular units: grads",
                                           L"Lambert Conic Conformal (1SP)"});
}

TEST(Description, a_system_without_a_code_names_the_registry_system_it_equals) {
    auto definition = kor::CreateCSDefByDefinition(L"EPSG:32633");
    auto& referenced = static_cast<kor::KORDef&>(*definition);
    referenced.SetPOSC(0);
    referenced.SetName(L"My grid");
    std::wstring const text = Gridlore::CoordinateSystem(referenced).GetDescription();
    ExpectHolds(text, {L"Name: My grid", L"Equivalent to: EPSG:32633"});
    EXPECT_EQ(text.find(L"Authority code"), std::wstring::npos);

    EXPECT_EQ(Gridlore::CoordinateSystem().GetDescription(), L"No coordinate system.");
}

TEST(Description, a_local_system_shows_its_offsets_in_its_own_unit_as_the_dialog_does) {
    // 500000 and 1000000 US survey feet, as typed in the dialog, are kept in meters.
    double const feetPerMeter = 1.0 / 0.304800609601219;
    kor::UCSDef local(feetPerMeter, 500000.0 / feetPerMeter, 1000000.0 / feetPerMeter, nullptr);
    local.SetName(L"Site");
    ExpectHolds(Gridlore::CoordinateSystem(local).GetDescription(),
                {L"local (unreferenced)",
                 L"Linear units: US survey feet (3.2808333333333 per meter)",
                 L"Origin offset: 500000, 1000000 US survey feet\r\n"});
    kor::UCSDef unknown(0.0, 10.0, 20.0, nullptr);
    ExpectHolds(Gridlore::CoordinateSystem(unknown).GetDescription(),
                {L"Linear units: unknown", L"Origin offset: 10, 20 unknown units"});
}

TEST(Dereference, a_bare_registry_reference_becomes_the_full_definition_keeping_its_name) {
    kor::KORDef bare;
    bare.SetPOSC(32633);
    bare.SetName(L"Favourite UTM");
    bare.SetHint(kor::CSHintUserDefined, true);
    Gridlore::CoordinateSystem system(bare);
    EXPECT_TRUE(system.Dereference());
    EXPECT_EQ(system.GetName(), L"Favourite UTM");
    ASSERT_NE(system.GetDatum(), nullptr);
    EXPECT_TRUE(system.GetCSDef()->HasHint(kor::CSHintUserDefined));
    EXPECT_FALSE(system.Dereference());

    // A system whose parameters no longer match its code loses the code.
    auto definition = kor::CreateCSDefByDefinition(L"EPSG:32633");
    auto& referenced = static_cast<kor::KORDef&>(*definition);
    kor::ProjectionDef projection = *referenced.GetProjection();
    projection.SetParameter(kor::ProjectionDef::FalseNorthing, 10000000.0);
    referenced.SetProjection(&projection);
    Gridlore::CoordinateSystem edited(referenced);
    edited.Reconcile(true);
    EXPECT_EQ(static_cast<kor::KORDef const*>(edited.GetCSDef())->GetPOSC(), 0);
    Gridlore::CoordinateSystem kept(*kor::CreateCSDefByDefinition(L"EPSG:32633"));
    kept.Reconcile(true);
    EXPECT_EQ(static_cast<kor::KORDef const*>(kept.GetCSDef())->GetPOSC(), 32633);
    EXPECT_EQ(kept.GetDatum()->GetPOSCNumber(), 6326);
}
