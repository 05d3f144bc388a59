#include "korfile/FormatLosses.h"

#include "kor/Definitions.h"
#include "kor/KORDef.h"
#include "korfile/ReferenceFile.h"
#include "shr/Utf8.h"

#include "ScratchDirectory.h"

#include <gtest/gtest.h>

namespace {

/// The parts of `definition` a format may drop, as words the check uses.
std::vector<std::wstring> Parts(kor::CSDef const& definition) {
    auto const& system = dynamic_cast<kor::KORDef const&>(definition);
    int order = kor::ProjectionDef::AxisEastNorth;
    system.GetProjection()->GetParameter(kor::ProjectionDef::AxisOrder, order);
    bool const warp = system.GetWarp() != nullptr && !system.GetWarp()->IsIdentity();
    return {system.GetDatum()->GetMethod() != kor::DatumDef::MethodNone ? L"datum shift" : L"",
            order != kor::ProjectionDef::AxisEastNorth ? L"axis order" : L"", warp ? L"warp" : L""};
}

} // namespace

// The check is held to what the writers really keep: each system is written and read
// back, and exactly the parts the check calls lost are gone.
TEST(FormatLosses, what_well_known_text_is_said_to_lose_is_what_a_round_trip_loses) {
    auto const utm = dynamic_cast<kor::KORDef const&>(*kor::CreateCSDefByDefinition(L"EPSG:32633"));
    kor::KORDef shifted = utm;
    kor::DatumDef datum = *utm.GetDatum();
    datum.SetParameter(kor::DatumDef::Method, int{kor::DatumDef::MethodSevenParameter});
    datum.SetParameter(kor::DatumDef::Target, int{kor::DatumDef::TargetETRS89});
    datum.SetParameter(kor::DatumDef::DeltaX, 446.448);
    datum.SetParameter(kor::DatumDef::ScaleDifference, -20.489);
    shifted.SetDatum(&datum);
    kor::KORDef northEast = utm;
    kor::ProjectionDef projection = *utm.GetProjection();
    projection.SetParameter(kor::ProjectionDef::AxisOrder, int{kor::ProjectionDef::AxisNorthEast});
    northEast.SetProjection(&projection);
    kor::KORDef warped = utm;
    kor::WarpDef warp;
    warp.SetParameter(kor::WarpDef::A0, 100.0);
    warped.SetWarp(&warp);
    // The registry gives OSGB 1936 a seven-parameter shift of its own.
    auto const osgb =
        dynamic_cast<kor::KORDef const&>(*kor::CreateCSDefByDefinition(L"EPSG:27700"));

    ScratchDirectory const scratch;
    for (kor::KORDef const& system : {utm, osgb, shifted, northEast, warped}) {
        for (korfile::KORFileType const type : {korfile::WKT, korfile::AuxXml}) {
            korfile::FormatLosses const losses = korfile::LossesOf(system, type);
            std::filesystem::path const path =
                scratch / (type == korfile::WKT ? "s.prj" : "s.aux.xml");
            korfile::WriteReferenceFile(system, type, path, 0.0, 0.0, true);
            auto const read = korfile::ReadReferenceFile(type, path, 0.0, 0.0);
            ASSERT_NE(read, nullptr);
            SCOPED_TRACE(shr::ToUtf8(system.GetName() + L" " + korfile::FileTypeName(type)));
            EXPECT_TRUE(losses.CanHold());
            EXPECT_EQ(read->Compare(system, true), losses.lost.empty());
            std::vector<std::wstring> const before = Parts(system);
            std::vector<std::wstring> const after = Parts(*read);
            std::size_t dropped = 0;
            for (std::size_t i = 0; i < before.size(); ++i) {
                bool const said =
                    !before[i].empty() &&
                    std::any_of(losses.lost.begin(), losses.lost.end(), [&](auto const& item) {
                        return item.find(before[i]) != std::wstring::npos;
                    });
                EXPECT_EQ(said, before[i] != after[i]) << shr::ToUtf8(before[i]);
                dropped += said ? 1 : 0;
            }
            EXPECT_EQ(dropped, losses.lost.size());
        }
        EXPECT_TRUE(korfile::LossesOf(system, korfile::QRF2).KeepsAll());
    }
}
