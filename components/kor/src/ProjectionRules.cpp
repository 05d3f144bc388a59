#include "ProjectionRules.h"

#include "kor/ProjectionDef.h"

#include <cmath>

namespace kor {

namespace {

using P = ProjectionDef;

// Values are known to be finite by the time a rule runs; this tolerance only absorbs
// values that went through text.
constexpr double Tolerance = 1e-10;

double Value(ProjectionDef const& projection, int id) {
    double number = 0.0;
    projection.GetParameter(id, number);
    return number;
}

bool AtPole(double latitude) {
    return std::fabs(std::fabs(latitude) - 90.0) < Tolerance;
}

bool AtEquator(double latitude) {
    return std::fabs(latitude) < Tolerance;
}

} // namespace

int TwoParallelConeRule(ProjectionDef const& projection, std::wstring& reason) {
    double const first = Value(projection, P::LatitudeOfFirstStandardParallel);
    double const second = Value(projection, P::LatitudeOfSecondStandardParallel);
    // A cone whose standard parallels mirror each other about the equator degenerates to a
    // cylinder, and one touching a pole to a plane.
    if (std::fabs(first + second) < Tolerance) {
        reason = L"The standard parallels must not lie symmetrically about the equator "
                 L"(their sum is 0), or the cone becomes a cylinder.";
        return P::LatitudeOfSecondStandardParallel;
    }
    for (int id : {P::LatitudeOfFirstStandardParallel, P::LatitudeOfSecondStandardParallel}) {
        if (AtPole(Value(projection, id))) {
            reason = L"A standard parallel must not lie at a pole.";
            return id;
        }
    }
    return 0;
}

int OneParallelConeRule(ProjectionDef const& projection, std::wstring& reason) {
    double const origin = Value(projection, P::LatitudeOfNaturalOrigin);
    if (AtEquator(origin) || AtPole(origin)) {
        reason = L"For a one-parallel Lambert conic the latitude of natural origin must "
                 L"lie strictly between the equator and a pole.";
        return P::LatitudeOfNaturalOrigin;
    }
    return 0;
}

int PolarOriginRule(ProjectionDef const& projection, std::wstring& reason) {
    if (!AtPole(Value(projection, P::LatitudeOfNaturalOrigin))) {
        reason = L"A polar stereographic projection (variant A) must have its natural "
                 L"origin at a pole (latitude 90 or -90).";
        return P::LatitudeOfNaturalOrigin;
    }
    return 0;
}

int PolarStandardParallelRule(ProjectionDef const& projection, std::wstring& reason) {
    if (AtEquator(Value(projection, P::LatitudeOfStandardParallel))) {
        reason = L"The standard parallel of a polar stereographic projection must not be "
                 L"the equator.";
        return P::LatitudeOfStandardParallel;
    }
    return 0;
}

int ObliqueCentreRule(ProjectionDef const& projection, std::wstring& reason) {
    if (AtPole(Value(projection, P::LatitudeOfProjectionCentre))) {
        reason = L"The centre of an oblique Mercator projection must not lie at a pole.";
        return P::LatitudeOfProjectionCentre;
    }
    return 0;
}

int CylinderParallelRule(ProjectionDef const& projection, std::wstring& reason) {
    if (AtPole(Value(projection, P::LatitudeOfFirstStandardParallel))) {
        reason = L"The standard parallel of a cylindrical projection must not lie at a pole.";
        return P::LatitudeOfFirstStandardParallel;
    }
    return 0;
}

} // namespace kor
