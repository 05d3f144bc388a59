// kor projection catalogue: the methods 1 and 3 to 31 and the parameters they use.
#pragma once

#include "kor/KORTypes.h"

#include <vector>

namespace kor {

/// What a parameter's number means, which decides how it is checked and converted.
enum class ParameterKind { Latitude, Longitude, Angle, Scale, Length, Unit, Ellipsoid, Choice };

struct ProjectionParameterInfo {
    int id;
    wchar_t const* name;
    int epsgCode;
    ParameterKind kind;
};

struct ProjectionMethodInfo {
    ProjectionMethod method;
    wchar_t const* name;
    /// EPSG method code and the EPSG method name, which PROJ expects.
    int epsgCode;
    wchar_t const* epsgName;
    /// Parameters in the order they are shown, the ellipsoid first, then those of the
    /// method, then the linear unit, the axis order and the angular unit.
    std::vector<int> parameters;
};

ProjectionParameterInfo const* FindProjectionParameter(int id);
ProjectionMethodInfo const* FindProjectionMethod(ProjectionMethod method);
std::vector<ProjectionMethodInfo> const& ProjectionMethods();

} // namespace kor
