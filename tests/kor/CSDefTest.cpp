#include "KnownFixture.h"

#include "kor/KORDef.h"
#include "kor/UCSDef.h"

#include <gtest/gtest.h>

#include <limits>

TEST(KORDef, copies_are_independent_values_and_clone_keeps_the_kind) {
    kor::KORDef original = kortest::Utm33North();
    kor::WarpDef warp;
    warp.SetParameter(kor::WarpDef::A0, 5.0);
    original.SetWarp(&warp);
    std::unique_ptr<kor::CSDef> clone = original.Clone();
    ASSERT_EQ(clone->Type(), kor::CSDef::TypeReferenced);
    EXPECT_TRUE(clone->Compare(original, false));
    original.SetName(L"changed");
    original.SetDatum(nullptr);
    EXPECT_NE(clone->GetName(), original.GetName());
    EXPECT_NE(static_cast<kor::KORDef&>(*clone).GetDatum(), nullptr);
    ASSERT_NE(clone->GetWarp(), nullptr);
    EXPECT_FALSE(clone->GetWarp()->IsIdentity());
}

TEST(KORDef, compare_ignores_names_and_hints_only_when_asked) {
    kor::KORDef a = kortest::Utm33North();
    kor::KORDef b = kortest::Utm33North();
    b.SetName(L"Other");
    b.SetHint(kor::CSHintUserDefined, true);
    b.SetPOSC(0);
    EXPECT_TRUE(a.Compare(b, true));
    std::wstring difference;
    EXPECT_FALSE(a.Compare(b, false, &difference));
    EXPECT_NE(difference.find(L"Other"), std::wstring::npos);
    // An identity warp moves nothing, so it equals no warp.
    kor::WarpDef const identity;
    b.SetWarp(&identity);
    EXPECT_TRUE(a.Compare(b, true));
    EXPECT_FALSE(a.Compare(kortest::Wgs84Geographic(), true));
    EXPECT_FALSE(a.Compare(kor::UCSDef(1.0, 0.0, 0.0, nullptr), true));
}

TEST(KORDef, a_missing_projection_is_the_same_as_a_geographic_one) {
    kor::DatumDef const datum = kortest::Wgs84Datum();
    kor::KORDef bare(&datum, nullptr, nullptr);
    EXPECT_TRUE(bare.IsGeographic());
    EXPECT_EQ(bare.GetLinearScale(), 0.0);
    EXPECT_TRUE(bare.Compare(kortest::Wgs84Geographic(), true));
    std::wstring reason;
    EXPECT_TRUE(bare.Check(reason)) << reason;
    EXPECT_EQ(kortest::Utm33North().GetLinearScale(), 1.0);
    EXPECT_FALSE(kortest::Utm33North().IsGeographic());
}

TEST(KORDef, check_fails_with_a_reason_for_missing_or_bad_parts) {
    std::wstring reason;
    EXPECT_FALSE(kor::KORDef().Check(reason));
    EXPECT_NE(reason.find(L"datum"), std::wstring::npos);

    kor::KORDef system = kortest::Utm33North();
    kor::ProjectionDef projection = *system.GetProjection();
    projection.SetParameter(kor::ProjectionDef::LatitudeOfNaturalOrigin,
                            std::numeric_limits<double>::quiet_NaN());
    system.SetProjection(&projection);
    reason.clear();
    EXPECT_FALSE(system.Check(reason));
    EXPECT_NE(reason.find(L"Latitude of natural origin"), std::wstring::npos);

    system = kortest::Utm33North();
    kor::WarpDef folding;
    folding.SetParameter(kor::WarpDef::A1, 0.0);
    folding.SetParameter(kor::WarpDef::A2, 0.0);
    system.SetWarp(&folding);
    EXPECT_FALSE(system.Check(reason));
}

TEST(UCSDef, check_and_compare_cover_scale_origin_and_warp) {
    kor::UCSDef local(3.28, 10.0, -20.0, nullptr);
    std::wstring reason;
    EXPECT_TRUE(local.Check(reason));
    EXPECT_TRUE(kor::UCSDef(0.0, 0.0, 0.0, nullptr).Check(reason));
    EXPECT_FALSE(kor::UCSDef(-1.0, 0.0, 0.0, nullptr).Check(reason));
    EXPECT_FALSE(reason.empty());
    EXPECT_FALSE(
        kor::UCSDef(std::numeric_limits<double>::quiet_NaN(), 0.0, 0.0, nullptr).Check(reason));
    EXPECT_FALSE(
        kor::UCSDef(1.0, std::numeric_limits<double>::infinity(), 0.0, nullptr).Check(reason));
    EXPECT_TRUE(local.Compare(kor::UCSDef(3.28, 10.0, -20.0, nullptr), true));
    EXPECT_FALSE(local.Compare(kor::UCSDef(3.28, 10.0, -20.5, nullptr), true));
    EXPECT_FALSE(local.Compare(kor::UCSDef(3.29, 10.0, -20.0, nullptr), true));
    auto const clone = local.Clone();
    EXPECT_EQ(clone->GetLinearScale(), 3.28);
}
