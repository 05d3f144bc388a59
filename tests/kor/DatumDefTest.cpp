#include "kor/DatumDef.h"
#include "kor/MeridianInfo.h"
#include "kor/WarpDef.h"

#include <gtest/gtest.h>

#include <limits>

using kor::DatumDef;

namespace {
DatumDef Valid() {
    DatumDef datum;
    datum.SetParameter(DatumDef::Ellipsoid, kor::PredefinedEllipsoidClarke1866());
    return datum;
}
} // namespace

TEST(DatumDef, flush_leaves_no_name_no_codes_and_only_the_defaults_of_method_1) {
    DatumDef datum = Valid();
    datum.SetName(L"Mine");
    datum.SetPOSCNumber(6326);
    datum.SetToken(L"DATUM_WGS84");
    datum.SetAuthorityGivenName(L"World");
    datum.SetGeographicCRSCodeNumber(4326);
    datum.SetParameter(DatumDef::Method, DatumDef::MethodSevenParameter);
    datum.Flush();
    EXPECT_TRUE(datum.GetName().empty());
    EXPECT_EQ(datum.GetPOSCNumber(), 0);
    EXPECT_TRUE(datum.GetToken().empty());
    EXPECT_TRUE(datum.GetAuthorityGivenName().empty());
    EXPECT_EQ(datum.GetGeographicCRSCodeNumber(), 0);
    EXPECT_EQ(datum.GetMethod(), DatumDef::MethodNone);
    EXPECT_EQ(datum.GetEllipsoid(), nullptr);
    double value = 0.0;
    EXPECT_FALSE(datum.GetParameter(DatumDef::DeltaX, value));
}

TEST(DatumDef, check_rejects_bad_values_with_the_parameter_and_a_reason) {
    auto const failing = [](DatumDef const& datum) {
        std::wstring reason;
        int const id = datum.CheckParameters(reason);
        EXPECT_FALSE(reason.empty());
        return id;
    };
    EXPECT_EQ(failing(DatumDef()), DatumDef::Ellipsoid);
    DatumDef datum = Valid();
    datum.SetParameter(DatumDef::Method, DatumDef::MethodGeocentricTranslation);
    datum.SetParameter(DatumDef::DeltaY, std::numeric_limits<double>::quiet_NaN());
    EXPECT_EQ(failing(datum), DatumDef::DeltaY);
    datum.SetParameter(DatumDef::DeltaY, 2e5);
    EXPECT_EQ(failing(datum), DatumDef::DeltaY);
    datum.SetParameter(DatumDef::DeltaY, 10.0);
    datum.SetParameter(DatumDef::PrimeMeridian, 181.0);
    EXPECT_EQ(failing(datum), DatumDef::PrimeMeridian);
    datum.SetParameter(DatumDef::PrimeMeridian, 0.0);
    datum.SetParameter(DatumDef::Target, 6);
    EXPECT_EQ(failing(datum), DatumDef::Target);
    datum.SetParameter(DatumDef::Target, 1);
    datum.SetParameter(DatumDef::MREType, 9);
    EXPECT_EQ(failing(datum), DatumDef::MREType);
    datum.SetParameter(DatumDef::MREType, 1);
    datum.SetParameter(DatumDef::Method, 4);
    EXPECT_EQ(failing(datum), DatumDef::Method);
    datum.SetParameter(DatumDef::Method, 1);
    datum.SetParameter(DatumDef::Ellipsoid, kor::EllipsoidDef(L"flat", 6378137.0, -0.1));
    EXPECT_EQ(failing(datum), DatumDef::Ellipsoid);
}

TEST(DatumDef, compare_parameters_ignores_identity_but_not_shifts_or_the_ellipsoid) {
    DatumDef a = Valid();
    DatumDef b = Valid();
    b.SetName(L"Other name");
    b.SetPOSCNumber(1234);
    EXPECT_TRUE(a.CompareParameters(b));
    b.SetParameter(DatumDef::Method, DatumDef::MethodGeocentricTranslation);
    EXPECT_FALSE(a.CompareParameters(b));
    a.SetParameter(DatumDef::Method, DatumDef::MethodGeocentricTranslation);
    EXPECT_TRUE(a.CompareParameters(b));
    b.SetParameter(DatumDef::DeltaZ, 0.5);
    std::wstring difference;
    EXPECT_FALSE(a.CompareParameters(b, &difference));
    EXPECT_FALSE(difference.empty());
    b.SetParameter(DatumDef::DeltaZ, 0.0);
    b.SetParameter(DatumDef::Ellipsoid, kor::EllipsoidDef(L"x", 6378137.0, 0.0));
    EXPECT_FALSE(a.CompareParameters(b));
}

TEST(DatumDef, names_convert_to_ids_and_back_for_methods_targets_and_mre_types) {
    for (int method = 1; method <= 3; ++method) {
        EXPECT_EQ(DatumDef::NameToMethod(DatumDef::MethodToName(method)), method);
    }
    for (int target = 1; target <= 5; ++target) {
        EXPECT_EQ(DatumDef::NameToTarget(DatumDef::TargetToName(target)), target);
        EXPECT_GT(DatumDef::TargetToGeographicCode(target), 0);
    }
    for (int type = 1; type <= 8; ++type) {
        EXPECT_EQ(DatumDef::NameToMREType(DatumDef::MRETypeToName(type)), type);
    }
    EXPECT_EQ(DatumDef::MethodToName(0), nullptr);
    EXPECT_EQ(DatumDef::TargetToName(6), nullptr);
    EXPECT_EQ(DatumDef::MRETypeToName(9), nullptr);
    EXPECT_EQ(DatumDef::NameToMethod(L"nonsense"), 0);
}

TEST(EllipsoidDef, check_accepts_spheres_and_ellipsoids_and_rejects_impossible_shapes) {
    EXPECT_TRUE(kor::PredefinedEllipsoidClarke1866().CheckParameters());
    EXPECT_TRUE(kor::EllipsoidDef(L"sphere", 6371000.0, 0.0).CheckParameters());
    std::wstring reason;
    EXPECT_FALSE(kor::EllipsoidDef().CheckParameters(reason));
    EXPECT_FALSE(reason.empty());
    EXPECT_FALSE(kor::EllipsoidDef(L"", -1.0, 0.0).CheckParameters());
    EXPECT_FALSE(
        kor::EllipsoidDef(L"", std::numeric_limits<double>::infinity(), 0.0).CheckParameters());
    EXPECT_FALSE(kor::EllipsoidDef(L"", 6378137.0, 1.0).CheckParameters());
    EXPECT_FALSE(kor::EllipsoidDef(L"", 6378137.0, std::numeric_limits<double>::quiet_NaN())
                     .CheckParameters());
    kor::EllipsoidDef const& clarke = kor::PredefinedEllipsoidClarke1866();
    EXPECT_NEAR(clarke.GetMinorRadius(), 6356583.8, 0.01);
    EXPECT_NEAR(clarke.GetInverseFlattening(), 294.978698213898, 1e-9);
    EXPECT_EQ(kor::EllipsoidDef(L"s", 1000.0, 0.0).GetInverseFlattening(), 0.0);
    EXPECT_EQ(kor::EllipsoidDef().GetName(), nullptr);
}

TEST(WarpDef, identity_by_default_and_a_warp_that_folds_the_plane_fails_its_check) {
    kor::WarpDef warp;
    EXPECT_TRUE(warp.IsIdentity());
    std::wstring reason;
    EXPECT_EQ(warp.CheckParameters(reason), 0);
    warp.SetParameter(kor::WarpDef::A0, 100.0);
    EXPECT_FALSE(warp.IsIdentity());
    EXPECT_FALSE(warp.Compare(kor::WarpDef()));
    warp.SetParameter(kor::WarpDef::A1, 0.0);
    warp.SetParameter(kor::WarpDef::A2, 0.0);
    EXPECT_EQ(warp.CheckParameters(reason), kor::WarpDef::A1);
    warp.SetParameter(kor::WarpDef::B2, std::numeric_limits<double>::infinity());
    EXPECT_EQ(warp.CheckParameters(reason), kor::WarpDef::B2);
    EXPECT_FALSE(warp.SetParameter(7, 1.0));
    double value = 0.0;
    EXPECT_FALSE(warp.GetParameter(0, value));
    kor::MeridianInfo meridian(L"Far", 200.0);
    EXPECT_EQ(meridian.CheckParameters(reason), kor::MeridianInfo::Longitude);
}
