#include "kor/ProjectionDef.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <set>

using kor::ProjectionDef;

TEST(ProjectionDef, every_catalogue_method_is_named_and_its_defaults_pass_the_check) {
    std::set<std::wstring> names;
    for (int method = ProjectionDef::FirstProjectionMethod;
         method <= ProjectionDef::LastProjectionMethod; ++method) {
        ASSERT_NE(ProjectionDef::MethodToName(method), nullptr) << method;
        EXPECT_TRUE(names.insert(ProjectionDef::MethodToName(method)).second) << method;
        EXPECT_EQ(ProjectionDef::NameToMethod(ProjectionDef::MethodToName(method)), method);
        EXPECT_NE(ProjectionDef::MethodToEPSGCode(method), 0);
        EXPECT_EQ(ProjectionDef::EPSGCodeToMethod(ProjectionDef::MethodToEPSGCode(method)), method);
        ASSERT_GE(ProjectionDef::NumParameters(method), 4);
        EXPECT_EQ(ProjectionDef::EnumParameter(method, 0), ProjectionDef::Ellipsoid);
        for (int index = 0; index < ProjectionDef::NumParameters(method); ++index) {
            int const id = ProjectionDef::EnumParameter(method, index);
            EXPECT_GT(id, 0);
            EXPECT_LT(id, 1000);
            EXPECT_NE(ProjectionDef::ParameterName(id), nullptr);
            EXPECT_GE(ProjectionDef::ParameterDataType(id), 1);
            EXPECT_LE(ProjectionDef::ParameterDataType(id), 5);
        }
        ProjectionDef const projection(method);
        std::wstring reason;
        EXPECT_EQ(projection.CheckParameters(reason), 0) << method << L" " << reason;
        EXPECT_TRUE(projection.UsesParameter(ProjectionDef::LinearUnit));
    }
    EXPECT_NE(ProjectionDef::MethodToName(1), nullptr);
    EXPECT_EQ(ProjectionDef::MethodToName(0), nullptr);
    EXPECT_EQ(ProjectionDef::MethodToName(2), nullptr);
    EXPECT_EQ(ProjectionDef::MethodToName(32), nullptr);
    EXPECT_EQ(ProjectionDef::NameToMethod(L"transverse mercator"), 3);
    EXPECT_EQ(ProjectionDef::NameToMethod(L"No such method"), 0);
    EXPECT_EQ(ProjectionDef::ParameterDataType(999), 0);
    EXPECT_EQ(ProjectionDef::EnumParameter(3, 99), 0);
}

TEST(ProjectionDef, check_names_the_first_bad_parameter_with_a_reason) {
    auto const failing = [](ProjectionDef const& projection) {
        std::wstring reason;
        int const id = projection.CheckParameters(reason);
        EXPECT_FALSE(reason.empty());
        return id;
    };
    double const nan = std::numeric_limits<double>::quiet_NaN();
    double const inf = std::numeric_limits<double>::infinity();

    ProjectionDef tm(3);
    tm.SetParameter(ProjectionDef::LatitudeOfNaturalOrigin, 91.0);
    EXPECT_EQ(failing(tm), ProjectionDef::LatitudeOfNaturalOrigin);
    tm.SetParameter(ProjectionDef::LatitudeOfNaturalOrigin, nan);
    EXPECT_EQ(failing(tm), ProjectionDef::LatitudeOfNaturalOrigin);
    tm.SetParameter(ProjectionDef::LatitudeOfNaturalOrigin, 0.0);
    tm.SetParameter(ProjectionDef::FalseEasting, inf);
    EXPECT_EQ(failing(tm), ProjectionDef::FalseEasting);
    tm.SetParameter(ProjectionDef::FalseEasting, 0.0);
    tm.SetParameter(ProjectionDef::ScaleFactorAtNaturalOrigin, 0.0);
    EXPECT_EQ(failing(tm), ProjectionDef::ScaleFactorAtNaturalOrigin);
    tm.SetParameter(ProjectionDef::ScaleFactorAtNaturalOrigin, 1.0);
    tm.SetParameter(ProjectionDef::LinearUnit, -1.0);
    EXPECT_EQ(failing(tm), ProjectionDef::LinearUnit);
    tm.SetParameter(ProjectionDef::LinearUnit, 1.0);
    tm.SetParameter(ProjectionDef::AxisOrder, 12);
    EXPECT_EQ(failing(tm), ProjectionDef::AxisOrder);
    tm.SetParameter(ProjectionDef::AxisOrder, 1);
    tm.SetParameter(ProjectionDef::Ellipsoid, kor::EllipsoidDef(L"bad", 6378137.0, 1.5));
    EXPECT_EQ(failing(tm), ProjectionDef::Ellipsoid);

    ProjectionDef lambert(6);
    lambert.SetParameter(ProjectionDef::LatitudeOfFirstStandardParallel, 30.0);
    lambert.SetParameter(ProjectionDef::LatitudeOfSecondStandardParallel, -30.0);
    EXPECT_EQ(failing(lambert), ProjectionDef::LatitudeOfSecondStandardParallel);
    lambert.SetParameter(ProjectionDef::LatitudeOfSecondStandardParallel, 90.0);
    EXPECT_EQ(failing(lambert), ProjectionDef::LatitudeOfSecondStandardParallel);

    ProjectionDef oneParallel(5);
    oneParallel.SetParameter(ProjectionDef::LatitudeOfNaturalOrigin, 0.0);
    EXPECT_EQ(failing(oneParallel), ProjectionDef::LatitudeOfNaturalOrigin);

    ProjectionDef polar(14);
    polar.SetParameter(ProjectionDef::LatitudeOfNaturalOrigin, 60.0);
    EXPECT_EQ(failing(polar), ProjectionDef::LatitudeOfNaturalOrigin);

    ProjectionDef missing(3);
    missing.Flush();
    missing.SetMethod(3);
    EXPECT_EQ(failing(missing), ProjectionDef::EnumParameter(3, 1));

    ProjectionDef unknown;
    unknown.SetMethod(2);
    EXPECT_EQ(failing(unknown), -1);
}

// Plain values coming back from their accessors are the reference files' round trips to show.
TEST(ProjectionDef, values_copied_from_another_projection_come_only_where_used_and_flush_forgets) {
    ProjectionDef projection(3);
    projection.SetParameter(ProjectionDef::Ellipsoid, kor::PredefinedEllipsoidClarke1866());
    projection.SetWellKnownName(ProjectionDef::FalseEasting, L"false_easting");
    ProjectionDef other(3);
    other.SetParameter(ProjectionDef::FalseEasting, 123.0);
    projection.SetParameter(ProjectionDef::FalseEasting, other);
    double value = 0.0;
    EXPECT_TRUE(projection.GetParameter(ProjectionDef::FalseEasting, value));
    EXPECT_EQ(value, 123.0);
    projection.SetParameter(40, other);
    EXPECT_FALSE(projection.HasParameter(40));
    EXPECT_EQ(projection.GetWellKnownNames(),
              (std::vector<std::pair<int, std::wstring>>{
                  {ProjectionDef::FalseEasting, L"false_easting"}}));

    // Choosing another method keeps the ellipsoid, which comes from the datum.
    projection.SetMethod(6);
    projection.SetDefaultParameters();
    EXPECT_TRUE(projection.HasParameter(ProjectionDef::Ellipsoid));
    EXPECT_FALSE(projection.HasParameter(ProjectionDef::ScaleFactorAtNaturalOrigin));

    projection.Flush();
    EXPECT_EQ(projection.GetMethod(), 0);
    EXPECT_FALSE(projection.HasParameter(ProjectionDef::Ellipsoid));
    EXPECT_FALSE(projection.HasParameter(ProjectionDef::LinearUnit));
    EXPECT_TRUE(projection.GetWellKnownNames().empty());
}

TEST(ProjectionDef, compare_tolerates_rounding_and_whole_turns_but_not_real_differences) {
    ProjectionDef a(3);
    ProjectionDef b(3);
    a.SetParameter(ProjectionDef::LongitudeOfNaturalOrigin, -177.0);
    b.SetParameter(ProjectionDef::LongitudeOfNaturalOrigin, 183.0);
    EXPECT_TRUE(a.Compare(b));
    b.SetParameter(ProjectionDef::FalseNorthing, 1e-16);
    EXPECT_TRUE(a.Compare(b));
    b.SetParameter(ProjectionDef::FalseNorthing, 0.001);
    std::wstring difference;
    EXPECT_FALSE(a.Compare(b, &difference));
    EXPECT_NE(difference.find(L"False northing"), std::wstring::npos);
    EXPECT_FALSE(ProjectionDef(3).Compare(ProjectionDef(4)));
    // A projection never set and a geographic one both project nothing.
    EXPECT_TRUE(ProjectionDef().Compare(ProjectionDef(1)));
    // Parameters the method does not use do not take part.
    ProjectionDef c(3);
    c.SetParameter(40, 5.0);
    EXPECT_TRUE(c.Compare(ProjectionDef(3)));
}

TEST(ProjectionDef, polar_axes_are_reckoned_from_the_methods_central_longitude) {
    ProjectionDef polar(15);
    polar.SetParameter(ProjectionDef::LongitudeOfOrigin, -45.0);
    EXPECT_EQ(polar.CentralLongitude(), -45.0);
    ProjectionDef tm(3);
    tm.SetParameter(ProjectionDef::LongitudeOfNaturalOrigin, 9.0);
    EXPECT_EQ(tm.CentralLongitude(), 9.0);
    EXPECT_EQ(ProjectionDef().CentralLongitude(), 0.0);
    EXPECT_NE(ProjectionDef::AxisOrderToName(ProjectionDef::AxisSouthPoleNorthEast), nullptr);
    EXPECT_EQ(ProjectionDef::AxisOrderToName(0), nullptr);
}
