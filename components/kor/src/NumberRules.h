// kor number rules: the tolerances and range tests that every definition check shares.
#pragma once

#include <cmath>
#include <string>
#include <string_view>

namespace kor {

/// Relative tolerance under which two parameter values count as equal.
inline constexpr double ParameterTolerance = 1e-12;

inline bool NearlyEqual(double a, double b, double tolerance = ParameterTolerance) {
    if (a == b) {
        return true;
    }
    if (!std::isfinite(a) || !std::isfinite(b)) {
        return false;
    }
    double const scale = std::fmax(1.0, std::fmax(std::fabs(a), std::fabs(b)));
    return std::fabs(a - b) <= tolerance * scale;
}

/// Angles that differ by whole turns are the same angle.
inline bool NearlyEqualAngle(double a, double b) {
    if (NearlyEqual(a, b)) {
        return true;
    }
    if (!std::isfinite(a) || !std::isfinite(b)) {
        return false;
    }
    double const turns = std::remainder(a - b, 360.0);
    return std::fabs(turns) <= ParameterTolerance * 360.0;
}

} // namespace kor

namespace kor {

/// The code of "4326", "EPSG:4326", "epsg::4326" or "EPSG : 4326"; 0 for any other text.
int ParseAuthorityCode(std::wstring const& text);

/// Reads the whole of `text` as std::from_chars reads a double, to the same bit, and
/// false where it fails; several times quicker for the plain decimals a file of bounds holds.
bool ParseDouble(std::string_view text, double& value);

/// Whether two texts are equal when letters are compared by their lower-case forms.
bool EqualIgnoringCase(std::wstring_view a, std::wstring_view b);

} // namespace kor
