#include "ProjectionCatalogue.h"

#include "kor/EpsgCodes.h"
#include "kor/ProjectionDef.h"
#include "kor/ProjectionMethods.h"

#include <proj_constants.h>

#include <array>

namespace kor {

namespace {

using P = ProjectionDef;
using K = ParameterKind;
namespace M = methods;

constexpr std::array<ProjectionParameterInfo, 29> ParameterTable{{
    {P::Ellipsoid, L"Ellipsoid", 0, K::Ellipsoid, 0.0},
    {P::LinearUnit, L"Units per Meter", 0, K::Unit, 1.0},
    {P::LatitudeOfNaturalOrigin, L"Latitude of natural origin",
     EPSG_CODE_PARAMETER_LATITUDE_OF_NATURAL_ORIGIN, K::Latitude, 0.0},
    {P::LongitudeOfNaturalOrigin, L"Longitude of natural origin",
     EPSG_CODE_PARAMETER_LONGITUDE_OF_NATURAL_ORIGIN, K::Longitude, 0.0},
    {P::ScaleFactorAtNaturalOrigin, L"Scale factor at natural origin",
     EPSG_CODE_PARAMETER_SCALE_FACTOR_AT_NATURAL_ORIGIN, K::Scale, 1.0},
    {P::FalseEasting, L"False easting", EPSG_CODE_PARAMETER_FALSE_EASTING, K::Length, 0.0},
    {P::FalseNorthing, L"False northing", EPSG_CODE_PARAMETER_FALSE_NORTHING, K::Length, 0.0},
    {P::LatitudeOfFalseOrigin, L"Latitude of false origin",
     EPSG_CODE_PARAMETER_LATITUDE_FALSE_ORIGIN, K::Latitude, 40.0},
    {P::LongitudeOfFalseOrigin, L"Longitude of false origin",
     EPSG_CODE_PARAMETER_LONGITUDE_FALSE_ORIGIN, K::Longitude, 0.0},
    {P::LatitudeOfFirstStandardParallel, L"Latitude of 1st standard parallel",
     EPSG_CODE_PARAMETER_LATITUDE_1ST_STD_PARALLEL, K::Latitude, 0.0},
    {P::LatitudeOfSecondStandardParallel, L"Latitude of 2nd standard parallel",
     EPSG_CODE_PARAMETER_LATITUDE_2ND_STD_PARALLEL, K::Latitude, 45.5},
    {P::EastingAtFalseOrigin, L"Easting at false origin", EPSG_CODE_PARAMETER_EASTING_FALSE_ORIGIN,
     K::Length, 0.0},
    {P::NorthingAtFalseOrigin, L"Northing at false origin",
     EPSG_CODE_PARAMETER_NORTHING_FALSE_ORIGIN, K::Length, 0.0},
    {P::EllipsoidScalingFactor, L"Ellipsoid scaling factor",
     EPSG_CODE_PARAMETER_ELLIPSOID_SCALE_FACTOR, K::Scale, 1.0},
    {P::LatitudeOfProjectionCentre, L"Latitude of projection centre",
     EPSG_CODE_PARAMETER_LATITUDE_PROJECTION_CENTRE, K::Latitude, 45.0},
    {P::LongitudeOfProjectionCentre, L"Longitude of projection centre",
     EPSG_CODE_PARAMETER_LONGITUDE_PROJECTION_CENTRE, K::Longitude, 0.0},
    {P::AzimuthOfInitialLine, L"Azimuth of initial line", EPSG_CODE_PARAMETER_AZIMUTH_INITIAL_LINE,
     K::Angle, 45.0},
    {P::AngleFromRectifiedToSkewGrid, L"Angle from Rectified to Skew Grid",
     EPSG_CODE_PARAMETER_ANGLE_RECTIFIED_TO_SKEW_GRID, K::Angle, 45.0},
    {P::ScaleFactorOnInitialLine, L"Scale factor on initial line",
     EPSG_CODE_PARAMETER_SCALE_FACTOR_INITIAL_LINE, K::Scale, 1.0},
    {P::EastingAtProjectionCentre, L"Easting at projection centre",
     EPSG_CODE_PARAMETER_EASTING_PROJECTION_CENTRE, K::Length, 0.0},
    {P::NorthingAtProjectionCentre, L"Northing at projection centre",
     EPSG_CODE_PARAMETER_NORTHING_PROJECTION_CENTRE, K::Length, 0.0},
    {P::LatitudeOfPseudoStandardParallel, L"Latitude of pseudo standard parallel",
     EPSG_CODE_PARAMETER_LATITUDE_PSEUDO_STANDARD_PARALLEL, K::Latitude, 78.5},
    {P::ScaleFactorOnPseudoStandardParallel, L"Scale factor on pseudo standard parallel",
     EPSG_CODE_PARAMETER_SCALE_FACTOR_PSEUDO_STANDARD_PARALLEL, K::Scale, 0.9999},
    {P::CoLatitudeOfConeAxis, L"Co-latitude of cone axis", EPSG_CODE_PARAMETER_COLATITUDE_CONE_AXIS,
     K::Angle, 30.2881397527778},
    {P::LatitudeOfStandardParallel, L"Latitude of standard parallel",
     EPSG_CODE_PARAMETER_LATITUDE_STD_PARALLEL, K::Latitude, 71.0},
    {P::LongitudeOfOrigin, L"Longitude of origin", EPSG_CODE_PARAMETER_LONGITUDE_OF_ORIGIN,
     K::Longitude, 0.0},
    {P::ProjectionPlaneOriginHeight, L"Projection plane origin height",
     EPSG_CODE_PARAMETER_PROJECTION_PLANE_ORIGIN_HEIGHT, K::Length, 0.0},
    {P::AxisOrder, L"Axis Order", 0, K::Choice, 1.0},
    {P::AngularUnit, L"Angular Units per Degree", 0, K::Unit, 1.0},
}};

std::vector<int> WithCommon(std::vector<int> own) {
    std::vector<int> all{P::Ellipsoid};
    all.insert(all.end(), own.begin(), own.end());
    all.push_back(P::LinearUnit);
    all.push_back(P::AxisOrder);
    all.push_back(P::AngularUnit);
    return all;
}

std::vector<ProjectionMethodInfo> MakeMethods() {
    std::vector<int> const natural{P::LatitudeOfNaturalOrigin, P::LongitudeOfNaturalOrigin,
                                   P::ScaleFactorAtNaturalOrigin, P::FalseEasting,
                                   P::FalseNorthing};
    std::vector<int> const naturalNoScale{P::LatitudeOfNaturalOrigin, P::LongitudeOfNaturalOrigin,
                                          P::FalseEasting, P::FalseNorthing};
    std::vector<int> const twoParallels{P::LatitudeOfFalseOrigin,
                                        P::LongitudeOfFalseOrigin,
                                        P::LatitudeOfFirstStandardParallel,
                                        P::LatitudeOfSecondStandardParallel,
                                        P::EastingAtFalseOrigin,
                                        P::NorthingAtFalseOrigin};
    std::vector<int> michigan = twoParallels;
    michigan.push_back(P::EllipsoidScalingFactor);
    std::vector<int> const hotine{P::LatitudeOfProjectionCentre, P::LongitudeOfProjectionCentre,
                                  P::AzimuthOfInitialLine, P::AngleFromRectifiedToSkewGrid,
                                  P::ScaleFactorOnInitialLine};
    std::vector<int> hotineA = hotine;
    hotineA.insert(hotineA.end(), {P::FalseEasting, P::FalseNorthing});
    std::vector<int> hotineB = hotine;
    hotineB.insert(hotineB.end(), {P::EastingAtProjectionCentre, P::NorthingAtProjectionCentre});
    std::vector<int> const krovak{P::LatitudeOfProjectionCentre,
                                  P::LongitudeOfOrigin,
                                  P::CoLatitudeOfConeAxis,
                                  P::LatitudeOfPseudoStandardParallel,
                                  P::ScaleFactorOnPseudoStandardParallel,
                                  P::FalseEasting,
                                  P::FalseNorthing};
    std::vector<int> const parallelAndLongitude{P::LatitudeOfFirstStandardParallel,
                                                P::LongitudeOfNaturalOrigin, P::FalseEasting,
                                                P::FalseNorthing};
    std::vector<int> const polarB{P::LatitudeOfStandardParallel, P::LongitudeOfOrigin,
                                  P::FalseEasting, P::FalseNorthing};
    std::vector<int> const polarC{P::LatitudeOfStandardParallel, P::LongitudeOfOrigin,
                                  P::EastingAtFalseOrigin, P::NorthingAtFalseOrigin};
    std::vector<int> colombia = naturalNoScale;
    colombia.push_back(P::ProjectionPlaneOriginHeight);

    std::vector<std::pair<int, double>> const krovakDefaults{
        {P::LatitudeOfProjectionCentre, 49.5}, {P::LongitudeOfOrigin, 24.8333333333333}};

    return {
        {M::Geographic,
         L"Geographic (Latitude/Longitude)",
         0,
         L"",
         {P::Ellipsoid, P::AngularUnit},
         {},
         nullptr},
        {M::TransverseMercator,
         L"Transverse Mercator",
         EPSG_CODE_METHOD_TRANSVERSE_MERCATOR,
         L"Transverse Mercator",
         WithCommon(natural),
         {{P::ScaleFactorAtNaturalOrigin, 0.9996}, {P::FalseEasting, 500000.0}},
         nullptr},
        {M::TransverseMercatorSouthOrientated,
         L"Transverse Mercator (South Orientated)",
         EPSG_CODE_METHOD_TRANSVERSE_MERCATOR_SOUTH_ORIENTATED,
         L"Transverse Mercator (South Orientated)",
         WithCommon(natural),
         {},
         nullptr},
        {M::LambertConic1SP,
         L"Lambert Conic Conformal (1SP)",
         EPSG_CODE_METHOD_LAMBERT_CONIC_CONFORMAL_1SP,
         L"Lambert Conic Conformal (1SP)",
         WithCommon(natural),
         {{P::LatitudeOfNaturalOrigin, 45.0}},
         OneParallelConeRule},
        {M::LambertConic2SP,
         L"Lambert Conic Conformal (2SP)",
         EPSG_CODE_METHOD_LAMBERT_CONIC_CONFORMAL_2SP,
         L"Lambert Conic Conformal (2SP)",
         WithCommon(twoParallels),
         {{P::LatitudeOfFirstStandardParallel, 29.5}},
         TwoParallelConeRule},
        {M::LambertConic2SPMichigan,
         L"Lambert Conic Conformal (2SP Michigan)",
         EPSG_CODE_METHOD_LAMBERT_CONIC_CONFORMAL_2SP_MICHIGAN,
         L"Lambert Conic Conformal (2SP Michigan)",
         WithCommon(michigan),
         {{P::LatitudeOfFirstStandardParallel, 29.5}},
         TwoParallelConeRule},
        {M::LambertConic2SPBelgium,
         L"Lambert Conic Conformal (2SP Belgium)",
         EPSG_CODE_METHOD_LAMBERT_CONIC_CONFORMAL_2SP_BELGIUM,
         L"Lambert Conic Conformal (2SP Belgium)",
         WithCommon(twoParallels),
         {{P::LatitudeOfFirstStandardParallel, 29.5}},
         TwoParallelConeRule},
        {M::LambertConicWestOrientated,
         L"Lambert Conic Conformal (West Orientated)",
         EPSG_9826,
         L"Lambert Conic Conformal (West Orientated)",
         WithCommon(natural),
         {{P::LatitudeOfNaturalOrigin, 45.0}},
         OneParallelConeRule},
        {M::AlbersEqualArea,
         L"Albers Equal Area",
         EPSG_CODE_METHOD_ALBERS_EQUAL_AREA,
         L"Albers Equal Area",
         WithCommon(twoParallels),
         {{P::LatitudeOfFalseOrigin, 23.0}, {P::LatitudeOfFirstStandardParallel, 29.5}},
         TwoParallelConeRule},
        {M::CassiniSoldner,
         L"Cassini-Soldner",
         EPSG_CODE_METHOD_CASSINI_SOLDNER,
         L"Cassini-Soldner",
         WithCommon(naturalNoScale),
         {},
         nullptr},
        {M::HyperbolicCassiniSoldner,
         L"Hyperbolic Cassini-Soldner",
         EPSG_CODE_METHOD_HYPERBOLIC_CASSINI_SOLDNER,
         L"Hyperbolic Cassini-Soldner",
         WithCommon(naturalNoScale),
         {},
         nullptr},
        {M::ObliqueStereographic,
         L"Oblique Stereographic",
         EPSG_CODE_METHOD_OBLIQUE_STEREOGRAPHIC,
         L"Oblique Stereographic",
         WithCommon(natural),
         {{P::LatitudeOfNaturalOrigin, 45.0}},
         nullptr},
        {M::PolarStereographicA,
         L"Polar Stereographic (variant A)",
         EPSG_CODE_METHOD_POLAR_STEREOGRAPHIC_VARIANT_A,
         L"Polar Stereographic (variant A)",
         WithCommon(natural),
         {{P::ScaleFactorAtNaturalOrigin, 0.994}, {P::LatitudeOfNaturalOrigin, 90.0}},
         PolarOriginRule},
        {M::PolarStereographicB,
         L"Polar Stereographic (variant B)",
         EPSG_CODE_METHOD_POLAR_STEREOGRAPHIC_VARIANT_B,
         L"Polar Stereographic (variant B)",
         WithCommon(polarB),
         {},
         PolarStandardParallelRule},
        {M::PolarStereographicC,
         L"Polar Stereographic (variant C)",
         EPSG_9830,
         L"Polar Stereographic (variant C)",
         WithCommon(polarC),
         {{P::LatitudeOfStandardParallel, -67.0}},
         PolarStandardParallelRule},
        {M::HotineObliqueMercatorA,
         L"Hotine Oblique Mercator (variant A)",
         EPSG_CODE_METHOD_HOTINE_OBLIQUE_MERCATOR_VARIANT_A,
         L"Hotine Oblique Mercator (variant A)",
         WithCommon(hotineA),
         {},
         ObliqueCentreRule},
        {M::HotineObliqueMercatorB,
         L"Hotine Oblique Mercator (variant B)",
         EPSG_CODE_METHOD_HOTINE_OBLIQUE_MERCATOR_VARIANT_B,
         L"Hotine Oblique Mercator (variant B)",
         WithCommon(hotineB),
         {},
         ObliqueCentreRule},
        {M::MercatorA,
         L"Mercator (variant A)",
         EPSG_CODE_METHOD_MERCATOR_VARIANT_A,
         L"Mercator (variant A)",
         WithCommon(natural),
         {},
         nullptr},
        {M::MercatorB,
         L"Mercator (variant B)",
         EPSG_CODE_METHOD_MERCATOR_VARIANT_B,
         L"Mercator (variant B)",
         WithCommon(parallelAndLongitude),
         {},
         CylinderParallelRule},
        {M::PseudoMercator,
         L"Popular Visualisation Pseudo Mercator",
         EPSG_CODE_METHOD_POPULAR_VISUALISATION_PSEUDO_MERCATOR,
         L"Popular Visualisation Pseudo Mercator",
         WithCommon(naturalNoScale),
         {},
         nullptr},
        {M::LambertAzimuthalEqualArea,
         L"Lambert Azimuthal Equal Area",
         EPSG_CODE_METHOD_LAMBERT_AZIMUTHAL_EQUAL_AREA,
         L"Lambert Azimuthal Equal Area",
         WithCommon(naturalNoScale),
         {{P::LatitudeOfNaturalOrigin, 45.0}},
         nullptr},
        {M::Krovak, L"Krovak", EPSG_CODE_METHOD_KROVAK, L"Krovak", WithCommon(krovak),
         krovakDefaults, nullptr},
        {M::KrovakNorthOrientated, L"Krovak (North Orientated)",
         EPSG_CODE_METHOD_KROVAK_NORTH_ORIENTED, L"Krovak (North Orientated)", WithCommon(krovak),
         krovakDefaults, nullptr},
        {M::AmericanPolyconic,
         L"American Polyconic",
         EPSG_CODE_METHOD_AMERICAN_POLYCONIC,
         L"American Polyconic",
         WithCommon(naturalNoScale),
         {},
         nullptr},
        {M::EquidistantCylindrical,
         L"Equidistant Cylindrical",
         EPSG_CODE_METHOD_EQUIDISTANT_CYLINDRICAL,
         L"Equidistant Cylindrical",
         WithCommon(parallelAndLongitude),
         {},
         CylinderParallelRule},
        {M::EqualEarth,
         L"Equal Earth",
         EPSG_CODE_METHOD_EQUAL_EARTH,
         L"Equal Earth",
         WithCommon({P::LongitudeOfNaturalOrigin, P::FalseEasting, P::FalseNorthing}),
         {},
         nullptr},
        {M::ColombiaUrban,
         L"Colombia Urban",
         EPSG_CODE_METHOD_COLOMBIA_URBAN,
         L"Colombia Urban",
         WithCommon(colombia),
         {},
         nullptr},
        {M::LambertAzimuthalEqualAreaSpherical,
         L"Lambert Azimuthal Equal Area (Spherical)",
         EPSG_CODE_METHOD_LAMBERT_AZIMUTHAL_EQUAL_AREA_SPHERICAL,
         L"Lambert Azimuthal Equal Area (Spherical)",
         WithCommon(naturalNoScale),
         {},
         nullptr},
        {M::LambertCylindricalEqualArea,
         L"Lambert Cylindrical Equal Area",
         EPSG_CODE_METHOD_LAMBERT_CYLINDRICAL_EQUAL_AREA,
         L"Lambert Cylindrical Equal Area",
         WithCommon(parallelAndLongitude),
         {},
         CylinderParallelRule},
        {M::NewZealandMapGrid,
         L"New Zealand Map Grid",
         EPSG_CODE_METHOD_NZMG,
         L"New Zealand Map Grid",
         WithCommon(naturalNoScale),
         {},
         nullptr},
    };
}

} // namespace

ProjectionParameterInfo const* FindProjectionParameter(int id) {
    for (auto const& info : ParameterTable) {
        if (info.id == id) {
            return &info;
        }
    }
    return nullptr;
}

std::vector<ProjectionMethodInfo> const& ProjectionMethods() {
    static std::vector<ProjectionMethodInfo> const methods = MakeMethods();
    return methods;
}

double ProjectionParameterDefault(ProjectionMethod method, int id) {
    if (auto const* info = FindProjectionMethod(method)) {
        for (auto const& [parameter, value] : info->defaults) {
            if (parameter == id) {
                return value;
            }
        }
    }
    auto const* parameter = FindProjectionParameter(id);
    return parameter != nullptr ? parameter->defaultValue : 0.0;
}

ProjectionMethodInfo const* FindProjectionMethod(ProjectionMethod method) {
    for (auto const& info : ProjectionMethods()) {
        if (info.method == method) {
            return &info;
        }
    }
    return nullptr;
}

} // namespace kor
