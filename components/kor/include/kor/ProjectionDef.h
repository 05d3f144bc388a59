// kor::ProjectionDef: a projection method with its parameters, and the catalogue of methods.
#pragma once

#include "kor/EllipsoidDef.h"
#include "kor/Export.h"
#include "kor/KORTypes.h"
#include "kor/ParameterValues.h"
#include "kor/ProjectionMethods.h"

#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace kor {

/// A copyable value: a method of the catalogue and the values of its parameters.
/// Angles are in degrees, lengths (false eastings and northings, heights) in meters;
/// the linear unit (parameter 3) is the number of units per meter of the projected
/// coordinates. A projection may hold parameters its method does not use (kept, for
/// instance, under a well-known name while the user tries another method).
class KOR_EXPORT ProjectionDef {
public:
    /// Parameter ids; each matches one EPSG parameter, except 2, 3 and AxisOrder.
    enum Parameter : int {
        Ellipsoid = 2,
        LinearUnit = 3,
        LatitudeOfNaturalOrigin = 4,
        LongitudeOfNaturalOrigin = 5,
        ScaleFactorAtNaturalOrigin = 6,
        FalseEasting = 7,
        FalseNorthing = 8,
        LatitudeOfFalseOrigin = 9,
        LongitudeOfFalseOrigin = 10,
        LatitudeOfFirstStandardParallel = 11,
        LatitudeOfSecondStandardParallel = 12,
        EastingAtFalseOrigin = 13,
        NorthingAtFalseOrigin = 14,
        EllipsoidScalingFactor = 15,
        LatitudeOfProjectionCentre = 16,
        LongitudeOfProjectionCentre = 17,
        AzimuthOfInitialLine = 18,
        AngleFromRectifiedToSkewGrid = 19,
        ScaleFactorOnInitialLine = 20,
        EastingAtProjectionCentre = 21,
        NorthingAtProjectionCentre = 22,
        LatitudeOfPseudoStandardParallel = 23,
        ScaleFactorOnPseudoStandardParallel = 24,
        CoLatitudeOfConeAxis = 25,
        LatitudeOfStandardParallel = 26,
        LongitudeOfOrigin = 27,
        ProjectionPlaneOriginHeight = 28,
        /// Order and direction of the projected axes (AxisOrders).
        AxisOrder = 29,
        /// Units of the geographic coordinates per degree: 1 for degrees, 400/360 for
        /// grads. Angles held as parameters are always in degrees.
        AngularUnit = 30,
    };
    enum AxisOrders : int {
        AxisEastNorth = 1,
        AxisNorthEast = 2,
        AxisWestSouth = 3,
        AxisNorthWest = 4,
        AxisSouthWest = 5,
        AxisWestNorth = 6,
        AxisEastSouth = 7,
        /// Near the poles the axes run along meridians reckoned from the projection's
        /// central longitude λ0: at the north pole easting runs south along λ0 + 90° and
        /// northing south along λ0 + 180°; at the south pole easting runs north along
        /// λ0 + 90° and northing north along λ0.
        AxisNorthPoleEastNorth = 8,
        AxisNorthPoleNorthEast = 9,
        AxisSouthPoleEastNorth = 10,
        AxisSouthPoleNorthEast = 11,
    };
    static constexpr ProjectionMethod GeographicMethod = methods::Geographic;
    static constexpr ProjectionMethod FirstProjectionMethod = methods::TransverseMercator;
    static constexpr ProjectionMethod LastProjectionMethod = methods::NewZealandMapGrid;

    /// Method 0 ("not set") without parameters.
    ProjectionDef() = default;
    /// The method with its default parameters.
    explicit ProjectionDef(ProjectionMethod method);

    ProjectionMethod GetMethod() const { return m_method; }
    /// Changes the method only; the values already held stay.
    void SetMethod(ProjectionMethod method) { m_method = method; }
    /// Replaces every parameter but the ellipsoid by the method's defaults.
    void SetDefaultParameters();
    /// Method 0, no parameters, no ellipsoid, no well-known names.
    void Flush();

    /// False when the projection does not hold the parameter.
    bool GetParameter(int id, double& value) const;
    bool GetParameter(int id, int& value) const;
    bool GetParameter(int id, bool& value) const;
    bool GetParameter(int id, EllipsoidDef& value) const;
    void SetParameter(int id, double value);
    void SetParameter(int id, int value);
    void SetParameter(int id, bool value);
    void SetParameter(int id, EllipsoidDef const& value);
    /// Copies parameter `id` from `other`; removes it when `other` does not hold it.
    void SetParameter(int id, ProjectionDef const& other);
    bool HasParameter(int id) const;
    /// Whether the method lists the parameter.
    bool UsesParameter(int id) const;
    /// Null when the projection holds no ellipsoid.
    EllipsoidDef const* GetEllipsoid() const;

    /// Names by which another program knew some of the parameters, in id order.
    std::vector<std::pair<int, std::wstring>> GetWellKnownNames() const;
    void SetWellKnownName(int id, std::wstring const& name);

    /// 0 when the method is known and every parameter it uses is present and sensible
    /// (finite values, latitudes within ±90°, longitudes within ±360°, positive scale
    /// factors and units, standard parallels that suit the method); otherwise the id of
    /// the first bad parameter, with a reason a user understands.
    int CheckParameters(std::wstring& reason) const;
    /// Same method and equal values of the parameters the method uses (relative
    /// tolerance 1e-12, angles compared modulo 360°, a missing value counting as the
    /// method's default); well-known names are ignored.
    bool Compare(ProjectionDef const& other, std::wstring* difference = nullptr) const;

    static int NumParameters(ProjectionMethod method);
    /// The id of the method's parameter at `index`, 0 when out of range.
    static int EnumParameter(ProjectionMethod method, int index);
    static wchar_t const* ParameterName(int id);
    /// 0 for an unknown id.
    static KORDataTypeID ParameterDataType(int id);
    /// What a parameter's number is measured in: angles in degrees, lengths in the
    /// system's linear unit; scale factors, units and choices are plain numbers.
    enum class Measure { Plain, Degrees, LinearUnit };
    /// Plain for an unknown id.
    static Measure ParameterMeasure(int id);
    /// The value a new projection of `method` starts with.
    static double ParameterDefault(ProjectionMethod method, int id);
    /// Null for a method outside the catalogue.
    static wchar_t const* MethodToName(ProjectionMethod method);
    /// 0 for an unknown name.
    static ProjectionMethod NameToMethod(std::wstring const& name);
    static wchar_t const* AxisOrderToName(int order);
    /// The longitude from which polar axes are reckoned: the longitude of natural
    /// origin, of origin, of the projection centre or of the false origin, whichever the
    /// method uses; 0 when it uses none.
    double CentralLongitude() const;
    /// EPSG code of the method, 0 for method 1 and for unknown methods.
    static int MethodToEPSGCode(ProjectionMethod method);
    /// The catalogue's method for an EPSG method code, 0 when it has none.
    static ProjectionMethod EPSGCodeToMethod(int code);
    /// EPSG code of a parameter, 0 for 2, 3, AxisOrder, AngularUnit and unknown ids.
    static int ParameterToEPSGCode(int id);
    static int EPSGCodeToParameter(int code);

private:
    ProjectionMethod m_method = 0;
    ParameterValues m_values;
    std::optional<EllipsoidDef> m_ellipsoid;
    std::map<int, std::wstring> m_wellKnownNames;
};

} // namespace kor
