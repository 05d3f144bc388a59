// kor projection catalogue: every method the model knows, with its parameters, their
// defaults, its EPSG names and its rule, in one table; a new method is a new row.
#pragma once

#include "ProjectionRules.h"
#include "kor/KORTypes.h"

#include <utility>
#include <vector>

namespace kor {

/// What a parameter's number means, which decides how it is checked and converted.
enum class ParameterKind { Latitude, Longitude, Angle, Scale, Length, Unit, Ellipsoid, Choice };

struct ProjectionParameterInfo {
    int id;
    wchar_t const* name;
    int epsgCode;
    ParameterKind kind;
    /// The value a new projection starts from unless its method gives its own.
    double defaultValue;
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
    /// Defaults of this method that differ from the parameters' own: the values of a
    /// typical system of the method, so that the user edits from a sensible start.
    std::vector<std::pair<int, double>> defaults;
    /// What the method asks of its values together; null when each value's range is all.
    ProjectionRule rule = nullptr;
};

ProjectionParameterInfo const* FindProjectionParameter(int id);
ProjectionMethodInfo const* FindProjectionMethod(ProjectionMethod method);
std::vector<ProjectionMethodInfo> const& ProjectionMethods();
/// The value parameter `id` starts from in a new projection of `method`.
double ProjectionParameterDefault(ProjectionMethod method, int id);

} // namespace kor
