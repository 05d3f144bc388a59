#include "ProjectionCatalogue.h"

#include "kor/ProjectionDef.h"

#include <array>

namespace kor {

namespace {

using P = ProjectionDef;
using K = ParameterKind;

constexpr std::array<ProjectionParameterInfo, 29> ParameterTable{{
    {P::Ellipsoid, L"Ellipsoid", 0, K::Ellipsoid},
    {P::LinearUnit, L"Units per Meter", 0, K::Unit},
    {P::LatitudeOfNaturalOrigin, L"Latitude of natural origin", 8801, K::Latitude},
    {P::LongitudeOfNaturalOrigin, L"Longitude of natural origin", 8802, K::Longitude},
    {P::ScaleFactorAtNaturalOrigin, L"Scale factor at natural origin", 8805, K::Scale},
    {P::FalseEasting, L"False easting", 8806, K::Length},
    {P::FalseNorthing, L"False northing", 8807, K::Length},
    {P::LatitudeOfFalseOrigin, L"Latitude of false origin", 8821, K::Latitude},
    {P::LongitudeOfFalseOrigin, L"Longitude of false origin", 8822, K::Longitude},
    {P::LatitudeOfFirstStandardParallel, L"Latitude of 1st standard parallel", 8823, K::Latitude},
    {P::LatitudeOfSecondStandardParallel, L"Latitude of 2nd standard parallel", 8824, K::Latitude},
    {P::EastingAtFalseOrigin, L"Easting at false origin", 8826, K::Length},
    {P::NorthingAtFalseOrigin, L"Northing at false origin", 8827, K::Length},
    {P::EllipsoidScalingFactor, L"Ellipsoid scaling factor", 1038, K::Scale},
    {P::LatitudeOfProjectionCentre, L"Latitude of projection centre", 8811, K::Latitude},
    {P::LongitudeOfProjectionCentre, L"Longitude of projection centre", 8812, K::Longitude},
    {P::AzimuthOfInitialLine, L"Azimuth of initial line", 8813, K::Angle},
    {P::AngleFromRectifiedToSkewGrid, L"Angle from Rectified to Skew Grid", 8814, K::Angle},
    {P::ScaleFactorOnInitialLine, L"Scale factor on initial line", 8815, K::Scale},
    {P::EastingAtProjectionCentre, L"Easting at projection centre", 8816, K::Length},
    {P::NorthingAtProjectionCentre, L"Northing at projection centre", 8817, K::Length},
    {P::LatitudeOfPseudoStandardParallel, L"Latitude of pseudo standard parallel", 8818,
     K::Latitude},
    {P::ScaleFactorOnPseudoStandardParallel, L"Scale factor on pseudo standard parallel", 8819,
     K::Scale},
    {P::CoLatitudeOfConeAxis, L"Co-latitude of cone axis", 1036, K::Angle},
    {P::LatitudeOfStandardParallel, L"Latitude of standard parallel", 8832, K::Latitude},
    {P::LongitudeOfOrigin, L"Longitude of origin", 8833, K::Longitude},
    {P::ProjectionPlaneOriginHeight, L"Projection plane origin height", 1039, K::Length},
    {P::AxisOrder, L"Axis Order", 0, K::Choice},
    {P::AngularUnit, L"Angular Units per Degree", 0, K::Unit},
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

    return {
        {1, L"Geographic (Latitude/Longitude)", 0, L"", {P::Ellipsoid, P::AngularUnit}},
        {3, L"Transverse Mercator", 9807, L"Transverse Mercator", WithCommon(natural)},
        {4, L"Transverse Mercator (South Orientated)", 9808,
         L"Transverse Mercator (South Orientated)", WithCommon(natural)},
        {5, L"Lambert Conic Conformal (1SP)", 9801, L"Lambert Conic Conformal (1SP)",
         WithCommon(natural)},
        {6, L"Lambert Conic Conformal (2SP)", 9802, L"Lambert Conic Conformal (2SP)",
         WithCommon(twoParallels)},
        {7, L"Lambert Conic Conformal (2SP Michigan)", 1051,
         L"Lambert Conic Conformal (2SP Michigan)", WithCommon(michigan)},
        {8, L"Lambert Conic Conformal (2SP Belgium)", 9803,
         L"Lambert Conic Conformal (2SP Belgium)", WithCommon(twoParallels)},
        {9, L"Lambert Conic Conformal (West Orientated)", 9826,
         L"Lambert Conic Conformal (West Orientated)", WithCommon(natural)},
        {10, L"Albers Equal Area", 9822, L"Albers Equal Area", WithCommon(twoParallels)},
        {11, L"Cassini-Soldner", 9806, L"Cassini-Soldner", WithCommon(naturalNoScale)},
        {12, L"Hyperbolic Cassini-Soldner", 9833, L"Hyperbolic Cassini-Soldner",
         WithCommon(naturalNoScale)},
        {13, L"Oblique Stereographic", 9809, L"Oblique Stereographic", WithCommon(natural)},
        {14, L"Polar Stereographic (variant A)", 9810, L"Polar Stereographic (variant A)",
         WithCommon(natural)},
        {15, L"Polar Stereographic (variant B)", 9829, L"Polar Stereographic (variant B)",
         WithCommon(polarB)},
        {16, L"Polar Stereographic (variant C)", 9830, L"Polar Stereographic (variant C)",
         WithCommon(polarC)},
        {17, L"Hotine Oblique Mercator (variant A)", 9812, L"Hotine Oblique Mercator (variant A)",
         WithCommon(hotineA)},
        {18, L"Hotine Oblique Mercator (variant B)", 9815, L"Hotine Oblique Mercator (variant B)",
         WithCommon(hotineB)},
        {19, L"Mercator (variant A)", 9804, L"Mercator (variant A)", WithCommon(natural)},
        {20, L"Mercator (variant B)", 9805, L"Mercator (variant B)",
         WithCommon(parallelAndLongitude)},
        {21, L"Popular Visualisation Pseudo Mercator", 1024,
         L"Popular Visualisation Pseudo Mercator", WithCommon(naturalNoScale)},
        {22, L"Lambert Azimuthal Equal Area", 9820, L"Lambert Azimuthal Equal Area",
         WithCommon(naturalNoScale)},
        {23, L"Krovak", 9819, L"Krovak", WithCommon(krovak)},
        {24, L"Krovak (North Orientated)", 1041, L"Krovak (North Orientated)", WithCommon(krovak)},
        {25, L"American Polyconic", 9818, L"American Polyconic", WithCommon(naturalNoScale)},
        {26, L"Equidistant Cylindrical", 1028, L"Equidistant Cylindrical",
         WithCommon(parallelAndLongitude)},
        {27, L"Equal Earth", 1078, L"Equal Earth",
         WithCommon({P::LongitudeOfNaturalOrigin, P::FalseEasting, P::FalseNorthing})},
        {28, L"Colombia Urban", 1052, L"Colombia Urban", WithCommon(colombia)},
        {29, L"Lambert Azimuthal Equal Area (Spherical)", 1027,
         L"Lambert Azimuthal Equal Area (Spherical)", WithCommon(naturalNoScale)},
        {30, L"Lambert Cylindrical Equal Area", 9835, L"Lambert Cylindrical Equal Area",
         WithCommon(parallelAndLongitude)},
        {31, L"New Zealand Map Grid", 9811, L"New Zealand Map Grid", WithCommon(naturalNoScale)},
    };
}

} // namespace

ProjectionParameterInfo const* FindProjectionParameter(int id) {
    for (auto const& info : ParameterTable)
        if (info.id == id)
            return &info;
    return nullptr;
}

std::vector<ProjectionMethodInfo> const& ProjectionMethods() {
    static std::vector<ProjectionMethodInfo> const methods = MakeMethods();
    return methods;
}

ProjectionMethodInfo const* FindProjectionMethod(ProjectionMethod method) {
    for (auto const& info : ProjectionMethods())
        if (info.method == method)
            return &info;
    return nullptr;
}

} // namespace kor
