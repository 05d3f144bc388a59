#include "korfile/FormatLosses.h"

#include "kor/Definitions.h"
#include "kor/KORDef.h"
#include "kor/KORException.h"
#include "kor/UCSDef.h"
#include "korfile/ReferenceFile.h"
#include "shr/Utf8.h"

#include "ScratchDirectory.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

kor::KORDef Registry(wchar_t const* code) {
    auto definition = kor::CreateCSDefByDefinition(code);
    return dynamic_cast<kor::KORDef const&>(*definition);
}

kor::KORDef WithDatum(kor::KORDef system, std::function<void(kor::DatumDef&)> const& change) {
    kor::DatumDef datum = *system.GetDatum();
    change(datum);
    system.SetDatum(&datum);
    return system;
}

kor::DatumMethod MethodOf(kor::CSDef const& definition) {
    return dynamic_cast<kor::KORDef const&>(definition).GetDatum()->GetMethod();
}

int AxisOrderOf(kor::CSDef const& definition) {
    int order = kor::ProjectionDef::AxisEastNorth;
    dynamic_cast<kor::KORDef const&>(definition)
        .GetProjection()
        ->GetParameter(kor::ProjectionDef::AxisOrder, order);
    return order;
}

bool HasWarp(kor::CSDef const& definition) {
    return definition.GetWarp() != nullptr && !definition.GetWarp()->IsIdentity();
}

bool Mentions(std::vector<std::wstring> const& lost, std::wstring const& part) {
    return std::any_of(lost.begin(), lost.end(), [&](std::wstring const& item) {
        return item.find(part) != std::wstring::npos;
    });
}

} // namespace

// The check is held to what the writers really keep: each system is written and read
// back, and every part the check calls lost must be gone, every other part still there.
TEST(FormatLosses, what_well_known_text_is_said_to_lose_is_what_a_round_trip_loses) {
    kor::KORDef const utm = Registry(L"EPSG:32633");
    kor::KORDef shifted = WithDatum(utm, [](kor::DatumDef& datum) {
        datum.SetParameter(kor::DatumDef::Method, int{kor::DatumDef::MethodSevenParameter});
        datum.SetParameter(kor::DatumDef::Target, int{kor::DatumDef::TargetETRS89});
        datum.SetParameter(kor::DatumDef::DeltaX, 446.448);
        datum.SetParameter(kor::DatumDef::RotationZ, -0.842);
        datum.SetParameter(kor::DatumDef::ScaleDifference, -20.489);
    });
    kor::KORDef northEast = utm;
    kor::ProjectionDef projection = *utm.GetProjection();
    projection.SetParameter(kor::ProjectionDef::AxisOrder, int{kor::ProjectionDef::AxisNorthEast});
    northEast.SetProjection(&projection);
    kor::WarpDef warp;
    warp.SetParameter(kor::WarpDef::A0, 100.0);
    kor::KORDef warped = utm;
    warped.SetWarp(&warp);

    struct Case {
        char const* what;
        kor::KORDef system;
        std::vector<std::wstring> lostParts;
    };
    ScratchDirectory const scratch;
    for (Case const& c : {
             Case{"plain", utm, {}},
             Case{"registry shift", Registry(L"EPSG:27700"), {L"datum shift to WGS 84"}},
             Case{"own 7-parameter shift", shifted, {L"datum shift to ETRS89 (Position Vector"}},
             Case{"north, east", northEast, {L"axis order ("}},
             Case{"warp", warped, {L"warp"}},
         }) {
        SCOPED_TRACE(c.what);
        for (korfile::KORFileType const type : {korfile::WKT, korfile::AuxXml}) {
            korfile::FormatLosses const losses = korfile::LossesOf(c.system, type);
            EXPECT_TRUE(losses.CanHold());
            EXPECT_EQ(losses.lost.size(), c.lostParts.size());
            for (std::wstring const& part : c.lostParts) {
                EXPECT_TRUE(Mentions(losses.lost, part)) << shr::ToUtf8(part);
            }
            std::filesystem::path const path =
                scratch.Path() / (type == korfile::WKT ? "system.prj" : "system.aux.xml");
            korfile::WriteReferenceFile(c.system, type, path, 0.0, 0.0, true);
            auto const read = korfile::ReadReferenceFile(type, path, 0.0, 0.0);
            ASSERT_NE(read, nullptr);
            EXPECT_EQ(read->Compare(c.system, true), losses.lost.empty());
            EXPECT_EQ(MethodOf(*read) == MethodOf(c.system), !Mentions(losses.lost, L"shift"));
            EXPECT_EQ(AxisOrderOf(*read) == AxisOrderOf(c.system),
                      !Mentions(losses.lost, L"axis order"));
            EXPECT_EQ(HasWarp(c.system) && !HasWarp(*read), Mentions(losses.lost, L"warp"));
        }
        EXPECT_TRUE(korfile::LossesOf(c.system, korfile::QRF2).KeepsAll());
    }
}

TEST(FormatLosses, a_local_system_is_refused_by_every_format_but_QRF2_and_the_writer_agrees) {
    kor::UCSDef local(3.2808333333333, 152400.3048, 304800.6096, nullptr);
    local.SetName(L"Site grid");
    EXPECT_TRUE(korfile::LossesOf(local, korfile::QRF2).KeepsAll());
    EXPECT_FALSE(korfile::LossesOf(local, korfile::QRF).CanHold());
    ScratchDirectory const scratch;
    for (korfile::KORFileType const type : {korfile::WKT, korfile::AuxXml}) {
        korfile::FormatLosses const losses = korfile::LossesOf(local, type);
        ASSERT_FALSE(losses.CanHold());
        EXPECT_NE(losses.refusal.find(L"local system"), std::wstring::npos);
        std::filesystem::path const path = scratch.Path() / "local.prj";
        try {
            korfile::WriteReferenceFile(local, type, path, 0.0, 0.0, true);
            ADD_FAILURE() << "a local system was written as " << type;
        } catch (kor::KORException const& error) {
            EXPECT_NE(error.Message().find(losses.refusal), std::wstring::npos)
                << shr::ToUtf8(error.Message());
        }
        EXPECT_FALSE(std::filesystem::exists(path));
    }
}
